// The informatics window's entry and arithmetic: operators, "=", the
// division lock, C, memory, the sign key and typing.
#include "infosdriver.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "support/messagerecorder.h"

#include <QLabel>

#include <cmath>

namespace {
const QString kTooLarge = QString::fromUtf8("A szám túl nagy az átváltáshoz!");
const QString kDivisionByZero = QString::fromUtf8("Nullával nem lehet osztani!");
const QString kOnes54(54, QLatin1Char('1'));
}  // namespace

class TestInfosCalc : public QObject {
    Q_OBJECT
private slots:
    void calculation_data();
    void calculation();
    void operatorKeysAndOptions();
    void divisionByZeroLocksEveryBase_data();
    void divisionByZeroLocksEveryBase();
    void lockSkipsTheInputCheck();
    void clearKeepsPendingOperation();
    void memory_data();
    void memory();
    void memoryRefusals();
    void signKey_data();
    void signKey();
    void resultTooLarge_data();
    void resultTooLarge();
    void infiniteResultIsNeverShown_data();
    void infiniteResultIsNeverShown();
    void tooLargeOperandIsRefused();
    void typing_data();
    void typing();
};

void TestInfosCalc::calculation_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::newRow("hex sum") << "b:16 F F + 1 =" << "100";
    QTest::newRow("lower case hex") << "b:16 t:ff + t:a =" << "109";
    QTest::newRow("negative binary") << "b:2 1 0 1 - 1 1 1 =" << "-10";
    QTest::newRow("zero binary") << "b:2 1 - 1 =" << "0";
    QTest::newRow("binary half is zero") << "b:2 1 / 1 0 =" << "0";
    QTest::newRow("binary quotient toward zero") << "b:2 1 1 1 / 1 0 =" << "11";
    QTest::newRow("negative quotient toward zero") << "b:2 1 1 1 +/- / 1 0 =" << "-11";
    QTest::newRow("octal product") << "b:8 7 * 7 =" << "61";
    QTest::newRow("ten zero") << "3 - 3 =" << "0";
    QTest::newRow("ten half") << "1 / 2 =" << "0.5";
    QTest::newRow("ten sum below one") << ", 2 + , 3 =" << "0.5";
    QTest::newRow("then divide the shown half") << "1 / 2 = / 4 =" << "0.125";
    QTest::newRow("no pending operation ten") << "CLR 7 =" << "7";
    QTest::newRow("no pending operation binary") << "b:2 0 0 1 1 =" << "0011";
    QTest::newRow("second operator takes display") << "1 + 2 - 5 =" << "-3";
    QTest::newRow("second operator on empty") << "1 2 + - 5 =" << "7";
    QTest::newRow("second operator on empty binary") << "b:2 1 0 + - 1 =" << "1";
    QTest::newRow("after base change") << "1 2 b:2 + 1 =" << "1101";
    QTest::newRow("base change while pending") << "1 2 + 3 b:2 =" << "1111";
    QTest::newRow("binary pending to hex") << "b:2 1 0 1 + 1 1 b:16 =" << "8";
    QTest::newRow("continue from result") << "b:2 1 1 + 1 = + 1 =" << "101";
    QTest::newRow("repeated equals keeps result") << "b:16 F + 1 = =" << "10";
    QTest::newRow("2^52 in hex") << "b:16 t:FFFFFFFFFFFFF + 1 =" << "10000000000000";
    QTest::newRow("2^53 - 1 in binary")
        << "b:2 t:" + QString(52, QLatin1Char('1')) + " * 1 0 = + 1 =" << QString(53, QLatin1Char('1'));
}

void TestInfosCalc::calculation()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(recorder.texts(), QStringList());
}

void TestInfosCalc::operatorKeysAndOptions()
{
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, "b:16 1 F +");
    QCOMPARE(m.szam1, 31.0);
    QCOMPARE(m.muvelet, QString("+"));
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.muveletdb, 1);
    QCOMPARE(m.valto, false);
    QCOMPARE(enabledOptions(w), 10);
    press(w, "*");
    QCOMPARE(m.muveletdb, 2);
    QCOMPARE(m.valto, true);
    QCOMPARE(enabledOptions(w), 0);
    QCOMPARE(m.szam1, 31.0);
    QCOMPARE(m.muvelet, QString("*"));
    press(w, "2 =");
    QCOMPARE(w.Text1->text(), QString("3E"));
    QCOMPARE(m.szam2, 2.0);
    QCOMPARE(m.eredmeny, 62.0);
    QCOMPARE(m.muvelet, QString());
    QCOMPARE(m.muveletdb, 0);
    QCOMPARE(enabledOptions(w), 10);
    QVERIFY(!w.Command3->isEnabled());
    press(w, "1");
    QVERIFY(w.Command3->isEnabled());
    // valto stayed True, so the next operator key disables the options at once.
    press(w, "-");
    QCOMPARE(enabledOptions(w), 0);
    QCOMPARE(recorder.texts(), QStringList());
}

