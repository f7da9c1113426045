#pragma once

#include "core/arrival.h"

#include <QEvent>
#include <QWidget>

// Which window of the application was active last. A platform may take the
// activation away to no window at all and hand it back to the same window
// late (a hidden window's focus goes nowhere until the window manager gives
// it to the next one); that brings the window back from nowhere else.
namespace activation {

// Starts following the windows that become active (once per application).
bool follow();

// Where the user came from, as `window` becomes the active one: another
// window of the application (dialogs and message boxes count; told once per
// arrival), the help, or elsewhere.
core::Arrival arrival(const QWidget *window);

// Marks a window the calculator does not wait for (the help): going to it
// and coming back counts as a visit elsewhere, as do its popups.
void setOutside(QWidget *window);

}  // namespace activation

// Tells a window or dialog each time it becomes the active one, and where
// the user came from. A dialog's Form_Activate runs when the rules say so; a
// calculator window asks its own rules.
template <class QtWindow>
class WithFormActivate : public QtWindow {
public:
    using QtWindow::QtWindow;

    virtual void Form_Activate() {}

protected:
    virtual void activated(core::Arrival from)
    {
        if (core::runsFormActivate(from))
            Form_Activate();
    }

    void changeEvent(QEvent *event) override
    {
        QtWindow::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && this->isActiveWindow())
            activated(activation::arrival(this));
    }

private:
    bool following_ = activation::follow();
};
