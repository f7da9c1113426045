// Rounding, snapping and the two-operand operations of the scientific window.
#include "scientific/functions.h"

#include <QTest>

#include <cmath>

using scientific::Refusal;
using scientific::Result;

Q_DECLARE_METATYPE(Refusal)

namespace {
constexpr double k2to53 = 9007199254740992.0;

Result evaluate(const QString &op, double a, double b)
{
    using namespace scientific;
    if (op == "+") return sum(a, b);
    if (op == "-") return difference(a, b);
    if (op == "*") return product(a, b);
    if (op == "/") return quotient(a, b);
    if (op == "^") return power(a, b);
    if (op == "root") return root(a, b);
    if (op == "%") return percent(a, b);
    if (op == "Lnko") return gcd(a, b);
    if (op == "Lkkt") return lcm(a, b);
    qFatal("unknown operation");
}
}  // namespace

class TestSciArithmetic : public QObject {
    Q_OBJECT
private slots:
    void roundTo_data();
    void roundTo();
    void kerekit_data();
    void kerekit();
    void operations_data();
    void operations();
    void euclid_data();
    void euclid();
};

void TestSciArithmetic::roundTo_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");
    QTest::newRow("half to even down") << 2.5 << 0 << 2.0;
    QTest::newRow("half to even up") << 3.5 << 0 << 4.0;
    QTest::newRow("negative half to even") << -2.5 << 0 << -2.0;
    QTest::newRow("negative half up in magnitude") << -3.5 << 0 << -4.0;
    QTest::newRow("below half") << 2.4999 << 0 << 2.0;
    QTest::newRow("sine noise at 14 places") << 0.49999999999999994 << 14 << 0.5;
    QTest::newRow("tiny to zero") << 3.2e-15 << 14 << 0.0;
    QTest::newRow("twelve places") << 30.000000000000004 << 12 << 30.0;
    QTest::newRow("keeps what fits") << 0.25 << 14 << 0.25;
    QTest::newRow("too coarse stays") << 6.2e14 + 0.5 << 14 << 6.2e14 + 0.5;
    QTest::newRow("huge stays") << 1e300 << 14 << 1e300;
}

void TestSciArithmetic::roundTo()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(scientific::roundTo(value, decimals), expected);
}

void TestSciArithmetic::kerekit_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("just below whole") << 2.9999999999 << 3.0;
    QTest::newRow("just above whole") << 3.000000000001 << 3.0;
    QTest::newRow("negative near whole") << -2.000000001 << -2.0;
    QTest::newRow("not near enough") << 2.99999 << 2.99999;
    QTest::newRow("fraction kept") << 0.5 << 0.5;
    QTest::newRow("half kept") << 2.5 << 2.5;
    QTest::newRow("nine places kept") << 1e-9 << 1e-9;
    QTest::newRow("negative small kept") << -1e-12 << -1e-12;
    QTest::newRow("1E-14 kept") << 1e-14 << 1e-14;
    QTest::newRow("below 1E-14 snapped") << 9.9e-15 << 0.0;
    QTest::newRow("cotangent of 90 snapped") << 1.6e-15 << 0.0;
    QTest::newRow("huge unchanged") << 1e300 << 1e300;
    QTest::newRow("whole unchanged") << 1024.0 << 1024.0;
}

void TestSciArithmetic::kerekit()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(scientific::kerekit(value), expected);
}

