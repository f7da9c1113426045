// The scientific window's arithmetic, free of widgets: snapping, rounding,
// the two-operand operations and the function keys.
#include "scientific/functions.h"

#include <QHash>
#include <QTest>

#include <cmath>

using scientific::Refusal;
using scientific::Result;

Q_DECLARE_METATYPE(Refusal)

namespace {
const double kTruePi = std::acos(-1.0);
constexpr double k2to53 = 9007199254740992.0;

Result evaluate(const QString &name, double a, double b)
{
    using namespace scientific;
    static const QHash<QString, Result (*)(double, double)> two{
        {"+", sum},     {"*", product}, {"/", quotient}, {"^", power},
        {"root", root}, {"%", percent}, {"Lnko", gcd},   {"Lkkt", lcm}};
    static const QHash<QString, Result (*)(double)> one{
        {"n!", factorial}, {"1/x", reciprocal}, {"lg", decimalLog},     {"ln", naturalLog},
        {"e^x", ePower},   {"sin", sine},       {"tg", tangent},        {"ctg", cotangent},
        {"arc sin", arcSine}, {"arc cos", arcCosine}, {"arc tg", arcTangent}, {"arc ctg", arcCotangent}};
    if (two.contains(name))
        return two.value(name)(a, b);
    if (one.contains(name))
        return one.value(name)(a);
    if (name == "kerekit")
        return {kerekit(a)};
    return {roundTo(a, int(b))};
}
}  // namespace

class TestSciMath : public QObject {
    Q_OBJECT
private slots:
    void evaluate_data();
    void evaluate();
};

