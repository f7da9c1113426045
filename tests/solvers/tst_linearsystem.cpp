#include "shared/numbertext.h"
#include "solvers/linearsystem.h"

#include <QTest>

using linearsystem::Kind;

Q_DECLARE_METATYPE(linearsystem::Kind)

namespace {
linearsystem::Equation equation(const QString &a, const QString &b, const QString &c)
{
    return {TypedDecimal::read(a), TypedDecimal::read(b), TypedDecimal::read(c)};
}

QString zeros(int count)
{
    return QString(count, QLatin1Char('0'));
}
}  // namespace

class TestLinearSystem : public QObject {
    Q_OBJECT
private slots:
    void solve_data();
    void solve();
    void determinants();
};

void TestLinearSystem::solve_data()
{
    // a1, b1, c1 | a2, b2, c2 | kind | x and y as the window writes them ("" = not set).
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");

    const auto row = [](const char *name, QStringList first, QStringList second, Kind kind,
                        QString x = QString(), QString y = QString()) {
        QTest::newRow(name) << first << second << kind << x << y;
    };

    // Regular systems.
    row("x+y=3, x-y=1", {"1", "1", "3"}, {"1", "-1", "1"}, Kind::Unique, " 2", " 1");
    row("2x+3y=8, x-y=-1", {"2", "3", "8"}, {"1", "-1", "-1"}, Kind::Unique, " 1", " 2");
    row("0.3 in double precision", {"1", "1", "1.5"}, {"1", "-1", "0.3"}, Kind::Unique, " .9", " .6");
    row("thirds", {"3", "0", "1"}, {"0", "3", "-2"}, Kind::Unique, " .333333333333333", "-.666666666666667");
    row("one coefficient zero", {"0", "2", "4"}, {"1", "1", "5"}, Kind::Unique, " 3", " 2");
    row("nearly singular", {"1", "3", "1"}, {"0.333333333333333333333", "1", "0"}, Kind::Unique, " 1E+21",
        "-3.33333333333333E+20");
    row("beyond a double, exact", {"1" + zeros(400), "0", "1" + zeros(400)}, {"0", "1", "2"}, Kind::Unique, " 1",
        " 2");

    // No unknown at all.
    row("all four zero", {"0", "0", "5"}, {"0", "0", "0"}, Kind::NoUnknown);
    row("all four zero, signed", {"-0", "0.0", "0"}, {"0", "-.0", "3"}, Kind::NoUnknown);

    // One equation without an unknown, whatever the other one holds.
    row("I: 0 = 5", {"0", "0", "5"}, {"1", "1", "2"}, Kind::EquationContradicts);
    row("I: 0 = 5, II without right side", {"0", "0", "5"}, {"1", "1", "0"}, Kind::EquationContradicts);
    row("I: 0 = 5, II without y", {"0", "0", "5"}, {"1", "0", "2"}, Kind::EquationContradicts);
    row("II: 0 = -1", {"1", "0", "3"}, {"0", "0", "-1"}, Kind::EquationContradicts);
    row("II: 0 = 4", {"1", "2", "3"}, {"0", "0", "4"}, Kind::EquationContradicts);
    row("I: 0 = 0", {"0", "0", "0"}, {"1", "1", "2"}, Kind::EquationEmpty);
    row("I: 0 = 0, II without y", {"0", "0", "0"}, {"1", "0", "2"}, Kind::EquationEmpty);
    row("II: 0 = 0", {"1", "2", "3"}, {"0", "0", "0"}, Kind::EquationEmpty);
    row("II: 0 = 0, I without right side", {"1", "2", "0"}, {"0.0", "-0", "0"}, Kind::EquationEmpty);

    // An unknown in neither equation.
    row("no x, consistent", {"0", "2", "4"}, {"0", "3", "6"}, Kind::OnlyY, "", " 2");
    row("no x, contradicts", {"0", "2", "4"}, {"0", "3", "7"}, Kind::Contradictory);
    row("no x, decimals", {"0", "0.1", "0.3"}, {"0", "0.7", "2.1"}, Kind::OnlyY, "", " 3");
    row("no x, right sides 0", {"0", "2", "0"}, {"0", "-5", "0"}, Kind::OnlyY, "", " 0");
    row("no y, consistent", {"2", "0", "4"}, {"3", "0", "6"}, Kind::OnlyX, " 2", "");
    row("no y, contradicts", {"2", "0", "4"}, {"3", "0", "5"}, Kind::Contradictory);
    row("no y, signs", {"-4", "0", "1"}, {"8", "0", "-2"}, Kind::OnlyX, "-.25", "");

    // Singular systems with all four coefficients.
    row("multiples", {"1", "2", "3"}, {"2", "4", "6"}, Kind::Dependent);
    row("parallel", {"1", "2", "3"}, {"2", "4", "7"}, Kind::Contradictory);
    row("multiples through 0", {"1", "2", "0"}, {"2", "4", "0"}, Kind::Dependent);
    row("parallel, I through 0", {"1", "2", "0"}, {"2", "4", "5"}, Kind::Contradictory);
    row("parallel, II through 0", {"1", "2", "5"}, {"2", "4", "0"}, Kind::Contradictory);
    row("multiples, negative factor", {"-1", "2", "3"}, {"1", "-2", "-3"}, Kind::Dependent);
    row("0.1 4.7 / 0.3 14.1 multiples", {"0.1", "4.7", "1"}, {"0.3", "14.1", "3"}, Kind::Dependent);
    row("0.1 4.7 / 0.3 14.1 parallel", {"0.1", "4.7", "1"}, {"0.3", "14.1", "4"}, Kind::Contradictory);
    row("0.1 0.9 / 0.3 2.7 multiples", {"0.1", "0.9", "1"}, {"0.3", "2.7", "3"}, Kind::Dependent);
    row("0.1 0.9 / 0.3 2.7 parallel", {"0.1", "0.9", "1"}, {"0.3", "2.7", "2"}, Kind::Contradictory);
    row("long whole numbers", {"123456789012345678901234567890", "2", "1"},
        {"246913578024691357802469135780", "4", "2"}, Kind::Dependent);
    row("long fractions", {"0." + zeros(40) + "1", "3", "1"}, {"0." + zeros(40) + "2", "6", "2.000"},
        Kind::Dependent);
    row("long fractions, parallel", {"0." + zeros(40) + "1", "3", "1"},
        {"0." + zeros(40) + "2", "6", "2." + zeros(40) + "1"}, Kind::Contradictory);

    // Results beyond the range of a double.
    row("x too large", {"0." + zeros(400) + "1", "0", "1"}, {"0", "1", "1"}, Kind::OutOfRange);
    row("only x, too large", {"0." + zeros(400) + "1", "0", "1"}, {"0." + zeros(400) + "2", "0", "2"},
        Kind::OutOfRange);
    row("only y, too large", {"0", "0." + zeros(400) + "1", "1"}, {"0", "1", "1" + zeros(401)},
        Kind::OutOfRange);
    row("tiny but in range", {"0." + zeros(400) + "1", "0", "0." + zeros(299) + "1"}, {"0", "1", "1"},
        Kind::Unique, " 1E+101", " 1");
}

