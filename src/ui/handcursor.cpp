#include "ui/handcursor.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>

namespace {
int littleEndian16(const QByteArray &data, int offset)
{
    return int(uchar(data.at(offset))) | int(uchar(data.at(offset + 1))) << 8;
}
}  // namespace

QPoint cursorHotSpot(const QByteArray &fileContents)
{
    // A 6-byte directory header (reserved 0, type 2 = cursor, image count),
    // then 16 bytes per image with the hot spot at bytes 4 to 7.
    constexpr int kHeader = 6;
    constexpr int kEntry = 16;
    if (fileContents.size() < kHeader + kEntry)
        return QPoint(-1, -1);
    if (littleEndian16(fileContents, 0) != 0 || littleEndian16(fileContents, 2) != 2 ||
        littleEndian16(fileContents, 4) == 0)
        return QPoint(-1, -1);
    return QPoint(littleEndian16(fileContents, kHeader + 4), littleEndian16(fileContents, kHeader + 6));
}

QCursor cursorFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(Qt::PointingHandCursor);
    const QPoint hotSpot = cursorHotSpot(file.read(64));
    file.close();
    const QPixmap pixmap(path);
    if (hotSpot.x() < 0 || pixmap.isNull())
        return QCursor(Qt::PointingHandCursor);
    // A hot spot outside the picture would point nowhere; Qt then uses the
    // centre.
    if (!pixmap.rect().contains(hotSpot))
        return QCursor(pixmap);
    return QCursor(pixmap, hotSpot.x(), hotSpot.y());
}

QCursor handCursor()
{
    return cursorFromFile(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("hand.cur")));
}
