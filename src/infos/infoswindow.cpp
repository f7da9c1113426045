#include "infos/infoswindow.h"

#include "core/radix.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
using core::Key;
using keypad::square;
constexpr Key digit(int value) { return core::digitKey(value); }

const keypad::Key kKeys[] = {
    // Row by row, left to right.
    {digit(7), "Command2", 7, "7", "Ctrl+7", square(1080, 1800)},
    {digit(8), "Command2", 8, "8", "Ctrl+8", square(1560, 1800)},
    {digit(9), "Command2", 9, "9", "Ctrl+9", square(2040, 1800)},
    {Key::Add, "Command5", 0, "+", "F5", square(5520, 1800), "Összeadás"},
    {Key::Clear, "Command6", -1, "C", "Esc", {6120, 1800, 375, 1335}, "Törlés"},
    {Key::MemoryStore, "Command1", 0, "M+", "Ctrl+P", square(240, 2280), "Elhelyezi a memóriában"},
    {digit(4), "Command2", 4, "4", "Ctrl+4", square(1080, 2280)},
    {digit(5), "Command2", 5, "5", "Ctrl+5", square(1560, 2280)},
    {digit(6), "Command2", 6, "6", "Ctrl+6", square(2040, 2280)},
    {digit(13), "Command2", 13, "D", "Ctrl+Shift+D", square(2520, 2280), "13"},
    {digit(14), "Command2", 14, "E", "Ctrl+Shift+E", square(3000, 2280), "14"},
    {digit(15), "Command2", 15, "F", "Ctrl+Shift+F", square(3480, 2280), "15"},
    {Key::Subtract, "Command5", 1, "-", "F6", square(5520, 2280), "Kivonás"},
    {Key::MemoryRecall, "Command1", 1, "MR", "Ctrl+R", square(240, 2760), "Kiolvassa a memória tartalmát"},
    {digit(1), "Command2", 1, "1", "Ctrl+1", square(1080, 2760)},
    {digit(2), "Command2", 2, "2", "Ctrl+2", square(1560, 2760)},
    {digit(3), "Command2", 3, "3", "Ctrl+3", square(2040, 2760)},
    {digit(10), "Command2", 10, "A", "Ctrl+Shift+A", square(2520, 2760), "10"},
    {digit(11), "Command2", 11, "B", "Ctrl+Shift+B", square(3000, 2760), "11"},
    {digit(12), "Command2", 12, "C", "Ctrl+Shift+C", square(3480, 2760), "12"},
    {Key::Multiply, "Command5", 2, "*", "F7", square(5520, 2760), "Szorzás"},
    {Key::MemoryClear, "Command1", 2, "MC", "Ctrl+L", square(240, 3240), "Törli a memóriát"},
    {digit(0), "Command2", 0, "0", "Ctrl+0", square(1080, 3240)},
    {Key::Sign, "Command3", -1, "+/-", "F9", square(1560, 3240)},
    {Key::Point, "Command4", -1, ",", "Ctrl+.", square(2040, 3240)},
    {Key::Divide, "Command5", 3, "/", "F8", square(5520, 3240), "Osztás"},
    {Key::Equals, "Command7", -1, "=", "Ctrl+Return", square(6120, 3240)},
};

// Lines at both sides of the keypad and down the gaps between its groups.
constexpr std::array<int, 5> kLineLefts{120, 847, 4687, 6007, 6615};
constexpr std::array<int, 10> kOptionLefts{120, 720, 1320, 1920, 2520, 3120, 3720, 4320, 4920, 5640};
// Read out as the base it chooses, with the suffix Hungarian gives each number.
constexpr std::array<const char *, 10> kOptionNames{
    "2-es számrendszer", "3-as számrendszer", "4-es számrendszer", "5-ös számrendszer",  "6-os számrendszer",
    "7-es számrendszer", "8-as számrendszer", "9-es számrendszer", "10-es számrendszer", "16-os számrendszer"};
}  // namespace

InfosWindow::InfosWindow(core::Module1 &state) : CalculatorWindow(std::make_unique<core::InfosRules>(state), 6735, 3855)
{
    setObjectName(QStringLiteral("infos"));
    setWindowTitle(QStringLiteral("Zorvexa - INFORMATIKAI"));
    Label1 = new QLabel(QStringLiteral("A számrendszer alapszáma:"), client());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips::rect(2160, 120, 2415, 255));
    addBaseOptions();
    addDisplay({240, 1200, 6255, 375});
    addIndicator(square(240, 1800));
    addKeys(kKeys, int(std::size(kKeys)));
    addLines(kLineLefts, 1800);
    Text1->setFocus();
    apply();
}

void InfosWindow::addBaseOptions()
{
    Frame1 = new QGroupBox(client());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(240, 360, 6255, 615));
    Frame1->setAccessibleName(Label1->text());
    for (int i = 0; i < core::radix::kOptionCount; ++i) {
        Option1[size_t(i)] = new QRadioButton(QString::number(core::radix::baseOf(i)), Frame1);
        Option1[size_t(i)]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1[size_t(i)]->setGeometry(twips::rect(kOptionLefts[size_t(i)], 240, 495, 255));
        Option1[size_t(i)]->setAccessibleName(QString::fromUtf8(kOptionNames[size_t(i)]));
    }
    // Base ten is the design state; selecting it raises no click.
    Option1[core::radix::kBaseTenOption]->setChecked(true);
    for (int i = 0; i < core::radix::kOptionCount; ++i)
        connect(Option1[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on && !applying())
                Option1_Click(i);
        });
}

void InfosWindow::Option1_Click(int index)
{
    infos().chooseBase(index);
    apply();
}

void InfosWindow::applyOwn(const core::Panel &panel)
{
    for (int i = 0; i < core::radix::kOptionCount; ++i) {
        QRadioButton *option = Option1[size_t(i)];
        if (i == panel.baseOption && !option->isChecked())
            option->setChecked(true);
        option->setEnabled(panel.baseOptionsEnabled);
        // One Tab stop, the chosen base, as in every radio group; the arrow
        // keys then choose the next base.
        option->setFocusPolicy(i == panel.baseOption ? Qt::StrongFocus : Qt::ClickFocus);
    }
}
