#include "solvers/bigint.h"
#include "solvers/typeddecimal.h"

#include <QTest>

// The exact arithmetic that judges the linear systems.
class TestExactDecimal : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void products_data();
    void products();
    void differences_data();
    void differences();
    void scaling();
};

void TestExactDecimal::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("zero");

    QTest::newRow("whole") << "12" << false << "12" << 0 << false;
    QTest::newRow("fraction") << "-2.5" << true << "25" << 1 << false;
    QTest::newRow("leading point") << ".05" << false << "05" << 2 << false;
    QTest::newRow("trailing point") << "12." << false << "12" << 0 << false;
    QTest::newRow("blanks ignored") << " 1 2.5 " << false << "125" << 1 << false;
    QTest::newRow("plus sign") << "+3" << false << "3" << 0 << false;
    QTest::newRow("minus inside ends it") << "1-2" << false << "1" << 0 << false;
    QTest::newRow("second point ends it") << "1.2.3" << false << "12" << 1 << false;
    QTest::newRow("double minus reads nothing") << "--5" << true << "" << 0 << true;
    QTest::newRow("lone minus") << "-" << true << "" << 0 << true;
    QTest::newRow("lone point") << "." << false << "" << 0 << true;
    QTest::newRow("zeros") << "000.000" << false << "000000" << 3 << true;
    QTest::newRow("trailing minus") << "5-" << false << "5" << 0 << false;
}

void TestExactDecimal::read()
{
    QFETCH(QString, text);
    QFETCH(bool, negative);
    QFETCH(QString, digits);
    QFETCH(int, scale);
    QFETCH(bool, zero);
    const TypedDecimal d = TypedDecimal::read(text);
    QCOMPARE(d.negative, negative);
    QCOMPARE(QString::fromStdString(d.digits), digits);
    QCOMPARE(d.scale, scale);
    QCOMPARE(d.isZero(), zero);
    QCOMPARE(d.negated().negative, !negative);
}

void TestExactDecimal::products_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("product");  // "-" prefix for negative

    QTest::newRow("small") << "12" << "-3" << "-36";
    QTest::newRow("zero") << "-0" << "-5" << "0";
    QTest::newRow("leading zeros") << "000007" << "0006" << "42";
    QTest::newRow("across limbs") << "-1000000000" << "-1000000000" << "1000000000000000000";
    QTest::newRow("carries") << "999999999999999999" << "999999999999999999"
                             << "999999999999999998000000000000000001";
    QTest::newRow("long") << "123456789012345678901234567890" << "987654321098765432109876543210"
                          << "121932631137021795226185032733622923332237463801111263526900";
}

static BigInt parse(const QString &text)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    return BigInt::fromDigits((negative ? text.mid(1) : text).toStdString(), negative);
}

static QString show(const BigInt &value)
{
    return (value.sign() < 0 ? QStringLiteral("-") : QString()) + QString::fromStdString(value.magnitudeDigits());
}

void TestExactDecimal::products()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, product);
    QCOMPARE(show(parse(x) * parse(y)), product);
    QCOMPARE(show(parse(y) * parse(x)), product);
}

void TestExactDecimal::differences_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("difference");

    QTest::newRow("positive result") << "10" << "3" << "7";
    QTest::newRow("negative result") << "3" << "10" << "-7";
    QTest::newRow("equal") << "-42" << "-42" << "0";
    QTest::newRow("minus a negative") << "5" << "-7" << "12";
    QTest::newRow("negative minus positive") << "-5" << "7" << "-12";
    QTest::newRow("zero minus positive") << "0" << "7" << "-7";
    QTest::newRow("zero minus negative") << "0" << "-7" << "7";
    QTest::newRow("negative minus negative") << "-5" << "-7" << "2";
    QTest::newRow("borrow across limbs") << "1000000000000000000" << "1" << "999999999999999999";
    QTest::newRow("carry across limbs") << "999999999999999999" << "-1" << "1000000000000000000";
    QTest::newRow("long") << "121932631137021795226185032733622923332237463801111263526900"
                          << "975461057789971041713011432175346059480" << "121932631137021795225209571675832952290524452368935917467420";
}

void TestExactDecimal::differences()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, difference);
    const BigInt d = parse(x) - parse(y);
    QCOMPARE(show(d), difference);
    QCOMPARE(d.isZero(), difference == QLatin1String("0"));
    QCOMPARE(d == parse(difference), true);
    QCOMPARE(show(d.negated()), difference == QLatin1String("0") ? difference
                                 : difference.startsWith(QLatin1Char('-')) ? difference.mid(1)
                                                                            : QLatin1Char('-') + difference);
}

void TestExactDecimal::scaling()
{
    // 0.1 * 3 = 0.3 exactly once both stand at one scale.
    const BigInt tenth = TypedDecimal::read(QStringLiteral(".1")).scaledTo(2);
    const BigInt three = TypedDecimal::read(QStringLiteral("3")).scaledTo(2);
    const BigInt point3 = TypedDecimal::read(QStringLiteral("0.3")).scaledTo(2);
    const BigInt one = TypedDecimal::read(QStringLiteral("1")).scaledTo(2);
    QCOMPARE(show(tenth), QStringLiteral("10"));
    QCOMPARE(show(three), QStringLiteral("300"));
    QVERIFY(tenth * three == point3 * one);
    QCOMPARE(show(TypedDecimal::read(QStringLiteral("-2.5")).scaledTo(3)), QStringLiteral("-2500"));
    QVERIFY(TypedDecimal::read(QStringLiteral("-0.00")).scaledTo(4).isZero());
}

QTEST_APPLESS_MAIN(TestExactDecimal)
#include "tst_exactdecimal.moc"
