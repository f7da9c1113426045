// The informatics window's layout, base options and base changes.
#include "infosdriver.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

namespace {
const QString kFraction = QString::fromUtf8("Törtszámokat nem tudok átváltani! (Egyelőre)");
const QString kTooLarge = QString::fromUtf8("A szám túl nagy az átváltáshoz!");
const QString kDivisionByZero = QString::fromUtf8("Nullával nem lehet osztani!");
const QString kOnes53(53, QLatin1Char('1'));
}  // namespace

class TestInfosBase : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void geometry_data();
    void geometry();
    void digitKeysFollowBase_data();
    void digitKeysFollowBase();
    void typedDigitsFollowBase_data();
    void typedDigitsFollowBase();
    void conversion_data();
    void conversion();
    void largestValueTravelsEveryBase();
    void optionFromCodeOrMouseConvertsOnce();
    void fractionIsRefused_data();
    void fractionIsRefused();
    void tooLargeIsRefused_data();
    void tooLargeIsRefused();
    void divisionMessageIsNeverConverted();
    void activationDropsPendingOperation();
};

void TestInfosBase::startState()
{
    Module1 m;
    m.alapkod = 3;
    m.valto = true;
    InfosWindow w(m);
    QCOMPARE(w.windowTitle(), QString::fromUtf8("Zorvexa - INFORMATIKAI"));
    QCOMPARE(w.Label1->text(), QString::fromUtf8("A számrendszer alapszáma:"));
    QCOMPARE(checkedOption(w), 8);
    QCOMPARE(enabledOptions(w), 10);
    QCOMPARE(enabledDigits(w), upTo(10));
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(w.Text1->accessibleName(), QString::fromUtf8("Kijelző"));
    QCOMPARE(w.Label2->text(), QString());
    QCOMPARE(m.alapkod, 8);
    QCOMPARE(m.valto, false);
    QCOMPARE(m.muveletdb, 0);
    const QStringList captions{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"};
    for (int i = 0; i < 16; ++i)
        QCOMPARE(w.Command2[size_t(i)]->text(), captions[i]);
    QCOMPARE(w.Frame1->title(), QString());

    // The typing limit holds the 53 binary digits of 2^53 - 1 and more.
    MessageRecorder recorder;
    testkeys::type(w.Text1, QString(70, QLatin1Char('1')));
    QCOMPARE(w.Text1->text(), QString(InfosWindow::kMaxEntry, QLatin1Char('1')));
    QVERIFY(InfosWindow::kMaxEntry >= 54);
}

void TestInfosBase::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("Label1") << "Label1" << twips::rect(2160, 120, 2415, 255);
    QTest::newRow("Frame1") << "Frame1" << twips::rect(240, 360, 6255, 615);
    QTest::newRow("Option1(0)") << "Option1_0" << twips::rect(120, 240, 495, 255);
    QTest::newRow("Option1(8)") << "Option1_8" << twips::rect(4920, 240, 495, 255);
    QTest::newRow("Option1(9)") << "Option1_9" << twips::rect(5640, 240, 495, 255);
    QTest::newRow("Text1") << "Text1" << twips::rect(240, 1200, 6255, 375);
    QTest::newRow("Label2") << "Label2" << twips::rect(240, 1800, 375, 375);
    QTest::newRow("M+") << "Command1_0" << twips::rect(240, 2280, 375, 375);
    QTest::newRow("7") << "Command2_7" << twips::rect(1080, 1800, 375, 375);
    QTest::newRow("1") << "Command2_1" << twips::rect(1080, 2760, 375, 375);
    QTest::newRow("0") << "Command2_0" << twips::rect(1080, 3240, 375, 375);
    QTest::newRow("F") << "Command2_15" << twips::rect(3480, 2280, 375, 375);
    QTest::newRow("A") << "Command2_10" << twips::rect(2520, 2760, 375, 375);
    QTest::newRow("C digit") << "Command2_12" << twips::rect(3480, 2760, 375, 375);
    QTest::newRow("+/-") << "Command3" << twips::rect(1560, 3240, 375, 375);
    QTest::newRow(",") << "Command4" << twips::rect(2040, 3240, 375, 375);
    QTest::newRow("+") << "Command5_0" << twips::rect(5520, 1800, 375, 375);
    QTest::newRow("/") << "Command5_3" << twips::rect(5520, 3240, 375, 375);
    QTest::newRow("C") << "Command6" << twips::rect(6120, 1800, 375, 1335);
    QTest::newRow("=") << "Command7" << twips::rect(6120, 3240, 375, 375);
}

