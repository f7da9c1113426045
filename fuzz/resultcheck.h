#pragma once

#include "support/messagerecorder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Application;
class QMainWindow;
class QWidget;

// Every shown result judged against the independent reference. A check is
// made before the event, from the operands the product will read (the
// display's text, szam1, muvelet, Inv, alapkod, the solver fields), and run
// after it on what the window then shows and the boxes the event raised.
namespace resultcheck {

using Shown = QList<MessageRecorder::Shown>;
// The differences found after the event; empty when the window agrees.
using After = std::function<QStringList(const Shown &shown)>;

// "=" in a calculator window: its key, or Enter in the display.
After equals(Application &app, QMainWindow *window);
// A function key of the scientific window (Command8 `index`).
After functionKey(Application &app, int index);
// A base option event of the informatics window (the selection may move).
After baseChange(Application &app);
// Any event in an open solver: judged when it ran the solver's "Számítás".
After solver(QWidget *modal);

// How many results were judged so far, per kind (solver events that ran
// nothing and displays that could not be read are not counted).
QString judged();

}  // namespace resultcheck
