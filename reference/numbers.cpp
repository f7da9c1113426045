// The number rules and the comparison with what is shown.
#include "bigfloat.h"
#include "reference.h"

#include <gmpxx.h>

#include <QRegularExpression>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

namespace reference {

// The keys hold the constants as doubles, as typing them would: e^x then
// equals typing e and raising it to x.
Big pi15() { return Big(nearest(Big(kPi15))); }
Big e15() { return Big(nearest(Big(kE15))); }

Big roundTo(const Big &v, int decimals)
{
    Big scale, r;
    mpfr_ui_pow_ui(scale.get(), 10, unsigned(decimals), MPFR_RNDN);
    mpfr_mul(r.get(), v.get(), scale.get(), MPFR_RNDN);
    mpfr_rint(r.get(), r.get(), MPFR_RNDN);  // halves to even
    mpfr_div(r.get(), r.get(), scale.get(), MPFR_RNDN);
    return r;
}

std::optional<Big> &undecidedSnap()
{
    thread_local std::optional<Big> value;
    return value;
}

Big kerekit(const Big &v)
{
    Big whole, gap;
    mpfr_rint(whole.get(), v.get(), MPFR_RNDN);
    mpfr_sub(gap.get(), v.get(), whole.get(), MPFR_RNDN);
    mpfr_abs(gap.get(), gap.get(), MPFR_RNDN);
    // A double computation lands a few units of its last place either side
    // of the exact value: that close to the threshold, it may snap or not.
    Big margin(std::ldexp(std::max(1.0, std::fabs(mpfr_get_d(v.get(), MPFR_RNDN))), -48)), distance;
    mpfr_sub_d(distance.get(), gap.get(), 1E-08, MPFR_RNDN);
    undecidedSnap().reset();
    if (mpfr_cmpabs(distance.get(), margin.get()) <= 0)
        undecidedSnap() = mpfr_cmp_d(gap.get(), 1E-08) >= 0 ? whole : v;
    if (mpfr_cmp_d(gap.get(), 1E-08) >= 0)
        return v;
    if (mpfr_zero_p(whole.get()) && !mpfr_zero_p(v.get()) && mpfr_cmpabs(v.get(), Big("1E-14").get()) >= 0)
        return v;
    return whole;
}

QString text(const Big &v)
{
    if (mpfr_zero_p(v.get()))
        return QStringLiteral("0");
    mpfr_exp_t exponent = 0;
    char *digits = mpfr_get_str(nullptr, &exponent, 10, 40, v.get(), MPFR_RNDN);
    std::string s(digits);
    mpfr_free_str(digits);
    const bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    return QStringLiteral("%1%2.%3E%4")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(QLatin1Char(s[0]))
        .arg(QString::fromStdString(s.substr(1)))
        .arg(long(exponent - 1));
}

double nearest(const Big &v)
{
    // Emulate the double's exponent range so subnormals round once.
    const mpfr_exp_t emin = mpfr_get_emin(), emax = mpfr_get_emax();
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    mpfr_t d;
    mpfr_init2(d, 53);
    const int inexact = mpfr_set(d, v.get(), MPFR_RNDN);
    mpfr_subnormalize(d, mpfr_check_range(d, inexact, MPFR_RNDN), MPFR_RNDN);
    const double out = mpfr_get_d(d, MPFR_RNDN);
    mpfr_clear(d);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
    return out;
}

double val(const QString &text)
{
    // Blanks count nowhere; then sign, digits with one point, exponent.
    QString t = text;
    t.remove(QLatin1Char(' '));
    static const QRegularExpression number(QStringLiteral("^([+-]?)([0-9]*)(?:\\.([0-9]*))?(?:[EeDd]([+-]?[0-9]+))?"));
    const auto m = number.match(t);
    const QString whole = m.captured(2), fraction = m.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return m.captured(1) == QLatin1String("-") ? -0.0 : 0.0;
    QString exponent = m.captured(4);
    // Exponents this long over- or underflow anyway; keep MPFR's in range.
    const bool negativeExponent = exponent.startsWith(QLatin1Char('-'));
    exponent.remove(QLatin1Char('+')).remove(QLatin1Char('-'));
    while (exponent.startsWith(QLatin1Char('0')))
        exponent.remove(0, 1);
    if (exponent.size() > 7)
        exponent = QStringLiteral("9999999");
    const QString decimal = m.captured(1) + (whole.isEmpty() ? QStringLiteral("0") : whole) + QLatin1Char('.') +
                            fraction + QLatin1Char('e') + (negativeExponent ? QStringLiteral("-") : QString()) +
                            (exponent.isEmpty() ? QStringLiteral("0") : exponent);
    return nearest(Big(decimal.toLatin1().constData()));
}

QString str(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral(" 0");
    mpfr_t d;
    mpfr_init2(d, 53);
    mpfr_set_d(d, value, MPFR_RNDN);
    mpfr_exp_t e = 0;
    char *raw = mpfr_get_str(nullptr, &e, 10, 15, d, MPFR_RNDN);
    QString digits = QString::fromLatin1(raw).remove(QLatin1Char('-'));
    mpfr_free_str(raw);
    mpfr_clear(d);
    const long exponent = long(e) - 1;  // of the first digit
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    QString out(QLatin1Char(value < 0 ? '-' : ' '));
    if (exponent >= 15 || exponent < -15) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += QLatin1Char('.') + digits.mid(1);
        return out + QStringLiteral("E%1%2")
                         .arg(QLatin1Char(exponent < 0 ? '-' : '+'))
                         .arg(std::labs(exponent), 2, 10, QLatin1Char('0'));
    }
    if (exponent < 0)
        return out + QLatin1Char('.') + QString(int(-exponent - 1), QLatin1Char('0')) + digits;
    if (digits.size() <= exponent + 1)
        return out + digits + QString(int(exponent + 1 - digits.size()), QLatin1Char('0'));
    return out + digits.left(int(exponent + 1)) + QLatin1Char('.') + digits.mid(int(exponent + 1));
}

