// Reading, writing and converting numbers in the bases 2-10 and 16.
#include "informatics/radix.h"

#include <QTest>

#include <cmath>
#include <limits>

using radix::Status;
Q_DECLARE_METATYPE(radix::Status)

namespace {
const QString kOnes53(53, QLatin1Char('1'));
const QString kOnes31(31, QLatin1Char('1'));

// 2^53 - 1 and 2^53, worked out independently, in every base.
struct Limit {
    int base;
    const char *largest;
    const char *first;
};
constexpr Limit kLimits[] = {
    {2, "11111111111111111111111111111111111111111111111111111", "100000000000000000000000000000000000000000000000000000"},
    {3, "1121202011211211122211100012101111", "1121202011211211122211100012101112"},
    {4, "133333333333333333333333333", "200000000000000000000000000"},
    {5, "33421042423033203202431", "33421042423033203202432"},
    {6, "224404414114114022451", "224404414114114022452"},
    {7, "5350140446150306053", "5350140446150306054"},
    {8, "377777777777777777", "400000000000000000"},
    {9, "47664754584305344", "47664754584305345"},
    {10, "9007199254740991", "9007199254740992"},
    {16, "1FFFFFFFFFFFFF", "20000000000000"},
};
}  // namespace

class TestRadix : public QObject {
    Q_OBJECT
private slots:
    void baseTable();
    void read_data();
    void read();
    void spell_data();
    void spell();
    void limits_data();
    void limits();
    void convert_data();
    void convert();
    void roundTrip_data();
    void roundTrip();
    void negated_data();
    void negated();
};

void TestRadix::baseTable()
{
    const int expected[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 16};
    for (int i = 0; i < radix::kOptionCount; ++i)
        QCOMPARE(radix::baseOf(i), expected[i]);
    QCOMPARE(radix::baseOf(radix::kBaseTenOption), 10);
    QCOMPARE(radix::baseOf(radix::kHexOption), 16);
}

void TestRadix::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<Status>("status");
    QTest::addColumn<double>("value");
    QTest::newRow("FF hex") << "FF" << 16 << Status::Ok << 255.0;
    QTest::newRow("lower case hex") << "ff" << 16 << Status::Ok << 255.0;
    QTest::newRow("mixed case") << "1aF" << 16 << Status::Ok << 431.0;
    QTest::newRow("1010 binary") << "1010" << 2 << Status::Ok << 10.0;
    QTest::newRow("10 hex") << "10" << 16 << Status::Ok << 16.0;
    QTest::newRow("leading zeros") << "0011" << 2 << Status::Ok << 3.0;
    QTest::newRow("empty") << "" << 7 << Status::Ok << 0.0;
    QTest::newRow("blanks anywhere") << " 1 0 1 " << 2 << Status::Ok << 5.0;
    QTest::newRow("negative") << "-10" << 2 << Status::Ok << -2.0;
    QTest::newRow("plus sign") << "+21" << 3 << Status::Ok << 7.0;
    QTest::newRow("sign key's blank") << " 1F" << 16 << Status::Ok << 31.0;
    QTest::newRow("binary fraction") << "1.1" << 2 << Status::Ok << 1.5;
    QTest::newRow("hex fraction") << "A.8" << 16 << Status::Ok << 10.5;
    QTest::newRow("octal fraction") << "-.4" << 8 << Status::Ok << -0.5;
    QTest::newRow("digit above base") << "7" << 2 << Status::Ok << 7.0;
    QTest::newRow("digits above base") << "12" << 2 << Status::Ok << 4.0;
    QTest::newRow("stops at second sign") << "1-1" << 2 << Status::Ok << 1.0;
    QTest::newRow("stops at other text") << "11x1" << 2 << Status::Ok << 3.0;
    QTest::newRow("no number") << "Nullával" << 2 << Status::Ok << 0.0;
    QTest::newRow("31 ones") << kOnes31 << 2 << Status::Ok << 2147483647.0;
    QTest::newRow("past 32 bits") << "100000000" << 16 << Status::Ok << 4294967296.0;
    QTest::newRow("53 ones") << kOnes53 << 2 << Status::Ok << radix::kLargest;
    QTest::newRow("54 ones") << kOnes53 + "1" << 2 << Status::TooLarge << 0.0;
    QTest::newRow("64 hex digits") << QString(64, QLatin1Char('F')) << 16 << Status::TooLarge << 0.0;
    QTest::newRow("huge negative") << "-" + kOnes53 + "0" << 2 << Status::TooLarge << 0.0;
    // Base ten is the Val rule, with no limit of its own.
    QTest::newRow("ten: decimal") << "12.5" << 10 << Status::Ok << 12.5;
    QTest::newRow("ten: stops at letter") << "1F" << 10 << Status::Ok << 1.0;
    QTest::newRow("ten: exponent") << "1E2" << 10 << Status::Ok << 100.0;
    QTest::newRow("ten: large") << "1" + QString(30, QLatin1Char('0')) << 10 << Status::Ok << 1e30;
    QTest::newRow("ten: infinite") << "1E999" << 10 << Status::TooLarge << 0.0;
}

