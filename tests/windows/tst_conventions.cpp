// The desktop's conventions: Ctrl+C in a display, and its menu's "Másolás",
// copy the number shown, without blanks, when nothing is selected; Ctrl+Q
// quits from every window.
#include "shell/application.h"
#include "stand/standwindow.h"
#include "support/script.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

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

    void quitFromEveryWindow_data();
    void quitFromEveryWindow();
};

// Each window opened from the standard window as a user would ("m:" a menu
// item of the window in front, any other word the key of that caption); then
// Ctrl+Q where the keyboard is. The application ends, from the modal ones
// too, whose own event loop is running. A window with a Kilépés item shows
// the key beside it.
void TestConventions::quitFromEveryWindow_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("shownKey");
    const char *const rows[][4] = {{"standard window", "", "stand", "Ctrl+Q"},
                                   {"scientific window", "m:bovit", "extend", "Ctrl+Q"},
                                   {"informatics window", "m:info", "infos", "Ctrl+Q"},
                                   {"settings dialog", "m:option", "options", ""},
                                   {"quadratic solver", "m:bovit x1,x2", "masodf", ""},
                                   {"linear solver", "m:bovit x,y,z", "linear", ""},
                                   {"about box", "m:nevjegy", "about", ""},
                                   {"help window", "m:tart", "help", ""}};
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]);
}

void TestConventions::quitFromEveryWindow()
{
    QFETCH(QString, opening);
    QFETCH(QString, window);
    Application app;
    app.start();
    QString pressedIn, keyShown;
    QTimer lookout;
    connect(&lookout, &QTimer::timeout, &app, [&] {
        for (QWidget *shown : QApplication::topLevelWidgets()) {
            if (!pressedIn.isEmpty() || !shown->isVisible() || shown->objectName() != window)
                continue;
            for (QAction *item : shown->findChildren<QAction *>(QRegularExpression("^quit")))
                keyShown = item->shortcut().toString();
            QApplication::setActiveWindow(shown);
            QWidget *keyboard = QApplication::focusWidget();
            pressedIn = keyboard ? keyboard->objectName() + " in " + window : window;
            QTest::keyClick(keyboard ? keyboard : shown, Qt::Key_Q, Qt::ControlModifier);
        }
    });
    lookout.start(10);
    QTimer::singleShot(0, &app, [&] {
        for (const QString &word : opening.split(' ', Qt::SkipEmptyParts)) {
            auto *front = static_cast<CalculatorWindow *>(app.visibleWindow());
            if (word.startsWith("m:"))
                front->findChild<QAction *>(word.mid(2))->trigger();  // a modal one returns when it closes
            else
                QCOMPARE(testscript::run(*front, word), QString());
        }
    });
    QTimer::singleShot(10000, &app, [] { QApplication::exit(7); });  // not ended: the test fails
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY2(!pressedIn.isEmpty(), "the window did not show");
    QTEST(keyShown, "shownKey");
}

QTEST_MAIN(TestConventions)
#include "tst_conventions.moc"
