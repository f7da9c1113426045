#include "core/linearrules.h"

#include "core/inputcheck.h"
#include "core/linearsystem.h"
#include "core/module1.h"
#include "core/numbertext.h"
#include "core/texts.h"

#include <cmath>
#include <limits>

namespace core {

using namespace texts;

QList<Message> LinearRules::takeMessages() { return std::exchange(messages_, {}); }

void LinearRules::tell(const QString &message) { messages_.append({message, false}); }

void LinearRules::toggleSign(int index)
{
    form.minus[size_t(index)] = !form.minus[size_t(index)];
    form.focus = 0;  // the keyboard stays where it is
}

bool LinearRules::typeSign(int index, const QString &typed)
{
    const std::optional<bool> minus = typedSign(typed);
    if (minus) {
        form.minus[size_t(index)] = *minus;
        form.focus = 0;  // the keyboard stays in the field
    }
    return minus.has_value();
}

void LinearRules::solve()
{
    form.focus = 0;
    hianyzik();
    ellenoriz4();
    if (form.again)
        alaphelyzet();
    else if (!m.folytat && !m.hibas)
        megold();
}

void LinearRules::hianyzik()
{
    size_t i = 1;
    while (i <= 6 && !form.fields[i].isEmpty())
        ++i;
    m.folytat = i <= 6;
    if (m.folytat) {
        tell(kMissingCoefficient);
        form.focus = int(i);
    }
}

void LinearRules::ellenoriz4()
{
    for (size_t k = 1; k <= 6; ++k) {
        inputcheck::examine(m, form.fields[k]);
        if (m.hibas) {
            tell(kDigits);
            form.again = true;
            m.hibas = false;
        }
        if (m.pontdb >= 2) {
            tell(kPoints);
            form.again = true;
            m.hibas = false;
        }
        m.pontdb = 0;
    }
}

void LinearRules::alaphelyzet()
{
    m.a1 = m.b1 = m.a2 = m.b2 = m.c1 = m.c2 = 0;
    m.det = m.detx = m.dety = 0;
    m.folytat = false;
    m.hibas = false;
    form.fields = {};
    form.minus = {};
    form.again = false;
    form.focus = 1;
    m.pontdb = 0;
}

void LinearRules::megold()
{
    std::array<exact::Number, 7> typed;
    std::array<double, 7> value{};
    for (size_t k = 1; k <= 6; ++k) {
        typed[k] = exact::read(form.fields[k].trimmed());
        if (form.minus[k])
            typed[k] = -typed[k];
        // The shared copies are doubles and stay finite; the solution comes
        // from the typed decimals, so a coefficient beyond a double still solves.
        const double v = exact::toDouble(typed[k]);
        value[k] = std::isfinite(v) ? v : std::copysign(std::numeric_limits<double>::max(), v);
    }
    const linearsystem::Solution s =
        linearsystem::solve({typed[1], typed[2], typed[5]}, {typed[3], typed[4], typed[6]});
    m.a1 = value[1];
    m.b1 = value[2];
    m.a2 = value[3];
    m.b2 = value[4];
    m.c1 = value[5];
    m.c2 = value[6];
    m.det = s.det;
    m.detx = s.detx;
    m.dety = s.dety;

    // Str without trimming: a value that is not negative keeps its blank.
    using linearsystem::Kind;
    switch (s.kind) {
    case Kind::NoUnknown:
    case Kind::Contradictory:
        // The window starts afresh after these two.
        tell(s.kind == Kind::NoUnknown ? kVeryFunny : kContradictoryEquations);
        alaphelyzet();
        break;
    case Kind::EquationContradicts: tell(kContradiction); break;
    case Kind::EquationEmpty: tell(kTwoEquationsNeeded); break;
    case Kind::OnlyY:
    case Kind::OnlyX:
    case Kind::Unique:
        form.fields[7] = s.kind == Kind::OnlyY ? QString() : numbertext::str(s.x);
        form.fields[8] = s.kind == Kind::OnlyX ? QString() : numbertext::str(s.y);
        form.again = true;
        break;
    case Kind::Dependent:
        tell(kIndependentEquationsNeeded);
        form.again = true;
        break;
    case Kind::TooLarge: tell(kResultTooLarge); break;
    case Kind::TooSmall: tell(kResultTooSmall); break;
    }
}

}  // namespace core
