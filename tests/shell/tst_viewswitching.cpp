// One calculation, three views: start, the Nézet menu, what carries over.
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shelldriver.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

Q_DECLARE_METATYPE(View)

namespace {
QString suffix(View view)
{
    return view == View::Standard ? QString() : view == View::Extended ? QStringLiteral("2") : QStringLiteral("3");
}
const char *itemOf(View view)
{
    return view == View::Standard ? "egysz" : view == View::Extended ? "bovit" : "info";
}
}  // namespace

class TestViewSwitching : public QObject {
    Q_OBJECT
private slots:
    void startShowsStand();
    void switching_data();
    void switching();
    void firstSwitchLoadsTheThirdHidden();
    void menus_data();
    void menus();
    void ownItemAndSecondaryHelpItemsDoNothing();
    void memoryCarriesOverIndicatorDoesNot();
    void pendingOperationIsDropped();
    void eachWindowKeepsItsDisplayAndTape();
    void divisionLockStaysInItsWindow();
    void aboutIsModalAndRecentres();
};

void TestViewSwitching::startShowsStand()
{
    MessageRecorder recorder;
    Application app;
    QSignalSpy loads(&app, &Application::windowLoaded);
    app.start();
    QApplication::setActiveWindow(&app.stand());
    QVERIFY(QTest::qWaitForWindowActive(&app.stand()));
    QVERIFY(app.stand().isVisible());
    QVERIFY(isCentred(app.stand()));
    QCOMPARE(QApplication::focusWidget(), app.stand().Text1);
    QCOMPARE(loads.size(), 1);
    QVERIFY(!app.isLoaded(View::Extended));
    QVERIFY(!app.isLoaded(View::Informatics));
    QCOMPARE(app.state().valto, true);
    QCOMPARE(app.state().hibas, false);
    QCOMPARE(app.state().muvelet, QString());
}

void TestViewSwitching::switching_data()
{
    QTest::addColumn<View>("from");
    QTest::addColumn<View>("to");
    for (View from : kViews)
        for (View to : kViews)
            QTest::addRow("%d to %d", int(from), int(to)) << from << to;
}

// Whatever the way there, exactly the chosen window is visible, and active.
void TestViewSwitching::switching()
{
    QFETCH(View, from);
    QFETCH(View, to);
    MessageRecorder recorder;
    Application app;
    app.start();
    if (from != View::Standard)
        QVERIFY(triggerItem(app.stand(), QString::fromLatin1(itemOf(from))));
    QVERIFY(app.window(from).isVisible());
    QVERIFY(triggerItem(app.window(from), QString::fromLatin1(itemOf(to)) + suffix(from)));
    const bool anySwitch = from != View::Standard || to != View::Standard;
    for (View view : kViews) {
        QCOMPARE(app.isLoaded(view), anySwitch || view == View::Standard);
        if (app.isLoaded(view))
            QCOMPARE(app.window(view).isVisible(), view == to);
    }
    QCOMPARE(QApplication::activeWindow(), &app.window(to));
    QVERIFY(isCentred(app.window(to)));
}

void TestViewSwitching::firstSwitchLoadsTheThirdHidden()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    QSignalSpy loads(&app, &Application::windowLoaded);
    QVERIFY(triggerItem(app.stand(), "bovit"));
    QCOMPARE(loads.size(), 2);
    QCOMPARE(loads.at(0).at(0).value<View>(), View::Extended);
    QCOMPARE(loads.at(1).at(0).value<View>(), View::Informatics);
    QVERIFY(!app.infos().isVisible());
    // The hidden window's Form_Load ran after the shown one was activated.
    QCOMPARE(app.state().muvelet, QString());
}

void TestViewSwitching::menus_data()
{
    QTest::addColumn<View>("view");
    QTest::newRow("stand") << View::Standard;
    QTest::newRow("extend") << View::Extended;
    QTest::newRow("infos") << View::Informatics;
}

void TestViewSwitching::menus()
{
    QFETCH(View, view);
    MessageRecorder recorder;
    Application app;
    QMainWindow &w = app.window(view);
    const QString s = suffix(view);
    const QList<QMenu *> menus = w.menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->objectName(), "nezet" + s);
    QCOMPARE(menus[0]->title(), QString::fromUtf8("Nézet"));
    QCOMPARE(menus[1]->objectName(), "help" + s);
    QCOMPARE(menus[1]->title(), QString::fromUtf8("Súgó"));

    QStringList nezet;
    for (QAction *a : menus[0]->actions())
        nezet << a->objectName() + "=" + a->text();
    QCOMPARE(nezet, (QStringList{"egysz" + s + QString::fromUtf8("=Egyszerű"), "bovit" + s + QString::fromUtf8("=Bővített"),
                                 "info" + s + "=Informatikai", QString::fromUtf8("option=Beállítások")}));
    QStringList help;
    for (QAction *a : menus[1]->actions())
        help << a->objectName() + "=" + a->text();
    QCOMPARE(help, (QStringList{"tart" + s + "=Tartalom", "index" + s + "=Index", "keres" + s + QString::fromUtf8("=Keresés"),
                                "nevjegy" + s + QString::fromUtf8("=Névjegy"), "quit" + s + QString::fromUtf8("=Kilépés")}));

    for (View other : kViews) {
        QAction *item = w.findChild<QAction *>(QString::fromLatin1(itemOf(other)) + s);
        QCOMPARE(item->isChecked(), other == view);
    }
}

