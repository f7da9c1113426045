#include "scientific/extendwindow.h"

#include "scientific/keypictures.h"
#include "shared/centring.h"
#include "shared/colors.h"
#include "shared/displayfield.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "shared/windowparts.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The function keys: caption (empty for the two picture keys), left, top, width.
struct FunctionKey {
    const char *caption;
    int left, top, width;
};
const std::array<FunctionKey, 13> kFunctionKeys{{
    {"", 3720, 1320, 375},        // 0 power
    {"", 3720, 1800, 375},        // 1 root
    {"n !", 3720, 2280, 375},     // 2
    {"1/x", 3720, 2760, 375},     // 3
    {"Lnko", 4800, 1320, 615},    // 4
    {"Lkkt", 4800, 1800, 615},    // 5
    {"lg x", 4800, 2280, 615},    // 6
    {"ln x", 4800, 2760, 615},    // 7
    {"sin x", 5520, 1320, 615},   // 8
    {"cos x", 5520, 1800, 615},   // 9
    {"tg x", 5520, 2280, 615},    // 10
    {"%", 4200, 1320, 375},       // 11
    {"ctg x", 5520, 2760, 615},   // 12
}};

// The lines run down the middle of the gaps between the key groups.
constexpr std::array<int, 5> kLineLefts{727, 1567, 3127, 4687, 6247};

}  // namespace

ExtendWindow::ExtendWindow(Module1 &state, QWidget *parent) : QMainWindow(parent), m(state)
{
    setObjectName(QStringLiteral("extend"));
    setWindowTitle(QStringLiteral("Zorvexa - BŐVÍTETT"));
    buildControls();
    Form_Load();
}

void ExtendWindow::buildControls()
{
    QWidget *client = windowparts::makeClientArea(this, twips::size(6975, 3375));

    Label3 = new QLabel(client);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twips::rect(240, 120, 6495, 375));
    setTapeNormal();

    Text1 = windowparts::makeDisplay(client, twips::rect(240, 600, 6495, 375), displayfield::kMaxEntry, [this] { Text1_Change(); },
                                     [this](int code) { Text1_KeyDown(code); });

    Label2 = new QLabel(client);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twips::rect(240, 1320, 375, 375));
    Label2->setAlignment(Qt::AlignCenter);

    const QStringList memoryCaptions{QStringLiteral("M+"), QStringLiteral("MR"), QStringLiteral("MC")};
    for (int i = 0; i < 3; ++i) {
        Command1[i] = windowparts::makeKey(client, memoryCaptions[i], QStringLiteral("Command1_%1").arg(i),
                              twips::rect(240, 1800 + 480 * i, 375, 375));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    Command10 = windowparts::makeKey(client, QStringLiteral("Inv"), QStringLiteral("Command10"), twips::rect(840, 1320, 615, 375));
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    Command11 = windowparts::makeKey(client, QStringLiteral("x1,x2"), QStringLiteral("Command11"), twips::rect(840, 1800, 615, 375));
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    Command12 = windowparts::makeKey(client, QStringLiteral("x,y,z"), QStringLiteral("Command12"), twips::rect(840, 2280, 615, 375));
    connect(Command12, &QPushButton::clicked, this, [this] { Command12_Click(); });

    // Digits 1-9 in three rows from 7 8 9 at the top; 0 below the 1.
    for (int digit = 0; digit < 10; ++digit) {
        const int column = digit == 0 ? 0 : (digit - 1) % 3;
        const int row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
        Command2[digit] = windowparts::makeKey(client, QString::number(digit), QStringLiteral("Command2_%1").arg(digit),
                                  twips::rect(1680 + 480 * column, 1320 + 480 * row, 375, 375));
        connect(Command2[digit], &QPushButton::clicked, this, [this, digit] { Command2_Click(digit); });
    }
    Command3 = windowparts::makeKey(client, QStringLiteral("+/-"), QStringLiteral("Command3"), twips::rect(2160, 2760, 375, 375));
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    Command4 = windowparts::makeKey(client, QStringLiteral(","), QStringLiteral("Command4"), twips::rect(2640, 2760, 375, 375));
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

    const QStringList signs{QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/")};
    for (int i = 0; i < 4; ++i) {
        Command5[i] = windowparts::makeKey(client, signs[i], QStringLiteral("Command5_%1").arg(i),
                              twips::rect(3240, 1320 + 480 * i, 375, 375));
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
    }

    for (int i = 0; i < int(kFunctionKeys.size()); ++i) {
        const FunctionKey &key = kFunctionKeys[size_t(i)];
        Command8[i] = windowparts::makeKey(client, QString::fromUtf8(key.caption), QStringLiteral("Command8_%1").arg(i),
                              twips::rect(key.left, key.top, key.width, 375));
        connect(Command8[i], &QPushButton::clicked, this, [this, i] { Command8_Click(i); });
    }
    // The two keys without a caption show a picture and need a spoken name.
    Command8[0]->setIcon(keypictures::power(Command8[0]));
    Command8[0]->setAccessibleName(QStringLiteral("Hatványozás"));
    Command8[1]->setIcon(keypictures::root(Command8[1]));
    Command8[1]->setAccessibleName(QStringLiteral("Gyökvonás"));
    for (int i : {0, 1})
        Command8[i]->setIconSize(keypictures::size());

    const QStringList constants{QStringLiteral("Pi"), QStringLiteral("e")};
    for (int i = 0; i < 2; ++i) {
        Command9[i] = windowparts::makeKey(client, constants[i], QStringLiteral("Command9_%1").arg(i),
                              twips::rect(4200, 1800 + 480 * i, 375, 375));
        connect(Command9[i], &QPushButton::clicked, this, [this, i] { Command9_Click(i); });
    }

    Command6 = windowparts::makeKey(client, QStringLiteral("C"), QStringLiteral("Command6"), twips::rect(6360, 1320, 375, 1335));
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    Command7 = windowparts::makeKey(client, QStringLiteral("="), QStringLiteral("Command7"), twips::rect(6360, 2760, 375, 375));
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });

    for (int i = 0; i < int(Line.size()); ++i) {
        Line[size_t(i)] = new QFrame(client);
        Line[size_t(i)]->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        Line[size_t(i)]->setFrameShape(QFrame::VLine);
        Line[size_t(i)]->setFrameShadow(QFrame::Sunken);
        const QRect span = twips::rect(kLineLefts[size_t(i)], 1320, 0, 1815);
        Line[size_t(i)]->setGeometry(span.x() - 1, span.y(), 3, span.height());
    }

    Text1->setFocus();
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

void ExtendWindow::Form_GotFocus()
{
    m.valto = true;
}

void ExtendWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void ExtendWindow::focusInEvent(QFocusEvent *event)
{
    QMainWindow::focusInEvent(event);
    Form_GotFocus();
}
