// The Val and Str rules and the display forms, one row per rule.
#include "shared/numbertext.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
}

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void val_data();
    void val();
    void str_data();
    void str();
    void displayForms_data();
    void displayForms();
};

void TestNumberText::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks anywhere") << " - 1 2 . 5" << -12.5;
    QTest::newRow("point first, signed") << "-.5" << -0.5;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("minus inside stops") << "1-2" << 1.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("letter stops") << "1F" << 1.0;
    QTest::newRow("comma is not a point") << "1,5" << 1.0;
    QTest::newRow("exponent E") << "1E2" << 100.0;
    QTest::newRow("exponent d") << "2d1" << 20.0;
    QTest::newRow("negative exponent") << "5E-3" << 0.005;
    QTest::newRow("exponent sign without digits") << "3E-" << 3.0;
    QTest::newRow("overflow") << "1E400" << kInf;
    QTest::newRow("too many digits") << QString(400, '9') << kInf;
    QTest::newRow("zero with a huge exponent") << "0E99999" << 0.0;
    QTest::newRow("huge negative exponent") << "1E-99999999" << 0.0;
}

void TestNumberText::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(numbertext::val(text), expected);
}

void TestNumberText::str_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("whole keeps its zeros") << 100.0 << " 100";
    QTest::newRow("half") << 0.5 << " .5";
    QTest::newRow("negative quarter") << -0.25 << "-.25";
    QTest::newRow("rounded to 15 digits") << 2.0 / 3 << " .666666666666667";
    QTest::newRow("float noise rounds away") << 0.1 + 0.2 << " .3";
    QTest::newRow("rounds to whole") << 2.9999999999999996 << " 3";
    QTest::newRow("fifteen digits") << 123456789012345.0 << " 123456789012345";
    QTest::newRow("1E+15") << 1e15 << " 1E+15";
    QTest::newRow("rounds up into exponent form") << 999999999999999.9 << " 1E+15";
    QTest::newRow("big mantissa") << -1.23456789012345678e20 << "-1.23456789012346E+20";
    QTest::newRow("three-digit exponent") << 1e300 << " 1E+300";
    QTest::newRow("1E-15 plain") << 1e-15 << " .000000000000001";
    QTest::newRow("small with digits") << -1.5e-10 << "-.00000000015";
    QTest::newRow("below 1E-15") << 1e-16 << " 1E-16";
    QTest::newRow("tiny negative") << -2.5e-300 << "-2.5E-300";
    QTest::newRow("infinity is never written") << kInf << "";
    QTest::newRow("nor is NaN") << std::numeric_limits<double>::quiet_NaN() << "";
}

void TestNumberText::str()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(numbertext::str(value), expected);
    // What a display shows reads back as the value, where 15 digits hold it.
    if (std::isfinite(value) && QString::number(value, 'g', 15).toDouble() == value)
        QCOMPARE(numbertext::val(expected), value);
}

void TestNumberText::displayForms_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("leadingZero");
    QTest::newRow("half") << 0.5 << ".5" << "0.5";
    QTest::newRow("negative half") << -0.5 << "-.5" << "-.5";
    QTest::newRow("exponent form") << 1e-20 << "1E-20" << "1E-20";
    QTest::newRow("not finite") << -kInf << "" << "";
}

void TestNumberText::displayForms()
{
    QFETCH(double, value);
    QFETCH(QString, plain);
    QFETCH(QString, leadingZero);
    QCOMPARE(numbertext::displayForm(value), plain);
    QCOMPARE(numbertext::displayFormLeadingZero(value), leadingZero);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
