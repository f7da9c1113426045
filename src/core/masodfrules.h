#pragma once

#include "core/exact.h"
#include "core/panel.h"

#include <array>

namespace core {

// What the quadratic solver's window shows.
struct MasodfForm {
    std::array<QString, 3> coefficients;  // a, b, c as typed
    std::array<bool, 3> minus{};          // the sign label before each reads "-"
    std::array<QString, 2> roots;
    bool again = false;  // the key reads "Újra": the next click clears
    int focus = -1;      // the coefficient field the key gives the keyboard to; -1 for none
};

// The rules of the quadratic solver, a*x^2 + b*x + c = 0 with unsigned whole
// coefficients and a sign label before each. It keeps its own state and
// shares none.
class MasodfRules {
public:
    MasodfForm form;  // the window puts the typed coefficients in

    void solve();                // the key: check, compute and show, or clear
    void toggleSign(int index);  // a click on a sign label
    // A "-" or "+" typed in coefficient field `index` sets its sign instead
    // of going into the field; false when `typed` is neither.
    bool typeSign(int index, const QString &typed);
    QList<Message> takeMessages();

private:
    void warn(const QString &message);
    void hv1();    // every coefficient given
    void hv2();    // every coefficient only digits
    void hv3();    // read, solve, handle the cases without two roots
    void torol();  // clear for a new equation

    exact::Number a, b, c;
    exact::Number x1, x2;
    int hibajel = 0;  // 1: a check failed or there are no two roots to show
    QList<Message> messages_;
};

}  // namespace core
