#include "informatics/infoswindow.h"

#include "shared/centring.h"
#include "shared/displayfield.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "shared/windowparts.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int kKey = 375;  // every key is 375 x 375 twips unless stated

// Left and top of each digit key, by index.
constexpr std::array<std::array<int, 2>, 16> kDigitPlaces{{
    {1080, 3240},                              // 0
    {1080, 2760}, {1560, 2760}, {2040, 2760},  // 1 2 3
    {1080, 2280}, {1560, 2280}, {2040, 2280},  // 4 5 6
    {1080, 1800}, {1560, 1800}, {2040, 1800},  // 7 8 9
    {2520, 2760}, {3000, 2760}, {3480, 2760},  // A B C
    {2520, 2280}, {3000, 2280}, {3480, 2280},  // D E F
}};
constexpr std::array<int, 10> kOptionLefts{120, 720, 1320, 1920, 2520, 3120, 3720, 4320, 4920, 5640};
}  // namespace

InfosWindow::InfosWindow(Module1 &state, QWidget *parent) : QMainWindow(parent), m(state)
{
    setObjectName(QStringLiteral("infos"));
    setWindowTitle(QStringLiteral("Zorvexa - INFORMATIKAI"));
    buildControls();
    Form_Load();
}

void InfosWindow::buildControls()
{
    QWidget *client = windowparts::makeClientArea(this, twips::size(6735, 3855));

    Label1 = new QLabel(QStringLiteral("A számrendszer alapszáma:"), client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips::rect(2160, 120, 2415, 255));

    Frame1 = new QGroupBox(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(240, 360, 6255, 615));
    Frame1->setAccessibleName(Label1->text());
    const QStringList bases{"2", "3", "4", "5", "6", "7", "8", "9", "10", "16"};
    for (int i = 0; i < radix::kOptionCount; ++i) {
        Option1[i] = new QRadioButton(bases[i], Frame1);
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

    Text1 = windowparts::makeDisplay(client, twips::rect(240, 1200, 6255, kKey), kMaxEntry, [this] { Text1_Change(); }, nullptr);

    Label2 = new QLabel(client);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twips::rect(240, 1800, kKey, kKey));
    Label2->setAlignment(Qt::AlignCenter);

    const QStringList memoryCaptions{QStringLiteral("M+"), QStringLiteral("MR"), QStringLiteral("MC")};
    for (int i = 0; i < 3; ++i) {
        Command1[i] = windowparts::makeKey(client, memoryCaptions[i], QStringLiteral("Command1_%1").arg(i),
                              twips::rect(240, 2280 + 480 * i, kKey, kKey));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    for (int i = 0; i < 16; ++i) {
        Command2[i] = windowparts::makeKey(client, QString::number(i, 16).toUpper(), QStringLiteral("Command2_%1").arg(i),
                              twips::rect(kDigitPlaces[i][0], kDigitPlaces[i][1], kKey, kKey));
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    }
    Command3 = windowparts::makeKey(client, QStringLiteral("+/-"), QStringLiteral("Command3"), twips::rect(1560, 3240, kKey, kKey));
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    Command4 = windowparts::makeKey(client, QStringLiteral(","), QStringLiteral("Command4"), twips::rect(2040, 3240, kKey, kKey));
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

    const QStringList signs{QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/")};
    for (int i = 0; i < 4; ++i) {
        Command5[i] = windowparts::makeKey(client, signs[i], QStringLiteral("Command5_%1").arg(i),
                              twips::rect(5520, 1800 + 480 * i, kKey, kKey));
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
    }
    Command6 = windowparts::makeKey(client, QStringLiteral("C"), QStringLiteral("Command6"), twips::rect(6120, 1800, kKey, 1335));
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    Command7 = windowparts::makeKey(client, QStringLiteral("="), QStringLiteral("Command7"), twips::rect(6120, 3240, kKey, kKey));
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });

    Text1->setFocus();
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

void InfosWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
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
    for (int i = base; i < 16; ++i)
        Command2[i]->setEnabled(false);
    for (int i = 0; i < base; ++i)
        Command2[i]->setEnabled(true);
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
