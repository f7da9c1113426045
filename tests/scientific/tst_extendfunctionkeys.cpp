// The function keys, the Inv key and the constants of the scientific window.
#include "extenddriver.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "support/messagerecorder.h"

#include <cmath>

namespace {
const double kTruePi = std::acos(-1.0);

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}
}  // namespace

class TestExtendFunctionKeys : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void nearPoles_data();
    void nearPoles();
    void refusals_data();
    void refusals();
    void inverseModeLocksAllButItsKeys();
    void arcSineLeavesInverseMode();
    void powersStayInInverseMode();
    void clearLeavesInverseMode();
    void refusalInInverseModeLocksEverything();
    void bigResultIsRefusedByTheCheck();
    void functionKeyStartsAFreshTape();
    void constants_data();
    void constants();
    void constantsStayWithinReach();
};

void TestExtendFunctionKeys::results_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("muvelet");
    QTest::newRow("5!") << "5 n!" << "120" << "5! " << "!";
    QTest::newRow("0!") << "0 n!" << "1" << "0! " << "!";
    QTest::newRow("17!") << "t:17 n!" << "355687428096000" << "17! " << "!";
    QTest::newRow("1/4") << "4 1/x" << "0.25" << "4 (1/x)  " << " (1/x) ";
    QTest::newRow("1/-8") << "t:-8 1/x" << "-.125" << "-8 (1/x)  " << " (1/x) ";
    QTest::newRow("lg 100") << "t:100 lg" << "2" << "100 (lgx)  " << " (lgx) ";
    QTest::newRow("lg 1000") << "t:1000 lg" << "3" << "1000 (lgx)  " << " (lgx) ";
    QTest::newRow("lg 2") << "2 lg" << "0.30102999566398" << "2 (lgx)  " << " (lgx) ";
    QTest::newRow("ln 1") << "1 ln" << "0" << "1 (lnx)  " << " (lnx) ";
    QTest::newRow("10^2") << "2 Inv lg" << "100" << "2 (10^x)  " << " (10^x) ";
    QTest::newRow("10^-1") << "t:-1 Inv lg" << "0.1" << "-1 (10^x)  " << " (10^x) ";
    QTest::newRow("e^1") << "1 Inv ln" << "2.71828182845905" << "1 (e^x)  " << " (e^x) ";
    QTest::newRow("sin 30") << "t:30 sin" << "0.5" << "0.5 (sinx)  " << " (sinx) ";
    QTest::newRow("sin 180") << "t:180 sin" << "0" << "0 (sinx)  " << " (sinx) ";
    QTest::newRow("cos 60") << "t:60 cos" << "0.5" << "0.5 (cosx)  " << " (cosx) ";
    QTest::newRow("cos 90") << "t:90 cos" << "0" << "0 (cosx)  " << " (cosx) ";
    QTest::newRow("tg 45") << "t:45 tg" << "1" << "45 (tgx)  " << " (tgx) ";
    QTest::newRow("ctg 45") << "t:45 ctg" << "1" << "45 (ctgx)  " << " (ctgx) ";
    QTest::newRow("ctg 90") << "t:90 ctg" << "0" << "90 (ctgx)  " << " (ctgx) ";
    QTest::newRow("arc sin 0.5") << "t:.5 Inv sin" << "30" << "30 (arc sinx)  " << " (arc sinx) ";
    QTest::newRow("arc sin 1") << "1 Inv sin" << "90" << "90 (arc sinx)  " << " (arc sinx) ";
    QTest::newRow("arc sin -1") << "t:-1 Inv sin" << "-90" << "-90 (arc sinx)  " << " (arc sinx) ";
    QTest::newRow("arc cos 0.5") << "t:.5 Inv cos" << "60" << "60 (arc cosx)  " << " (arc cosx) ";
    QTest::newRow("arc cos -0.5") << "t:-.5 Inv cos" << "120" << "120 (arc cosx)  " << " (arc cosx) ";
    QTest::newRow("arc cos -1") << "t:-1 Inv cos" << "180" << "180 (arc cosx)  " << " (arc cosx) ";
    QTest::newRow("arc cos 1") << "1 Inv cos" << "0" << "0 (arc cosx)  " << " (arc cosx) ";
    QTest::newRow("arc cos 0") << "0 Inv cos" << "90" << "90 (arc cosx)  " << " (arc cosx) ";
    QTest::newRow("arc tg 1") << "1 Inv tg" << "45" << "1 (arc tgx)  " << " (arc tgx) ";
    QTest::newRow("arc ctg 1") << "1 Inv ctg" << "45" << "1 (arc ctgx)  " << " (arc ctgx) ";
    QTest::newRow("arc ctg 0") << "0 Inv ctg" << "90" << "0 (arc ctgx)  " << " (arc ctgx) ";
    QTest::newRow("arc ctg -1") << "t:-1 Inv ctg" << "135" << "-1 (arc ctgx)  " << " (arc ctgx) ";
}

