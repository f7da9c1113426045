#include "shared/numbertext.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void val_data();
    void val();
    void valOverflow();
    void str_data();
    void str();
    void strNotFinite();
    void displayForms_data();
    void displayForms();
    void strReadsBack_data();
    void strReadsBack();
};

void TestNumberText::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading blank") << " 5" << 5.0;
    QTest::newRow("blanks inside") << "1 2 . 5" << 12.5;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("negative point first") << "-.5" << -0.5;
    QTest::newRow("trailing point") << "12." << 12.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("minus inside stops") << "1-2" << 1.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("letter stops") << "1F" << 1.0;
    QTest::newRow("exponent E") << "1E2" << 100.0;
    QTest::newRow("exponent d") << "2d1" << 20.0;
    QTest::newRow("negative exponent") << "5E-3" << 0.005;
    QTest::newRow("exponent without digits") << "3E" << 3.0;
    QTest::newRow("exponent sign without digits") << "3E-" << 3.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("blank then sign") << "  -3" << -3.0;
    QTest::newRow("str output") << " .333333333333333" << 0.333333333333333;
    QTest::newRow("comma is not a point") << "1,5" << 1.0;
    QTest::newRow("huge exponent underflows") << "1E-99999999" << 0.0;
}

void TestNumberText::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(numbertext::val(text), expected);
}

void TestNumberText::valOverflow()
{
    QVERIFY(std::isinf(numbertext::val("1E400")));
    QVERIFY(numbertext::val("-1E400") < 0);
    QVERIFY(std::isinf(numbertext::val(QString(400, '9'))));
    QCOMPARE(numbertext::val("0E99999"), 0.0);
    QCOMPARE(numbertext::val(".0000001E-400"), 0.0);
}

void TestNumberText::str_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("whole") << 12.0 << " 12";
    QTest::newRow("negative whole") << -5.0 << "-5";
    QTest::newRow("half") << 0.5 << " .5";
    QTest::newRow("negative quarter") << -0.25 << "-.25";
    QTest::newRow("one third") << 1.0 / 3 << " .333333333333333";
    QTest::newRow("two thirds rounds") << 2.0 / 3 << " .666666666666667";
    QTest::newRow("fifteen digits") << 123456789012345.0 << " 123456789012345";
    QTest::newRow("1E+15") << 1e15 << " 1E+15";
    QTest::newRow("rounds up into exponent form") << 999999999999999.9 << " 1E+15";
    QTest::newRow("big mantissa") << -1.23456789012345678e20 << "-1.23456789012346E+20";
    QTest::newRow("three-digit exponent") << 1e300 << " 1E+300";
    QTest::newRow("mixed") << 1234.5678 << " 1234.5678";
    QTest::newRow("tenth") << 0.1 << " .1";
    QTest::newRow("point one plus point two") << 0.1 + 0.2 << " .3";
    QTest::newRow("1E-5 plain") << 0.00001 << " .00001";
    QTest::newRow("1E-15 plain") << 1e-15 << " .000000000000001";
    QTest::newRow("small with digits") << -1.5e-10 << "-.00000000015";
    QTest::newRow("below 1E-15") << 1e-16 << " 1E-16";
    QTest::newRow("tiny negative") << -2.5e-300 << "-2.5E-300";
    QTest::newRow("round to whole") << 2.9999999999999996 << " 3";
    QTest::newRow("hundred") << 100.0 << " 100";
}

void TestNumberText::str()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(numbertext::str(value), expected);
}

void TestNumberText::strNotFinite()
{
    QCOMPARE(numbertext::str(std::numeric_limits<double>::infinity()), QString());
    QCOMPARE(numbertext::str(std::numeric_limits<double>::quiet_NaN()), QString());
    QCOMPARE(numbertext::displayForm(-std::numeric_limits<double>::infinity()), QString());
}

void TestNumberText::displayForms_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("leadingZero");
    QTest::newRow("whole") << 12.0 << "12" << "12";
    QTest::newRow("half") << 0.5 << ".5" << "0.5";
    QTest::newRow("negative half") << -0.5 << "-.5" << "-.5";
    QTest::newRow("negative whole") << -3.0 << "-3" << "-3";
    QTest::newRow("zero") << 0.0 << "0" << "0";
    QTest::newRow("one") << 1.0 << "1" << "1";
    QTest::newRow("tiny exponent form") << 1e-20 << "1E-20" << "1E-20";
    QTest::newRow("third") << 1.0 / 3 << ".333333333333333" << "0.333333333333333";
}

void TestNumberText::displayForms()
{
    QFETCH(double, value);
    QFETCH(QString, plain);
    QFETCH(QString, leadingZero);
    QCOMPARE(numbertext::displayForm(value), plain);
    QCOMPARE(numbertext::displayFormLeadingZero(value), leadingZero);
}

void TestNumberText::strReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("pi") << 3.14159265358979;
    QTest::newRow("e") << -2.71828182845905;
    QTest::newRow("big") << 9.87654321098765e14;
    QTest::newRow("exp") << 6.02214076e23;
    QTest::newRow("small") << 1.25e-12;
}

// What a display shows reads back as the same 15-digit value.
void TestNumberText::strReadsBack()
{
    QFETCH(double, value);
    QCOMPARE(numbertext::val(numbertext::str(value)), value);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
