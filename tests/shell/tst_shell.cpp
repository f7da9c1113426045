// The shell as a person uses it: one calculation in three views (start,
// menus, switching and what carries over), the settings dialog and the tips,
// the about box, quitting, and every control named as a person sees it.
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/aboutdialog.h"
#include "shell/application.h"
#include "shell/optionsdialog.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {
const char kViewLetter[] = "sei";

QString suffix(View view)
{
    return view == View::Standard ? QString() : QString::number(int(view) + 1);
}

[[nodiscard]] bool trigger(QMainWindow &window, const QString &item)
{
    QAction *action = window.findChild<QAction *>(item);
    if (action)
        action->trigger();
    return action;
}

bool isCentred(const QWidget &window)
{
    return (window.frameGeometry().center() - window.screen()->geometry().center()).manhattanLength() <= 2;
}

// Does what a script says, blank-separated, in the calculator window the user
// sees: "m:<item>" triggers a menu item; "about:<item>" moves the window away
// from the centre, opens the about box with that item and closes it with OK;
// "options" does the same with the settings dialog; "close" closes the window
// from its frame; any other word goes to the calculator script driver.
QString press(Application &app, const QString &script)
{
    for (const QString &token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        auto &window = static_cast<CalculatorWindow &>(*app.visibleWindow());
        if (token.startsWith(QLatin1String("m:"))) {
            if (!trigger(window, token.mid(2)))
                return "no menu item " + token;
        } else if (token == QLatin1String("close")) {
            window.close();
        } else if (token.startsWith(QLatin1String("about:"))) {
            window.move(0, 0);
            QString seen;
            QTimer::singleShot(0, &app, [&seen] {
                if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                    seen = dialog->windowTitle() + (dialog->isModal() ? " modal" : "");
                    dialog->findChild<QPushButton *>("Command1")->click();
                }
            });
            if (!trigger(window, token.mid(6)))
                return "no menu item " + token;
            if (seen != QString::fromUtf8("Névjegy modal"))
                return "no modal about box: " + seen;
        } else if (token == QLatin1String("options")) {
            window.move(0, 0);
            if (!trigger(window, "option"))
                return "no settings item";
            QApplication::setActiveWindow(app.options());
            app.options()->Command1->click();
        } else if (const QString failure = testscript::run(window, app.state(), token); !failure.isEmpty()) {
            return failure;
        }
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
    shown.sort();
    return shown;
}

QStringList expectedTips()
{
    const char *const common[] = {
        "Label2=Memória állapotjelző", "Command1_0=Elhelyezi a memóriában", "Command1_1=Kiolvassa a memória tartalmát",
        "Command1_2=Törli a memóriát", "Command5_0=Összeadás", "Command5_1=Kivonás", "Command5_2=Szorzás",
        "Command5_3=Osztás", "Command6=Törlés",
    };
    const char *const extend[] = {
        "Command8_0=Hatványozás: x az n-ediken", "Command8_1=Gyökvonás: n-edik gyök x", "Command8_2=n faktoriálisa",
        "Command8_3=x reciproka", "Command8_4=Legnagyobb közös osztó", "Command8_5=Legkisebb közös többszörös",
        "Command8_6=Tizes alapú logaritmus", "Command8_7=Természetes (e) alapú logaritmus",
        "Command8_11=Százalékszámítás: a (alap) b %-a", "Command9_0=Pi-konstans", "Command9_1=e-konstans",
        "Command10=INVERZ: a művelet ellentéte", "Command11=Másodfokú egyenlet-megoldás",
        "Command12=Kétismeretlenes egyenletrendszer-megoldás",
    };
    QStringList expected;
    for (const char *view : {"s/", "e/", "i/"})
        for (const char *tip : common)
            expected << view + QString::fromUtf8(tip);
    for (const char *tip : extend)
        expected << "e/" + QString::fromUtf8(tip);
    for (int i = 10; i <= 15; ++i)
        expected << QString("i/Command2_%1=%1").arg(i);
    expected.sort();
    return expected;
}

// The accessibility walk over every window.
const char *const kWindows[] = {"stand", "extend", "infos", "masodf", "linear", "options", "about"};