void TestExtendFunctionKeys::results()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, tape);
    QFETCH(QString, muvelet);
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "7 +"));
    QCOMPARE(m.valto, false);
    QVERIFY(press(w, "C " + script));
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(w.Label3->text(), tape);
    QCOMPARE(m.muvelet, muvelet);
    QCOMPARE(m.eredmeny, numbertext::val(display));
    QCOMPARE(m.szam1, numbertext::val(script.section(' ', 0, 0).remove("t:")));
    QCOMPARE(m.valto, true);
    QVERIFY(tapeIsNormal(w));
    QVERIFY(recorder.shown.isEmpty());
    QCOMPARE(w.Text1->cursorPosition(), display.size());
}

void TestExtendFunctionKeys::nearPoles_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<double>("expected");
    QTest::newRow("tg 89.6") << "t:89.6 tg" << std::tan(89.6 * kTruePi / 180);
    QTest::newRow("tg 90.5") << "t:90.5 tg" << std::tan(90.5 * kTruePi / 180);
    QTest::newRow("tg -89.9") << "t:-89.9 tg" << std::tan(-89.9 * kTruePi / 180);
    QTest::newRow("ctg 0.3") << "t:.3 ctg" << 1 / std::tan(0.3 * kTruePi / 180);
    QTest::newRow("ctg -0.5") << "t:-.5 ctg" << 1 / std::tan(-0.5 * kTruePi / 180);
    QTest::newRow("ctg 179.9") << "t:179.9 ctg" << 1 / std::tan(179.9 * kTruePi / 180);
    QTest::newRow("arc tg 90") << "t:90 Inv tg" << std::atan(90.0) * 180 / kTruePi;
    QTest::newRow("arc ctg 180") << "t:180 Inv ctg" << 90 - std::atan(180.0) * 180 / kTruePi;
}

// Only the exact poles are refused; just beside them the true value is shown.
void TestExtendFunctionKeys::nearPoles()
{
    QFETCH(QString, script);
    QFETCH(double, expected);
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, script));
    QVERIFY(tapeIsNormal(w));
    const double shown = numbertext::val(w.Text1->text());
    QVERIFY2(std::fabs(shown - expected) <= 1e-9 * std::fabs(expected), qPrintable(w.Text1->text()));
    QVERIFY(recorder.shown.isEmpty());
}

void TestExtendFunctionKeys::refusals_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("muvelet");
    const QString log = QString::fromUtf8("Csak pozitív számnak van logaritmusa!");
    QTest::newRow("171!") << "t:171 n!" << QString::fromUtf8("A maximális érték: 170.") << "!";
    QTest::newRow("-3!") << "t:-3 n!"
                         << QString::fromUtf8("Csak nemnegatív egész számnak van faktoriálisa!") << "!";
    QTest::newRow("4.5!") << "t:4.5 n!"
                          << QString::fromUtf8("Csak nemnegatív egész számnak van faktoriálisa!") << "!";
    QTest::newRow("1/0") << "0 1/x" << QString::fromUtf8("Nullával nem lehet osztani!") << " (1/x) ";
    QTest::newRow("lg 0") << "0 lg" << log << " (lgx) ";
    QTest::newRow("lg -1") << "t:-1 lg" << log << " (lgx) ";
    QTest::newRow("ln -1") << "t:-1 ln" << log << " (lnx) ";
    QTest::newRow("ln on empty") << "ln" << log << " (lnx) ";
    QTest::newRow("10^400") << "t:400 Inv lg" << QString::fromUtf8("Az eredmény nem ábrázolható!") << " (10^x) ";
    QTest::newRow("e^1000") << "t:1000 Inv ln" << QString::fromUtf8("Az eredmény nem ábrázolható!") << " (e^x) ";
    QTest::newRow("tg 90") << "t:90 tg" << QString::fromUtf8("Nullával nem lehet osztani! ( cos 90° értéke 0 )")
                           << " (tgx) ";
    QTest::newRow("tg 270") << "t:270 tg"
                            << QString::fromUtf8("Nullával nem lehet osztani! ( cos 270° értéke 0 )") << " (tgx) ";
    QTest::newRow("tg -90") << "t:-90 tg"
                            << QString::fromUtf8("Nullával nem lehet osztani! ( cos -90° értéke 0 )") << " (tgx) ";
    QTest::newRow("tg beyond 32 bits") << "t:2147483790 tg"
                                       << QString::fromUtf8("Nullával nem lehet osztani! ( cos 2147483790° értéke 0 )")
                                       << " (tgx) ";
    QTest::newRow("ctg 0") << "0 ctg" << QString::fromUtf8("Nullával nem lehet osztani! ( sin 0° értéke 0 )")
                           << " (ctgx) ";
    QTest::newRow("ctg 180") << "t:180 ctg"
                             << QString::fromUtf8("Nullával nem lehet osztani! ( sin 180° értéke 0 )") << " (ctgx) ";
    QTest::newRow("ctg -0") << "t:-0 ctg" << QString::fromUtf8("Nullával nem lehet osztani! ( sin 0° értéke 0 )")
                            << " (ctgx) ";
    QTest::newRow("arc sin 2") << "2 Inv sin"
                               << QString::fromUtf8("Egy szög sinusa -1 és 1 közötti érték lehet!") << " (arc sinx) ";
    QTest::newRow("arc cos -1.5") << "t:-1.5 Inv cos"
                                  << QString::fromUtf8("Egy szög cosinusa -1 és 1 közötti érték lehet!")
                                  << " (arc cosx) ";
}

