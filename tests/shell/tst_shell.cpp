// The shell as a person uses it: one calculation in three views (switching
// and what carries over), activation, the settings dialog and the tips, and
// quitting. (Every control's accessible name: tst_readability.)
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/application.h"
#include "shell/optionsdialog.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {
const char kViewLetter[] = "sei";

QString suffix(View view) { return view == View::Standard ? QString() : QString::number(int(view) + 1); }

bool isCentred(const QWidget &window)
{
    return (window.frameGeometry().center() - window.screen()->geometry().center()).manhattanLength() <= 2;
}

// Does what a script says in the calculator window the user sees: "m:<item>"
// triggers a menu item, "close" closes the window from its frame, any other
// word goes to the calculator script driver.
QString press(Application &app, const QString &script)
{
    for (const QString &token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        auto &window = static_cast<CalculatorWindow &>(*app.visibleWindow());
        QAction *item = window.findChild<QAction *>(token.mid(2));
        if (token == QLatin1String("close"))
            window.close();
        else if (token.startsWith(QLatin1String("m:")) && item)
            item->trigger();
        else if (const QString failure = testscript::run(window, app.state(), token); !failure.isEmpty())
            return failure;
    }
    return QString();
}

// Every widget of the loaded calculator windows with a tip, as "view/name=tip".
QStringList tipsShown(Application &app)
{
    QStringList shown;
    for (View view : kViews)
        for (QWidget *w : app.isLoaded(view) ? app.window(view).findChildren<QWidget *>() : QList<QWidget *>())
            if (!w->toolTip().isEmpty())
                shown << kViewLetter[int(view)] + ("/" + w->objectName()) + "=" + w->toolTip();
    return shown;
}

}  // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void views();
    void activationComesFromAnotherWindow();
    void optionsAndTips();
    void quitting();
};

// A script, the windows loaded in order (the one shown at the end in
// capitals), that window's display and memory indicator, the standard tape and
// szam1. Every script ends on an activation, so no operation is pending then.
void TestShell::views()
{
    const auto row = [this](const QString &script, const QString &loads, const QString &display,
                            const QString &indicator, const QString &tape, double szam1) {
        MessageRecorder recorder;
        Application app;
        QString loaded;
        connect(&app, &Application::windowLoaded, this, [&loaded](View view) { loaded += kViewLetter[int(view)]; });
        app.start();
        QCOMPARE(press(app, script), QString());
        QCOMPARE(loaded, loads.toLower());
        const QChar shown = *std::find_if(loads.begin(), loads.end(), [](QChar c) { return c.isUpper(); });
        CalculatorWindow &window = app.window(View(QString(kViewLetter).indexOf(shown.toLower())));
        const char *items[] = {"egysz", "bovit", "info"};
        for (View view : kViews)  // each window's check mark is on its own view
            for (View item : kViews)
                QVERIFY(!app.isLoaded(view) ||
                        app.window(view).findChild<QAction *>(items[int(item)] + suffix(view))->isChecked() ==
                            (item == view));
        QCOMPARE(QApplication::activeWindow(), &window);
        QVERIFY(isCentred(window));
        QCOMPARE(QStringList({window.Text1->text(), window.Label2->text(), app.stand().Label1->text()}),
                 QStringList({display, indicator, tape}));
        QCOMPARE(app.state().muvelet, QString());
        QCOMPARE(app.state().szam1, szam1);
        if (&window == &app.stand())
            QVERIFY(app.state().valto && QApplication::focusWidget() == app.stand().Text1);
        QVERIFY(!app.helpViewer());
        QVERIFY(recorder.shown.isEmpty());
    };
    // The switching table; the third window is loaded hidden by the first switch.
    row("m:egysz", "S", "", "", "", 0.0);
    row("m:bovit m:info2", "seI", "", "", "", 0.0);
    row("m:info m:egysz3", "Sie", "", "", "", 0.0);
    row("m:bovit m:index2 m:keres2 m:info2 m:index3 m:keres3", "seI", "", "", "",
        0.0);  // they do nothing outside stand
    // Memory carries over, not its indicator; the pending operation is dropped; each window keeps its own display.
    row("5 M+ m:bovit MR", "sEi", "5", "", "", 0.0);
    row("1 2 + m:bovit", "sEi", "", "", "12+", 12.0);
    row("m:info 3 + m:egysz3 4 =", "Sie", "4", "", "4 ", 3.0);
    row("1 2 m:info 5 / 0 = m:egysz3 + 3 m:bovit m:egysz2", "Sie", "3", "", "12+", 12.0);  // a lock stays in its window
    row("4 * 7 m:bovit 9 M+ m:egysz2 m:bovit", "sEi", "9", "M", "4*", 4.0);
}

