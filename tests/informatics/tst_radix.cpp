// Reading, writing and converting numbers in the bases 2-10 and 16.
#include "informatics/radix.h"

#include <QTest>

#include <cmath>
#include <limits>

using radix::Status;
Q_DECLARE_METATYPE(radix::Status)

namespace {
const QString kOnes53(53, QLatin1Char('1'));
}  // namespace

class TestRadix : public QObject {
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void convert_data();
    void convert();
    void limits_data();
    void limits();
};

// A text read in its base gives `value`, which is written back as `spelled`;
// the sign key makes `negated` of the text.
void TestRadix::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("spelled");
    QTest::addColumn<QString>("negated");
    QTest::newRow("every letter, any case")
        << "fEdCbA9876543" << 16 << double(0xFEDCBA9876543ULL) << "FEDCBA9876543" << "-FEDCBA9876543";
    QTest::newRow("zeros") << "-000" << 3 << 0.0 << "0" << " 0";
    QTest::newRow("blanks anywhere") << " 1 0 1 " << 2 << 5.0 << "101" << "-101";
    QTest::newRow("fraction toward zero") << "A.8" << 16 << 10.5 << "A" << "-A.8";
    QTest::newRow("zeros around a fraction") << "-001.10" << 2 << -1.5 << "-1" << " 1.1";
    QTest::newRow("above minus one") << "-.4" << 8 << -0.5 << "0" << " .4";
    QTest::newRow("digits above base") << "12" << 2 << 4.0 << "100" << "-12";
    QTest::newRow("stops at a second sign") << "1-1" << 2 << 1.0 << "1" << "-1";
    QTest::newRow("ten: Val and Str rules") << "12.5" << 10 << 12.5 << "12" << "-12.5";
    QTest::newRow("ten: positive keeps a blank") << "-5" << 10 << -5.0 << "-5" << " 5";
}

void TestRadix::numbers()
{
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(double, value);
    QFETCH(QString, spelled);
    QFETCH(QString, negated);
    const radix::Reading r = radix::read(text, base);
    QCOMPARE(r.status, Status::Ok);
    QCOMPARE(r.value, value);
    QCOMPARE(radix::spell(value, base).text, spelled);
    QCOMPARE(radix::negated(text, base), negated);
}

void TestRadix::convert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("result");
    QTest::newRow("ten to hex") << "255" << 10 << 16 << Status::Ok << "FF";
    QTest::newRow("negative from ten") << "-5" << 10 << 2 << Status::Ok << "-101";
    QTest::newRow("negative to ten") << "-ff" << 16 << 10 << Status::Ok << "-255";
    QTest::newRow("same base drops zeros") << "0011" << 2 << 2 << Status::Ok << "11";
    QTest::newRow("whole with point") << "12." << 10 << 2 << Status::Fraction << "";
    QTest::newRow("fraction without point") << "1E-1" << 10 << 2 << Status::Fraction << "";
    QTest::newRow("infinite ten") << "1E999" << 10 << 2 << Status::TooLarge << "";
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

// 2^53 - 1 and 2^53, worked out independently, in every base.
void TestRadix::limits_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("largest");
    QTest::addColumn<QString>("first");
    QTest::newRow("2") << 2 << kOnes53 << "1" + QString(53, QLatin1Char('0'));
    QTest::newRow("3") << 3 << "1121202011211211122211100012101111" << "1121202011211211122211100012101112";
    QTest::newRow("4") << 4 << "133333333333333333333333333" << "200000000000000000000000000";
    QTest::newRow("5") << 5 << "33421042423033203202431" << "33421042423033203202432";
    QTest::newRow("6") << 6 << "224404414114114022451" << "224404414114114022452";
    QTest::newRow("7") << 7 << "5350140446150306053" << "5350140446150306054";
    QTest::newRow("8") << 8 << "377777777777777777" << "400000000000000000";
    QTest::newRow("9") << 9 << "47664754584305344" << "47664754584305345";
    QTest::newRow("10") << 10 << "9007199254740991" << "9007199254740992";
    QTest::newRow("16") << 16 << "1FFFFFFFFFFFFF" << "20000000000000";
}

// 2^53 - 1 is written, read and converted exactly in every base; 2^53 is not.
void TestRadix::limits()
{
    QFETCH(int, base);
    QFETCH(QString, largest);
    QFETCH(QString, first);
    QCOMPARE(radix::spell(radix::kLargest, base).text, largest);
    QCOMPARE(radix::read("-" + largest, base).value, -radix::kLargest);
    QCOMPARE(radix::convert(largest, base, 2).text, kOnes53);
    QCOMPARE(radix::convert(kOnes53, 2, base).text, largest);
    // One below the limit, to catch an off-by-one in the digits.
    QCOMPARE(radix::spell(radix::kLargest - 1, base).text, radix::convert(kOnes53.left(52) + "0", 2, base).text);
    // Arithmetic reads base ten by the Val rule, without this limit; the sign key has none.
    if (base != 10) {
        QCOMPARE(radix::read(first, base).status, Status::TooLarge);
        QCOMPARE(radix::negated(first, base), "-" + first);
    }
    QCOMPARE(radix::convert("-" + first, base, 16).status, Status::TooLarge);
    QCOMPARE(radix::spell(-(radix::kLargest + 1), base).status, Status::TooLarge);
    QCOMPARE(radix::spell(std::numeric_limits<double>::infinity(), base).status, Status::TooLarge);
    QCOMPARE(radix::spell(std::nan(""), base).status, Status::TooLarge);
}

QTEST_APPLESS_MAIN(TestRadix)
#include "tst_radix.moc"