void TestRadix::read()
{
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(Status, status);
    QFETCH(double, value);
    const radix::Reading r = radix::read(text, base);
    QCOMPARE(r.status, status);
    QCOMPARE(r.value, value);
}

void TestRadix::spell_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("base");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("text");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("255 hex") << 255.0 << 16 << Status::Ok << "FF";
    QTest::newRow("255 binary") << 255.0 << 2 << Status::Ok << "11111111";
    QTest::newRow("16 hex") << 16.0 << 16 << Status::Ok << "10";
    QTest::newRow("every hex digit") << double(0x123456789ABCULL) << 16 << Status::Ok << "123456789ABC";
    QTest::newRow("zero") << 0.0 << 2 << Status::Ok << "0";
    QTest::newRow("negative zero") << -0.0 << 16 << Status::Ok << "0";
    QTest::newRow("negative binary") << -2.0 << 2 << Status::Ok << "-10";
    QTest::newRow("negative hex") << -255.0 << 16 << Status::Ok << "-FF";
    QTest::newRow("fraction toward zero") << 3.5 << 2 << Status::Ok << "11";
    QTest::newRow("negative fraction toward zero") << -3.5 << 2 << Status::Ok << "-11";
    QTest::newRow("below one") << 0.999 << 3 << Status::Ok << "0";
    QTest::newRow("above minus one") << -0.5 << 5 << Status::Ok << "0";
    QTest::newRow("2^31") << 2147483648.0 << 2 << Status::Ok << "1" + QString(31, QLatin1Char('0'));
    QTest::newRow("largest negative") << -radix::kLargest << 2 << Status::Ok << "-" + kOnes53;
    QTest::newRow("2^53") << radix::kLargest + 1 << 2 << Status::TooLarge << "";
    QTest::newRow("-2^53") << -(radix::kLargest + 1) << 16 << Status::TooLarge << "";
    QTest::newRow("huge") << 1e300 << 10 << Status::TooLarge << "";
    QTest::newRow("infinite") << inf << 2 << Status::TooLarge << "";
    QTest::newRow("minus infinite") << -inf << 16 << Status::TooLarge << "";
    QTest::newRow("not a number") << std::nan("") << 8 << Status::TooLarge << "";
}

void TestRadix::spell()
{
    QFETCH(double, value);
    QFETCH(int, base);
    QFETCH(Status, status);
    QFETCH(QString, text);
    const radix::Spelling s = radix::spell(value, base);
    QCOMPARE(s.status, status);
    QCOMPARE(s.text, text);
}

void TestRadix::limits_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("largest");
    QTest::addColumn<QString>("first");
    for (const Limit &l : kLimits)
        QTest::newRow(qPrintable(QString::number(l.base))) << l.base << QString(l.largest) << QString(l.first);
}

// 2^53 - 1 is written, read and converted exactly in every base; 2^53 is not.
void TestRadix::limits()
{
    QFETCH(int, base);
    QFETCH(QString, largest);
    QFETCH(QString, first);
    QCOMPARE(radix::spell(radix::kLargest, base).text, largest);
    QCOMPARE(radix::read(largest, base).value, radix::kLargest);
    QCOMPARE(radix::read("-" + largest, base).value, -radix::kLargest);
    // Arithmetic reads base ten by the Val rule, without this limit.
    if (base != 10)
        QCOMPARE(radix::read(first, base).status, Status::TooLarge);
    QCOMPARE(radix::convert(largest, base, 2).text, kOnes53);
    QCOMPARE(radix::convert(kOnes53, 2, base).text, largest);
    QCOMPARE(radix::convert(first, base, 2).status, Status::TooLarge);
    QCOMPARE(radix::convert("-" + first, base, 16).status, Status::TooLarge);
    // One below the limit, to catch an off-by-one in the digits.
    QCOMPARE(radix::spell(radix::kLargest - 1, base).text, radix::convert(kOnes53.left(52) + "0", 2, base).text);
}

