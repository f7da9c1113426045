// The desktop's conventions: Ctrl+C in a display, and its menu's "Másolás",
// copy the number shown, without blanks, when nothing is selected.
#include "shell/application.h"
#include "stand/standwindow.h"
#include "support/script.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>

namespace {
// Opens the field's menu as a right click does and chooses "Másolás"; the
// clipboard then, or "(disabled)".
QString copyFromMenu(QLineEdit *field)
{
    QApplication::clipboard()->setText("before");
    QTest::mouseClick(field, Qt::RightButton);  // a press moves the caret only
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(field, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        return "(no menu)";
    QAction *copy = nullptr;
    for (QAction *action : menu->actions())
        if (action->text().startsWith("&Másolás") || action->text().startsWith("&Copy"))
            copy = action;
    const bool enabled = copy && copy->isEnabled();
    if (enabled)
        copy->trigger();
    // A closed menu goes: a right click must not leave one behind each time.
    const QPointer<QMenu> closed(menu);
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (closed)
        return "(menu left behind)";
    return enabled ? QApplication::clipboard()->text() : "(disabled)";
}
}  // namespace

class TestConventions : public QObject {
    Q_OBJECT
private slots:
    void copyTheShownNumber()
    {
        core::Module1 m;
        StandWindow w(m);
        w.show();
        QApplication::setActiveWindow(&w);
        RUN_SCRIPT(w, "1 2 , 5");
        QApplication::clipboard()->setText("before");
        QTest::keyClick(w.Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12.5"));
        w.Text1->setSelection(1, 2);  // a selection is copied as it is
        QTest::keyClick(w.Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2."));
        // The number without the blank the sign key leaves before it.
        RUN_SCRIPT(w, "CLR 5 +/- +/-");
        QCOMPARE(w.Text1->text(), QStringLiteral(" 5"));
        QTest::keyClick(w.Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("5"));
        // The display's menu copies what Ctrl+C does, and only when there is something.
        RUN_SCRIPT(w, "CLR 7 +/-");
        QCOMPARE(copyFromMenu(w.Text1), QStringLiteral("-7"));
        RUN_SCRIPT(w, "CLR");
        QCOMPARE(copyFromMenu(w.Text1), QStringLiteral("(disabled)"));
        QTest::keyClick(w.Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));  // nothing to copy: left alone
    }
};

QTEST_MAIN(TestConventions)
#include "tst_conventions.moc"
