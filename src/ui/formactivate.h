#pragma once

#include <QEvent>
#include <QWidget>

// Which window of the application was active last. A platform may take the
// activation away to no window at all and hand it back to the same window
// late (a hidden window's focus goes nowhere until the window manager gives
// it to the next one); that brings the window back from nowhere else.
namespace activation {

// Starts following the windows that become active (once per application).
bool follow();

// True once when `window` is being activated after another window of the
// application was the active one: dialogs and message boxes count.
bool isReturn(const QWidget *window);

// Marks a window the calculator does not wait for (the help): going to it
// and coming back counts as a visit to another program, as do its popups.
void setOutside(QWidget *window);

}  // namespace activation

// Gives a window or dialog its Form_Activate: it runs each time the window
// becomes the active one coming from another window of the application
// (shown, switched to, returned to after a dialog or message box closed).
template <class QtWindow>
class WithFormActivate : public QtWindow {
public:
    using QtWindow::QtWindow;

    virtual void Form_Activate() = 0;

protected:
    void changeEvent(QEvent *event) override
    {
        QtWindow::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && this->isActiveWindow() && activation::isReturn(this))
            Form_Activate();
    }

private:
    bool following_ = activation::follow();
};