void TestLinearSystem::solve()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(Kind, kind);
    QFETCH(QString, x);
    QFETCH(QString, y);
    const linearsystem::Solution s = linearsystem::solve(equation(first[0], first[1], first[2]),
                                                         equation(second[0], second[1], second[2]));
    QCOMPARE(s.kind, kind);
    if (!x.isEmpty())
        QCOMPARE(numbertext::str(s.x), x);
    if (!y.isEmpty())
        QCOMPARE(numbertext::str(s.y), y);
}

void TestLinearSystem::determinants()
{
    const linearsystem::Solution s = linearsystem::solve(equation("1", "1", "1.5"), equation("1", "-1", "0.3"));
    QCOMPARE(s.det, -2.0);
    QCOMPARE(s.detx, -1.8);
    QCOMPARE(s.dety, -1.2);

    // Exactly singular although 0.1 * 14.1 - 4.7 * 0.3 is not 0 in doubles.
    const linearsystem::Solution t = linearsystem::solve(equation("0.1", "4.7", "1"), equation("0.3", "14.1", "3"));
    QVERIFY(0.1 * 14.1 - 4.7 * 0.3 != 0);
    QCOMPARE(t.det, 0.0);
    QCOMPARE(t.detx, 0.0);
    QCOMPARE(t.dety, 0.0);
}

QTEST_APPLESS_MAIN(TestLinearSystem)
#include "tst_linearsystem.moc"
