#include "extend/extendwindow.h"

#include "extend/keypictures.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "ui/colors.h"

#include <QLineEdit>

namespace {
using core::Key;
using keypad::square;
constexpr Key digit(int value) { return core::digitKey(value); }
constexpr keypad::Place wide(int left, int top) { return {left, top, 615, 375}; }

const keypad::Key kKeys[] = {
    // Row by row, left to right.
    {Key::Inverse, "Command10", -1, "Inv", "Ctrl+I", wide(840, 1320), "INVERZ: a művelet ellentéte"},
    {digit(7), "Command2", 7, "7", "Ctrl+7", square(1680, 1320)},
    {digit(8), "Command2", 8, "8", "Ctrl+8", square(2160, 1320)},
    {digit(9), "Command2", 9, "9", "Ctrl+9", square(2640, 1320)},
    {Key::Add, "Command5", 0, "+", "F5", square(3240, 1320), "Összeadás"},
    {Key::Power, "Command8", 0, "", "Ctrl+Shift+Y", square(3720, 1320), "Hatványozás: x az n-ediken"},
    {Key::Percent, "Command8", 11, "%", "Ctrl+Shift+B", square(4200, 1320), "Százalékszámítás: a (alap) b %-a"},
    {Key::Gcd, "Command8", 4, "Lnko", "Ctrl+Shift+O", wide(4800, 1320), "Legnagyobb közös osztó"},
    {Key::Sin, "Command8", 8, "sin x", "Ctrl+Shift+S", wide(5520, 1320)},
    {Key::Clear, "Command6", -1, "C", "Esc", {6360, 1320, 375, 1335}, "Törlés"},
    {Key::MemoryStore, "Command1", 0, "M+", "Ctrl+P", square(240, 1800), "Elhelyezi a memóriában"},
    {Key::Quadratic, "Command11", -1, "x1,x2", "Ctrl+Shift+Q", wide(840, 1800), "Másodfokú egyenlet-megoldás"},
    {digit(4), "Command2", 4, "4", "Ctrl+4", square(1680, 1800)},
    {digit(5), "Command2", 5, "5", "Ctrl+5", square(2160, 1800)},
    {digit(6), "Command2", 6, "6", "Ctrl+6", square(2640, 1800)},
    {Key::Subtract, "Command5", 1, "-", "F6", square(3240, 1800), "Kivonás"},
    {Key::Root, "Command8", 1, "", "Ctrl+Shift+G", square(3720, 1800), "Gyökvonás: n-edik gyök x"},
    {Key::Pi, "Command9", 0, "Pi", "Ctrl+Shift+P", square(4200, 1800), "Pi-konstans"},
    {Key::Lcm, "Command8", 5, "Lkkt", "Ctrl+Shift+M", wide(4800, 1800), "Legkisebb közös többszörös"},
    {Key::Cos, "Command8", 9, "cos x", "Ctrl+Shift+C", wide(5520, 1800)},
    {Key::MemoryRecall, "Command1", 1, "MR", "Ctrl+R", square(240, 2280), "Kiolvassa a memória tartalmát"},
    {Key::Linear, "Command12", -1, "x,y,z", "Ctrl+Shift+X", wide(840, 2280),
     "Kétismeretlenes egyenletrendszer-megoldás"},
    {digit(1), "Command2", 1, "1", "Ctrl+1", square(1680, 2280)},
    {digit(2), "Command2", 2, "2", "Ctrl+2", square(2160, 2280)},
    {digit(3), "Command2", 3, "3", "Ctrl+3", square(2640, 2280)},
    {Key::Multiply, "Command5", 2, "*", "F7", square(3240, 2280), "Szorzás"},
    {Key::Factorial, "Command8", 2, "n !", "Ctrl+Shift+F", square(3720, 2280), "n faktoriálisa"},
    {Key::E, "Command9", 1, "e", "Ctrl+Shift+E", square(4200, 2280), "e-konstans"},
    {Key::Lg, "Command8", 6, "lg x", "Ctrl+Shift+L", wide(4800, 2280), "Tizes alapú logaritmus"},
    {Key::Tg, "Command8", 10, "tg x", "Ctrl+Shift+T", wide(5520, 2280)},
    {Key::MemoryClear, "Command1", 2, "MC", "Ctrl+L", square(240, 2760), "Törli a memóriát"},
    {digit(0), "Command2", 0, "0", "Ctrl+0", square(1680, 2760)},
    {Key::Sign, "Command3", -1, "+/-", "F9", square(2160, 2760)},
    {Key::Point, "Command4", -1, ",", "Ctrl+.", square(2640, 2760)},
    {Key::Divide, "Command5", 3, "/", "F8", square(3240, 2760), "Osztás"},
    {Key::Reciprocal, "Command8", 3, "1/x", "Ctrl+Shift+R", square(3720, 2760), "x reciproka"},
    {Key::Ln, "Command8", 7, "ln x", "Ctrl+Shift+N", wide(4800, 2760), "Természetes (e) alapú logaritmus"},
    {Key::Ctg, "Command8", 12, "ctg x", "Ctrl+Shift+K", wide(5520, 2760)},
    {Key::Equals, "Command7", -1, "=", "Ctrl+Return", square(6360, 2760)},
};

// The lines run down the middle of the gaps between the key groups.
constexpr std::array<int, 5> kLineLefts{727, 1567, 3127, 4687, 6247};

constexpr unsigned kInverseColour = 0xF09C38;
}  // namespace