void TestExtendFunctionKeys::refusals()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    QFETCH(QString, muvelet);
    MessageRecorder recorder;
    Module1 m;
    m.eredmeny = 41;
    ExtendWindow w(m);
    const QString argument = script.section(' ', 0, 0).startsWith("t:") ? script.section(' ', 0, 0).mid(2)
                             : script.section(' ', 0, 0).size() == 1 ? script.section(' ', 0, 0)
                                                                      : QString();
    QVERIFY(press(w, script));
    QCOMPARE(w.Label3->text(), message + ' ');
    QVERIFY(tapeIsError(w));
    QCOMPARE(w.Text1->text(), argument);  // the display keeps x
    QCOMPARE(enabledKeys(w), QStringList{"Command6"});
    QCOMPARE(m.muvelet, muvelet);
    QCOMPARE(m.eredmeny, 41.0);
    QCOMPARE(m.valto, true);
    QVERIFY(recorder.shown.isEmpty());
}

void TestExtendFunctionKeys::inverseModeLocksAllButItsKeys()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "Inv"));
    QCOMPARE(m.inverz, true);
    QCOMPARE(enabledKeys(w), sorted({"Command6", "Command8_6", "Command8_7", "Command8_8", "Command8_9",
                                     "Command8_10", "Command8_12"}));
    QCOMPARE(colors::background(w.Command10), QColor(0x38, 0x9C, 0xF0));
    QVERIFY(tapeIsNormal(w));
    // Digits can still be typed.
    QVERIFY(press(w, "t:8 lg"));
    QCOMPARE(w.Text1->text(), QString("100000000"));
}

void TestExtendFunctionKeys::arcSineLeavesInverseMode()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "t:.6 Inv sin"));
    QCOMPARE(m.inverz, false);
    QCOMPARE(m.seged, 0.8);
    QCOMPARE(w.Text1->text(), QString("36.869897645844"));
    // The keys stay locked and Inv keeps its colour; sin is the plain one now.
    QVERIFY(!w.Command10->isEnabled());
    QCOMPARE(colors::background(w.Command10), QColor(0x38, 0x9C, 0xF0));
    w.Text1->setText("30");
    QVERIFY(press(w, "sin"));
    QCOMPARE(w.Text1->text(), QString("0.5"));
    QCOMPARE(w.Label3->text(), QString("0.5 (sinx)  "));

    QVERIFY(press(w, "C t:.5 Inv cos"));
    QCOMPARE(m.inverz, false);
    QVERIFY(press(w, "cos"));
    QVERIFY(qAbs(numbertext::val(w.Text1->text()) - std::cos(60 * kTruePi / 180)) < 1e-14);
}

void TestExtendFunctionKeys::powersStayInInverseMode()
{
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "t:.5 Inv lg"));
    QCOMPARE(m.inverz, true);
    QCOMPARE(m.szam2, 10.0);
    QCOMPARE(w.Text1->text(), QString("3.16227766016838"));
    QVERIFY(press(w, "ln"));
    QCOMPARE(m.inverz, true);
    QCOMPARE(m.szam2, 2.71828182845905);
    const double expected = std::exp(3.16227766016838);
    QVERIFY(std::fabs(numbertext::val(w.Text1->text()) - expected) < 1e-12 * expected);
    QCOMPARE(w.Label3->text(), QString("3.16227766016838 (e^x)  "));
    QVERIFY(recorder.shown.isEmpty());
    QVERIFY(press(w, "C 1 Inv tg ctg"));
    QCOMPARE(m.inverz, true);
    QCOMPARE(w.Text1->text(), QString("1.273030020057"));  // arc ctg of 45, 12 places
}

