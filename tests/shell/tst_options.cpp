// The settings dialog and the key tips.
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/optionsdialog.h"
#include "shelldriver.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

Q_DECLARE_METATYPE(View)

namespace {

// Every control that gets a tip, and its tip.
const char *const kCommonTips[][2] = {
    {"Label2", "Memória állapotjelző"},       {"Command1_0", "Elhelyezi a memóriában"},
    {"Command1_1", "Kiolvassa a memória tartalmát"}, {"Command1_2", "Törli a memóriát"},
    {"Command5_0", "Összeadás"}, {"Command5_1", "Kivonás"}, {"Command5_2", "Szorzás"},
    {"Command5_3", "Osztás"},    {"Command6", "Törlés"},
};
const char *const kExtendTips[][2] = {
    {"Command8_0", "Hatványozás: x az n-ediken"}, {"Command8_1", "Gyökvonás: n-edik gyök x"},
    {"Command8_2", "n faktoriálisa"}, {"Command8_3", "x reciproka"},
    {"Command8_4", "Legnagyobb közös osztó"}, {"Command8_5", "Legkisebb közös többszörös"},
    {"Command8_6", "Tizes alapú logaritmus"}, {"Command8_7", "Természetes (e) alapú logaritmus"},
    {"Command8_11", "Százalékszámítás: a (alap) b %-a"}, {"Command9_0", "Pi-konstans"},
    {"Command9_1", "e-konstans"}, {"Command10", "INVERZ: a művelet ellentéte"},
    {"Command11", "Másodfokú egyenlet-megoldás"}, {"Command12", "Kétismeretlenes egyenletrendszer-megoldás"},
};

OptionsDialog *openOptions(Application &app)
{
    triggerItem(*app.visibleWindow(), "option");
    return app.options();
}

// Every widget of the three windows with a tip, as "view/name=tip".
QStringList tipsShown(Application &app)
{
    QStringList shown;
    for (View view : kViews)
        for (QWidget *w : app.window(view).findChildren<QWidget *>())
            if (!w->toolTip().isEmpty())
                shown << QString::number(int(view)) + "/" + w->objectName() + "=" + w->toolTip();
    shown.sort();
    return shown;
}

QStringList expectedTips()
{
    QStringList expected;
    auto add = [&](View view, const char *control, const QString &tip) {
        expected << QString::number(int(view)) + "/" + control + "=" + tip;
    };
    for (View view : kViews)
        for (const auto &tip : kCommonTips)
            add(view, tip[0], QString::fromUtf8(tip[1]));
    for (const auto &tip : kExtendTips)
        add(View::Extended, tip[0], QString::fromUtf8(tip[1]));
    for (int i = 10; i <= 15; ++i)
        add(View::Informatics, qPrintable(QString("Command2_%1").arg(i)), QString::number(i));
    expected.sort();
    return expected;
}

}  // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void dialogLayout();
    void okLoadsTheHiddenWindowsInOrder();
    void tipsOnAndOff();
    void soundEffectsDoNothing();
    void dialogKeepsItsStateUntilClosed();
    void okReturnsToTheCalculator();
};

void TestOptions::dialogLayout()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    OptionsDialog *options = openOptions(app);
    QVERIFY(options);
    QVERIFY(options->isVisible());
    QVERIFY(!options->isModal());
    QCOMPARE(options->windowTitle(), QString::fromUtf8("Beállítások"));
    QCOMPARE(options->size(), QSize(299, 170));
    QCOMPARE(options->Frame1->title(), QString::fromUtf8("Válassza ki az igényelt opciókat!"));
    QCOMPARE(options->Check1->text(), QString::fromUtf8("Tippek megjelenítése"));
    QCOMPARE(options->Check2->text(), QString::fromUtf8("Hang effektek"));
    QCOMPARE(options->Command1->text(), QString("OK"));
    QVERIFY(!options->Check1->isChecked());
    QVERIFY(!options->Check2->isChecked());
    QApplication::setActiveWindow(options);
    QVERIFY(isCentred(*options));
    // Modeless: the calculator goes on working beside it.
    app.stand().Command2[8]->click();
    QCOMPARE(app.stand().Text1->text(), QString("8"));
}

void TestOptions::okLoadsTheHiddenWindowsInOrder()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    QSignalSpy loads(&app, &Application::windowLoaded);
    openOptions(app)->Command1->click();
    QCOMPARE(loads.size(), 2);
    QCOMPARE(loads.at(0).at(0).value<View>(), View::Extended);
    QCOMPARE(loads.at(1).at(0).value<View>(), View::Informatics);
    QVERIFY(!app.extend().isVisible());
    QVERIFY(!app.infos().isVisible());
    QVERIFY(tipsShown(app).isEmpty());
}

void TestOptions::tipsOnAndOff()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    QVERIFY(tipsShown(app).isEmpty());
    OptionsDialog *options = openOptions(app);
    options->Check1->click();
    options->Command1->click();
    QCOMPARE(tipsShown(app), expectedTips());
    QCOMPARE(app.infos().Command2[10]->toolTip(), QString("10"));
    QVERIFY(app.extend().Command8[8]->toolTip().isEmpty());   // sin
    QVERIFY(app.extend().Command8[12]->toolTip().isEmpty());  // ctg

    options = openOptions(app);
    options->Check1->click();
    options->Command1->click();
    QVERIFY(tipsShown(app).isEmpty());
    QVERIFY(app.stand().Command6->toolTip().isEmpty());
}

void TestOptions::soundEffectsDoNothing()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    OptionsDialog *options = openOptions(app);
    options->Check2->click();
    options->Command1->click();
    QVERIFY(tipsShown(app).isEmpty());
    QVERIFY(recorder.shown.isEmpty());
}

void TestOptions::dialogKeepsItsStateUntilClosed()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    OptionsDialog *options = openOptions(app);
    options->Check1->click();
    options->Check2->click();
    options->Command1->click();
    QVERIFY(!options->isVisible());
    QCOMPARE(openOptions(app), options);
    QVERIFY(options->Check1->isChecked());
    QVERIFY(options->Check2->isChecked());

    // Closed from its frame, it is discarded; the tips stay as they were.
    options->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!app.options());
    options = openOptions(app);
    QVERIFY(!options->Check1->isChecked());
    QVERIFY(!options->Check2->isChecked());
    QCOMPARE(tipsShown(app), expectedTips());
}

void TestOptions::okReturnsToTheCalculator()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    QVERIFY(triggerItem(app.stand(), "bovit"));
    app.extend().Command2[2]->click();
    app.extend().Command5[0]->click();
    QCOMPARE(app.state().muvelet, QString("+"));
    OptionsDialog *options = openOptions(app);
    QApplication::setActiveWindow(options);
    app.extend().move(0, 0);
    options->Command1->click();
    QCOMPARE(QApplication::activeWindow(), &app.extend());
    QCOMPARE(app.state().muvelet, QString());
    QVERIFY(isCentred(app.extend()));
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
