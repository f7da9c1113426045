#include "randomtext.h"

#include <array>

namespace randomtext {
namespace {

QString digits(RandomSource &rng, int length)
{
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += QChar(u'0' + rng.below(10));
    return text;
}

}  // namespace

QString anyCharacter(RandomSource &rng)
{
    static const std::array<const char16_t *, 43> characters{
        u"a", u"b", u"c", u"d", u"e", u"f", u"A", u"E", u"F", u"x", u"z", u"D",
        u"á", u"é", u"í", u"ó", u"ö", u"ő", u"ú", u"ü", u"ű", u"Á", u"É", u"Ő", u"Ű",
        u",", u"+", u"*", u"/", u"=", u"(", u"%", u"^", u" ", u"°",
        u"\u221E", u"\uFF15", u"\u0663", u"\u00BD", u"\U0001F600", u"\x01", u"\x1f", u"\x7f",
    };
    return QString::fromUtf16(rng.pick(characters));
}

QString keystrokes(RandomSource &rng)
{
    const int kind = rng.below(100);
    if (kind < 60)
        return digits(rng, rng.oneIn(4) ? rng.between(2, 4) : 1);
    if (kind < 72)
        return QStringLiteral(".");
    if (kind < 80)
        return QStringLiteral("-");
    if (kind < 88)
        return QString(QChar(u'A' + rng.below(6)));  // the hexadecimal digits
    if (kind < 91)
        return QString(QChar(u'a' + rng.below(6)));
    return anyCharacter(rng);
}

QString longNumber(RandomSource &rng, int minLength, int maxLength)
{
    QString text = digits(rng, rng.between(minLength, maxLength));
    if (rng.oneIn(3))
        text.insert(rng.below(int(text.size())), QLatin1Char('.'));
    if (rng.oneIn(4))
        text.prepend(QLatin1Char('-'));
    return text;
}

QString pasted(RandomSource &rng)
{
    static const std::array<const char16_t *, 34> samples{
        u"1e308", u"-1E+15", u"1E-05", u"1D2", u"inf", u"-inf", u"NaN", u"nan", u"-0", u"0",
        u"0.0000000000000001", u"9007199254740991", u"9007199254740993", u"1.7976931348623157e308",
        u" 12 ", u"1,5", u"3.14159265358979", u"2.71828182845905", u"1.2.3", u"..", u"--5", u"5-3",
        u"\t7", u"8\n", u"1\r2", u"\x01\x02", u"\x7f", u"ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP",
        u"árvíztűrő tükörfúrógép", u"FF", u"-1F", u"ffff", u"0x10", u"\U0001F600\U0001F600",
    };
    const int kind = rng.below(100);
    if (kind < 44)
        return QString::fromUtf16(rng.pick(samples));
    if (kind < 45)
        return QString(QChar(0)) + digits(rng, 1);  // a NUL in the clipboard
    if (kind < 65)
        return longNumber(rng, 1, 20);
    if (kind < 80)
        return longNumber(rng, 21, 80);
    if (kind < 88)
        return longNumber(rng, 300, 420);
    QString text;
    const int length = rng.between(1, 12);
    for (int i = 0; i < length; ++i)
        text += rng.percent(50) ? keystrokes(rng) : anyCharacter(rng);
    return text;
}

QString coefficient(RandomSource &rng)
{
    const int kind = rng.below(100);
    if (kind < 62) {
        QString whole = digits(rng, rng.between(1, 3));
        while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
            whole.remove(0, 1);
        return whole;
    }
    if (kind < 72)
        return QStringLiteral("0");
    if (kind < 78)
        return digits(rng, 1) + QLatin1Char('.') + digits(rng, rng.between(1, 3));
    if (kind < 83)
        return QLatin1Char('-') + digits(rng, rng.between(1, 2));
    if (kind < 86)
        return anyCharacter(rng);
    if (kind < 88)
        return QLatin1Char(' ') + digits(rng, 1);
    if (kind < 90)
        return digits(rng, 2) + QLatin1String("..") + digits(rng, 1);
    if (kind < 95)
        return digits(rng, rng.between(10, 40));
    if (kind < 98)
        return digits(rng, rng.between(150, 200));
    return digits(rng, rng.between(300, 420));
}

}  // namespace randomtext
