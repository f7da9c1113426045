#include "shared/numbertext.h"
#include "solvers/quadratic.h"

#include <QTest>

#include <cfloat>
#include <cmath>

using quadratic::Kind;

Q_DECLARE_METATYPE(quadratic::Kind)

class TestQuadratic : public QObject {
    Q_OBJECT
private slots:
    void roots_data();
    void roots();
    void degenerate_data();
    void degenerate();
    void smallRootKeepsItsDigits();
    void hugeCoefficientsStillSolve();
};

void TestQuadratic::roots_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QString>("x1");  // display form: the +sqrt(D) root
    QTest::addColumn<QString>("x2");  // the -sqrt(D) root

    QTest::newRow("x^2-3x+2") << 1.0 << -3.0 << 2.0 << "2" << "1";
    QTest::newRow("double root") << 1.0 << 2.0 << 1.0 << "-1" << "-1";
    QTest::newRow("negative a, b = 0") << -1.0 << 0.0 << 4.0 << "-2" << "2";
    QTest::newRow("negative a, b = -0") << -1.0 << -0.0 << 4.0 << "-2" << "2";
    QTest::newRow("golden ratio") << 1.0 << 1.0 << -1.0 << ".618033988749895" << "-1.61803398874989";
    QTest::newRow("negative a, positive b") << -2.0 << 2.0 << 12.0 << "-2" << "3";
    QTest::newRow("negative a, negative b") << -2.0 << -2.0 << 12.0 << "-3" << "2";
    QTest::newRow("c = 0, b > 0") << 2.0 << 6.0 << 0.0 << "0" << "-3";
    QTest::newRow("c = 0, b < 0") << 2.0 << -6.0 << 0.0 << "3" << "0";
    QTest::newRow("only a") << 5.0 << 0.0 << 0.0 << "0" << "0";
    QTest::newRow("thirds") << 3.0 << -4.0 << 1.0 << "1" << ".333333333333333";
}

void TestQuadratic::roots()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QString, x1);
    QFETCH(QString, x2);
    const quadratic::Solution s = quadratic::solve(a, b, c);
    QCOMPARE(s.kind, Kind::TwoRoots);
    QCOMPARE(numbertext::displayForm(s.x1), x1);
    QCOMPARE(numbertext::displayForm(s.x2), x2);
    QCOMPARE(s.discriminant, b * b - 4 * a * c);
}

void TestQuadratic::degenerate_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<double>("root");  // Linear only: x1 and x2

    const double inf = HUGE_VAL;
    QTest::newRow("no real root") << 2.0 << 0.0 << 8.0 << Kind::NoRealRoot << 0.0;
    QTest::newRow("just below zero") << 1.0 << 2.0 << 1.0000001 << Kind::NoRealRoot << 0.0;
    QTest::newRow("linear") << 0.0 << 2.0 << 4.0 << Kind::Linear << -2.0;
    QTest::newRow("linear, a = -0") << -0.0 << -4.0 << 2.0 << Kind::Linear << 0.5;
    QTest::newRow("linear, c = 0") << 0.0 << 7.0 << 0.0 << Kind::Linear << 0.0;
    QTest::newRow("0 = c") << 0.0 << 0.0 << 3.0 << Kind::NoSolution << 0.0;
    QTest::newRow("0 = -c") << 0.0 << -0.0 << -3.0 << Kind::NoSolution << 0.0;
    QTest::newRow("0 = 0") << 0.0 << 0.0 << 0.0 << Kind::EveryNumber << 0.0;
    QTest::newRow("0 = 0 with signs") << -0.0 << -0.0 << -0.0 << Kind::EveryNumber << 0.0;
    QTest::newRow("a beyond range") << inf << 1.0 << 1.0 << Kind::CoefficientOutOfRange << 0.0;
    QTest::newRow("b beyond range, a = 0") << 0.0 << -inf << 1.0 << Kind::CoefficientOutOfRange << 0.0;
    QTest::newRow("c beyond range") << 1.0 << 1.0 << inf << Kind::CoefficientOutOfRange << 0.0;
    QTest::newRow("linear root beyond range") << 0.0 << 1e-300 << 1e300 << Kind::RootOutOfRange << 0.0;
    QTest::newRow("root beyond range") << 1e-300 << 1e300 << 1.0 << Kind::RootOutOfRange << 0.0;
}

void TestQuadratic::degenerate()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(Kind, kind);
    QFETCH(double, root);
    const quadratic::Solution s = quadratic::solve(a, b, c);
    QCOMPARE(s.kind, kind);
    if (kind == Kind::Linear) {
        QCOMPARE(s.x1, root);
        QCOMPARE(s.x2, s.x1);
    }
}

void TestQuadratic::smallRootKeepsItsDigits()
{
    // (-b - sqrt(D)) / 2a would lose the small root to cancellation.
    const quadratic::Solution s = quadratic::solve(1, -100000000, 1);
    QCOMPARE(s.kind, Kind::TwoRoots);
    QCOMPARE(s.x1, 1e8);
    QCOMPARE(s.x2, 1e-8);
    QVERIFY(numbertext::displayForm(s.x2) != numbertext::displayForm(7.45058059692383E-09));

    const quadratic::Solution mirrored = quadratic::solve(1, 100000000, 1);
    QCOMPARE(mirrored.x1, -1e-8);
    QCOMPARE(mirrored.x2, -1e8);

    // Roots multiply to c/a and add to -b/a.
    const quadratic::Solution t = quadratic::solve(3, 123456789, 7);
    QVERIFY(std::fabs(t.x1 * t.x2 / (7.0 / 3) - 1) < 1e-15);
    QVERIFY(std::fabs((t.x1 + t.x2) / (-123456789.0 / 3) - 1) < 1e-15);
}

void TestQuadratic::hugeCoefficientsStillSolve()
{
    // b*b overflows a double, the roots do not: -1e200 and -1e-200.
    const quadratic::Solution s = quadratic::solve(1, 1e200, 1);
    QCOMPARE(s.kind, Kind::TwoRoots);
    QCOMPARE(s.x1, -1e-200);
    QCOMPARE(s.x2, -1e200);
    QVERIFY(std::isinf(s.discriminant));

    // 4*a*c overflows; x^2 = DBL_MAX / 1e300.
    const quadratic::Solution t = quadratic::solve(1e300, 0, -DBL_MAX);
    QCOMPARE(t.kind, Kind::TwoRoots);
    QVERIFY(std::fabs(t.x1 / std::sqrt(DBL_MAX / 1e300) - 1) < 1e-15);
    QVERIFY(std::fabs(t.x2 / std::sqrt(DBL_MAX / 1e300) + 1) < 1e-15);

    const quadratic::Solution none = quadratic::solve(DBL_MAX, 1, DBL_MAX);
    QCOMPARE(none.kind, Kind::NoRealRoot);
}

QTEST_APPLESS_MAIN(TestQuadratic)
#include "tst_quadratic.moc"
