#pragma once

#include "support/messagerecorder.h"

#include <QList>
#include <QString>
#include <QStringList>

class Application;
class QWidget;

// What must hold after every event, whatever the user did:
// - the operands, the result, the memory register, the scientific window's
//   intermediate value and the linear solver's coefficients and determinants
//   are finite; the check's point counter is 0 and its flag False again;
// - exactly one calculator window is visible; the informatics window's base
//   in force is the selected option;
// - every display holds empty text, a number text its window's check lets
//   stand (in the informatics window: digits of the selected base), or
//   (informatics) the division message; the tapes never mention
//   infinity or NaN; the memory indicators read "M" or nothing;
// - the result fields of an open solver hold empty text or a number as the
//   Str rule writes it; its sign labels read "+" or "-", its key "Számítás"
//   or "Újra";
// - every message box shown is one of the system's own messages, with the
//   icon the system gives it.
class Invariants {
public:
    explicit Invariants(Application &app) : app_(app) {}

    // The violations after one event; `shown` are the boxes it raised.
    QStringList check(const QList<MessageRecorder::Shown> &shown, QWidget *modal);

private:
    void checkState(QStringList &violations) const;
    void checkWindows(QStringList &violations);
    void checkInfos(QStringList &violations);
    void checkModal(QWidget *modal, QStringList &violations) const;

    Application &app_;
    // Text the informatics window let in unchecked while a division by zero
    // stood; it may stay until the display changes again.
    QString infosUnchecked_;
    bool haveInfosUnchecked_ = false;
    // A fraction refused at a base change stays as it was written while
    // base ten is selected again, until the display changes.
    QString infosKeptFraction_;
    bool haveInfosKeptFraction_ = false;
};
