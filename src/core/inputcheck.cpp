#include "core/inputcheck.h"

#include "core/module1.h"

namespace core::inputcheck {
namespace {
// Only blanks are trimmed: a tab or line feed at either end is refused.
QString trimBlanks(const QString &text)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

// A sign only leads a number: "5-3" or "--5" would read as 5 or 0 silently.
bool allowed(QChar c, int position, int base)
{
    const ushort u = c.unicode();
    if (u == '-')
        return position == 0;
    if (u == '.')
        return true;
    if (u >= '0' && u <= '9')
        return u - '0' < base;
    return base == 16 && ((u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f'));
}
}  // namespace

void examine(Module1 &state, const QString &text, int base)
{
    state.vizsgalt = trimBlanks(text) + QLatin1Char('0');
    const int n = state.vizsgalt.size();
    int i = 0;  // zero-based; the sentinel at n - 1 is never examined
    while (i < n - 1 && allowed(state.vizsgalt.at(i), i, base)) {
        if (state.vizsgalt.at(i) == QLatin1Char('.'))
            ++state.pontdb;
        ++i;
    }
    state.hibas = i < n - 1;
}

}  // namespace core::inputcheck
