#include "core/radix.h"

#include "core/numberscan.h"
#include "core/numbertext.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace radix {
namespace {

constexpr std::array<int, kOptionCount> kBases{2, 3, 4, 5, 6, 7, 8, 9, 10, 16};
constexpr std::uint64_t kLargestWhole = (std::uint64_t(1) << 53) - 1;
static_assert(double(kLargestWhole) == kLargest);

QChar digitChar(std::uint64_t digit) { return QLatin1Char("0123456789ABCDEF"[digit]); }

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
        const double value = numbertext::val(text);
        return std::isfinite(value) ? Reading{Status::Ok, value} : Reading{Status::TooLarge, 0};
    }
    const numberscan::Scan d = parse(text);
    std::uint64_t whole = 0;
    for (const QChar c : d.whole) {
        const auto digit = std::uint64_t(numberscan::digitValue(c));
        if (whole > (kLargestWhole - digit) / std::uint64_t(base))
            return {Status::TooLarge, 0};
        whole = whole * std::uint64_t(base) + digit;
    }
    double fraction = 0;
    double place = 1;
    for (const QChar c : d.fraction) {
        place /= base;
        fraction += numberscan::digitValue(c) * place;
    }
    const double value = double(whole) + fraction;
    return {Status::Ok, d.negative ? -value : value};
}

Spelling spell(double value, int base)
{
    if (!std::isfinite(value))
        return {Status::TooLarge, QString()};
    const double whole = std::trunc(value);
    const double magnitude = std::fabs(whole);
    if (magnitude > kLargest)
        return {Status::TooLarge, QString()};
    auto rest = static_cast<std::uint64_t>(magnitude);  // in range: checked above
    if (rest == 0)
        return {Status::Ok, QStringLiteral("0")};
    QString digits;
    for (; rest > 0; rest /= std::uint64_t(base))
        digits.prepend(digitChar(rest % std::uint64_t(base)));
    if (whole < 0)
        digits.prepend(QLatin1Char('-'));
    return {Status::Ok, digits};
}

Spelling convert(const QString &text, int fromBase, int toBase)
{
    if (text.contains(QLatin1Char('.')))
        return {Status::Fraction, QString()};
    const Reading r = read(text, fromBase);
    if (r.status != Status::Ok || std::fabs(r.value) > kLargest)
        return {Status::TooLarge, QString()};
    // Base ten can still spell a fraction without a point ("1E-1").
    if (r.value != std::trunc(r.value))
        return {Status::Fraction, QString()};
    return spell(r.value, toBase);
}

QString negated(const QString &text, int base)
{
    if (base == 10)
        return numbertext::str(-numbertext::val(text));
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

}  // namespace radix