void TestExtendFunctionKeys::clearLeavesInverseMode()
{
    Module1 m;
    ExtendWindow w(m);
    const QColor face = colors::background(w.Command10);
    QVERIFY(press(w, "Inv C"));
    QCOMPARE(m.inverz, false);
    QCOMPARE(enabledKeys(w).size(), lockableKeys().size() + 1);
    QCOMPARE(colors::background(w.Command10), face);
    QCOMPARE(face, colors::toColor(colors::kButtonFace));
    QVERIFY(press(w, "2 lg"));
    QCOMPARE(m.muvelet, QString(" (lgx) "));
}

void TestExtendFunctionKeys::refusalInInverseModeLocksEverything()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "2 Inv sin"));
    QCOMPARE(enabledKeys(w), QStringList{"Command6"});
    QVERIFY(tapeIsError(w));
    QCOMPARE(m.inverz, true);
    QVERIFY(press(w, "C"));
    QCOMPARE(m.inverz, false);
    QVERIFY(tapeIsNormal(w));
}

// n! from 18 on is written in exponent form, which the display check refuses.
void TestExtendFunctionKeys::bigResultIsRefusedByTheCheck()
{
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "t:18 n!"));
    QCOMPARE(recorder.texts(), QStringList{inputcheck::kMessageDigits});
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(w.Label3->text(), QString("18! "));
    QCOMPARE(m.eredmeny, 6402373705728000.0);
}

void TestExtendFunctionKeys::functionKeyStartsAFreshTape()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "2 + 3 = n!"));
    QCOMPARE(w.Label3->text(), QString("5! "));
    QCOMPARE(w.Text1->text(), QString("120"));
    // The next operator starts a new line from the display.
    QVERIFY(press(w, "+"));
    QCOMPARE(w.Label3->text(), QString("120+"));
}

void TestExtendFunctionKeys::constants_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Pi on empty") << "Pi" << "3.14159265358979" << QStringList{};
    QTest::newRow("e on empty") << "e" << "2.71828182845905" << QStringList{};
    QTest::newRow("Pi after 2") << "2 Pi" << "23.14159265358979" << QStringList{};
    QTest::newRow("e after 1.5") << "1 , 5 e" << "" << QStringList{inputcheck::kMessagePoints};
    QTest::newRow("Pi twice") << "Pi Pi" << "" << QStringList{inputcheck::kMessagePoints};
    QTest::newRow("Pi after minus") << "t:- Pi" << "-3.14159265358979" << QStringList{};
    QTest::newRow("Pi after a full display") << "t:123456789012345678901234567890 Pi"
                                             << "1234567890123456789012345678903.14159265358979" << QStringList{};
    // The entry limit still holds for typing once a constant has passed it.
    QTest::newRow("typing after a constant past the limit")
        << "t:123456789012345678901234567890 e t:5 7 kp:." << "1234567890123456789012345678902.71828182845905"
        << QStringList{};
}

void TestExtendFunctionKeys::constantsStayWithinReach()
{
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    const QString full(30, QLatin1Char('9'));
    QVERIFY(press(w, "t:" + full + " Pi"));
    QCOMPARE(w.Text1->text().size(), 46);
    // Delete the constant's point and fill the room it leaves: a second
    // constant would pass the check, so it is not appended at all.
    w.Text1->setFocus();
    QTest::keyClick(w.Text1, Qt::Key_End);
    for (int i = 0; i < 14; ++i)
        QTest::keyClick(w.Text1, Qt::Key_Left);
    QTest::keyClick(w.Text1, Qt::Key_Backspace);
    QTest::keyClick(w.Text1, Qt::Key_End);
    QVERIFY(press(w, "t:7"));
    const QString withoutPoint = full + "314159265358979" + "7";
    QCOMPARE(w.Text1->text(), withoutPoint);
    for (int i = 0; i < 20; ++i)
        QVERIFY(press(w, i % 2 ? "Pi" : "e"));
    QCOMPARE(w.Text1->text(), withoutPoint);
    QVERIFY(press(w, "+"));
    QCOMPARE(m.szam1, numbertext::val(withoutPoint));
    QVERIFY(std::isfinite(m.szam1));
    QCOMPARE(recorder.texts(), QStringList{});
}

void TestExtendFunctionKeys::constants()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QStringList, messages);
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    w.Label3->setText("tape");
    QVERIFY(press(w, script));
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(w.Label3->text(), QString("tape"));  // the tape is not touched
}

QTEST_MAIN(TestExtendFunctionKeys)
#include "tst_extendfunctionkeys.moc"
