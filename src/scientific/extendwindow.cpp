#include "scientific/extendwindow.h"

#include "scientific/functions.h"
#include "shared/centring.h"
#include "shared/colors.h"
#include "shared/displayfield.h"
#include "shared/module1.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"

#include <QLineEdit>

namespace {
using keypad::square;
using W = ExtendWindow;

// The function keys (Command8) come from their own table (extendfunctions.cpp).
const keypad::Key<W> kKeys[] = {
    // Row by row, left to right.
    {"Command10", -1, "Inv", "Ctrl+I", {840, 1320, 615, 375}, &W::Command10_Click, "INVERZ: a művelet ellentéte"},
    {"Command2", 7, "7", "Ctrl+7", square(1680, 1320), &W::Command2_Click},
    {"Command2", 8, "8", "Ctrl+8", square(2160, 1320), &W::Command2_Click},
    {"Command2", 9, "9", "Ctrl+9", square(2640, 1320), &W::Command2_Click},
    {"Command5", 0, "+", "F5", square(3240, 1320), &W::Command5_Click, "Összeadás"},
    {"Command6", -1, "C", "Esc", {6360, 1320, 375, 1335}, &W::Command6_Click, "Törlés"},
    {"Command1", 0, "M+", "Ctrl+P", square(240, 1800), &W::Command1_Click, "Elhelyezi a memóriában"},
    {"Command11",
     -1,
     "x1,x2",
     "Ctrl+Shift+Q",
     {840, 1800, 615, 375},
     &W::Command11_Click,
     "Másodfokú egyenlet-megoldás"},
    {"Command2", 4, "4", "Ctrl+4", square(1680, 1800), &W::Command2_Click},
    {"Command2", 5, "5", "Ctrl+5", square(2160, 1800), &W::Command2_Click},
    {"Command2", 6, "6", "Ctrl+6", square(2640, 1800), &W::Command2_Click},
    {"Command5", 1, "-", "F6", square(3240, 1800), &W::Command5_Click, "Kivonás"},
    {"Command9", 0, "Pi", "Ctrl+Shift+P", square(4200, 1800), &W::Command9_Click, "Pi-konstans"},
    {"Command1", 1, "MR", "Ctrl+R", square(240, 2280), &W::Command1_Click, "Kiolvassa a memória tartalmát"},
    {"Command12",
     -1,
     "x,y,z",
     "Ctrl+Shift+X",
     {840, 2280, 615, 375},
     &W::Command12_Click,
     "Kétismeretlenes egyenletrendszer-megoldás"},
    {"Command2", 1, "1", "Ctrl+1", square(1680, 2280), &W::Command2_Click},
    {"Command2", 2, "2", "Ctrl+2", square(2160, 2280), &W::Command2_Click},
    {"Command2", 3, "3", "Ctrl+3", square(2640, 2280), &W::Command2_Click},
    {"Command5", 2, "*", "F7", square(3240, 2280), &W::Command5_Click, "Szorzás"},
    {"Command9", 1, "e", "Ctrl+Shift+E", square(4200, 2280), &W::Command9_Click, "e-konstans"},
    {"Command1", 2, "MC", "Ctrl+L", square(240, 2760), &W::Command1_Click, "Törli a memóriát"},
    {"Command2", 0, "0", "Ctrl+0", square(1680, 2760), &W::Command2_Click},
    {"Command3", -1, "+/-", "F9", square(2160, 2760), &W::Command3_Click},
    {"Command4", -1, ",", "Ctrl+.", square(2640, 2760), &W::Command4_Click},
    {"Command5", 3, "/", "F8", square(3240, 2760), &W::Command5_Click, "Osztás"},
    {"Command7", -1, "=", "Ctrl+Return", square(6360, 2760), &W::Command7_Click},
};
constexpr int kTapeLength = 80;

// The lines run down the middle of the gaps between the key groups.
constexpr std::array<int, 5> kLineLefts{727, 1567, 3127, 4687, 6247};

constexpr unsigned kInverseColour = 0xF09C38;
}  // namespace

ExtendWindow::ExtendWindow(Module1 &state) : CalculatorWindow(state, 6975, 3375, kTapeLength)
{
    setObjectName(QStringLiteral("extend"));
    setWindowTitle(QStringLiteral("Zorvexa - BŐVÍTETT"));
    Label3 = addTape("Label3", {240, 120, 6495, 375});
    addDisplay({240, 600, 6495, 375}, displayfield::kMaxEntry, true);
    addIndicator(square(240, 1320));
    addKeys(kKeys, int(std::size(kKeys)));
    addFunctionKeys();
    for (int i = 0; i < int(Command9.size()); ++i)
        Command9[size_t(i)] = key(QStringLiteral("Command9"), i);
    Command10 = key(QStringLiteral("Command10"));
    Command11 = key(QStringLiteral("Command11"));
    Command12 = key(QStringLiteral("Command12"));

    addLines(kLineLefts, 1320);
    Text1->setFocus();
    Form_Load();
}

void ExtendWindow::Form_Load()
{
    m.valto = true;
    m.inverz = false;
}

void ExtendWindow::Form_Activate()
{
    m.muvelet.clear();
    m.valto = true;
    centreOnScreen(this);
}

void ExtendWindow::Command2_Click(int index)
{
    CalculatorWindow::Command2_Click(index);
    setTapeNormal();
}

void ExtendWindow::Command6_Click()
{
    torles();
    Text1->setFocus();
}

void ExtendWindow::torles()
{
    clearAll();
    m.eredmeny = 0;
    colors::setBackground(Command10, colors::kButtonFace);
    m.inverz = false;
}

void ExtendWindow::Command10_Click()
{
    m.inverz = !m.inverz;
    if (m.inverz) {
        // Only the keys that have an inverse stay usable, and "C" to leave.
        setKeysEnabled(false);
        for (int i = 0; i < int(Command8.size()); ++i)
            Command8[size_t(i)]->setEnabled(hasInverse(i));
        colors::setBackground(Command10, kInverseColour);
    } else {
        torles();
    }
}

void ExtendWindow::Command9_Click(int index)
{
    // Appended to what the display holds; the input check judges the whole.
    // Past the entry limit too, but only onto a display within it: with its
    // point deleted, a long text would otherwise grow by a constant per press
    // until it no longer reads as a finite number.
    if (Text1->text().size() > displayfield::kMaxEntry)
        return;
    Text1->setText(Text1->text() +
                   (index == 0 ? QStringLiteral("3.14159265358979") : QStringLiteral("2.71828182845905")));
}

// A fresh dialog per opening, so each starts from its design state. No
// platform hands activation back after a modal dialog; taking it here runs
// Form_Activate as a return to this window should.
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