void TestSciArithmetic::operations_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Refusal>("refusal");
    const Refusal ok = Refusal::None;

    QTest::newRow("7+5") << "+" << 7.0 << 5.0 << 12.0 << ok;
    QTest::newRow("1-0.75") << "-" << 1.0 << 0.75 << 0.25 << ok;
    QTest::newRow("6*7") << "*" << 6.0 << 7.0 << 42.0 << ok;
    QTest::newRow("product overflows") << "*" << 1e200 << 1e200 << 0.0 << Refusal::NotRepresentable;
    QTest::newRow("sum overflows") << "+" << 1.7e308 << 1.7e308 << 0.0 << Refusal::NotRepresentable;
    QTest::newRow("1/4") << "/" << 1.0 << 4.0 << 0.25 << ok;
    QTest::newRow("1/0") << "/" << 1.0 << 0.0 << 0.0 << Refusal::DivisionByZero;
    QTest::newRow("0/0") << "/" << 0.0 << 0.0 << 0.0 << Refusal::DivisionByZero;
    QTest::newRow("1/1000000000 not erased") << "/" << 1.0 << 1e9 << 1e-9 << ok;
    QTest::newRow("quotient overflows") << "/" << 1e300 << 1e-300 << 0.0 << Refusal::NotRepresentable;

    QTest::newRow("2^10") << "^" << 2.0 << 10.0 << 1024.0 << ok;
    QTest::newRow("2^-1") << "^" << 2.0 << -1.0 << 0.5 << ok;
    QTest::newRow("(-2)^3") << "^" << -2.0 << 3.0 << -8.0 << ok;
    QTest::newRow("0^0") << "^" << 0.0 << 0.0 << 1.0 << ok;
    QTest::newRow("0^-1") << "^" << 0.0 << -1.0 << 0.0 << Refusal::DivisionByZero;
    QTest::newRow("0^-0.5") << "^" << 0.0 << -0.5 << 0.0 << Refusal::DivisionByZero;
    QTest::newRow("(-8)^0.5") << "^" << -8.0 << 0.5 << 0.0 << Refusal::NoRealResult;
    QTest::newRow("10^400") << "^" << 10.0 << 400.0 << 0.0 << Refusal::NotRepresentable;
    QTest::newRow("(-2)^1E300") << "^" << -2.0 << 1e300 << 0.0 << Refusal::NotRepresentable;
    QTest::newRow("10^-400 underflows to 0") << "^" << 10.0 << -400.0 << 0.0 << ok;

    QTest::newRow("27 root 3") << "root" << 27.0 << 3.0 << 3.0 << ok;
    QTest::newRow("16 root 4") << "root" << 16.0 << 4.0 << 2.0 << ok;
    QTest::newRow("-8 root 3") << "root" << -8.0 << 3.0 << -2.0 << ok;
    QTest::newRow("-32 root 5") << "root" << -32.0 << 5.0 << -2.0 << ok;
    QTest::newRow("-8 root -3") << "root" << -8.0 << -3.0 << -0.5 << ok;
    QTest::newRow("4 root 0.5") << "root" << 4.0 << 0.5 << 16.0 << ok;
    QTest::newRow("-8 root 2") << "root" << -8.0 << 2.0 << 0.0 << Refusal::EvenRootOfNegative;
    QTest::newRow("-8 root -2") << "root" << -8.0 << -2.0 << 0.0 << Refusal::EvenRootOfNegative;
    QTest::newRow("-8 root 2.5") << "root" << -8.0 << 2.5 << 0.0 << Refusal::NoRealResult;
    QTest::newRow("-8 root 1E30 is even") << "root" << -8.0 << 1e30 << 0.0 << Refusal::EvenRootOfNegative;
    QTest::newRow("-8 root 2^53+2 is even")
        << "root" << -8.0 << k2to53 + 2 << 0.0 << Refusal::EvenRootOfNegative;
    QTest::newRow("-1 root 2147483649 odd") << "root" << -1.0 << 2147483649.0 << -1.0 << ok;
    QTest::newRow("8 root 0") << "root" << 8.0 << 0.0 << 0.0 << Refusal::DivisionByZero;
    QTest::newRow("-8 root 0") << "root" << -8.0 << 0.0 << 0.0 << Refusal::DivisionByZero;
    QTest::newRow("0 root -2") << "root" << 0.0 << -2.0 << 0.0 << Refusal::DivisionByZero;
    QTest::newRow("0 root 2") << "root" << 0.0 << 2.0 << 0.0 << ok;
    QTest::newRow("2 root 1E-29") << "root" << 2.0 << 1e-29 << 0.0 << Refusal::NotRepresentable;

    QTest::newRow("15% of 200") << "%" << 200.0 << 15.0 << 30.0 << ok;
    QTest::newRow("1% of 50") << "%" << 50.0 << 1.0 << 0.5 << ok;
    QTest::newRow("% overflows") << "%" << 1e308 << 1e308 << 0.0 << Refusal::NotRepresentable;

    QTest::newRow("613 Lnko 1226") << "Lnko" << 613.0 << 1226.0 << 613.0 << ok;
    QTest::newRow("12 Lnko 18") << "Lnko" << 12.0 << 18.0 << 6.0 << ok;
    QTest::newRow("101 Lnko 202") << "Lnko" << 101.0 << 202.0 << 101.0 << ok;
    QTest::newRow("0 Lnko 6") << "Lnko" << 0.0 << 6.0 << 6.0 << ok;
    QTest::newRow("0 Lnko 0") << "Lnko" << 0.0 << 0.0 << 0.0 << ok;
    QTest::newRow("signs ignored Lnko") << "Lnko" << -12.0 << 18.0 << 6.0 << ok;
    QTest::newRow("large Lnko") << "Lnko" << 9007199254740990.0 << 6.0 << 6.0 << ok;
    QTest::newRow("12.5 Lnko 10") << "Lnko" << 12.5 << 10.0 << 0.0 << Refusal::WholeNumbersOnly;
    QTest::newRow("10 Lnko 0.5") << "Lnko" << 10.0 << 0.5 << 0.0 << Refusal::WholeNumbersOnly;
    QTest::newRow("2^53 Lnko 2") << "Lnko" << k2to53 << 2.0 << 0.0 << Refusal::WholeNumbersOnly;
    QTest::newRow("-2^53 Lnko 2") << "Lnko" << -k2to53 << 2.0 << 0.0 << Refusal::WholeNumbersOnly;
    QTest::newRow("2^53-1 Lnko 3") << "Lnko" << k2to53 - 1 << 3.0 << 1.0 << ok;

    QTest::newRow("12 Lkkt 18") << "Lkkt" << 12.0 << 18.0 << 36.0 << ok;
    QTest::newRow("607 Lkkt 2") << "Lkkt" << 607.0 << 2.0 << 1214.0 << ok;
    QTest::newRow("613 Lkkt 1226") << "Lkkt" << 613.0 << 1226.0 << 1226.0 << ok;
    QTest::newRow("0 Lkkt 6") << "Lkkt" << 0.0 << 6.0 << 0.0 << ok;
    QTest::newRow("signs ignored Lkkt") << "Lkkt" << -4.0 << 6.0 << 12.0 << ok;
    QTest::newRow("Lkkt beyond 64 bits")
        << "Lkkt" << k2to53 - 1 << k2to53 - 2 << (k2to53 - 1) * (k2to53 - 2) << ok;
    QTest::newRow("12.5 Lkkt 10") << "Lkkt" << 12.5 << 10.0 << 0.0 << Refusal::WholeNumbersOnly;
    QTest::newRow("1E300 Lkkt 2") << "Lkkt" << 1e300 << 2.0 << 0.0 << Refusal::WholeNumbersOnly;
}