QString nameOf(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The problems of one window's tree, one line each.
QStringList problems(QWidget *window)
{
    QStringList found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;  // e.g. the menu bar's overflow key, shown only when needed
        const QString where = window->objectName() + "/" + w->objectName() + ": ";
        const QString name = nameOf(w);
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            const QString caption = QString(button->text()).remove(QLatin1Char('&'));
            if (!caption.isEmpty() && name != caption)
                found << where + "name '" + name + "' is not its caption '" + caption + "'";
            else if (name.isEmpty())
                found << where + "a key without a caption has no name";
        } else if (qobject_cast<QLineEdit *>(w) && name.isEmpty()) {
            found << where + "a field without a name";
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->text().isEmpty() && !label->accessibleName().isEmpty() && label->accessibleName() != label->text())
                found << where + "a captioned label renamed";
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            if (!group->title().isEmpty() && name != group->title())
                found << where + "a frame renamed";
        }
    }
    if (window->windowTitle().isEmpty())
        found << window->objectName() + ": no window title";
    return found;
}

}  // namespace

class TestShell : public QObject {
    Q_OBJECT
public slots:
    void openMail(const QUrl &url) { mails << url; }  // the desktop's mailto: handler

private slots:
    void menus_data();
    void menus();
    void views_data();
    void views();
    void divisionLockStaysInItsWindow();
    void activationComesFromAnotherWindow();
    void optionsAndTips();
    void aboutBox();
    void quitting_data();
    void quitting();
    void everyWindowIsAccessible_data();
    void everyWindowIsAccessible();
    void accessibilityCheckFindsMissingNames();

private:
    QList<QUrl> mails;
};

void TestShell::menus_data()
{
    QTest::addColumn<int>("view");
    for (int view = 0; view < 3; ++view)
        QTest::addRow("%c", kViewLetter[view]) << view;
}

void TestShell::menus()
{
    QFETCH(int, view);
    Application app;
    QStringList found;
    for (QMenu *menu : app.window(View(view)).menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly)) {
        // The mnemonic's "&" is not part of the visible caption.
        found << menu->objectName() + "=" + QString(menu->title()).remove('&');
        for (QAction *item : menu->actions())
            found << item->objectName() + "=" + QString(item->text()).remove('&');
    }
    QCOMPARE(found.join(' '), QString::fromUtf8("nezet%1=Nézet egysz%1=Egyszerű bovit%1=Bővített info%1=Informatikai "
                                                "option=Beállítások help%1=Súgó tart%1=Tartalom index%1=Index "
                                                "keres%1=Keresés nevjegy%1=Névjegy quit%1=Kilépés")
                                  .arg(suffix(View(view))));
}

void TestShell::views_data()
{
    // loads: the windows loaded, in order, the one shown at the end in
    // capitals; display and indicator: of that window; tape: of `stand`.
    // Every script ends on an activation, so no operation is pending then.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("loads");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<double>("szam1");
    QTest::newRow("start") << "" << "S" << "" << "" << "" << 0.0;
    // The switching table; the third window is loaded hidden by the first switch.
    QTest::newRow("stand, Egyszerű does nothing") << "m:egysz" << "S" << "" << "" << "" << 0.0;
    QTest::newRow("stand to extend") << "m:bovit" << "sEi" << "" << "" << "" << 0.0;
    QTest::newRow("stand to infos") << "m:info" << "sIe" << "" << "" << "" << 0.0;
    QTest::newRow("extend to stand") << "m:bovit m:egysz2" << "Sei" << "" << "" << "" << 0.0;
    QTest::newRow("extend to infos") << "m:bovit m:info2" << "seI" << "" << "" << "" << 0.0;
    QTest::newRow("infos to stand") << "m:info m:egysz3" << "Sie" << "" << "" << "" << 0.0;
    QTest::newRow("infos to extend") << "m:info m:bovit3" << "siE" << "" << "" << "" << 0.0;
    QTest::newRow("Index, Keresés outside stand")
        << "m:bovit m:index2 m:keres2 m:info2 m:index3 m:keres3" << "seI" << "" << "" << "" << 0.0;
    // What carries over, and what is dropped.
    QTest::newRow("memory carries over, not its indicator") << "5 M+ m:bovit MR" << "sEi" << "5" << "" << "" << 0.0;
    QTest::newRow("extend drops the pending operation") << "1 2 + m:bovit" << "sEi" << "" << "" << "12+" << 12.0;
    QTest::newRow("infos drops the pending operation") << "1 2 + m:info" << "sIe" << "" << "" << "12+" << 12.0;
    QTest::newRow("stand drops the pending operation") << "m:info 3 + m:egysz3 4 =" << "Sie" << "4" << "" << "4 " << 3.0;
    QTest::newRow("stand keeps its display and tape") << "4 * 7 m:bovit 9 m:egysz2" << "Sei" << "7" << "" << "4*" << 4.0;
    QTest::newRow("extend keeps its own") << "4 * 7 m:bovit 9 M+ m:egysz2 m:bovit" << "sEi" << "9" << "M" << "4*" << 4.0;
    // Every return to a window from a dialog activates it again: centred, no pending operation.
    QTest::newRow("after the about box") << "1 2 + about:nevjegy" << "S" << "" << "" << "12+" << 12.0;
    QTest::newRow("after the settings") << "m:bovit 2 + options" << "sEi" << "" << "" << "" << 2.0;
}

