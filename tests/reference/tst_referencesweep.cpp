// The product's number rules, operations and function keys swept over their
// domains against the independent reference (MPFR, GMP): a difference beyond
// the reference's one bound fails with the first operands that show it.
#include "reference/reference.h"
#include "core/functions.h"
#include "core/arithmetic.h"
#include "core/numbertext.h"
#include "sweep.h"

#include <limits>

using namespace sweep;
using reference::Expected;
using reference::Function;
using reference::Operation;

namespace {
// The four operations every calculator window evaluates.
scientific::Result plain(QChar sign, double a, double b) { return *arithmetic::operate(core::Operation(QStringLiteral("+-*/").indexOf(sign) + 1), a, b); }

void result(Findings &f, const scientific::Result &got, const Expected &want, const QString &operands)
{
    const bool good = got.ok() ? want.ok() && reference::agrees(numbertext::str(got.value), want)
                               : int(got.refusal) == int(want.refusal);  // named alike, same order
    f.check(good, QStringLiteral("%1: shown %2, reference %3")
                      .arg(operands, got.ok() ? numbertext::str(got.value) : QStringLiteral("refused"),
                           reference::describe(want)));
}

void function(Findings &f, Function key, scientific::Result (*product)(double), const QList<double> &edges,
              const std::function<double()> &sample)
{
    QList<double> xs = edges;
    for (int i = 0; i < 1000; ++i)
        xs << sample();
    for (const double x : xs)
        result(f, product(x), reference::function(key, x), text(x));
}

void operation(Findings &f, Operation op, scientific::Result (*product)(double, double),
               const QList<QPair<double, double>> &edges, const std::function<QPair<double, double>()> &sample)
{
    QList<QPair<double, double>> pairs = edges;
    for (int i = 0; i < 1000; ++i)
        pairs << sample();
    for (const auto &[a, b] : pairs)
        result(f, product(a, b), reference::scientificOperation(op, a, b), text(a) + QStringLiteral(", ") + text(b));
}

// Angles: small, typed, up to 1E+15 and far beyond, and next to the poles.
double angle()
{
    switch (between(0, 3)) {
    case 0: return uniform(-720, 720);
    case 1: return numbertext::val(typed(15));
    case 2: return anyMagnitude(3, 20);
    default: return 90.0 * between(-40000, 40000) + anyMagnitude(-12, -1);
    }
}

QList<double> poles()
{
    QList<double> xs{0,    90,   -90,  180,    270,  360,  89.6,  0.3,  1e-13, 1e15, 1e16, 1e17, 1.8e17, 1e22,
                     1e30, 1e300, 17999999999999910.0, 999999999999999999999999999999.0, HUGE_VAL};
    for (int k = -8; k <= 8; ++k)
        xs << 90.0 * k + 1e-9 << 90.0 * k - 1e-12 << 45.0 * k << 30.0 * k;
    return xs;
}
}  // namespace

class TestReferenceSweep : public QObject {
    Q_OBJECT
private slots:
    void sweep_data();
    void sweep();
};

