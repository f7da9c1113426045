#include "solvers/linearwindow.h"

#include "core/texts.h"
#include "solvers/signlabel.h"
#include "ui/handcursor.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

LinearWindow::LinearWindow(core::Module1 &state, QWidget *parent)
    : SolverWindow(parent, QStringLiteral("linear"), QStringLiteral("Egyenletrendszer-megoldás"), {4590, 3195}),
      rules_(state)
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
    bold.setPointSizeF(9.75 * twips::textScale());
    bold.setBold(true);
    QFont big = font();
    big.setPointSizeF(12 * twips::textScale());
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
        takeSignKeys(Text1[k], [this, k](const QString &typed) {
            collect();
            if (!rules_.typeSign(k, typed))
                return false;
            apply();
            return true;
        });
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
        Text1[size_t(i) + 7] = result;
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

void LinearWindow::Label1_Click(int index)
{
    collect();
    rules_.toggleSign(index);
    apply();
}

void LinearWindow::Command1_Click()
{
    collect();
    rules_.solve();
    apply();
}

void LinearWindow::collect()
{
    for (size_t k = 1; k <= 6; ++k)
        rules_.form.fields[k] = Text1[k]->text();
}

void LinearWindow::apply()
{
    const core::LinearForm &form = rules_.form;
    for (size_t k = 1; k <= 8; ++k)
        if (Text1[k]->text() != form.fields[k])
            k <= 6 ? Text1[k]->setText(form.fields[k]) : writeResult(Text1[k], form.fields[k]);
    for (size_t k = 1; k <= 6; ++k)
        Label1[k]->setMinus(form.minus[k]);
    Command1->setText(form.again ? core::texts::kAgain : core::texts::kCompute);
    if (form.focus > 0)
        Text1[size_t(form.focus)]->setFocus();
    tell(rules_.takeMessages());
}
