#pragma once

#include "core/panel.h"

#include <array>

namespace core {

struct Module1;

// What the linear solver's window shows. Fields are numbered as the window's
// controls: 1 a1, 2 b1, 3 a2, 4 b2, 5 c1, 6 c2, 7 x, 8 y; element 0 is unused.
struct LinearForm {
    std::array<QString, 9> fields;
    std::array<bool, 7> minus{};  // the sign label of field 1..6 reads "-"
    bool again = false;           // the key reads "Újra": the next click clears
    int focus = 0;                // the field the key gives the focus to; 0 for none
};

// The rules of the linear solver: a1*x + b1*y = c1, a2*x + b2*y = c2. Its
// values live in the shared state (a1 .. dety, folytat, hibas, pontdb).
class LinearRules {
public:
    explicit LinearRules(Module1 &state) : m(state) {}

    LinearForm form;  // the window puts the typed coefficients in

    void solve();                // the key: check, then solve or clear
    void toggleSign(int index);  // a click on a sign label
    // A "-" or "+" typed in coefficient field `index` sets its sign instead
    // of going into the field; false when `typed` is neither.
    bool typeSign(int index, const QString &typed);
    QList<Message> takeMessages();

private:
    void tell(const QString &message);
    void hianyzik();     // every coefficient given; sets folytat
    void ellenoriz4();   // character check of the six coefficient fields
    void alaphelyzet();  // reset of the solver and the window
    void megold();       // read, solve, show

    Module1 &m;
    QList<Message> messages_;
};

}  // namespace core
