#include "core/masodfrules.h"

#include "core/numberscan.h"
#include "core/numbertext.h"
#include "core/quadratic.h"
#include "core/texts.h"

namespace core {

using namespace texts;

QList<Message> MasodfRules::takeMessages() { return std::exchange(messages_, {}); }

void MasodfRules::warn(const QString &message) { messages_.append({message, true}); }

void MasodfRules::toggleSign(int index)
{
    form.minus[size_t(index)] = !form.minus[size_t(index)];
    form.focus = -1;  // the keyboard stays where it is
}

bool MasodfRules::typeSign(int index, const QString &typed)
{
    const std::optional<bool> minus = typedSign(typed);
    if (minus) {
        form.minus[size_t(index)] = *minus;
        form.focus = -1;  // the keyboard stays in the field
    }
    return minus.has_value();
}

void MasodfRules::solve()
{
    form.focus = -1;
    if (form.again) {
        torol();
        return;
    }
    hv1();
    if (hibajel == 1) {
        warn(kAllCoefficients);
        torol();
        return;
    }
    hv2();
    if (hibajel == 1) {
        warn(kOnlyDigits);
        torol();
        return;
    }
    hv3();
    if (hibajel == 0 && !form.again) {
        form.roots = {numbertext::displayForm(x1), numbertext::displayForm(x2)};
        form.again = true;
    } else if (form.roots[0].isEmpty()) {
        // After a message: start again. The linear case has its root shown.
        torol();
    }
}

void MasodfRules::hv1()
{
    hibajel = 0;
    for (const QString &text : form.coefficients)
        if (text.isEmpty())
            hibajel = 1;
}

void MasodfRules::hv2()
{
    // Digits only: no blank, sign or point anywhere.
    numberscan::Options digitsOnly;
    digitsOnly.sign = digitsOnly.point = digitsOnly.skipBlanks = false;
    hibajel = 0;
    for (size_t i = 0; i <= 2 && hibajel == 0; ++i) {
        const QString &text = form.coefficients[i];
        hibajel = numberscan::scan(text, digitsOnly).end < text.size() ? 1 : 0;
    }
}

void MasodfRules::hv3()
{
    a = exact::read(form.coefficients[0]);
    b = exact::read(form.coefficients[1]);
    c = exact::read(form.coefficients[2]);
    if (form.minus[0])
        a *= -1;
    if (form.minus[1])
        b *= -1;
    if (form.minus[2])
        c *= -1;

    const quadratic::Solution solution = quadratic::solve(a, b, c);
    x1 = solution.x1;
    x2 = solution.x2;
    hibajel = 1;
    switch (solution.kind) {
    case quadratic::Kind::TwoRoots:
        hibajel = 0;  // solve() shows them
        break;
    case quadratic::Kind::Linear:
        hibajel = 0;
        form.again = true;
        form.roots = {numbertext::displayForm(x1), QString()};
        break;
    case quadratic::Kind::NoRealRoot:
        warn(kNoRealRoot);
        form.again = true;
        break;
    case quadratic::Kind::NoSolution: warn(kNoSolution); break;
    case quadratic::Kind::EveryNumber: warn(kEveryNumber); break;
    case quadratic::Kind::RootTooLarge: warn(kResultTooLarge); break;
    case quadratic::Kind::RootTooSmall: warn(kResultTooSmall); break;
    }
}

void MasodfRules::torol()
{
    form = MasodfForm();
    form.focus = 0;  // typing starts the new equation
}

}  // namespace core
