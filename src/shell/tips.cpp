#include "shell/tips.h"

#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/application.h"
#include "standard/standwindow.h"

#include <QToolTip>

void applyTips(Application &app, bool on)
{
    QToolTip::hideText();
    for (View view : kViews)
        app.window(view).showTips(on);
}