void TestInfosCalc::divisionByZeroLocksEveryBase_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("script");
    QTest::newRow("ten") << 8 << "1 / 0 =";
    QTest::newRow("ten, the shown half") << 8 << "1 / 2 = / 0 =";
    QTest::newRow("binary") << 0 << "1 / 0 =";
    QTest::newRow("hex") << 9 << "F / 0 =";
    QTest::newRow("empty second operand") << 5 << "6 / =";
}

void TestInfosCalc::divisionByZeroLocksEveryBase()
{
    QFETCH(int, option);
    QFETCH(QString, script);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    w.Option1[size_t(option)]->click();
    press(w, script);
    QCOMPARE(w.Text1->text(), kDivisionByZero);
    QCOMPARE(recorder.texts(), QStringList());
    QCOMPARE(enabledDigits(w), QList<int>());
    for (QPushButton *key : w.Command5)
        QVERIFY(!key->isEnabled());
    for (QPushButton *key : w.Command1)
        QVERIFY(!key->isEnabled());
    QVERIFY(!w.Command7->isEnabled());
    QVERIFY(w.Command6->isEnabled());
    QCOMPARE(enabledOptions(w), 10);
    QCOMPARE(m.hibas, false);  // the lock belongs to this window alone
    QCOMPARE(m.muvelet, QString("/"));

    press(w, "CLR");
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(enabledDigits(w), upTo(radix::baseOf(option)));
    for (QPushButton *key : w.Command5)
        QVERIFY(key->isEnabled());
    for (QPushButton *key : w.Command1)
        QVERIFY(key->isEnabled());
    QVERIFY(w.Command7->isEnabled());
    QCOMPARE(enabledOptions(w), 10);
    QCOMPARE(m.eredmeny, 0.0);
}

void TestInfosCalc::lockSkipsTheInputCheck()
{
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, "1 / 0 = t:x");
    QCOMPARE(w.Text1->text(), kDivisionByZero + "x");
    QCOMPARE(recorder.texts(), QStringList());
    // Once the sign is dropped the check runs again on the next change.
    m.muvelet.clear();
    press(w, ",");
    QCOMPARE(recorder.texts(), QStringList{inputcheck::kMessageDigits});
    QCOMPARE(w.Text1->text(), QString());
}

void TestInfosCalc::clearKeepsPendingOperation()
{
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, "5 + CLR");
    QCOMPARE(m.muvelet, QString("+"));
    QCOMPARE(m.valto, true);
    QCOMPARE(m.muveletdb, 0);
    press(w, "7 =");
    QCOMPARE(w.Text1->text(), QString("12"));
}

void TestInfosCalc::memory_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<double>("memoria");
    QTest::addColumn<QString>("display");
    QTest::newRow("1F recalled in binary") << "b:16 1 F M+ CLR b:2 MR" << 31.0 << "11111";
    QTest::newRow("binary recalled in ten") << "b:2 1 0 1 M+ CLR b:10 MR" << 5.0 << "5";
    QTest::newRow("negative in hex") << "b:8 1 7 +/- M+ CLR b:16 MR" << -15.0 << "-F";
    QTest::newRow("half in ten") << "1 / 2 = M+ CLR MR" << 0.5 << ".5";
    QTest::newRow("half in binary") << "1 / 2 = M+ CLR b:2 MR" << 0.5 << "0";
    QTest::newRow("empty stores zero") << "b:3 M+ MR" << 0.0 << "0";
    QTest::newRow("replaces, does not add") << "3 M+ CLR 4 M+ CLR MR" << 4.0 << "4";
    QTest::newRow("binary fraction") << "b:2 1 , 1 M+ CLR b:10 MR" << 1.5 << "1.5";
}

void TestInfosCalc::memory()
{
    QFETCH(QString, script);
    QFETCH(double, memoria);
    QFETCH(QString, display);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, script);
    QCOMPARE(m.memoria, memoria);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(w.Label2->text(), QString("M"));
    QCOMPARE(recorder.texts(), QStringList());
    press(w, "MC");
    QCOMPARE(w.Label2->text(), QString());
    QCOMPARE(m.memoria, 0.0);
    QCOMPARE(w.Text1->text(), display);
}

void TestInfosCalc::memoryRefusals()
{
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    // A value left by another window, too large for binary.
    m.memoria = 1e20;
    press(w, "b:2 1 MR");
    QCOMPARE(recorder.texts(), QStringList{kTooLarge});
    QCOMPARE(recorder.shown.at(0).icon, messages::Icon::Exclamation);
    QCOMPARE(w.Text1->text(), QString("1"));

    recorder.clear();
    press(w, "CLR t:" + kOnes54 + " M+");
    QCOMPARE(recorder.texts(), QStringList{kTooLarge});
    QCOMPARE(m.memoria, 1e20);
    QCOMPARE(w.Label2->text(), QString());

    // Base ten writes the exponent form, which the input check refuses.
    recorder.clear();
    press(w, "CLR b:10 MR");
    QCOMPARE(recorder.texts(), QStringList{inputcheck::kMessageDigits});
    QCOMPARE(w.Text1->text(), QString());
}

