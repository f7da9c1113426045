#include "shell/optionsdialog.h"

#include "ui/centring.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>

OptionsDialog::OptionsDialog() : WithFormActivate(nullptr)
{
    setObjectName(QStringLiteral("options"));
    setWindowTitle(QStringLiteral("Beállítások"));
    setAttribute(Qt::WA_DeleteOnClose);
    twips::keepFont(this);
    setFixedSize(twips::size(4485, 2550));

    Frame1 = new QGroupBox(QStringLiteral("Válassza ki az igényelt opciókat!"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(92, 240, 4300, 1575));
    Check1 = new QCheckBox(QStringLiteral("Tippek megjelenítése"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twips::rect(240, 360, 1815, 255));
    Check2 = new QCheckBox(QStringLiteral("Hang effektek"), Frame1);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(twips::rect(240, 840, 1935, 255));
    // Wider where the caption needs it: the frame has room to the right.
    for (QCheckBox *box : {Check1, Check2})
        box->resize(qMax(box->width(), box->sizeHint().width()), box->height());
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips::rect(3240, 2040, 1095, 375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &OptionsDialog::Command1_Click);
}

void OptionsDialog::Form_Activate() { centreOnScreen(this); }

void OptionsDialog::Command1_Click()
{
    hide();
    emit tipsChosen(Check1->isChecked());
}