void TestShell::views()
{
    QFETCH(QString, script);
    QFETCH(QString, loads);
    QFETCH(QString, display);
    QFETCH(QString, indicator);
    QFETCH(QString, tape);
    QFETCH(double, szam1);
    MessageRecorder recorder;
    Application app;
    QString loaded;
    connect(&app, &Application::windowLoaded, this, [&loaded](View view) { loaded += kViewLetter[int(view)]; });
    app.start();
    QCOMPARE(press(app, script), QString());
    QCOMPARE(loaded, loads.toLower());
    const View current = View(QString(kViewLetter).indexOf(QString(loads).remove(QRegularExpression("[a-z]")).toLower()));
    QMainWindow &window = app.window(current);
    for (View view : kViews) {
        if (!app.isLoaded(view))
            continue;
        QCOMPARE(app.window(view).isVisible(), view == current);
        const char *items[] = {"egysz", "bovit", "info"};
        for (View item : kViews)  // the check mark is on the window's own view
            QCOMPARE(app.window(view).findChild<QAction *>(items[int(item)] + suffix(view))->isChecked(), item == view);
    }
    QCOMPARE(QApplication::activeWindow(), &window);
    QVERIFY(isCentred(window));
    QCOMPARE(window.findChild<QLineEdit *>("Text1")->text(), display);
    QCOMPARE(window.findChild<QLabel *>("Label2")->text(), indicator);
    QCOMPARE(app.stand().Label1->text(), tape);
    QCOMPARE(app.state().muvelet, QString());
    QCOMPARE(app.state().szam1, szam1);
    if (current == View::Standard) {
        QCOMPARE(app.state().valto, true);
        QCOMPARE(QApplication::focusWidget(), app.stand().Text1);
    }
    QCOMPARE(app.state().hibas, false);
    QVERIFY(!app.helpViewer());
    QVERIFY(recorder.shown.isEmpty());
}

// A division by zero locks the keys of its own window only.
void TestShell::divisionLockStaysInItsWindow()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    QCOMPARE(press(app, "1 2 m:info 5 / 0 ="), QString());
    QVERIFY(!app.infos().Command7->isEnabled());
    QCOMPARE(press(app, "m:egysz3 +"), QString());
    QCOMPARE(app.state().muvelet, QString("+"));
    QCOMPARE(app.stand().Label1->text(), QString("12+"));
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

void TestShell::optionsAndTips()
{
    MessageRecorder recorder;
    Application app;
    QString loaded;
    connect(&app, &Application::windowLoaded, this, [&loaded](View view) { loaded += kViewLetter[int(view)]; });
    app.start();
    QCOMPARE(tipsShown(app), QStringList());
    QVERIFY(trigger(app.stand(), "option"));
    OptionsDialog *options = app.options();
    QVERIFY(options && options->isVisible() && !options->isModal());
    QCOMPARE(options->windowTitle(), QString::fromUtf8("Beállítások"));
    QCOMPARE(options->size(), QSize(299, 170));
    QCOMPARE(options->Frame1->title(), QString::fromUtf8("Válassza ki az igényelt opciókat!"));
    QCOMPARE(options->Check1->text(), QString::fromUtf8("Tippek megjelenítése"));
    QCOMPARE(options->Check2->text(), QString::fromUtf8("Hang effektek"));
    QCOMPARE(options->Command1->text(), QString("OK"));
    QVERIFY(!options->Check1->isChecked() && !options->Check2->isChecked());
    QApplication::setActiveWindow(options);
    QVERIFY(isCentred(*options));
    app.stand().Command2[8]->click();  // modeless: the calculator works beside it
    QCOMPARE(app.stand().Text1->text(), QString("8"));

    // Hang effektek does nothing; OK loads the windows not loaded yet, hidden, in order.
    options->Check2->click();
    options->Command1->click();
    QVERIFY(!options->isVisible());
    QCOMPARE(loaded, QString("sei"));
    QVERIFY(!app.extend().isVisible() && !app.infos().isVisible());
    QCOMPARE(tipsShown(app), QStringList());

    // Opened again: the same dialog, as it was left.
    QVERIFY(trigger(app.stand(), "option"));
    QCOMPARE(app.options(), options);
    QVERIFY(!options->Check1->isChecked() && options->Check2->isChecked());
    options->Check1->click();
    options->Command1->click();
    QCOMPARE(tipsShown(app), expectedTips());

    // Closed from its frame, it is discarded; the tips stay as they were.
    QVERIFY(trigger(app.stand(), "option"));
    options->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!app.options());
    QCOMPARE(tipsShown(app), expectedTips());
    QVERIFY(trigger(app.stand(), "option"));
    options = app.options();
    QVERIFY(!options->Check1->isChecked() && !options->Check2->isChecked());
    options->Command1->click();
    QCOMPARE(tipsShown(app), QStringList());
    QVERIFY(recorder.shown.isEmpty());
}