void TestInfosBase::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    Module1 m;
    InfosWindow w(m);
    const auto *control = w.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), rect);
    QCOMPARE(w.centralWidget()->size(), twips::size(6735, 3855));
}

void TestInfosBase::digitKeysFollowBase_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("base");
    const int bases[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 16};
    for (int i = 0; i < 10; ++i)
        QTest::newRow(qPrintable(QString::number(bases[i]))) << i << bases[i];
}

void TestInfosBase::digitKeysFollowBase()
{
    QFETCH(int, index);
    QFETCH(int, base);
    Module1 m;
    InfosWindow w(m);
    // From base 16 first, so every key has to be switched off again.
    w.Option1[9]->click();
    w.Option1[size_t(index)]->click();
    QCOMPARE(enabledDigits(w), upTo(base));
    QCOMPARE(m.alapkod, index);
    QCOMPARE(w.Option1[size_t(index)]->text(), QString::number(base));
}

void TestInfosBase::typedDigitsFollowBase_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("refused");
    QTest::newRow("binary") << "b:2 t:101" << "101" << false;
    QTest::newRow("a 2 in binary") << "b:2 t:12" << "" << true;
    QTest::newRow("a 7 in octal") << "b:8 t:17" << "17" << false;
    QTest::newRow("an 8 in octal") << "b:8 t:8" << "" << true;
    QTest::newRow("a letter in base 9") << "b:9 t:A" << "" << true;
    QTest::newRow("a letter in base 16") << "b:16 t:a" << "a" << false;
}

// Typing follows the base as the digit keys do: a digit the base does not
// have would make the number unreadable in it.
void TestInfosBase::typedDigitsFollowBase()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(bool, refused);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(recorder.texts(), refused ? QStringList{QString::fromUtf8("Számjegyeket írjon be!")} : QStringList{});
}

void TestInfosBase::conversion_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("alapkod");
    QTest::newRow("keys 12 to binary") << "1 2 b:2" << "1100" << 0;
    QTest::newRow("then to hex") << "1 2 b:2 b:16" << "C" << 9;
    QTest::newRow("typed 12 to binary") << "t:12 b:2" << "1100" << 0;
    QTest::newRow("FF to binary") << "b:16 F F b:2" << "11111111" << 0;
    QTest::newRow("lower case") << "b:16 t:ff b:10" << "255" << 8;
    QTest::newRow("hex 10 is 16") << "b:16 1 0 b:10" << "16" << 8;
    QTest::newRow("leading zeros dropped") << "b:2 0 0 1 1 b:8" << "3" << 6;
    QTest::newRow("zero stays") << "0 b:2 b:16" << "0" << 9;
    QTest::newRow("sign key's zero") << "+/- b:5" << "0" << 3;
    QTest::newRow("leading blank") << "5 +/- +/- b:2" << "101" << 0;
    QTest::newRow("negative from ten") << "5 +/- b:2" << "-101" << 0;
    QTest::newRow("negative back") << "5 +/- b:2 b:10" << "-5" << 8;
    QTest::newRow("negative hex") << "b:16 F F +/- b:2" << "-11111111" << 0;
    QTest::newRow("31 ones") << "b:2 t:" + QString(31, QLatin1Char('1')) + " b:10" << "2147483647" << 8;
    QTest::newRow("empty display") << "b:2 b:16" << "" << 9;
}

void TestInfosBase::conversion()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(int, alapkod);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(m.alapkod, alapkod);
    QCOMPARE(checkedOption(w), alapkod);
    QCOMPARE(recorder.texts(), QStringList());
}

void TestInfosBase::largestValueTravelsEveryBase()
{
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, "b:2 t:" + kOnes53);
    const QString expected[] = {kOnes53, "1121202011211211122211100012101111", "133333333333333333333333333",
                                "33421042423033203202431", "224404414114114022451", "5350140446150306053",
                                "377777777777777777", "47664754584305344", "9007199254740991", "1FFFFFFFFFFFFF"};
    for (int i : {9, 1, 8, 2, 7, 3, 6, 4, 5, 0}) {
        w.Option1[size_t(i)]->click();
        QCOMPARE(w.Text1->text(), expected[i]);
    }
    QCOMPARE(recorder.texts(), QStringList());
}