void TestSciArithmetic::operations()
{
    QFETCH(QString, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QFETCH(Refusal, refusal);
    const Result result = evaluate(op, a, b);
    QCOMPARE(result.refusal, refusal);
    if (refusal == Refusal::None) {
        QVERIFY(std::isfinite(result.value));
        QCOMPARE(result.value, expected);
    }
}

void TestSciArithmetic::euclid_data()
{
    QTest::addColumn<quint64>("a");
    QTest::addColumn<quint64>("b");
    QTest::addColumn<quint64>("expected");
    QTest::newRow("both zero") << quint64(0) << quint64(0) << quint64(0);
    QTest::newRow("zero first") << quint64(0) << quint64(9) << quint64(9);
    QTest::newRow("zero second") << quint64(9) << quint64(0) << quint64(9);
    QTest::newRow("coprime") << quint64(35) << quint64(64) << quint64(1);
    QTest::newRow("beyond 32 bits") << quint64(6442450941) << quint64(4294967294) << quint64(2147483647);
    QTest::newRow("largest") << quint64(18446744073709551615ull) << quint64(6148914691236517205ull)
                             << quint64(6148914691236517205ull);
}

void TestSciArithmetic::euclid()
{
    QFETCH(quint64, a);
    QFETCH(quint64, b);
    QFETCH(quint64, expected);
    QCOMPARE(scientific::euclid(a, b), expected);
    QCOMPARE(scientific::euclid(b, a), expected);
}

QTEST_APPLESS_MAIN(TestSciArithmetic)
#include "tst_sciarithmetic.moc"