void TestShell::aboutBox()
{
    MessageRecorder recorder;
    AboutDialog about;
    about.show();
    QCOMPARE(about.windowTitle(), QString::fromUtf8("Névjegy"));
    QCOMPARE(about.size(), QSize(404, 300));
    QCOMPARE(about.Label2->text(), QString("Zorvexa-program"));
    QCOMPARE(about.Label3->text(), QString::fromUtf8("1.0.0 változat"));
    QCOMPARE(about.Label5->text(), "E-Mail: " + AboutDialog::kContactAddress);
    QVERIFY(!about.Label4->text().isEmpty() && !about.Label1->text().isEmpty());
    QCOMPARE(about.Command1->text(), QString("OK"));
    QCOMPARE(about.Picture1->pixmap().size(), QSize(150, 50));
    QCOMPARE(about.Picture2->pixmap().size(), QSize(103, 65));
    // No hand.cur beside the test: the system's pointing hand.
    QCOMPARE(about.Label5->cursor().shape(), Qt::PointingHandCursor);

    QDesktopServices::setUrlHandler("mailto", this, "openMail");
    QTest::mouseClick(about.Label5, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(mails, QList<QUrl>{QUrl("mailto:" + AboutDialog::kContactAddress)});
    about.Label5_Click();  // nothing handles mailto: now, and the box says nothing
    QVERIFY(recorder.shown.isEmpty());
}

void TestShell::quitting_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("exitCode");  // 7: still running after a while
    QTest::newRow("Kilépés in stand") << "m:quit" << 0;
    QTest::newRow("Kilépés in extend") << "m:bovit m:quit2" << 0;
    QTest::newRow("Kilépés in infos") << "m:info m:quit3" << 0;
    QTest::newRow("closing the visible window, the settings open") << "m:info m:option close" << 0;
    QTest::newRow("switching does not end") << "m:bovit m:egysz2" << 7;
}

void TestShell::quitting()
{
    QFETCH(QString, script);
    QFETCH(int, exitCode);
    MessageRecorder recorder;
    Application app;
    app.start();
    QString failure;
    QTimer::singleShot(0, &app, [&] { failure = press(app, script); });
    QTimer::singleShot(300, &app, [] { QApplication::exit(7); });
    QCOMPARE(QApplication::exec(), exitCode);
    QCOMPARE(failure, QString());
}

void TestShell::everyWindowIsAccessible_data()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < 7; ++i)
        QTest::newRow(kWindows[i]) << i;
}

void TestShell::everyWindowIsAccessible()
{
    QFETCH(int, window);
    MessageRecorder recorder;
    Application app;
    app.start();
    app.showOptions();
    MasodfWindow masodf;
    LinearWindow linear(app.state());
    AboutDialog about;
    const QList<QWidget *> windows{&app.stand(), &app.extend(), &app.infos(), &masodf, &linear, app.options(), &about};
    QWidget *w = windows.at(window);
    w->show();
    const QStringList found = problems(w);
    QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
}

// The walk itself notices a nameless field, a nameless picture key and a
// renamed caption.
void TestShell::accessibilityCheckFindsMissingNames()
{
    QWidget window;
    window.setObjectName("probe");
    window.setWindowTitle("probe");
    (new QLineEdit(&window))->setObjectName("field");
    (new QPushButton(&window))->setObjectName("picture");
    auto *renamed = new QPushButton("OK", &window);
    renamed->setObjectName("renamed");
    renamed->setAccessibleName("Rendben");
    window.show();
    const QStringList problemsFound = problems(&window);
    QCOMPARE(problemsFound.size(), 3);
    const QString found = problemsFound.join('\n');
    QVERIFY(found.contains("probe/field") && found.contains("probe/picture") && found.contains("probe/renamed"));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
