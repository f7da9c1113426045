#include "solvers/masodfwindow.h"

#include "core/texts.h"
#include "solvers/signlabel.h"
#include "ui/handcursor.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

MasodfWindow::MasodfWindow(QWidget *parent)
    : SolverWindow(parent, QStringLiteral("masodf"), QStringLiteral("Másodfokú egyenlet-megoldás"), {4080, 2490})
{
    buildControls();
    Form_Load();
}

void MasodfWindow::buildControls()
{
    addCoefficientFrame(QStringLiteral("Frame1"), {50, 50, 3975, 900});

    const std::array<int, 3> signLeft{120, 1320, 2400};
    const std::array<int, 3> fieldLeft{360, 1560, 2640};
    const std::array<QString, 3> fieldNames{QStringLiteral("a: az x négyzet együtthatója"),
                                            QStringLiteral("b: az x együtthatója"),
                                            QStringLiteral("c: a konstans tag")};
    const std::array<QString, 3> signNames{QStringLiteral("Az a előjele"), QStringLiteral("A b előjele"),
                                           QStringLiteral("A c előjele")};
    for (int i = 0; i < 3; ++i) {
        Label2[i] = new SignLabel(QStringLiteral("Label2_%1").arg(i), Frame1);
        Label2[i]->setGeometry(twips::rect(signLeft[i], 360, 255, 255));
        Label2[i]->setAccessibleDescription(signNames[i]);
        connect(Label2[i], &SignLabel::clicked, this, [this, i] { Label2_Click(i); });

        Text1[i] = new QLineEdit(Frame1);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setGeometry(twips::rect(fieldLeft[i], 360, 615, 285));
        Text1[i]->setAccessibleName(fieldNames[i]);
        takeSignKeys(Text1[i], [this, i](const QString &typed) {
            collect();
            if (!rules_.typeSign(i, typed))
                return false;
            apply();
            return true;
        });
    }
    Label1[0] =
        makeLabel(Frame1, QStringLiteral("x2"), QStringLiteral("Label1_0"), twips::rect(960, 360, 375, 255), 9.75);
    Label1[1] =
        makeLabel(Frame1, QStringLiteral("x"), QStringLiteral("Label1_1"), twips::rect(2160, 360, 255, 255), 9.75);
    Label1[2] =
        makeLabel(Frame1, QStringLiteral("= 0"), QStringLiteral("Label1_2"), twips::rect(3360, 360, 255, 255), 9.75);
    // Today's fonts run wider than the layout was drawn for; the last caption
    // of the row grows to the right, where the frame has room, so it is not cut.
    Label1[2]->resize(std::max(Label1[2]->width(), Label1[2]->sizeHint().width()), Label1[2]->height());

    addSolveKey({1440, 1080, 1215, 375});
    addResultFrame({50, 1560, 3975, 855});
    const std::array<QString, 2> resultNames{QStringLiteral("x1: az első gyök"), QStringLiteral("x2: a második gyök")};
    // "x1 =" is wider than the 375 twips drawn for it: it starts further
    // left and ends where the root's field begins.
    for (int i = 0; i < 2; ++i) {
        Label3[i] = makeLabel(Frame2, i == 0 ? QStringLiteral("x1 =") : QStringLiteral("x2 ="),
                              QStringLiteral("Label3_%1").arg(i), twips::rect(120 + 1800 * i, 360, 480, 255));
        Text4[i] = new QLineEdit(Frame2);
        Text4[i]->setObjectName(QStringLiteral("Text4_%1").arg(i));
        Text4[i]->setGeometry(twips::rect(600 + 1800 * i, 360, 1095, 285));
        Text4[i]->setAccessibleName(resultNames[i]);
        // Only the window writes the roots.
        Text4[i]->setReadOnly(true);
    }

    setTabOrder(Text1[0], Text1[1]);
    setTabOrder(Text1[1], Text1[2]);
    setTabOrder(Text1[2], Command1);
    setTabOrder(Command1, Text4[0]);
    setTabOrder(Text4[0], Text4[1]);
    Text1[0]->setFocus();
}

void MasodfWindow::Form_Load()
{
    const QCursor hand = handCursor();
    for (SignLabel *label : Label2)
        label->setCursor(hand);
}

void MasodfWindow::Label2_Click(int index)
{
    collect();
    rules_.toggleSign(index);
    apply();
}

void MasodfWindow::Command1_Click()
{
    collect();
    rules_.solve();
    apply();
}

void MasodfWindow::collect()
{
    for (size_t i = 0; i < Text1.size(); ++i)
        rules_.form.coefficients[i] = Text1[i]->text();
}

void MasodfWindow::apply()
{
    const core::MasodfForm &form = rules_.form;
    for (size_t i = 0; i < Text1.size(); ++i) {
        if (Text1[i]->text() != form.coefficients[i])
            Text1[i]->setText(form.coefficients[i]);
        Label2[i]->setMinus(form.minus[i]);
    }
    for (size_t i = 0; i < Text4.size(); ++i)
        if (Text4[i]->text() != form.roots[i])
            writeResult(Text4[i], form.roots[i]);
    Command1->setText(form.again ? core::texts::kAgain : core::texts::kCompute);
    tell(rules_.takeMessages());
    if (form.focus >= 0)
        Text1[size_t(form.focus)]->setFocus();
}
