// The scientific window's rounding helpers. Its operations and function keys
// are checked against the reference (tests/reference).
#include "scientific/functions.h"

#include <QTest>

class TestSciMath : public QObject {
    Q_OBJECT
private slots:
    void rounding_data();
    void rounding();
};

// decimals -1 asks for kerekit, otherwise Round(a, decimals). The comparison
// is exact: QCOMPARE would let anything within 1E-12 of 0 pass.
void TestSciMath::rounding_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");
    QTest::newRow("snaps just below a whole") << 2.9999999999 << -1 << 3.0;
    QTest::newRow("snaps a negative") << -2.000000001 << -1 << -2.0;
    QTest::newRow("1E-05 off is kept") << 2.99999 << -1 << 2.99999;
    QTest::newRow("1E-14 is kept") << 1e-14 << -1 << 1e-14;
    QTest::newRow("below 1E-14 goes to 0") << 9.9e-15 << -1 << 0.0;
    QTest::newRow("huge unchanged") << 1e300 << -1 << 1e300;
    QTest::newRow("half to even, down") << 2.5 << 0 << 2.0;
    QTest::newRow("half to even, up") << 3.5 << 0 << 4.0;
    QTest::newRow("sine noise at 14 places") << 0.49999999999999994 << 14 << 0.5;
    QTest::newRow("too coarse to round") << 6.2e14 + 0.5 << 14 << 6.2e14 + 0.5;
}

void TestSciMath::rounding()
{
    QFETCH(double, a);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    const double got = decimals < 0 ? scientific::kerekit(a) : scientific::roundTo(a, decimals);
    QVERIFY2(got == expected, qPrintable(QString::number(got, 'g', 17)));
}

QTEST_APPLESS_MAIN(TestSciMath)
#include "tst_scimath.moc"