void TestInfosCalc::signKey_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::newRow("hex") << "b:16 1 F +/-" << "-1F";
    QTest::newRow("hex back") << "b:16 1 F +/- +/-" << " 1F";
    QTest::newRow("hex negative to ten") << "b:16 1 F +/- b:10" << "-31";
    QTest::newRow("binary drops zeros") << "b:2 0 1 1 +/-" << "-11";
    QTest::newRow("binary keeps fraction") << "b:2 1 , 1 +/-" << "-1.1";
    QTest::newRow("binary empty") << "b:2 +/-" << " 0";
    QTest::newRow("binary then digit") << "b:2 +/- 1" << " 01";
    QTest::newRow("ten") << "5 +/-" << "-5";
    QTest::newRow("ten back keeps blank") << "5 +/- +/-" << " 5";
    QTest::newRow("ten empty") << "+/-" << " 0";
}

void TestInfosCalc::signKey()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(recorder.texts(), QStringList());
}

void TestInfosCalc::resultTooLarge_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("hex product") << "b:16 t:FFFFFFFFFFFFF * 1 0 =" << QStringList{kTooLarge};
    QTest::newRow("binary 2^53") << "b:2 t:" + QString(53, QLatin1Char('1')) + " + 1 =" << QStringList{kTooLarge};
    // Base ten writes the display twice, and the check refuses it each time.
    QTest::newRow("ten exponent form") << "t:99999999 * t:99999999 ="
                                       << QStringList{inputcheck::kMessageDigits, inputcheck::kMessageDigits};
}

void TestInfosCalc::resultTooLarge()
{
    QFETCH(QString, script);
    QFETCH(QStringList, messages);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, script);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.muvelet, QString());
}

void TestInfosCalc::infiniteResultIsNeverShown_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("operand");
    QTest::addColumn<QString>("message");
    QTest::newRow("ten") << 8 << QString(64, QLatin1Char('9')) << inputcheck::kMessageDigits;
    QTest::newRow("hex") << 9 << "FFFFFFFFFFFFF" << kTooLarge;
}

void TestInfosCalc::infiniteResultIsNeverShown()
{
    QFETCH(int, option);
    QFETCH(QString, operand);
    QFETCH(QString, message);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    w.Option1[size_t(option)]->click();
    // A first operand left by another window; "*" on the empty display keeps it.
    m.szam1 = 1e300;
    m.eredmeny = 7;
    press(w, "* t:" + operand + " =");
    QCOMPARE(recorder.texts(), QStringList{message});
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.eredmeny, 7.0);
    QVERIFY(std::isfinite(m.szam1) && std::isfinite(m.szam2));
    QCOMPARE(m.muvelet, QString());
}

void TestInfosCalc::tooLargeOperandIsRefused()
{
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, "b:2 t:" + kOnes54 + " +");
    QCOMPARE(recorder.texts(), QStringList{kTooLarge});
    QCOMPARE(w.Text1->text(), kOnes54);
    QCOMPARE(m.muvelet, QString());
    QCOMPARE(m.muveletdb, 0);
    QCOMPARE(m.szam1, 0.0);

    recorder.clear();
    m.szam2 = 5;
    press(w, "=");
    QCOMPARE(recorder.texts(), QStringList{kTooLarge});
    QCOMPARE(m.szam2, 5.0);
    QCOMPARE(w.Text1->text(), kOnes54);
}

void TestInfosCalc::typing_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("digits") << "1 2 3" << "123" << none;
    QTest::newRow("second point") << "1 , 2 ," << "" << QStringList{inputcheck::kMessagePoints};
    QTest::newRow("letter in ten") << "t:1a" << "" << QStringList{inputcheck::kMessageDigits};
    QTest::newRow("letters in hex") << "b:16 t:1aF" << "1aF" << none;
    QTest::newRow("g in hex") << "b:16 t:1g" << "" << QStringList{inputcheck::kMessageDigits};
    QTest::newRow("letter in binary") << "b:2 t:a" << "" << QStringList{inputcheck::kMessageDigits};
    QTest::newRow("minus anywhere") << "t:5-3" << "5-3" << none;
}

void TestInfosCalc::typing()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QStringList, messages);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(m.pontdb, 0);
    QCOMPARE(m.hibas, false);
}

QTEST_MAIN(TestInfosCalc)
#include "tst_infoscalc.moc"