ExtendWindow::ExtendWindow(core::Module1 &state)
    : CalculatorWindow(std::make_unique<core::ExtendRules>(state), 6975, 3375), m(state)
{
    setObjectName(QStringLiteral("extend"));
    setWindowTitle(QStringLiteral("Zorvexa - BŐVÍTETT"));
    Label3 = addTape("Label3", {240, 120, 6495, 375});
    addDisplay({240, 600, 6495, 375});
    addIndicator(square(240, 1320));
    addKeys(kKeys, int(std::size(kKeys)));
    for (int i = 0; i < int(Command8.size()); ++i)
        Command8[size_t(i)] = button(core::functionKey(i));
    Command9 = {button(Key::Pi), button(Key::E)};
    Command10 = button(Key::Inverse);
    Command11 = button(Key::Quadratic);
    Command12 = button(Key::Linear);
    // The two keys without a caption show a picture (their spoken names come with every key's).
    Command8[0]->setIcon(keypictures::power(Command8[0]));
    Command8[1]->setIcon(keypictures::root(Command8[1]));
    // Inv is a switch: checked while lit, so its state is told as well as coloured.
    Command10->setCheckable(true);
    for (int i : {0, 1})
        Command8[size_t(i)]->setIconSize(keypictures::size());

    addLines(kLineLefts, 1320);
    Text1->setFocus();
    apply();
}

void ExtendWindow::keyClicked(core::Key key)
{
    if (key == Key::Quadratic)
        Command11_Click();
    else if (key == Key::Linear)
        Command12_Click();
    else
        CalculatorWindow::keyClicked(key);
}

void ExtendWindow::applyOwn(const core::Panel &panel)
{
    // A click toggles the key by itself; the rules say whether it stays on.
    Command10->setChecked(panel.inverseLit);
    if (shownInverse_ == panel.inverseLit)
        return;
    shownInverse_ = panel.inverseLit;
    colors::setBackground(Command10, panel.inverseLit ? kInverseColour : colors::kButtonFace);
}

// No platform hands activation back after a modal dialog; taking it here
// is the return to this window from another of ours.
void ExtendWindow::Command11_Click()
{
    MasodfWindow w(this);
    w.exec();
    activateWindow();
}

void ExtendWindow::Command12_Click()
{
    LinearWindow w(m, this);
    w.exec();
    activateWindow();
}