void TestViewSwitching::ownItemAndSecondaryHelpItemsDoNothing()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    QSignalSpy loads(&app, &Application::windowLoaded);
    QVERIFY(triggerItem(app.stand(), "egysz"));
    QVERIFY(app.stand().isVisible());
    QVERIFY(app.stand().findChild<QAction *>("egysz")->isChecked());
    QCOMPARE(loads.size(), 0);

    QVERIFY(triggerItem(app.stand(), "bovit"));
    QVERIFY(triggerItem(app.extend(), "bovit2"));
    QVERIFY(triggerItem(app.extend(), "index2"));
    QVERIFY(triggerItem(app.extend(), "keres2"));
    QVERIFY(triggerItem(app.infos(), "index3"));
    QVERIFY(triggerItem(app.infos(), "keres3"));
    QVERIFY(app.extend().isVisible());
    QVERIFY(!app.helpViewer());
    QVERIFY(recorder.shown.isEmpty());
}

void TestViewSwitching::memoryCarriesOverIndicatorDoesNot()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    app.stand().Command2[5]->click();
    app.stand().Command1[0]->click();  // M+
    QCOMPARE(app.stand().Label2->text(), QString("M"));
    QVERIFY(triggerItem(app.stand(), "bovit"));
    QCOMPARE(app.extend().Label2->text(), QString());
    app.extend().Command1[1]->click();  // MR
    QCOMPARE(app.extend().Text1->text(), QString("5"));
    QVERIFY(triggerItem(app.extend(), "info2"));
    app.infos().Command1[1]->click();
    QCOMPARE(app.infos().Text1->text(), QString("5"));
    QCOMPARE(app.infos().Label2->text(), QString());
}

void TestViewSwitching::pendingOperationIsDropped()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    app.stand().Command2[1]->click();
    app.stand().Command2[2]->click();
    app.stand().Command5[0]->click();  // 12 +
    QCOMPARE(app.state().muvelet, QString("+"));
    QVERIFY(triggerItem(app.stand(), "info"));
    QCOMPARE(app.state().muvelet, QString());
    app.state().muvelet = "+";  // pending again in infos' terms
    QVERIFY(triggerItem(app.infos(), "egysz3"));
    QCOMPARE(app.state().muvelet, QString());
    QCOMPARE(app.state().szam1, 12.0);
    QCOMPARE(app.state().valto, true);
    app.stand().Command2[3]->click();
    app.stand().Command7->click();  // "=" computes nothing
    QCOMPARE(app.stand().Text1->text(), QString("3"));
}

void TestViewSwitching::eachWindowKeepsItsDisplayAndTape()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    app.stand().Command2[4]->click();
    app.stand().Command5[2]->click();
    app.stand().Command2[7]->click();  // display 7, tape "4*"
    QVERIFY(triggerItem(app.stand(), "bovit"));
    app.extend().Command2[9]->click();
    QVERIFY(triggerItem(app.extend(), "egysz2"));
    QCOMPARE(app.stand().Text1->text(), QString("7"));
    QCOMPARE(app.stand().Label1->text(), QString("4*"));
    QVERIFY(triggerItem(app.stand(), "bovit"));
    QCOMPARE(app.extend().Text1->text(), QString("9"));
}

// A division by zero locks the keys of its own window only.
void TestViewSwitching::divisionLockStaysInItsWindow()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    app.stand().Command2[1]->click();
    app.stand().Command2[2]->click();
    QVERIFY(triggerItem(app.stand(), "info"));
    app.infos().Command2[5]->click();
    app.infos().Command5[3]->click();
    app.infos().Command2[0]->click();
    app.infos().Command7->click();
    QVERIFY(!app.infos().Command7->isEnabled());
    QVERIFY(triggerItem(app.infos(), "egysz3"));
    QVERIFY(app.stand().Command5[0]->isEnabled());
    app.stand().Command5[0]->click();
    QCOMPARE(app.state().muvelet, QString("+"));
    QCOMPARE(app.state().szam1, 12.0);
    QCOMPARE(app.stand().Label1->text(), QString("12+"));
}

void TestViewSwitching::aboutIsModalAndRecentres()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    QApplication::setActiveWindow(&app.stand());
    app.stand().Command2[1]->click();
    app.stand().Command5[0]->click();
    app.stand().move(0, 0);
    QString title;
    bool modal = false;
    whenModalOpens([&](QWidget *dialog) {
        QVERIFY(dialog);
        title = dialog->windowTitle();
        modal = dialog->isModal();
        QCOMPARE(app.state().muvelet, QString("+"));
        dialog->findChild<QPushButton *>("Command1")->click();
    });
    QVERIFY(triggerItem(app.stand(), "nevjegy"));
    QCOMPARE(title, QString::fromUtf8("Névjegy"));
    QVERIFY(modal);
    QCOMPARE(QApplication::activeWindow(), &app.stand());
    QVERIFY(isCentred(app.stand()));
    QCOMPARE(app.state().muvelet, QString());
}

QTEST_MAIN(TestViewSwitching)
#include "tst_viewswitching.moc"
