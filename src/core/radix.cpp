#include "core/radix.h"

#include "core/numberscan.h"
#include "core/numbertext.h"

#include <array>

namespace core::radix {
namespace {

constexpr std::array<int, kOptionCount> kBases{2, 3, 4, 5, 6, 7, 8, 9, 10, 16};

const mpz_class &largestWhole()
{
    static const mpz_class largest = (mpz_class(1) << 53) - 1;
    return largest;
}

mpz_class wholePart(const exact::Number &value)
{
    mpz_class whole;
    mpz_tdiv_q(whole.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    return whole;
}

// The readable number at the start of a text in a base other than ten. Every
// hex digit counts, whatever the base: the keys offer only the base's own.
numberscan::Scan parse(const QString &text)
{
    numberscan::Options options;
    options.digits = 16;
    return numberscan::scan(text, options);
}

}  // namespace

int baseOf(int optionIndex)
{
    return optionIndex >= 0 && optionIndex < kOptionCount ? kBases[size_t(optionIndex)] : 10;
}

Reading read(const QString &text, int base)
{
    if (base == 10) {
        const exact::Number value = exact::read(text);
        return exact::aboveDoubles(value) ? Reading{Status::TooLarge, 0} : Reading{Status::Ok, value};
    }
    const numberscan::Scan d = parse(text);
    mpz_class whole = 0;
    for (const QChar c : d.whole) {
        whole = whole * base + numberscan::digitValue(c);
        if (whole > largestWhole())
            return {Status::TooLarge, 0};
    }
    mpz_class fraction = 0, place = 1;
    for (const QChar c : d.fraction) {
        fraction = fraction * base + numberscan::digitValue(c);
        place *= base;
    }
    exact::Number value = exact::Number(whole) + exact::Number(fraction, place);
    value.canonicalize();
    return {Status::Ok, d.negative ? exact::Number(-value) : value};
}

Spelling spell(const exact::Number &value, int base)
{
    const mpz_class whole = wholePart(value);
    if (abs(whole) > largestWhole())
        return {Status::TooLarge, QString()};
    QString digits = QString::fromStdString(mpz_class(abs(whole)).get_str(base)).toUpper();
    if (sgn(whole) < 0)
        digits.prepend(QLatin1Char('-'));
    return {Status::Ok, digits};
}

Spelling convert(const QString &text, int fromBase, int toBase, int width)
{
    const Reading r = read(text, fromBase);
    if (r.status != Status::Ok || abs(wholePart(r.value)) > largestWhole())
        return {Status::TooLarge, QString()};
    // Base ten can still spell a fraction without a point ("1E-1").
    if (text.contains(QLatin1Char('.')) || r.value.get_den() != 1) {
        if (toBase != 10)
            return {Status::Fraction, QString()};
        return {Status::Ok, numbertext::decimalWithin(r.value, width)};
    }
    return spell(r.value, toBase);
}

QString negated(const QString &text, int base)
{
    if (base == 10)
        return numbertext::str(exact::Number(-exact::read(text)));
    numberscan::Scan d = parse(text);
    while (d.whole.startsWith(QLatin1Char('0')))
        d.whole.remove(0, 1);
    while (d.fraction.endsWith(QLatin1Char('0')))
        d.fraction.chop(1);
    if (d.whole.isEmpty() && d.fraction.isEmpty())
        return QStringLiteral(" 0");
    QString out = d.negative ? QStringLiteral(" ") : QStringLiteral("-");
    out += d.whole;
    if (!d.fraction.isEmpty())
        out += QLatin1Char('.') + d.fraction;
    return out;
}

}  // namespace core::radix
