#include "numberforms.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace numberforms {
namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Digits from `i` on; returns how many.
int digitRun(const QString &text, int &i)
{
    const int start = i;
    while (i < text.size() && isDigit(text.at(i)))
        ++i;
    return i - start;
}

}  // namespace

bool isCheckedDisplayText(const QString &text, int base)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    int points = 0;
    for (int i = begin; i < end; ++i) {
        const ushort u = text.at(i).unicode();
        const bool digit = u >= '0' && u <= '9' && u - '0' < base;
        const bool letter = base == 16 && ((u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f'));
        if (!digit && !letter && u != '.' && u != '-')
            return false;
        points += u == '.' ? 1 : 0;
    }
    return points <= 1;
}

bool isStrText(const QString &text, bool trimmed)
{
    int i = 0;
    const int n = text.size();
    if (i < n && text.at(i) == QLatin1Char('-'))
        ++i;
    else if (!trimmed && i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    else if (!trimmed)
        return false;
    if (text.mid(i) == QLatin1String("0"))
        return text.at(0) != QLatin1Char('-');  // zero has no minus

    // Mantissa: whole digits, then an optional point with a fraction that
    // ends in a non-zero digit.
    const int wholeStart = i;
    const int whole = digitRun(text, i);
    if (whole > 0 && text.at(wholeStart) == QLatin1Char('0'))
        return false;
    int fraction = 0;
    int fractionZeros = 0;
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        const int fractionStart = i;
        fraction = digitRun(text, i);
        if (fraction == 0 || text.at(i - 1) == QLatin1Char('0'))
            return false;
        while (fractionZeros < fraction && text.at(fractionStart + fractionZeros) == QLatin1Char('0'))
            ++fractionZeros;
    }
    if (whole + fraction == 0)
        return false;

    if (i == n) {
        // Plain form: below 1E+15 and from 1E-15 up, 15 significant digits.
        if (whole > 0)
            return whole + fraction <= 15;
        return fractionZeros <= 14 && fraction - fractionZeros <= 15;
    }

    // Exponent form: one non-zero digit before the point.
    if (whole != 1 || fraction > 14)
        return false;
    if (text.at(i) != QLatin1Char('E') || i + 1 >= n)
        return false;
    const QChar sign = text.at(i + 1);
    if (sign != QLatin1Char('+') && sign != QLatin1Char('-'))
        return false;
    i += 2;
    const int expStart = i;
    const int expDigits = digitRun(text, i);
    if (i != n || expDigits < 2 || expDigits > 3 || (expDigits == 3 && text.at(expStart) == QLatin1Char('0')))
        return false;
    const int exponent = text.mid(expStart).toInt();
    if (sign == QLatin1Char('+') ? exponent < 15 : exponent < 16)
        return false;
    // A finite double: the text must read back as one.
    const std::string ascii = text.trimmed().toStdString();
    return std::isfinite(std::strtod(ascii.c_str(), nullptr));
}

bool isDisplayFormLeadingZero(const QString &text)
{
    if (isStrText(text, true))
        return true;
    return text.startsWith(QLatin1String("0.")) && isStrText(text.mid(1), true);
}

bool mentionsNotFinite(const QString &text)
{
    int i = 0;
    while (i < text.size()) {
        if (!text.at(i).isLetter()) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < text.size() && text.at(i).isLetter())
            ++i;
        const QString word = text.mid(start, i - start).toLower();
        if (word == QLatin1String("inf") || word == QLatin1String("infinity") || word == QLatin1String("nan"))
            return true;
    }
    return false;
}

}  // namespace numberforms