double bound(const Expected &expected)
{
    const double v = std::fabs(expected.value.toDouble());
    double unit = std::ldexp(1.0, -1074);
    if (v > 0)
        unit = std::max(unit, std::pow(10.0, std::floor(std::log10(v)) - 14));
    if (expected.decimals)
        unit = std::max(unit, std::pow(10.0, -*expected.decimals));
    return unit;
}

bool agrees(const QString &shown, const Expected &expected)
{
    if (!expected.ok())
        return false;
    if (!expected.alternative.isEmpty()) {
        Expected other = expected;
        other.value = std::exchange(other.alternative, QString());
        if (agrees(shown, other))
            return true;
    }
    const QString t = shown.trimmed();
    if (expected.exact)
        return t == expected.value;
    static const QRegularExpression form(QStringLiteral("^-?([0-9]+\\.?[0-9]*|\\.[0-9]+)(E[+-][0-9]{2,})?$"));
    if (!form.match(t).hasMatch())
        return false;
    Big s(t.toLatin1().constData()), e(expected.value.toLatin1().constData()), gap;
    mpfr_sub(gap.get(), s.get(), e.get(), MPFR_RNDN);
    // The slack absorbs only the binary spelling of decimal units such as 1E-14.
    return mpfr_cmpabs(gap.get(), Big(bound(expected) * (1 + 1e-9)).get()) <= 0;
}

QString describe(const Expected &expected)
{
    static const char *const names[] = {"none",
                                        "division by zero",
                                        "not representable",
                                        "no real result",
                                        "even root of a negative",
                                        "whole numbers only",
                                        "factorial above 170",
                                        "factorial of a non-whole",
                                        "log of a non-positive",
                                        "sine range",
                                        "cosine range",
                                        "tangent pole",
                                        "cotangent pole",
                                        "too large to convert",
                                        "fraction"};
    if (!expected.ok())
        return QStringLiteral("refused: %1").arg(QLatin1String(names[int(expected.refusal)]));
    if (expected.exact)
        return expected.value;
    return QStringLiteral("%1 +- %2").arg(expected.value).arg(bound(expected), 0, 'g', 3);
}

namespace {
Expected spelled(const mpz_class &whole, int base)
{
    Expected e;
    const mpz_class largest = (mpz_class(1) << 53) - 1;
    if (abs(whole) > largest) {
        e.refusal = Refusal::TooLargeToConvert;
        return e;
    }
    e.exact = true;
    e.value = QString::fromStdString(whole.get_str(base)).toUpper();
    return e;
}
}  // namespace

Expected conversion(const QString &text, int fromBase, int toBase)
{
    Expected e;
    if (text.contains(QLatin1Char('.'))) {
        e.refusal = Refusal::Fraction;
        return e;
    }
    if (fromBase == 10) {
        const double v = val(text);
        if (!std::isfinite(v) || std::fabs(v) > 9007199254740991.0)
            e.refusal = Refusal::TooLargeToConvert;
        else if (v != std::trunc(v))
            e.refusal = Refusal::Fraction;
        else
            return spelled(mpz_class(v), toBase);
        return e;
    }
    QString t = text;
    t.remove(QLatin1Char(' '));
    static const QRegularExpression digits(QStringLiteral("^([+-]?)([0-9A-Fa-f]*)"));
    const auto m = digits.match(t);
    mpz_class whole = 0;
    // Every hex digit counts in every base: only the base's own reach here.
    for (const QChar c : m.captured(2))
        whole = whole * fromBase + QString(c).toInt(nullptr, 16);
    return spelled(m.captured(1) == QLatin1String("-") ? mpz_class(-whole) : whole, toBase);
}

}  // namespace reference
