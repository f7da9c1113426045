#include "solvers/linearwindow.h"

#include "shared/handcursor.h"
#include "shared/inputcheck.h"
#include "shared/messages.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/texts.h"
#include "shared/twips.h"
#include "solvers/linearsystem.h"
#include "solvers/signlabel.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <limits>

using namespace texts;

namespace {
// Where each coefficient field and its sign label stand in Frame1, by index.
struct CoefficientPlace {
    int left;
    int top;
    const char *name;  // for assistive technology
};
const std::array<CoefficientPlace, 7> kPlaces{{
    {0, 0, ""},
    {840, 360, "I. egyenlet: x együtthatója"},
    {1920, 360, "I. egyenlet: y együtthatója"},
    {840, 840, "II. egyenlet: x együtthatója"},
    {1920, 840, "II. egyenlet: y együtthatója"},
    {3240, 360, "I. egyenlet: jobb oldal"},
    {3240, 840, "II. egyenlet: jobb oldal"},
}};
}  // namespace

LinearWindow::LinearWindow(Module1 &state, QWidget *parent)
    : SolverWindow(parent, QStringLiteral("linear"), QStringLiteral("Egyenletrendszer-megoldás"), {4590, 3195}),
      m(state)
{
    buildControls();
    Form_Load();
}

void LinearWindow::buildControls()
{
    Label1[0] = nullptr;
    Text1[0] = nullptr;

    addCoefficientFrame(QStringLiteral("Frame1_3"), {68, 120, 4455, 1455});

    QFont bold = font();
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    QFont big = font();
    big.setPointSizeF(12);
    for (int i = 0; i < 2; ++i) {
        const int top = 360 + 480 * i;
        Label3[i] = makeLabel(Frame1, i == 0 ? QStringLiteral("I.") : QStringLiteral("II."),
                              QStringLiteral("Label3_%1").arg(i), twips::rect(240, top, 255, 255));
        Label3[i]->setFont(bold);
        Label2[i] = makeLabel(Frame1, QStringLiteral("="), QStringLiteral("Label2_%1").arg(i),
                              twips::rect(2760, top, 255, 255));
        Label2[i]->setAlignment(Qt::AlignCenter);
        Label2[i]->setFont(big);
    }

    for (int k = 1; k <= 6; ++k) {
        const CoefficientPlace &place = kPlaces[size_t(k)];
        Label1[k] = new SignLabel(QStringLiteral("Label1_%1").arg(k), Frame1);
        Label1[k]->setGeometry(twips::rect(place.left - 240, place.top, 255, 255));
        Label1[k]->setAccessibleDescription(QStringLiteral("Előjel, %1").arg(QString::fromUtf8(place.name)));
        connect(Label1[k], &SignLabel::clicked, this, [this, k] { Label1_Click(k); });

        Text1[k] = new QLineEdit(Frame1);
        Text1[k]->setObjectName(QStringLiteral("Text1_%1").arg(k));
        Text1[k]->setGeometry(twips::rect(place.left, place.top, 735, 285));
        Text1[k]->setAccessibleName(QString::fromUtf8(place.name));
    }

    addSolveKey({1800, 1680, 975, 375});
    addResultFrame({68, 2160, 4455, 975});
    for (int i = 0; i < 2; ++i) {
        Label4[i] = makeLabel(Frame2, i == 0 ? QStringLiteral("x =") : QStringLiteral("y ="),
                              QStringLiteral("Label4_%1").arg(i), twips::rect(240 + 2280 * i, 360, 375, 255));
        QLineEdit *result = new QLineEdit(Frame2);
        result->setObjectName(QStringLiteral("Text1_%1").arg(7 + i));
        result->setGeometry(twips::rect(720 + 2280 * i, 360, 1215, 285));
        result->setAccessibleName(i == 0 ? QStringLiteral("Eredmény: x") : QStringLiteral("Eredmény: y"));
        // Only the window writes the results.
        result->setReadOnly(true);
        Text1[size_t(7 + i)] = result;
    }

    for (int k = 1; k < 8; ++k)
        setTabOrder(Text1[k], Text1[k + 1]);
    setTabOrder(Text1[8], Command1);
    Text1[1]->setFocus();
}

