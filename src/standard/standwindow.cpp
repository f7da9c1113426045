#include "standard/standwindow.h"

#include "shared/centring.h"
#include "shared/colors.h"
#include "shared/displayfield.h"
#include "shared/module1.h"

#include <QLineEdit>

namespace {
using keypad::square;
using W = StandWindow;

const keypad::Key<W> kKeys[] = {
    // Row by row, left to right.
    {"Command2", 7, "7", "Ctrl+7", square(1080, 1320), &W::Command2_Click},
    {"Command2", 8, "8", "Ctrl+8", square(1560, 1320), &W::Command2_Click},
    {"Command2", 9, "9", "Ctrl+9", square(2040, 1320), &W::Command2_Click},
    {"Command5", 0, "+", "F5", square(2760, 1320), &W::Command5_Click, "Összeadás"},
    {"Command6", -1, "C", "Esc", {3360, 1320, 375, 1335}, &W::Command6_Click, "Törlés"},
    {"Command1", 0, "M+", "Ctrl+P", square(240, 1800), &W::Command1_Click, "Elhelyezi a memóriában"},
    {"Command2", 4, "4", "Ctrl+4", square(1080, 1800), &W::Command2_Click},
    {"Command2", 5, "5", "Ctrl+5", square(1560, 1800), &W::Command2_Click},
    {"Command2", 6, "6", "Ctrl+6", square(2040, 1800), &W::Command2_Click},
    {"Command5", 1, "-", "F6", square(2760, 1800), &W::Command5_Click, "Kivonás"},
    {"Command1", 1, "MR", "Ctrl+R", square(240, 2280), &W::Command1_Click, "Kiolvassa a memória tartalmát"},
    {"Command2", 1, "1", "Ctrl+1", square(1080, 2280), &W::Command2_Click},
    {"Command2", 2, "2", "Ctrl+2", square(1560, 2280), &W::Command2_Click},
    {"Command2", 3, "3", "Ctrl+3", square(2040, 2280), &W::Command2_Click},
    {"Command5", 2, "*", "F7", square(2760, 2280), &W::Command5_Click, "Szorzás"},
    {"Command1", 2, "MC", "Ctrl+L", square(240, 2760), &W::Command1_Click, "Törli a memóriát"},
    {"Command2", 0, "0", "Ctrl+0", square(1080, 2760), &W::Command2_Click},
    {"Command3", -1, "+/-", "F9", square(1560, 2760), &W::Command3_Click},
    {"Command4", -1, ",", "Ctrl+.", square(2040, 2760), &W::Command4_Click},
    {"Command5", 3, "/", "F8", square(2760, 2760), &W::Command5_Click, "Osztás"},
    {"Command7", -1, "=", "Ctrl+Return", square(3360, 2760), &W::Command7_Click},
};
constexpr int kTapeLength = 32;
// Lines at both sides of the keypad and down the gaps between its groups.
constexpr std::array<int, 5> kLineLefts{120, 847, 2587, 3247, 3855};
}  // namespace

StandWindow::StandWindow(Module1 &state) : CalculatorWindow(state, 3975, 3375, kTapeLength)
{
    setObjectName(QStringLiteral("stand"));
    setWindowTitle(QStringLiteral("Zorvexa - EGYSZERŰ"));
    Label1 = addTape("Label1", {240, 120, 3495, 375});
    addDisplay({240, 600, 3495, 375}, displayfield::kMaxEntry, true);
    addIndicator(square(240, 1320));
    addKeys(kKeys, int(std::size(kKeys)));
    addLines(kLineLefts, 1320);
    for (QPushButton *key : Command1)
        colors::setBackground(key, colors::kAppWorkspace);
    Text1->setFocus();
    Form_Load();
}

void StandWindow::Form_Load()
{
    m.valto = true;
    m.hibas = false;
}

void StandWindow::Form_Activate()
{
    m.muvelet.clear();
    Text1->setFocus();
    m.valto = true;
    centreOnScreen(this);
}

void StandWindow::refuse(Refusal refusal, double x)
{
    CalculatorWindow::refuse(refusal, x);
    Text1->setText(QString());
}

void StandWindow::Form_DblClick()
{
    szines = !szines;
    colors::setBackground(client(), szines ? colors::kGreen : colors::kButtonFace);
    for (QPushButton *key : Command2)
        colors::setBackground(key, szines ? colors::kRed : colors::kButtonFace);
    for (QPushButton *key : Command5)
        colors::setBackground(key, szines ? colors::kYellow : colors::kButtonFace);
}

void StandWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    CalculatorWindow::mouseDoubleClickEvent(event);
    Form_DblClick();
}