void TestRadix::convert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("result");
    QTest::newRow("FF to binary") << "FF" << 16 << 2 << Status::Ok << "11111111";
    QTest::newRow("255 to hex") << "255" << 10 << 16 << Status::Ok << "FF";
    QTest::newRow("1010 to ten") << "1010" << 2 << 10 << Status::Ok << "10";
    QTest::newRow("12 to binary") << "12" << 10 << 2 << Status::Ok << "1100";
    QTest::newRow("1100 to hex") << "1100" << 2 << 16 << Status::Ok << "C";
    QTest::newRow("hex 10 to ten") << "10" << 16 << 10 << Status::Ok << "16";
    QTest::newRow("16 to hex") << "16" << 10 << 16 << Status::Ok << "10";
    QTest::newRow("ternary to septenary") << "2101" << 3 << 7 << Status::Ok << "121";
    QTest::newRow("nonary to senary") << "88" << 9 << 6 << Status::Ok << "212";
    QTest::newRow("octal to hex") << "777" << 8 << 16 << Status::Ok << "1FF";
    QTest::newRow("lower case") << "ff" << 16 << 10 << Status::Ok << "255";
    QTest::newRow("zero") << "0" << 10 << 2 << Status::Ok << "0";
    QTest::newRow("sign key's zero") << " 0" << 10 << 3 << Status::Ok << "0";
    QTest::newRow("leading blank") << " 5" << 10 << 2 << Status::Ok << "101";
    QTest::newRow("negative from ten") << "-5" << 10 << 2 << Status::Ok << "-101";
    QTest::newRow("negative to ten") << "-10" << 2 << 10 << Status::Ok << "-2";
    QTest::newRow("negative hex") << "-ff" << 16 << 2 << Status::Ok << "-11111111";
    QTest::newRow("same base drops zeros") << "0011" << 2 << 2 << Status::Ok << "11";
    QTest::newRow("31 ones to ten") << kOnes31 << 2 << 10 << Status::Ok << "2147483647";
    QTest::newRow("2147483647 to binary") << "2147483647" << 10 << 2 << Status::Ok << kOnes31;
    QTest::newRow("ten fraction") << "2.5" << 10 << 2 << Status::Fraction << "";
    QTest::newRow("ten whole with point") << "12." << 10 << 2 << Status::Fraction << "";
    QTest::newRow("lone point") << "." << 10 << 16 << Status::Fraction << "";
    QTest::newRow("binary fraction") << "1.1" << 2 << 16 << Status::Fraction << "";
    QTest::newRow("hex fraction") << "A.8" << 16 << 10 << Status::Fraction << "";
    QTest::newRow("fraction without point") << "1E-1" << 10 << 2 << Status::Fraction << "";
    QTest::newRow("2^53 from ten") << "9007199254740992" << 10 << 2 << Status::TooLarge << "";
    QTest::newRow("infinite ten") << "1E999" << 10 << 2 << Status::TooLarge << "";
    QTest::newRow("54 ones") << kOnes53 + "1" << 2 << 10 << Status::TooLarge << "";
}

void TestRadix::convert()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(Status, status);
    QFETCH(QString, result);
    const radix::Spelling s = radix::convert(text, from, to);
    QCOMPARE(s.status, status);
    QCOMPARE(s.text, result);
}

void TestRadix::roundTrip_data()
{
    QTest::addColumn<double>("value");
    for (const double v : {1.0, 9.0, 10.0, 15.0, 16.0, 255.0, 4096.0, 65535.0, 1e9, 2147483647.0, 4294967297.0,
                           123456789012345.0, radix::kLargest, -1.0, -100.0, -radix::kLargest})
        QTest::newRow(qPrintable(QString::number(v, 'f', 0))) << v;
}

// Every value survives a trip through every pair of bases.
void TestRadix::roundTrip()
{
    QFETCH(double, value);
    for (int a = 0; a < radix::kOptionCount; ++a) {
        const int from = radix::baseOf(a);
        const QString written = radix::spell(value, from).text;
        QCOMPARE(radix::read(written, from).value, value);
        for (int b = 0; b < radix::kOptionCount; ++b) {
            const int to = radix::baseOf(b);
            const radix::Spelling there = radix::convert(written, from, to);
            QCOMPARE(there.status, Status::Ok);
            QCOMPARE(radix::convert(there.text, to, from).text, written);
        }
    }
}

void TestRadix::negated_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("result");
    QTest::newRow("hex") << "1F" << 16 << "-1F";
    QTest::newRow("hex back") << "-1F" << 16 << " 1F";
    QTest::newRow("lower case") << "1f" << 16 << "-1F";
    QTest::newRow("binary") << "101" << 2 << "-101";
    QTest::newRow("empty") << "" << 2 << " 0";
    QTest::newRow("zero") << "0" << 8 << " 0";
    QTest::newRow("negative zero") << "-000" << 3 << " 0";
    QTest::newRow("leading zeros") << "0011" << 2 << "-11";
    QTest::newRow("fraction kept") << "1.10" << 2 << "-1.1";
    QTest::newRow("fraction only") << ".1" << 2 << "-.1";
    QTest::newRow("point without fraction") << "7." << 8 << "-7";
    QTest::newRow("stops at second sign") << "1-1" << 2 << "-1";
    QTest::newRow("no limit") << kOnes53 + "111" << 2 << "-" + kOnes53 + "111";
    QTest::newRow("ten: positive keeps blank") << "-5" << 10 << " 5";
    QTest::newRow("ten: negative") << "5" << 10 << "-5";
    QTest::newRow("ten: empty") << "" << 10 << " 0";
}

void TestRadix::negated()
{
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(QString, result);
    QCOMPARE(radix::negated(text, base), result);
}

QTEST_APPLESS_MAIN(TestRadix)
#include "tst_radix.moc"
