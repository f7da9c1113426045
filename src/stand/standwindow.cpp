#include "stand/standwindow.h"

#include "ui/colors.h"

#include <QLineEdit>

namespace {
using core::Key;
using keypad::square;
constexpr Key digit(int value) { return core::digitKey(value); }

const keypad::Key kKeys[] = {
    // Row by row, left to right.
    {digit(7), "Command2", 7, "7", "Ctrl+7", square(1080, 1320)},
    {digit(8), "Command2", 8, "8", "Ctrl+8", square(1560, 1320)},
    {digit(9), "Command2", 9, "9", "Ctrl+9", square(2040, 1320)},
    {Key::Add, "Command5", 0, "+", "F5", square(2760, 1320), "Összeadás"},
    {Key::Clear, "Command6", -1, "C", "Esc", {3360, 1320, 375, 1335}, "Törlés"},
    {Key::MemoryStore, "Command1", 0, "M+", "Ctrl+P", square(240, 1800), "Elhelyezi a memóriában"},
    {digit(4), "Command2", 4, "4", "Ctrl+4", square(1080, 1800)},
    {digit(5), "Command2", 5, "5", "Ctrl+5", square(1560, 1800)},
    {digit(6), "Command2", 6, "6", "Ctrl+6", square(2040, 1800)},
    {Key::Subtract, "Command5", 1, "-", "F6", square(2760, 1800), "Kivonás"},
    {Key::MemoryRecall, "Command1", 1, "MR", "Ctrl+R", square(240, 2280), "Kiolvassa a memória tartalmát"},
    {digit(1), "Command2", 1, "1", "Ctrl+1", square(1080, 2280)},
    {digit(2), "Command2", 2, "2", "Ctrl+2", square(1560, 2280)},
    {digit(3), "Command2", 3, "3", "Ctrl+3", square(2040, 2280)},
    {Key::Multiply, "Command5", 2, "*", "F7", square(2760, 2280), "Szorzás"},
    {Key::MemoryClear, "Command1", 2, "MC", "Ctrl+L", square(240, 2760), "Törli a memóriát"},
    {digit(0), "Command2", 0, "0", "Ctrl+0", square(1080, 2760)},
    {Key::Sign, "Command3", -1, "+/-", "F9", square(1560, 2760)},
    {Key::Point, "Command4", -1, ",", "Ctrl+.", square(2040, 2760)},
    {Key::Divide, "Command5", 3, "/", "F8", square(2760, 2760), "Osztás"},
    {Key::Equals, "Command7", -1, "=", "Ctrl+Return", square(3360, 2760)},
};
// Lines at both sides of the keypad and down the gaps between its groups.
constexpr std::array<int, 5> kLineLefts{120, 847, 2587, 3247, 3855};
}  // namespace

StandWindow::StandWindow(core::Module1 &state) : CalculatorWindow(std::make_unique<core::StandRules>(state), 3975, 3375)
{
    setObjectName(QStringLiteral("stand"));
    setWindowTitle(QStringLiteral("Zorvexa - EGYSZERŰ"));
    Label1 = addTape("Label1", {240, 120, 3495, 375});
    addDisplay({240, 600, 3495, 375});
    addIndicator(square(240, 1320));
    addKeys(kKeys, int(std::size(kKeys)));
    addLines(kLineLefts, 1320);
    for (QPushButton *key : Command1)
        colors::setBackground(key, colors::kAppWorkspace);
    Text1->setFocus();
    apply();
}

void StandWindow::Form_DblClick()
{
    stand().doubleClick();
    apply();
}

void StandWindow::applyOwn(const core::Panel &panel)
{
    if (panel.colourful == shownColourful_)
        return;
    shownColourful_ = panel.colourful;
    colors::setBackground(client(), shownColourful_ ? colors::kGreen : colors::kButtonFace);
    for (QPushButton *key : Command2)
        colors::setBackground(key, shownColourful_ ? colors::kRed : colors::kButtonFace);
    for (QPushButton *key : Command5)
        colors::setBackground(key, shownColourful_ ? colors::kYellow : colors::kButtonFace);
}

void StandWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    CalculatorWindow::mouseDoubleClickEvent(event);
    Form_DblClick();
}
