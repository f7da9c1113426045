// The shell as a person uses it: one calculation in three views (switching,
// what carries over, the memory indicator of each), activation, the menus'
// check marks, the settings dialog and the key tips, the about box.
#include "core/module1.h"
#include "extend/extendwindow.h"
#include "help/helpwindow.h"
#include "infos/infoswindow.h"
#include "shell/aboutdialog.h"
#include "shell/application.h"
#include "shell/optionsdialog.h"
#include "stand/standwindow.h"
#include "support/messagerecorder.h"
#include "support/typing.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {
const char kViewLetter[] = "sei";

// In the window the user sees: "m:<item>" triggers a menu item, "t:<text>"
// types, any other word clicks the key of that caption.
void press(Application &app, const QString &script)
{
    for (const QString &word : script.split(' ', Qt::SkipEmptyParts)) {
        auto &w = static_cast<CalculatorWindow &>(*app.visibleWindow());
        if (word.startsWith("m:"))
            w.findChild<QAction *>(word.mid(2))->trigger();
        else if (word.startsWith("t:"))
            testkeys::type(w.Text1, word.mid(2));
        else
            for (QPushButton *key : w.centralWidget()->findChildren<QPushButton *>())
                if (key->text() == word && key->isEnabled()) {
                    key->click();
                    break;
                }
    }
}

bool isCentred(const QWidget &window)
{
    return (window.frameGeometry().center() - window.screen()->geometry().center()).manhattanLength() <= 2;
}
}  // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void views_data();
    void views();
    void activationComesFromAnotherWindow();
    void checkMarks();
    void tips();
    void aboutBox();
    void solverReturn();
};

// A script, the windows loaded in order (the one shown at the end in
// capitals), that window's display and memory indicator, the standard tape.
void TestShell::views_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("loads");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("tape");
    const auto row = [](const char *name, const char *script, const char *loads, const char *display,
                        const char *indicator,
                        const char *tape) { QTest::newRow(name) << script << loads << display << indicator << tape; };
    row("the window's own view does nothing", "m:egysz", "S", "", "", "");
    row("the first switch loads the third view hidden", "m:bovit m:info2", "seI", "", "", "");
    row("a switch drops the pending operation", "1 2 + m:bovit m:egysz2 3 =", "Sei", "3", "", "12+3 ");
    row("the operands carry over", "m:info 3 + m:egysz3 4 =", "Sie", "4", "", "4 ");
    row("a lock stays in its window", "1 2 m:info 5 / 0 = m:egysz3 + 3 m:bovit m:egysz2", "Sie", "3", "", "12+");
    row("one memory register", "4 M+ m:bovit MR", "sEi", "4", "M", "");
    row("every view's indicator shows the one register", "4 M+ m:bovit MC m:egysz2", "Sei", "4", "", "");
}

void TestShell::views()
{
    QFETCH(QString, script);
    QFETCH(QString, loads);
    MessageRecorder recorder;
    Application app;
    QString loaded;
    connect(&app, &Application::windowLoaded, this, [&loaded](View view) { loaded += kViewLetter[int(view)]; });
    app.start();
    press(app, script);
    QCOMPARE(loaded, loads.toLower());
    const QChar shown = *std::find_if(loads.begin(), loads.end(), [](QChar c) { return c.isUpper(); });
    CalculatorWindow &window = app.window(View(QString(kViewLetter).indexOf(shown.toLower())));
    QCOMPARE(QApplication::activeWindow(), &window);
    QVERIFY(isCentred(window));
    QTEST(window.Text1->text(), "display");
    QTEST(window.Label2->text(), "indicator");
    QTEST(app.stand().Label1->text(), "tape");
    QVERIFY(recorder.shown.isEmpty());
}

// The platform may take the activation away to no window and hand it back to
// the same window late: that is no return to it. A message box in between is.
void TestShell::activationComesFromAnotherWindow()
{
    Application app;
    app.start();
    press(app, "m:info 1 +");
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&app.infos());
    press(app, "2 =");
    QCOMPARE(app.infos().Text1->text(), QString("3"));
    press(app, "1 +");
    QTimer::singleShot(0, &app, [] { QApplication::activeModalWidget()->close(); });
    messages::show(QStringLiteral("x"), messages::Icon::None, &app.infos());  // a real box
    QTRY_COMPARE(QApplication::activeWindow(), &app.infos());
    press(app, "2 =");
    QCOMPARE(app.infos().Text1->text(), QString("2"));
}

// Each window's own Nézet item is checked and stays so; the others are not.
// Index and Keresés open the help from the standard window only.
void TestShell::checkMarks()
{
    Application app;
    app.start();
    const char *const items[][3] = {
        {"egysz", "bovit", "info"}, {"egysz2", "bovit2", "info2"}, {"egysz3", "bovit3", "info3"}};
    for (int view = 0; view < 3; ++view) {
        CalculatorWindow &w = app.window(View(view));
        for (int item = 0; item < 3; ++item)
            QCOMPARE(w.findChild<QAction *>(items[view][item])->isChecked(), item == view);
        w.findChild<QAction *>(items[view][view])->trigger();
        QVERIFY(w.findChild<QAction *>(items[view][view])->isChecked());
    }
    for (const char *item : {"index2", "keres2", "index3", "keres3"})
        app.window(View(item[5] - '1')).findChild<QAction *>(item)->trigger();  // "index2": the second view
    QVERIFY(!app.helpViewer() || !app.helpViewer()->window()->isVisible());
}

