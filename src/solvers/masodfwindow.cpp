#include "solvers/masodfwindow.h"

#include "shared/handcursor.h"
#include "shared/messages.h"
#include "shared/numberscan.h"
#include "shared/numbertext.h"
#include "shared/texts.h"
#include "shared/twips.h"
#include "solvers/quadratic.h"
#include "solvers/signlabel.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using namespace texts;

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
    for (int i = 0; i < 2; ++i) {
        Label3[i] = makeLabel(Frame2, i == 0 ? QStringLiteral("x1 =") : QStringLiteral("x2 ="),
                              QStringLiteral("Label3_%1").arg(i), twips::rect(240 + 1800 * i, 360, 375, 255));
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

void MasodfWindow::warn(const QString &message) { messages::show(message, messages::Icon::Exclamation, this); }

void MasodfWindow::Label2_Click(int index) { Label2[index]->toggle(); }

void MasodfWindow::Command1_Click()
{
    if (Command1->text() == kAgain) {
        torol();
        return;
    }
    hv1();
    if (hibajel == 1) {
        warn(kAllCoefficients);
        torol();
        return;
    }
    hv2();
    if (hibajel == 1) {
        warn(kOnlyDigits);
        torol();
        return;
    }
    hv3();
    if (hibajel == 0 && Command1->text() == kCompute) {
        Text4[0]->setText(numbertext::displayForm(x1));
        Text4[1]->setText(numbertext::displayForm(x2));
        Command1->setText(kAgain);
    } else if (Text4[0]->text().isEmpty()) {
        // After a message: start again. The linear case has its root shown.
        torol();
    }
}

void MasodfWindow::hv1()
{
    hibajel = 0;
    for (const QLineEdit *field : Text1) {
        if (field->text().isEmpty())
            hibajel = 1;
    }
}

void MasodfWindow::hv2()
{
    // Digits only: no blank, sign or point anywhere.
    numberscan::Options digitsOnly;
    digitsOnly.sign = digitsOnly.point = digitsOnly.skipBlanks = false;
    hibajel = 0;
    for (int i = 0; i <= 2 && hibajel == 0; ++i) {
        const QString text = Text1[i]->text();
        hibajel = numberscan::scan(text, digitsOnly).end < text.size() ? 1 : 0;
    }
}

void MasodfWindow::hv3()
{
    a = numbertext::val(Text1[0]->text());
    b = numbertext::val(Text1[1]->text());
    c = numbertext::val(Text1[2]->text());
    if (Label2[0]->isMinus())
        a *= -1;
    if (Label2[1]->isMinus())
        b *= -1;
    if (Label2[2]->isMinus())
        c *= -1;

    const quadratic::Solution solution = quadratic::solve(a, b, c);
    x1 = solution.x1;
    x2 = solution.x2;
    hibajel = 1;
    switch (solution.kind) {
    case quadratic::Kind::TwoRoots:
        hibajel = 0;  // Command1_Click shows them
        break;
    case quadratic::Kind::Linear:
        hibajel = 0;
        Command1->setText(kAgain);
        Text4[0]->setText(numbertext::displayForm(x1));
        Text4[1]->setText(QString());
        break;
    case quadratic::Kind::NoRealRoot:
        warn(kNoRealRoot);
        Command1->setText(kAgain);
        break;
    case quadratic::Kind::NoSolution: warn(kNoSolution); break;
    case quadratic::Kind::EveryNumber: warn(kEveryNumber); break;
    case quadratic::Kind::CoefficientOutOfRange: warn(kCoefficientTooLarge); break;
    case quadratic::Kind::RootOutOfRange: warn(kResultTooLarge); break;
    }
}

void MasodfWindow::torol()
{
    for (QLineEdit *field : Text1)
        field->setText(QString());
    for (QLineEdit *field : Text4)
        field->setText(QString());
    Command1->setText(kCompute);
    for (SignLabel *label : Label2)
        label->setText(QStringLiteral("+"));
}
