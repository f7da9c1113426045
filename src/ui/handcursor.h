#pragma once

#include <QCursor>

class QByteArray;
class QString;

// The pointing hand over clickable labels: "hand.cur" beside the executable
// when it can be read, else the system's pointing hand.
QCursor handCursor();

// The cursor of a .cur file with the hot spot its header gives; the
// system's pointing hand when the file is missing or not a cursor.
QCursor cursorFromFile(const QString &path);

// The hot spot of the first image of a .cur file's contents, or (-1, -1)
// when the data is not a cursor file. Image loaders drop it.
QPoint cursorHotSpot(const QByteArray &fileContents);
