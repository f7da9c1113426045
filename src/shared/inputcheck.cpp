#include "shared/inputcheck.h"

#include "shared/messages.h"
#include "shared/module1.h"
#include "shared/texts.h"

#include <QLineEdit>

namespace inputcheck {
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

void checkDisplay(Module1 &state, QLineEdit *field, int base)
{
    examine(state, field->text(), base);
    if (state.hibas) {
        messages::show(texts::kDigits, messages::Icon::None, field);
        field->setText(QString());
    }
    if (state.pontdb >= 2) {
        messages::show(texts::kPoints, messages::Icon::None, field);
        // Zeroed before emptying, so the re-entered check does not repeat it.
        state.pontdb = 0;
        field->setText(QString());
    }
}

}  // namespace inputcheck
