#include "standard/standwindow.h"

#include "shared/centring.h"
#include "shared/colors.h"
#include "shared/displayfield.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "shared/windowparts.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

StandWindow::StandWindow(Module1 &state, QWidget *parent) : QMainWindow(parent), m(state)
{
    setObjectName(QStringLiteral("stand"));
    setWindowTitle(QStringLiteral("Zorvexa - EGYSZERŰ"));
    buildControls();
    Form_Load();
}

void StandWindow::buildControls()
{
    QWidget *client = windowparts::makeClientArea(this, twips::size(3975, 3375));

    Label1 = new QLabel(client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips::rect(240, 120, 3495, 375));
    Label1->setAttribute(Qt::WA_NoMousePropagation);
    colors::setForeground(Label1, colors::kHighlightedText);
    colors::setBackground(Label1, colors::kInactiveTitleBar);

    Text1 = windowparts::makeDisplay(client, twips::rect(240, 600, 3495, 375), displayfield::kMaxEntry, [this] { Text1_Change(); },
                                     [this](int code) { Text1_KeyDown(code); });

    Label2 = new QLabel(client);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twips::rect(240, 1320, 375, 375));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setAttribute(Qt::WA_NoMousePropagation);

    const QStringList memoryCaptions{QStringLiteral("M+"), QStringLiteral("MR"), QStringLiteral("MC")};
    for (int i = 0; i < 3; ++i) {
        Command1[i] = windowparts::makeKey(client, memoryCaptions[i], QStringLiteral("Command1_%1").arg(i),
                              twips::rect(240, 1800 + 480 * i, 375, 375));
        colors::setBackground(Command1[i], colors::kAppWorkspace);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    // Digits 1-9 in three rows from 7 8 9 at the top; 0 below the 1.
    for (int digit = 0; digit < 10; ++digit) {
        const int column = digit == 0 ? 0 : (digit - 1) % 3;
        const int row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
        Command2[digit] = windowparts::makeKey(client, QString::number(digit), QStringLiteral("Command2_%1").arg(digit),
                                  twips::rect(1080 + 480 * column, 1320 + 480 * row, 375, 375));
        connect(Command2[digit], &QPushButton::clicked, this, [this, digit] { Command2_Click(digit); });
    }
    Command3 = windowparts::makeKey(client, QStringLiteral("+/-"), QStringLiteral("Command3"), twips::rect(1560, 2760, 375, 375));
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    Command4 = windowparts::makeKey(client, QStringLiteral(","), QStringLiteral("Command4"), twips::rect(2040, 2760, 375, 375));
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

    const QStringList signs{QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/")};
    for (int i = 0; i < 4; ++i) {
        Command5[i] = windowparts::makeKey(client, signs[i], QStringLiteral("Command5_%1").arg(i),
                              twips::rect(2760, 1320 + 480 * i, 375, 375));
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
    }
    Command6 = windowparts::makeKey(client, QStringLiteral("C"), QStringLiteral("Command6"), twips::rect(3360, 1320, 375, 1335));
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    Command7 = windowparts::makeKey(client, QStringLiteral("="), QStringLiteral("Command7"), twips::rect(3360, 2760, 375, 375));
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });

    Text1->setFocus();
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

void StandWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}
