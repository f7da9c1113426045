#include "ui/decoration.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QWidget>

namespace decoration {
namespace {

const char *const kDecoration = "zorvexaDecoration";
const char *const kHasDecoration = "zorvexaHasDecoration";

// A parent's accessible interface without its decorative children; the rest
// is Qt's own for a plain widget or a dialog.
class WithoutDecoration : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index))
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> shown() const
    {
        QList<QWidget *> children;
        for (QWidget *w : widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!w->isWindow() && !qobject_cast<QMenu *>(w) && !w->property(kDecoration).toBool())
                children.append(w);
        return children;
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->property(kHasDecoration).toBool() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new WithoutDecoration(widget, widget->isWindow() ? QAccessible::Dialog : QAccessible::Client);
}

}  // namespace

void hide(QWidget *widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kDecoration, true);
    widget->parentWidget()->setProperty(kHasDecoration, true);
}

}  // namespace decoration