// `tolerance` 0 asks for the exact value (QCOMPARE would let anything within
// 1E-12 of 0 pass); otherwise it is relative, against a value worked out with
// the true pi.
void TestSciMath::evaluate_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<Refusal>("refusal");
    auto ok = [](const char *tag, const char *name, double a, double b, double expected, double tolerance = 0) {
        QTest::newRow(tag) << QString(name) << a << b << expected << tolerance << Refusal::None;
    };
    auto no = [](const char *tag, const char *name, double a, double b, Refusal refusal) {
        QTest::newRow(tag) << QString(name) << a << b << 0.0 << 0.0 << refusal;
    };
    ok("snaps just below a whole", "kerekit", 2.9999999999, 0, 3);
    ok("snaps a negative", "kerekit", -2.000000001, 0, -2);
    ok("1E-05 off is kept", "kerekit", 2.99999, 0, 2.99999);
    ok("1E-14 is kept", "kerekit", 1e-14, 0, 1e-14);
    ok("below 1E-14 goes to 0", "kerekit", 9.9e-15, 0, 0);
    ok("huge unchanged", "kerekit", 1e300, 0, 1e300);
    ok("half to even, down", "round", 2.5, 0, 2);
    ok("half to even, up", "round", 3.5, 0, 4);
    ok("sine noise at 14 places", "round", 0.49999999999999994, 14, 0.5);
    ok("too coarse to round", "round", 6.2e14 + 0.5, 14, 6.2e14 + 0.5);

    no("sum beyond a double", "+", 1.7e308, 1.7e308, Refusal::NotRepresentable);
    no("product beyond a double", "*", 1e200, 1e200, Refusal::NotRepresentable);
    no("quotient beyond a double", "/", 1e300, 1e-300, Refusal::NotRepresentable);
    ok("negative base, whole exponent", "^", -2, 3, -8);
    no("negative base, fractional exponent", "^", -8, 0.5, Refusal::NoRealResult);
    no("negative base, huge exponent", "^", -2, 1e300, Refusal::NotRepresentable);
    ok("power underflows to 0", "^", 10, -400, 0);
    ok("odd negative index", "root", -8, -3, -0.5);
    no("negative even index", "root", -8, -2, Refusal::EvenRootOfNegative);
    no("huge even index", "root", -8, 1e30, Refusal::EvenRootOfNegative);
    ok("odd index beyond 32 bits", "root", -1, 2147483649.0, -1);
    no("index 0 of a negative", "root", -8, 0, Refusal::DivisionByZero);
    no("negative index of 0", "root", 0, -2, Refusal::DivisionByZero);
    no("tiny index", "root", 2, 1e-29, Refusal::NotRepresentable);
    no("percent beyond a double", "%", 1e308, 1e308, Refusal::NotRepresentable);
    ok("12 Lnko 18", "Lnko", 12, 18, 6);
    ok("0 Lnko 6", "Lnko", 0, 6, 6);
    ok("0 Lnko 0", "Lnko", 0, 0, 0);
    ok("signs ignored", "Lnko", -12, 18, 6);
    ok("largest whole operand", "Lnko", k2to53 - 1, 3, 1);
    no("fractional second operand", "Lnko", 10, 0.5, Refusal::WholeNumbersOnly);
    no("2^53 refused", "Lnko", k2to53, 2, Refusal::WholeNumbersOnly);
    ok("12 Lkkt 18", "Lkkt", 12, 18, 36);
    ok("Lkkt beyond 64 bits", "Lkkt", k2to53 - 1, k2to53 - 2, (k2to53 - 1) * (k2to53 - 2));
    no("huge Lkkt operand", "Lkkt", 1e300, 2, Refusal::WholeNumbersOnly);

    ok("0!", "n!", 0, 0, 1);
    ok("17! exact", "n!", 17, 0, 355687428096000.0);
    ok("170!", "n!", 170, 0, 7.257415615307999e306, 1e-14);
    no("170.5!", "n!", 170.5, 0, Refusal::FactorialTooLarge);
    no("4.5!", "n!", 4.5, 0, Refusal::FactorialNotWhole);
    no("1/1E-320", "1/x", 1e-320, 0, Refusal::NotRepresentable);
    ok("lg 1000", "lg", 1000, 0, 3);
    ok("ln e", "ln", scientific::kE, 0, 1);
    no("e^1000", "e^x", 1000, 0, Refusal::NotRepresentable);
    ok("sin 180", "sin", 180, 0, 0);
    ok("tg 89.6", "tg", 89.6, 0, std::tan(89.6 * kTruePi / 180), 1e-10);
    ok("tg 180", "tg", 180, 0, 0);
    // Reduced in degrees: 1E+30 is 16 modulo 360, 1E+15 + 30 is 310.
    ok("tg of thirty 9s", "tg", 999999999999999999999999999999.0, 0, std::tan(16 * kTruePi / 180), 1e-13);
    ok("sin 1E+15 + 30", "sin", 1e15 + 30, 0, std::sin(310 * kTruePi / 180), 1e-13);
    no("tg huge pole", "tg", 17999999999999910.0, 0, Refusal::TangentPole);
    ok("ctg 0.3", "ctg", 0.3, 0, 1 / std::tan(0.3 * kTruePi / 180), 1e-10);
    ok("ctg 1E-13", "ctg", 1e-13, 0, 180 / (1e-13 * kTruePi), 1e-9);
    no("ctg 180", "ctg", 180, 0, Refusal::CotangentPole);
    no("ctg huge pole", "ctg", 1.8e17, 0, Refusal::CotangentPole);
    ok("arc sin 1", "arc sin", 1, 0, 90);
    ok("arc sin -1", "arc sin", -1, 0, -90);
    no("arc sin -1.01", "arc sin", -1.01, 0, Refusal::SineRange);
    ok("arc cos -1", "arc cos", -1, 0, 180);
    ok("arc cos 1", "arc cos", 1, 0, 0);
    ok("arc cos 0", "arc cos", 0, 0, 90);
    ok("arc tg 90", "arc tg", 90, 0, std::atan(90.0) * 180 / kTruePi, 1e-11);
    ok("arc tg huge", "arc tg", 1e300, 0, 90);
    ok("arc ctg 1", "arc ctg", 1, 0, 45);
    ok("arc ctg 0", "arc ctg", 0, 0, 90);
    ok("arc ctg 180", "arc ctg", 180, 0, 90 - std::atan(180.0) * 180 / kTruePi, 1e-11);
}

void TestSciMath::evaluate()
{
    QFETCH(QString, name);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QFETCH(Refusal, refusal);
    const Result result = ::evaluate(name, a, b);
    QCOMPARE(result.refusal, refusal);
    if (refusal != Refusal::None)
        return;
    const bool close = tolerance == 0 ? result.value == expected
                                      : std::fabs(result.value - expected) <= tolerance * std::fabs(expected);
    QVERIFY2(close, qPrintable(QString::number(result.value, 'g', 17)));
}

QTEST_APPLESS_MAIN(TestSciMath)
#include "tst_scimath.moc"