void LinearWindow::Form_Load()
{
    const QCursor hand = handCursor();
    for (int k = 1; k <= 6; ++k)
        Label1[k]->setCursor(hand);
}

void LinearWindow::tell(const QString &message) { messages::show(message, messages::Icon::None, this); }

void LinearWindow::Label1_Click(int index) { Label1[index]->toggle(); }

void LinearWindow::Command1_Click()
{
    hianyzik();
    ellenoriz4();
    if (Command1->text() == kAgain)
        alaphelyzet();
    else if (!m.folytat && !m.hibas)
        megold();
}

void LinearWindow::hianyzik()
{
    int i = 1;
    while (i <= 6 && !Text1[i]->text().isEmpty())
        ++i;
    m.folytat = i <= 6;
    if (m.folytat) {
        tell(kMissingCoefficient);
        Text1[i]->setFocus();
    }
}

void LinearWindow::ellenoriz4()
{
    for (int k = 1; k <= 6; ++k) {
        inputcheck::examine(m, Text1[k]->text());
        if (m.hibas) {
            tell(texts::kDigits);
            Command1->setText(kAgain);
            m.hibas = false;
        }
        if (m.pontdb >= 2) {
            tell(texts::kPoints);
            Command1->setText(kAgain);
            m.hibas = false;
        }
        m.pontdb = 0;
    }
}

void LinearWindow::alaphelyzet()
{
    m.a1 = m.b1 = m.a2 = m.b2 = m.c1 = m.c2 = 0;
    m.det = m.detx = m.dety = 0;
    m.folytat = false;
    m.hibas = false;
    for (int k = 1; k <= 8; ++k)
        Text1[k]->setText(QString());
    for (int k = 1; k <= 6; ++k)
        Label1[k]->setText(QStringLiteral("+"));
    Command1->setText(kCompute);
    Text1[1]->setFocus();
    m.pontdb = 0;
}

void LinearWindow::megold()
{
    std::array<TypedDecimal, 7> typed;
    std::array<double, 7> value{};
    for (int k = 1; k <= 6; ++k) {
        const QString text = Text1[k]->text().trimmed();
        typed[k] = TypedDecimal::read(text);
        // The shared copies are doubles and stay finite; the solution comes
        // from the typed decimals, so a coefficient beyond a double still solves.
        const double v = numbertext::val(text);
        value[k] = std::isfinite(v) ? v : std::copysign(std::numeric_limits<double>::max(), v);
        if (Label1[k]->isMinus()) {
            typed[k] = typed[k].negated();
            value[k] *= -1;
        }
    }
    const linearsystem::Solution s =
        linearsystem::solve({typed[1], typed[2], typed[5]}, {typed[3], typed[4], typed[6]});
    m.a1 = value[1];
    m.b1 = value[2];
    m.a2 = value[3];
    m.b2 = value[4];
    m.c1 = value[5];
    m.c2 = value[6];
    m.det = s.det;
    m.detx = s.detx;
    m.dety = s.dety;

    using linearsystem::Kind;
    switch (s.kind) {
    case Kind::NoUnknown:
        tell(kVeryFunny);
        alaphelyzet();
        break;
    case Kind::EquationContradicts: tell(kContradiction); break;
    case Kind::EquationEmpty: tell(kTwoEquationsNeeded); break;
    case Kind::OnlyY:
        Text1[7]->setText(QString());
        Text1[8]->setText(numbertext::str(s.y));
        Command1->setText(kAgain);
        break;
    case Kind::OnlyX:
        Text1[7]->setText(numbertext::str(s.x));
        Text1[8]->setText(QString());
        Command1->setText(kAgain);
        break;
    case Kind::Unique:
        // Str without trimming: a value that is not negative keeps its blank.
        Text1[7]->setText(numbertext::str(s.x));
        Text1[8]->setText(numbertext::str(s.y));
        Command1->setText(kAgain);
        break;
    case Kind::Dependent:
        tell(kIndependentEquationsNeeded);
        Command1->setText(kAgain);
        break;
    case Kind::Contradictory:
        tell(kContradictoryEquations);
        alaphelyzet();
        break;
    case Kind::OutOfRange: tell(kResultTooLarge); break;
    }
}
