#include "informatics/infoswindow.h"

#include "shared/centring.h"
#include "shared/module1.h"
#include "shared/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
using keypad::square;
using W = InfosWindow;

const keypad::Key<W> kKeys[] = {
    // Row by row, left to right.
    {"Command2", 7, "7", "Ctrl+7", square(1080, 1800), &W::Command2_Click},
    {"Command2", 8, "8", "Ctrl+8", square(1560, 1800), &W::Command2_Click},
    {"Command2", 9, "9", "Ctrl+9", square(2040, 1800), &W::Command2_Click},
    {"Command5", 0, "+", "F5", square(5520, 1800), &W::Command5_Click, "Összeadás"},
    {"Command6", -1, "C", "Esc", {6120, 1800, 375, 1335}, &W::Command6_Click, "Törlés"},
    {"Command1", 0, "M+", "Ctrl+P", square(240, 2280), &W::Command1_Click, "Elhelyezi a memóriában"},
    {"Command2", 4, "4", "Ctrl+4", square(1080, 2280), &W::Command2_Click},
    {"Command2", 5, "5", "Ctrl+5", square(1560, 2280), &W::Command2_Click},
    {"Command2", 6, "6", "Ctrl+6", square(2040, 2280), &W::Command2_Click},
    {"Command2", 13, "D", "Ctrl+Shift+D", square(2520, 2280), &W::Command2_Click, "13"},
    {"Command2", 14, "E", "Ctrl+Shift+E", square(3000, 2280), &W::Command2_Click, "14"},
    {"Command2", 15, "F", "Ctrl+Shift+F", square(3480, 2280), &W::Command2_Click, "15"},
    {"Command5", 1, "-", "F6", square(5520, 2280), &W::Command5_Click, "Kivonás"},
    {"Command1", 1, "MR", "Ctrl+R", square(240, 2760), &W::Command1_Click, "Kiolvassa a memória tartalmát"},
    {"Command2", 1, "1", "Ctrl+1", square(1080, 2760), &W::Command2_Click},
    {"Command2", 2, "2", "Ctrl+2", square(1560, 2760), &W::Command2_Click},
    {"Command2", 3, "3", "Ctrl+3", square(2040, 2760), &W::Command2_Click},
    {"Command2", 10, "A", "Ctrl+Shift+A", square(2520, 2760), &W::Command2_Click, "10"},
    {"Command2", 11, "B", "Ctrl+Shift+B", square(3000, 2760), &W::Command2_Click, "11"},
    {"Command2", 12, "C", "Ctrl+Shift+C", square(3480, 2760), &W::Command2_Click, "12"},
    {"Command5", 2, "*", "F7", square(5520, 2760), &W::Command5_Click, "Szorzás"},
    {"Command1", 2, "MC", "Ctrl+L", square(240, 3240), &W::Command1_Click, "Törli a memóriát"},
    {"Command2", 0, "0", "Ctrl+0", square(1080, 3240), &W::Command2_Click},
    {"Command3", -1, "+/-", "F9", square(1560, 3240), &W::Command3_Click},
    {"Command4", -1, ",", "Ctrl+.", square(2040, 3240), &W::Command4_Click},
    {"Command5", 3, "/", "F8", square(5520, 3240), &W::Command5_Click, "Osztás"},
    {"Command7", -1, "=", "Ctrl+Return", square(6120, 3240), &W::Command7_Click},
};

// Lines at both sides of the keypad and down the gaps between its groups.
constexpr std::array<int, 5> kLineLefts{120, 847, 4687, 6007, 6615};
constexpr std::array<int, 10> kOptionLefts{120, 720, 1320, 1920, 2520, 3120, 3720, 4320, 4920, 5640};
}  // namespace

InfosWindow::InfosWindow(Module1 &state) : CalculatorWindow(state, 6735, 3855)
{
    setObjectName(QStringLiteral("infos"));
    setWindowTitle(QStringLiteral("Zorvexa - INFORMATIKAI"));
    Label1 = new QLabel(QStringLiteral("A számrendszer alapszáma:"), client());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips::rect(2160, 120, 2415, 255));
    addBaseOptions();
    addDisplay({240, 1200, 6255, 375}, kMaxEntry, false);
    addIndicator(square(240, 1800));
    addKeys(kKeys, int(std::size(kKeys)));
    addLines(kLineLefts, 1800);
    Text1->setFocus();
    Form_Load();
}

void InfosWindow::addBaseOptions()
{
    Frame1 = new QGroupBox(client());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(240, 360, 6255, 615));
    Frame1->setAccessibleName(Label1->text());
    for (int i = 0; i < radix::kOptionCount; ++i) {
        Option1[i] = new QRadioButton(QString::number(radix::baseOf(i)), Frame1);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1[i]->setGeometry(twips::rect(kOptionLefts[i], 240, 495, 255));
    }
    // Base ten is the design state; selecting it raises no click.
    Option1[radix::kBaseTenOption]->setChecked(true);
    for (int i = 0; i < radix::kOptionCount; ++i)
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
}

void InfosWindow::Form_Load()
{
    setDigitKeys(radix::kBaseTenOption);
    m.valto = false;
    m.muveletdb = 0;
    m.alapkod = radix::kBaseTenOption;
}

void InfosWindow::Form_Activate()
{
    m.muvelet.clear();
    centreOnScreen(this);
}

int InfosWindow::checkedOption() const
{
    for (int i = 0; i < radix::kOptionCount; ++i)
        if (Option1[i]->isChecked())
            return i;
    return radix::kBaseTenOption;
}

void InfosWindow::setDigitKeys(int optionIndex)
{
    const int base = radix::baseOf(optionIndex);
    for (int i = 0; i < int(Command2.size()); ++i)
        Command2[size_t(i)]->setEnabled(i < base);
}

void InfosWindow::setOptionsEnabled(bool enabled)
{
    for (QRadioButton *option : Option1)
        option->setEnabled(enabled);
}

// The keys a division by zero locks, apart from the digits.
void InfosWindow::setWorkingKeysEnabled(bool enabled)
{
    for (QPushButton *key : Command5)
        key->setEnabled(enabled);
    for (QPushButton *key : Command1)
        key->setEnabled(enabled);
    Command7->setEnabled(enabled);
}
