#include "shared/numbertext.h"
#include "solvers/linearsystem.h"
#include "solvers/typeddecimal.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(linearsystem::Kind)

namespace {
QString zeros(int count)
{
    return QString(count, QLatin1Char('0'));
}
}  // namespace

// The linear solver's arithmetic: the exact decimals that judge a system and
// its verdict. Both solvers' results are also checked against the reference.
class TestSolverArithmetic : public QObject {
    Q_OBJECT
private slots:
    void typedDecimal_data();
    void typedDecimal();
    void linearSystem_data();
    void linearSystem();
};

void TestSolverArithmetic::typedDecimal_data()
{
    // What the input check lets through, read as Val reads it.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("exact");  // the value as a reduced fraction

    QTest::newRow("whole") << "12" << "12";
    QTest::newRow("fraction") << "-2.5" << "-5/2";
    QTest::newRow("leading point") << ".05" << "1/20";
    QTest::newRow("blanks") << " 1 2.5 " << "25/2";
    QTest::newRow("minus inside ends it") << "1-2" << "1";
    QTest::newRow("double minus") << "--5" << "0";
    QTest::newRow("zeros") << "-000.000" << "0";
}

void TestSolverArithmetic::typedDecimal()
{
    QFETCH(QString, text);
    QFETCH(QString, exact);
    QCOMPARE(QString::fromStdString(TypedDecimal::read(text).value().get_str()), exact);
}

void TestSolverArithmetic::linearSystem_data()
{
    using linearsystem::Kind;
    // a1, b1, c1 | a2, b2, c2 | kind | x and y as Str writes them ("" = not checked).
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    const auto row = [](const char *name, QStringList first, QStringList second, Kind kind, QString x = {},
                        QString y = {}) { QTest::newRow(name) << first << second << kind << x << y; };
    const QString tiny = "0." + zeros(400) + "1";

    row("unique", {"1", "1", "3"}, {"1", "-1", "1"}, Kind::Unique, " 2", " 1");
    row("0.3 in double precision", {"1", "1", "1.5"}, {"1", "-1", "0.3"}, Kind::Unique, " .9", " .6");
    row("nearly singular", {"1", "3", "1"}, {"0.333333333333333333333", "1", "0"}, Kind::Unique, " 1E+21",
        "-3.33333333333333E+20");
    row("beyond a double, exact", {"1" + zeros(400), "0", "1" + zeros(400)}, {"0", "1", "2"}, Kind::Unique, " 1",
        " 2");
    row("tiny but in range", {tiny, "0", "0." + zeros(299) + "1"}, {"0", "1", "1"}, Kind::Unique, " 1E+101", " 1");
    // Determinants beyond a double, results well inside: exact, then rounded once.
    const QString e160 = zeros(160), e200 = "1" + zeros(200);
    row("near 1E+160, x = y = 1", {"2" + e160, "1" + e160, "3" + e160}, {"1" + e160, "3" + e160, "4" + e160},
        Kind::Unique, " 1", " 1");
    row("200 digits, near 1E-200", {e200, "1", "1"}, {"0", e200, "1"}, Kind::Unique, " 1E-200", " 1E-200");
    row("subnormal result", {"1" + zeros(300), "0", "0." + zeros(19) + "1"}, {"0", "1", "1"}, Kind::Unique,
        " 9.99988867182683E-321", " 1");
    row("no unknown", {"-0", "0.0", "5"}, {"0", "-.0", "0"}, Kind::NoUnknown);

    // One equation without an unknown, whatever the other one holds.
    row("I: 0 = 5, II through 0", {"0", "0", "5"}, {"1", "1", "0"}, Kind::EquationContradicts);
    row("II: 0 = -1, I without y", {"1", "0", "3"}, {"0", "0", "-1"}, Kind::EquationContradicts);
    row("I: 0 = 0, II without y", {"0", "0", "0"}, {"1", "0", "2"}, Kind::EquationEmpty);

    // An unknown in neither equation; 2.1 / 0.7 and 0.3 / 0.1 differ in doubles.
    row("no x", {"0", "0.1", "0.3"}, {"0", "0.7", "2.1"}, Kind::OnlyY, "", " 3");
    row("no x, contradicts", {"0", "2", "4"}, {"0", "3", "7"}, Kind::Contradictory);
    row("no y", {"-4", "0", "1"}, {"8", "0", "-2"}, Kind::OnlyX, "-.25", "");
    row("no y, contradicts", {"2", "0", "4"}, {"3", "0", "5"}, Kind::Contradictory);

    // Singular with all four coefficients, judged on the typed decimals.
    row("multiples through 0", {"1", "2", "0"}, {"2", "4", "0"}, Kind::Dependent);
    row("parallel, I through 0", {"1", "2", "0"}, {"2", "4", "5"}, Kind::Contradictory);
    row("0.1 4.7 / 0.3 14.1 parallel", {"0.1", "4.7", "1"}, {"0.3", "14.1", "4"}, Kind::Contradictory);
    row("0.1 0.9 / 0.3 2.7 multiples", {"0.1", "0.9", "1"}, {"0.3", "2.7", "3"}, Kind::Dependent);
    row("parallel beyond a double", {"0." + zeros(40) + "1", "3", "1"},
        {"0." + zeros(40) + "2", "6", "2." + zeros(40) + "1"}, Kind::Contradictory);

    // Results beyond the range of a double, from each quotient.
    row("x too large", {tiny, "0", "1"}, {"0", "1", "1"}, Kind::OutOfRange);
    row("only x, too large", {tiny, "0", "1"}, {"0." + zeros(400) + "2", "0", "2"}, Kind::OutOfRange);
    row("only y, too large", {"0", tiny, "1"}, {"0", "1", "1" + zeros(401)}, Kind::OutOfRange);
}

void TestSolverArithmetic::linearSystem()
{
    using linearsystem::Kind;
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(Kind, kind);
    QFETCH(QString, x);
    QFETCH(QString, y);
    const auto equation = [](const QStringList &t) {
        return linearsystem::Equation{TypedDecimal::read(t[0]), TypedDecimal::read(t[1]), TypedDecimal::read(t[2])};
    };
    const linearsystem::Solution s = linearsystem::solve(equation(first), equation(second));
    QCOMPARE(s.kind, kind);
    if (!x.isEmpty())
        QCOMPARE(numbertext::str(s.x), x);
    if (!y.isEmpty())
        QCOMPARE(numbertext::str(s.y), y);
    // The determinant is exact: 0.1 * 14.1 - 4.7 * 0.3 is 0, not 2.2E-16.
    if (kind == Kind::Dependent || kind == Kind::Contradictory)
        QCOMPARE(s.det, 0.0);
}

QTEST_APPLESS_MAIN(TestSolverArithmetic)
#include "tst_solverarithmetic.moc"
