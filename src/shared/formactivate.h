#pragma once

#include <QEvent>

// Gives a window or dialog its Form_Activate: it runs each time the window
// becomes the active one (a click into it, a switch, a closed modal box).
template <class QtWindow>
class WithFormActivate : public QtWindow {
public:
    using QtWindow::QtWindow;

    virtual void Form_Activate() = 0;

protected:
    void changeEvent(QEvent *event) override
    {
        QtWindow::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && this->isActiveWindow())
            Form_Activate();
    }
};
