// The one scanner under every reader of number text.
#include "shared/numberscan.h"

#include <QTest>

class TestNumberScan : public QObject {
    Q_OBJECT
private slots:
    void scan_data();
    void scan();
};

namespace {
// Options by letters: x = exponent, h = 16 digits, s = no sign, p = no point,
// b = blanks count as characters.
numberscan::Options options(const QString &flags)
{
    numberscan::Options o;
    o.exponent = flags.contains(QLatin1Char('x'));
    o.digits = flags.contains(QLatin1Char('h')) ? 16 : 10;
    o.sign = !flags.contains(QLatin1Char('s'));
    o.point = !flags.contains(QLatin1Char('p'));
    o.skipBlanks = !flags.contains(QLatin1Char('b'));
    return o;
}
}  // namespace

void TestNumberScan::scan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("flags");
    // The parts as "sign whole.fraction e exponent": "-12.5e3"; no point read, no ".".
    QTest::addColumn<QString>("parts");
    QTest::addColumn<int>("end");

    QTest::newRow("empty") << "" << "" << "+" << 0;
    QTest::newRow("sign alone") << "-" << "" << "-" << 1;
    QTest::newRow("blanks anywhere") << " - 1 2 . 5 " << "" << "-12.5" << 11;
    QTest::newRow("second point stops") << "1.2.3" << "" << "+1.2" << 3;
    QTest::newRow("second sign stops") << "5-3" << "" << "+5" << 1;
    QTest::newRow("double sign") << "--5" << "" << "-" << 1;
    QTest::newRow("point alone") << "." << "" << "+." << 1;
    QTest::newRow("exponent ignored unless asked") << "1E2" << "" << "+1" << 1;
    QTest::newRow("exponent") << "1.5e-3" << "x" << "+1.5e-3" << 6;
    QTest::newRow("D exponent with blanks") << "2 D + 1 0" << "x" << "+2e10" << 9;
    QTest::newRow("exponent needs a digit") << "3E-" << "x" << "+3" << 1;
    QTest::newRow("exponent needs a mantissa") << ".E5" << "x" << "+." << 1;
    QTest::newRow("exponent saturates") << "1E9999999999" << "x" << "+1e100000" << 12;
    QTest::newRow("hex letters upper-cased") << "-fA.c9G" << "h" << "-FA.C9" << 6;
    QTest::newRow("hex digits need 16") << "fA" << "" << "+" << 0;
    QTest::newRow("digits only: sign") << "-3" << "sp" << "+" << 0;
    QTest::newRow("digits only: point") << "1.5" << "spb" << "+1" << 1;
    QTest::newRow("digits only: blank") << "1 2" << "spb" << "+1" << 1;
    QTest::newRow("digits only: all read") << "0123" << "spb" << "+0123" << 4;
}

void TestNumberScan::scan()
{
    QFETCH(QString, text);
    QFETCH(QString, flags);
    QFETCH(QString, parts);
    QFETCH(int, end);
    const numberscan::Scan s = numberscan::scan(text, options(flags));
    QString got = QLatin1Char(s.negative ? '-' : '+') + s.whole;
    if (s.point)
        got += QLatin1Char('.') + s.fraction;
    if (s.exponent != 0)
        got += QStringLiteral("e%1").arg(s.exponent);
    QCOMPARE(got, parts);
    QCOMPARE(s.end, end);
}

QTEST_APPLESS_MAIN(TestNumberScan)
#include "tst_numberscan.moc"