// OK with "Tippek megjelenítése" checked gives the keys of all three views
// their tips (loading the views not yet shown), unchecked takes them away;
// "Hang effektek" changes nothing.
void TestShell::tips()
{
    Application app;
    app.start();
    app.showOptions();
    OptionsDialog *options = app.options();
    QCOMPARE(options->windowTitle(), QString("Beállítások"));
    QCOMPARE(options->Check1->text() + "|" + options->Check2->text(), QString("Tippek megjelenítése|Hang effektek"));
    // The options stand inside their frame, which stands where it is drawn.
    QCOMPARE(options->Frame1->pos(), QPoint(92 / 15, 240 / 15));
    for (QCheckBox *box : {options->Check1, options->Check2})
        QVERIFY(options->Frame1->rect().contains(box->geometry()));
    // Chosen again from the menu while behind the calculator, it comes to the front with the keyboard.
    QTRY_COMPARE(QApplication::activeWindow(), options);
    app.stand().activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &app.stand());
    app.showOptions();
    QTRY_COMPARE(QApplication::activeWindow(), options);
    const auto tipsShown = [&app] {
        QStringList tips;
        tips << app.stand().Label2->toolTip() << app.stand().Command5[0]->toolTip() << app.stand().Command6->toolTip()
             << app.stand().Command2[7]->toolTip() << app.extend().Command8[11]->toolTip()
             << app.extend().Command8[8]->toolTip() << app.extend().Command12->toolTip()
             << app.infos().Command2[10]->toolTip() << app.infos().Command1[1]->toolTip();
        return tips;
    };
    options->Check2->click();
    options->Command1->click();
    QVERIFY(app.isLoaded(View::Extend) && app.isLoaded(View::Infos));
    QCOMPARE(tipsShown(), QStringList(9));
    app.showOptions();
    options->Check1->click();
    options->Command1->click();
    QCOMPARE(tipsShown(),
             (QStringList{"Memória állapotjelző", "Összeadás", "Törlés", "", "Százalékszámítás: a (alap) b %-a", "",
                          "Kétismeretlenes egyenletrendszer-megoldás", "10", "Kiolvassa a memória tartalmát"}));
    QVERIFY(!options->isVisible() && options->Check1->isChecked());  // hidden, keeping its state
    app.showOptions();
    options->Check1->click();
    options->Command1->click();
    QCOMPARE(tipsShown(), QStringList(9));
}

// Névjegy opens the about box modally, centred, naming the licence; OK
// closes it and the window that opened it is active again, its pending
// operation dropped.
void TestShell::aboutBox()
{
    Application app;
    app.start();
    press(app, "1 2 +");
    QString title, licence;
    bool centred = false, fits = false, pointing = false;
    QTimer::singleShot(0, &app, [&] {
        auto *about = qobject_cast<AboutDialog *>(QApplication::activeModalWidget());
        title = about->windowTitle();
        pointing = about->Label5->cursor().shape() != Qt::ArrowCursor;  // the mail address is a link
        centred = isCentred(*about);
        licence = about->Label4->text();
        fits = about->Label4->heightForWidth(about->Label4->width()) <= about->Label4->height() &&
               about->rect().contains(about->Label4->geometry());
        about->Command1->click();
    });
    app.stand().findChild<QAction *>("nevjegy")->trigger();
    QCOMPARE(title, QString("Névjegy"));
    QVERIFY(centred && fits && pointing);
    QCOMPARE(licence, QString("© 2026 Zorvexa fejlesztői\nSzabad szoftver: GNU GPL 3. vagy későbbi változat."));
    QTRY_COMPARE(QApplication::activeWindow(), &app.stand());
    press(app, "3 =");
    QCOMPARE(app.stand().Text1->text(), QString("3"));
}

// Closing a solver returns to the scientific window, which becomes active
// again: its pending operation is dropped, as after any dialog.
void TestShell::solverReturn()
{
    Application app;
    app.start();
    press(app, "m:bovit");
    for (const QString solver : {"x1,x2", "x,y,z"}) {
        press(app, "C 1 2 +");
        QString opened;
        QTimer::singleShot(0, &app, [&opened] {
            opened = QApplication::activeModalWidget()->objectName();
            QApplication::activeModalWidget()->close();
        });
        press(app, solver);
        QCOMPARE(opened, QString(solver == "x1,x2" ? "masodf" : "linear"));
        QTRY_COMPARE(QApplication::activeWindow(), &app.extend());
        press(app, "3 =");
        QCOMPARE(app.extend().Text1->text(), QString("3"));
    }
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