void TestInfosBase::optionFromCodeOrMouseConvertsOnce()
{
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    w.show();
    press(w, "1 2");
    // Selected from code: the conversion runs once (twice would give 1100 in
    // base 2 read again as twelve hundred and so on).
    w.Option1[0]->setChecked(true);
    QCOMPARE(w.Text1->text(), QString("1100"));
    QCOMPARE(enabledDigits(w), upTo(2));
    QRadioButton *hex = w.Option1[9];
    QTest::mouseClick(hex, Qt::LeftButton, {}, QPoint(8, hex->height() / 2));
    QVERIFY(hex->isChecked());
    QCOMPARE(w.Text1->text(), QString("C"));
    QCOMPARE(m.alapkod, 9);
    QCOMPARE(recorder.texts(), QStringList());
}

void TestInfosBase::fractionIsRefused_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("backTo");
    QTest::newRow("ten") << "2 , 5" << "2" << "2.5" << 8;
    QTest::newRow("ten, whole with point") << "1 2 ," << "16" << "12." << 8;
    QTest::newRow("typed quotient") << "1 / 2 =" << "2" << "0.5" << 8;
    QTest::newRow("binary") << "b:2 1 , 1" << "16" << "1.1" << 0;
    QTest::newRow("hex") << "b:16 A , 8" << "10" << "A.8" << 9;
}

void TestInfosBase::fractionIsRefused()
{
    QFETCH(QString, script);
    QFETCH(QString, base);
    QFETCH(QString, display);
    QFETCH(int, backTo);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, script);
    recorder.clear();
    press(w, "b:" + base);
    // The option goes back to the display's base, whose click refuses again.
    QCOMPARE(recorder.texts(), QStringList({kFraction, kFraction}));
    QCOMPARE(recorder.shown.at(0).icon, messages::Icon::Exclamation);
    QCOMPARE(recorder.shown.at(1).icon, messages::Icon::Exclamation);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(checkedOption(w), backTo);
    QCOMPARE(m.alapkod, backTo);
    QCOMPARE(enabledDigits(w), upTo(radix::baseOf(backTo)));
    QCOMPARE(enabledOptions(w), 0);
    press(w, "CLR");
    QCOMPARE(enabledOptions(w), 10);
}

void TestInfosBase::tooLargeIsRefused_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("stays");
    QTest::newRow("54 binary digits") << "b:2 t:" + kOnes53 + "1" << "10" << 0;
    QTest::newRow("2^53 in ten") << "t:9007199254740992" << "16" << 8;
    QTest::newRow("twenty digits") << "t:99999999999999999999" << "2" << 8;
    QTest::newRow("negative hex") << "b:16 t:-20000000000000" << "8" << 9;
}

void TestInfosBase::tooLargeIsRefused()
{
    QFETCH(QString, script);
    QFETCH(QString, base);
    QFETCH(int, stays);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, script);
    const QString before = w.Text1->text();
    press(w, "b:" + base);
    QCOMPARE(recorder.texts(), QStringList{kTooLarge});
    QCOMPARE(recorder.shown.at(0).icon, messages::Icon::Exclamation);
    QCOMPARE(w.Text1->text(), before);
    QCOMPARE(checkedOption(w), stays);
    QCOMPARE(m.alapkod, stays);
    QCOMPARE(enabledDigits(w), upTo(radix::baseOf(stays)));
    QCOMPARE(enabledOptions(w), 10);
}

void TestInfosBase::divisionMessageIsNeverConverted()
{
    for (const char *base : {"10", "2", "16"}) {
        MessageRecorder recorder;
        Module1 m;
        InfosWindow w(m);
        press(w, QStringLiteral("b:") + base + " 1 / 0 =");
        QCOMPARE(w.Text1->text(), kDivisionByZero);
        press(w, "b:8");
        QCOMPARE(w.Text1->text(), QString());
        QCOMPARE(recorder.texts(), QStringList());
        QCOMPARE(m.alapkod, 6);
        // The base's digits come back; the other keys wait for "C".
        QCOMPARE(enabledDigits(w), upTo(8));
        QVERIFY(!w.Command5[0]->isEnabled());
        QVERIFY(!w.Command7->isEnabled());
    }
    // Also after a window switch dropped the pending division.
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    press(w, "1 / 0 = ,");
    m.muvelet.clear();
    press(w, "b:2");
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(recorder.texts(), QStringList());
}

void TestInfosBase::activationDropsPendingOperation()
{
    Module1 m;
    InfosWindow w(m);
    press(w, "1 2 +");
    QCOMPARE(m.muvelet, QString("+"));
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(w.isActiveWindow());
    QCOMPARE(m.muvelet, QString());
}

QTEST_MAIN(TestInfosBase)
#include "tst_infosbase.moc"
