// Radix conversion, both solvers and the solvers' one rounding swept against
// the independent reference (MPFR, GMP).
#include "core/radix.h"
#include "reference/reference.h"
#include "core/arithmetic.h"
#include "core/numbertext.h"
#include "core/linearsystem.h"
#include "core/nearestdouble.h"
#include "core/quadratic.h"
#include "core/typeddecimal.h"
#include "sweep.h"

#include <QRegularExpression>

#include <tuple>

using namespace sweep;
using reference::Expected;

namespace {
const QList<int> kBases{2, 3, 4, 5, 6, 7, 8, 9, 10, 16};

void conversions(Findings &f)
{
    QStringList texts{"9007199254740991", "9007199254740992", "-9007199254740991", "0", "-0", "1.5", "1E-1", " 5"};
    for (int i = 0; i < 1500; ++i) {
        const double n = std::floor(std::pow(2.0, uniform(0, 53.2))) * (between(0, 3) ? 1 : -1);
        texts << reference::conversion(QString::number(n, 'f', 0), 10, kBases[between(0, 9)]).value;
    }
    for (const QString &t : texts) {
        // Letters only in base 16; typed in either case.
        const int from = t.contains(QRegularExpression(QStringLiteral("[A-F]"))) ? 16 : kBases[between(0, 9)];
        const int to = kBases[between(0, 9)];
        const radix::Spelling got = radix::convert(between(0, 4) ? t : t.toLower(), from, to);
        const Expected want = reference::conversion(t, from, to);
        using S = radix::Status;
        using R = reference::Refusal;
        const bool good = got.status == S::Ok
                              ? reference::agrees(got.text, want)
                              : want.refusal == (got.status == S::Fraction ? R::Fraction : R::TooLargeToConvert);
        f.check(good, QStringLiteral("%1 (%2 to %3): %4, reference %5")
                          .arg(t)
                          .arg(from)
                          .arg(to)
                          .arg(got.text, reference::describe(want)));
    }
}

// "=" in another base: the double result's whole part, digit for digit.
void informaticsOperations(Findings &f)
{
    // clang-format off
    QList<std::tuple<QChar, double, double, int>> cases{{u'/', 4, 0.2, 5}, {u'/', 1, 0.1, 2}, {u'/', 0.3, 0.1, 3},
        {u'*', 0.2, 5, 7}, {u'-', 1, 0.9, 2}, {u'+', 9007199254740991.0, 1, 16}, {u'/', 7, 0, 8}, {u'*', -3, 0.5, 4}};
    // clang-format on
    static const QList<int> notTen{2, 3, 4, 5, 6, 7, 8, 9, 16};
    for (int i = 0; i < 2000; ++i) {
        const int base = notTen[between(0, 8)];
        // Operands as typed in that base: whole numbers and short fractions.
        const auto operand = [base] { return between(-500, 500) / std::pow(double(base), double(between(0, 3))); };
        cases << std::make_tuple(QStringLiteral("+-*/").at(between(0, 3)), operand(), operand(), base);
    }
    for (const auto &[sign, a, b, base] : cases) {
        const std::optional<Result> got = arithmetic::operate(core::Operation(QStringLiteral("+-*/").indexOf(sign) + 1), a, b);
        const Expected want = reference::informaticsOperation(sign, a, b, base);
        const radix::Spelling spelled = got && got->ok() ? radix::spell(got->value, base) : radix::Spelling{};
        const bool good = !got || !got->ok() ? got && int(got->refusal) == int(want.refusal)  // named alike
                          : spelled.status == radix::Status::Ok ? reference::agrees(spelled.text, want)
                                                                : want.refusal == reference::Refusal::TooLargeToConvert;
        f.check(good, QStringLiteral("%1 %2 %3 in base %4: %5, reference %6")
                          .arg(text(a), QString(sign), text(b), QString::number(base), spelled.text,
                               reference::describe(want)));
    }
}

// The kinds of both solvers are named alike and in the same order.
void quadratics(Findings &f)
{
    // The last six: b*b far below a huge a, where the root -b/a must not halve.
    // clang-format off
    QList<std::array<double, 3>> cases{
        {1, -3, 2}, {1, 1, -1}, {-1, 0, 4}, {1, 2, 1}, {5, 0, 0}, {1, -1e8, 1}, {1, 1e8, 1}, {1, 1e200, 1},
        {2, 0, 8}, {0, 2, 4}, {0, 0, 3}, {-0.0, -0.0, -0.0}, {1, 1, HUGE_VAL}, {0, -HUGE_VAL, 1},
        {0, 1e-300, 1e300}, {1e-300, 1e300, 1}, {2.3024223664289187e174, 2, 0}, {1e300, -1, 0},
        {1e300, 1, -1e-300}, {-1e308, 1e-308, 1e308}, {1.7e308, 1.7e308, -1.7e308}, {1e-300, 1, 1e-300}};
    // clang-format on
    for (int i = 0; i < 1500; ++i) {
        std::array<double, 3> c{};
        const auto width = [] { return between(0, 5) ? 8 : between(0, 1) ? 40 : 200; };
        for (double &v : c)  // the digits the window takes, and a sign label
            v = (between(0, 1) ? 1 : -1) * numbertext::val(typed(width(), false).remove(QLatin1Char('.')));
        cases << c;
    }
    for (const auto &[a, b, c] : cases) {
        const quadratic::Solution got = quadratic::solve(a, b, c);
        const reference::Quadratic want = reference::quadratic(a, b, c);
        using K = quadratic::Kind;
        const bool good = int(got.kind) == int(want.kind) &&
                          (got.kind != K::TwoRoots || reference::agrees(numbertext::displayForm(got.x2), want.x2)) &&
                          ((got.kind != K::TwoRoots && got.kind != K::Linear) ||
                           reference::agrees(numbertext::displayForm(got.x1), want.x1));
        f.check(good, QStringLiteral("%1, %2, %3: %4 %5, reference %6 %7")
                          .arg(text(a), text(b), text(c), numbertext::str(got.x1), numbertext::str(got.x2),
                               reference::describe(want.x1), reference::describe(want.x2)));
    }
}

// Exact decimals rounded once to a double: ties, the largest double and the
// subnormals, against MPFR's correctly rounded reading of the same text.
void roundedOnce(Findings &f)
{
    const auto decimalOf = [](const mpz_class &numerator, int power) {  // numerator / 10^power
        const QString digits = QString::fromStdString(numerator.get_str()).rightJustified(power + 1, QLatin1Char('0'));
        return digits.left(digits.size() - power) + QLatin1Char('.') + digits.right(power);
    };
    mpz_class five;
    mpz_ui_pow_ui(five.get_mpz_t(), 5, 1075);  // 2^-1075 = 5^1075 / 10^1075
    QStringList texts{"9007199254740993",        "9007199254740995",
                      "-9007199254740993",       decimalOf(five, 1075),
                      decimalOf(3 * five, 1075), decimalOf((mpz_class(1) << 1024) - (mpz_class(1) << 970), 0)};
    for (int i = 0; i < 1500; ++i)  // down to the subnormals
        texts << QStringLiteral("0.") + QString(between(0, 330), QLatin1Char('0')) + typed(40, false).remove('.');
    for (const QString &t : texts) {
        const double got = nearestDouble(TypedDecimal::read(t).value()), want = reference::val(t);
        f.check(got == want, QStringLiteral("%1: %2, reference %3").arg(t.left(60)).arg(text(got), text(want)));
    }
}

void linearSystems(Findings &f)
{
    for (int i = 0; i < 1500; ++i) {
        std::array<QString, 6> t;
        std::array<bool, 6> minus{};
        for (size_t k = 0; k < 6; ++k) {
            t[k] = between(0, 4) ? typed(between(0, 5) ? 6 : 200) : QStringLiteral("0");
            minus[k] = between(0, 2) == 0;
        }
        if (between(0, 3) == 0) {  // equation II a decimal multiple of equation I: singular
            const double factor = between(10, 99) / 10.0;
            for (size_t k = 0; k < 3; ++k) {
                t[k + 3] = reference::str(numbertext::val(t[k]) * factor).trimmed();
                minus[k + 3] = minus[k];
            }
        }
        std::array<TypedDecimal, 6> v;
        for (size_t k = 0; k < 6; ++k)
            v[k] = minus[k] ? TypedDecimal::read(t[k]).negated() : TypedDecimal::read(t[k]);
        const linearsystem::Solution got = linearsystem::solve({v[0], v[1], v[2]}, {v[3], v[4], v[5]});
        const reference::Linear want = reference::linear(t, minus);
        using K = linearsystem::Kind;
        const bool good =
            int(got.kind) == int(want.kind) &&
            ((got.kind != K::Unique && got.kind != K::OnlyX) || reference::agrees(numbertext::str(got.x), want.x)) &&
            ((got.kind != K::Unique && got.kind != K::OnlyY) || reference::agrees(numbertext::str(got.y), want.y));
        const QString shown = QStringLiteral("kind %1, x %2, y %3")
                                  .arg(int(got.kind))
                                  .arg(numbertext::str(got.x), numbertext::str(got.y));
        f.check(good, QStringList(t.begin(), t.end()).join(QLatin1Char(',')) + QStringLiteral(": ") + shown +
                          QStringLiteral("; reference kind %1, x %2, y %3")
                              .arg(int(want.kind))
                              .arg(reference::describe(want.x), reference::describe(want.y)));
    }
}
}  // namespace

class TestReferenceSolvers : public QObject {
    Q_OBJECT
private slots:
    void sweep_data();
    void sweep();
};

void TestReferenceSolvers::sweep_data()
{
    QTest::addColumn<Sweep>("run");
    QTest::newRow("radix conversion") << Sweep(conversions);
    QTest::newRow("informatics operations") << Sweep(informaticsOperations);
    QTest::newRow("quadratic") << Sweep(quadratics);
    QTest::newRow("linear") << Sweep(linearSystems);
    QTest::newRow("rounded once") << Sweep(roundedOnce);
}

void TestReferenceSolvers::sweep()
{
    QFETCH(Sweep, run);
    sweep::run(run);
}

QTEST_APPLESS_MAIN(TestReferenceSolvers)
#include "tst_referencesolvers.moc"