void TestReferenceSweep::sweep_data()
{
    using namespace scientific;
    QTest::addColumn<sweep::Sweep>("run");
    const auto row = [](const char *name, sweep::Sweep run) { QTest::newRow(name) << run; };
    const auto anyPair = [] { return qMakePair(anyMagnitude(-20, 20), anyMagnitude(-20, 20)); };
    const auto typedPair = [] { return qMakePair(numbertext::val(typed(15)), numbertext::val(typed(15))); };
    const auto mixed = [=] { return between(0, 1) ? anyPair() : typedPair(); };
    const double big = 1.7e308;

    row("Val rule", [](Findings &f) {
        QStringList texts{"12.", ".", "-.5", "1 E 2", "2d-1", "1-2", "3E-", "1E99999999999", "0.0E-999999"};
        for (int i = 0; i < 1500; ++i) {
            QString t = i < texts.size() ? texts[i] : typed(between(0, 1) ? 20 : 400);
            if (between(0, 2) == 0)
                t += QStringLiteral("E%1%2").arg(between(0, 1) ? "-" : "").arg(between(0, 400));
            if (between(0, 3) == 0)
                t.insert(between(0, int(t.size())), QLatin1Char(' '));
            const double got = numbertext::val(t), want = reference::val(t);
            f.check(got == want && std::signbit(got) == std::signbit(want),
                    QStringLiteral("%1: %2, reference %3").arg(t).arg(got, 0, 'g', 17).arg(want, 0, 'g', 17));
        }
    });
    row("Str rule", [](Findings &f) {
        QList<double> xs{1e15, 999999999999999.9, 999999999999999.4, 1e-15, 9.9999999999999995e-16, 5e-324, -0.0,
                         std::numeric_limits<double>::max(), 0.1 + 0.2, 1.0 / 3};
        for (int i = 0; i < 1500; ++i)
            xs << anyMagnitude(-330, 308) << numbertext::val(typed(17));
        for (const double x : xs)
            f.check(
                numbertext::str(x) == reference::str(x),
                QStringLiteral("%1: %2, reference %3").arg(x, 0, 'g', 17).arg(numbertext::str(x), reference::str(x)));
    });
    // clang-format off
    row("+", [=](Findings &f) { operation(f, Operation::Add, [](double a, double b) { return plain('+', a, b); }, {{big, big}, {0.1, 0.2}}, mixed); });
    row("-", [=](Findings &f) { operation(f, Operation::Subtract, [](double a, double b) { return plain('-', a, b); }, {{-big, big}, {0.3, 0.1}}, mixed); });
    row("*", [=](Findings &f) { operation(f, Operation::Multiply, [](double a, double b) { return plain('*', a, b); }, {{1e200, 1e200}, {1e-200, 1e-200}}, mixed); });
    // clang-format on
    row("/", [=](Findings &f) { operation(f, Operation::Divide, quotient, {{1, 0}, {1, 3}, {1e300, 1e-300}}, mixed); });
    row("/ unsnapped", [=](Findings &f) {
        QList<QPair<double, double>> pairs{{1, 0}, {2, 3}, {1e300, 1e-300}, {1e-300, 1e300}};
        for (int i = 0; i < 1000; ++i)
            pairs << mixed();
        for (const auto &[a, b] : pairs)
            result(f, plain(QLatin1Char('/'), a, b), reference::standardOperation(QLatin1Char('/'), a, b),
                   text(a) + QStringLiteral(", ") + text(b));
    });
    row("%", [=](Findings &f) { operation(f, Operation::Percent, percent, {{200, 15}, {1e308, 1e308}}, mixed); });
    row("power", [](Findings &f) {
        operation(f, Operation::Power, power, {{0, -1}, {-8, 0.5}, {-2, 3}, {2, 1024}, {10, -400}, {-2, 1e300}}, [] {
            return qMakePair(anyMagnitude(-3, 3), between(0, 1) ? double(between(-60, 60)) : uniform(-50, 50));
        });
    });
    row("root", [](Findings &f) {
        operation(f, Operation::Root, root,
                  {{-8, 3}, {-8, -3}, {-8, 2}, {-8, 1e30}, {-1, 2147483649.0}, {-8, 0}, {27, 3}, {16, 4},
                   {0, -2}, {5, 0}, {1e300, 3}, {2, 1e-29}, {1.1793999760579568e-11, -0.037736031506388379}},
                  [] {
                      return qMakePair(anyMagnitude(-300, 300), between(-9, 9) + (between(0, 3) ? 0 : uniform(-1, 1)));
                  });
    });
    const auto wholes = [](Operation op, Result (*fn)(double, double)) {
        return [=](Findings &f) {
            operation(f, op, fn,
                      {{0, 0}, {0, 6}, {-12, 18}, {10, 0.5}, {12.5, 10}, {1e300, 2},
                       {9007199254740991.0, 9007199254740990.0}, {9007199254740992.0, 2}},
                      [] { return qMakePair(std::floor(anyMagnitude(0, 16)), std::floor(anyMagnitude(0, 8))); });
        };
    };
    row("Lnko", wholes(Operation::Gcd, scientific::gcd));
    row("Lkkt", wholes(Operation::Lcm, scientific::lcm));

    row("n!", [](Findings &f) {
        QList<double> xs{-1, 4.5, 170.5, 171};
        for (int n = 0; n <= 170; ++n)
            xs << n;
        function(f, Function::Factorial, factorial, xs, [] { return double(between(0, 170)); });
    });
    row("1/x", [](Findings &f) {
        function(f, Function::Reciprocal, reciprocal, {0, 3, 1e-320}, [] { return anyMagnitude(-300, 300); });
    });
    row("lg", [](Findings &f) {
        function(f, Function::DecimalLog, decimalLog, {0, -1, 1, 1000, 5e-324},
                 [] { return std::fabs(anyMagnitude(-300, 300)); });
    });
    row("ln", [](Findings &f) {
        function(f, Function::NaturalLog, naturalLog, {scientific::kE, 1},
                 [] { return std::fabs(anyMagnitude(-300, 300)); });
    });
    row("10^x", [](Findings &f) {
        function(f, Function::TenPower, tenPower, {308, 309, -330, 15}, [] { return uniform(-320, 310); });
    });
    row("e^x", [](Findings &f) {
        function(f, Function::EPower, ePower, {1, 709, 710, 1000, 1e-08}, [] { return uniform(-750, 720); });
    });
    row("sin", [](Findings &f) { function(f, Function::Sine, sine, poles(), angle); });
    row("cos", [](Findings &f) { function(f, Function::Cosine, cosine, poles(), angle); });
    row("tg", [](Findings &f) { function(f, Function::Tangent, tangent, poles(), angle); });
    row("ctg", [](Findings &f) { function(f, Function::Cotangent, cotangent, poles(), angle); });
    const QList<double> unit{
        -1, 1, 0, 0.5, -0.5, 1 - 1e-16, -1 + 1e-16, 1.0000000000000002, -1.01, 1e-300, 0.99999999625519742};
    const auto inUnit = [] { return between(0, 3) ? uniform(-1.1, 1.1) : 1 - std::pow(10.0, uniform(-16, -1)); };
    row("arc sin", [=](Findings &f) { function(f, Function::ArcSine, arcSine, unit, inUnit); });
    row("arc cos", [=](Findings &f) { function(f, Function::ArcCosine, arcCosine, unit, inUnit); });
    row("arc tg", [](Findings &f) {
        function(f, Function::ArcTangent, arcTangent, {0, 1, -1, 90, 180, 1e300}, [] { return anyMagnitude(-20, 20); });
    });
    row("arc ctg", [](Findings &f) {
        function(f, Function::ArcCotangent, arcCotangent, {0, 1, -1, 90, 180, 1e300},
                 [] { return anyMagnitude(-20, 20); });
    });
}

void TestReferenceSweep::sweep()
{
    QFETCH(sweep::Sweep, run);
    sweep::run(run);
}

QTEST_APPLESS_MAIN(TestReferenceSweep)
#include "tst_referencesweep.moc"