// The platform may take the activation away to no window and hand it back to
// the same window late: that is no return to it. A message box in between is.
void TestShell::activationComesFromAnotherWindow()
{
    Application app;
    app.start();
    app.switchView(View::Standard, View::Extended);  // loads infos hidden, which clears valto
    QCOMPARE(app.state().valto, false);
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&app.extend());
    app.switchView(View::Extended, View::Informatics);
    QCOMPARE(app.state().valto, false);

    QCOMPARE(press(app, "1 +"), QString());
    QTimer::singleShot(0, &app, [] { QApplication::activeModalWidget()->close(); });
    messages::show(QStringLiteral("x"), messages::Icon::None, &app.infos());  // a real box
    QTRY_COMPARE(QApplication::activeWindow(), &app.infos());
    QCOMPARE(app.state().muvelet, QString());
}

// The settings dialog is modeless; OK loads the windows not loaded yet,
// hidden, in order, and gives all of them their tips; closed from its frame it
// is discarded and changes nothing.
void TestShell::optionsAndTips()
{
    MessageRecorder recorder;
    Application app;
    QString loaded;
    connect(&app, &Application::windowLoaded, this, [&loaded](View view) { loaded += kViewLetter[int(view)]; });
    app.start();
    QCOMPARE(press(app, "m:option 8"), QString());  // the calculator works beside it
    OptionsDialog *options = app.options();
    QVERIFY(options->isVisible() && !options->isModal() && app.stand().Text1->text() == "8");
    options->Check1->click();
    options->Command1->click();
    QCOMPARE(loaded, QString("sei"));
    QVERIFY(!options->isVisible() && !app.extend().isVisible() && !app.infos().isVisible());
    const QStringList tips = tipsShown(app);
    QCOMPARE(tips.size(), 3 * 9 + 14 + 6);  // the shared keys, the scientific ones, hex digits
    for (const char *tip :
         {"s/Label2=Memória állapotjelző", "e/Command10=INVERZ: a művelet ellentéte", "i/Command2_15=15"})
        QVERIFY2(tips.contains(QString::fromUtf8(tip)), tip);
    QCOMPARE(press(app, "m:option"), QString());
    QCOMPARE(app.options(), options);  // the same dialog
    options->Check1->click();
    options->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!app.options());
    QCOMPARE(tipsShown(app), tips);
    QVERIFY(recorder.shown.isEmpty());
}

// Kilépés, or closing the visible window, ends the program; switching does not.
void TestShell::quitting()
{
    for (const char *script : {"m:quit", "m:info m:quit3", "m:info m:option close", "m:bovit m:egysz2"}) {
        MessageRecorder recorder;
        Application app;
        app.start();
        QString failure;
        QTimer::singleShot(0, &app, [&] { failure = press(app, script); });
        QTimer::singleShot(300, &app, [] { QApplication::exit(7); });  // 7: still running
        QCOMPARE(QApplication::exec(), QString(script).contains("egysz") ? 7 : 0);
        QCOMPARE(failure, QString());
    }
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
