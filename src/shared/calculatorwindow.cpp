#include "shared/calculatorwindow.h"

#include "shared/arithmetic.h"
#include "shared/colors.h"
#include "shared/displayfield.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/twips.h"
#include "shared/windowparts.h"

#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace {
const char *const kTipProperty = "zorvexaTip";

QRect pixels(keypad::Place place) { return twips::rect(place.left, place.top, place.width, place.height); }
}  // namespace

CalculatorWindow::CalculatorWindow(Module1 &state, int clientWidth, int clientHeight, int tapeLength)
    : m(state), tapeLength_(tapeLength)
{
    client_ = windowparts::makeClientArea(this, twips::size(clientWidth, clientHeight));
}

bool CalculatorWindow::event(QEvent *event)
{
    const bool handled = WithFormActivate::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        colors::followPalette(client_);
    return handled;
}

void CalculatorWindow::addDisplay(keypad::Place place, int maxEntry, bool keyDown)
{
    std::function<void(int)> onKeyDown;
    if (keyDown)
        onKeyDown = [this](int code) { Text1_KeyDown(code); };
    Text1 = windowparts::makeDisplay(
        client_, pixels(place), maxEntry, [this] { Text1_Change(); }, onKeyDown);
}

QLabel *CalculatorWindow::addTape(const char *name, keypad::Place place)
{
    tape_ = new QLabel(client_);
    tape_->setObjectName(QString::fromLatin1(name));
    tape_->setGeometry(pixels(place));
    // A double click on the tape is the window's, as anywhere on its face.
    tape_->setAttribute(Qt::WA_NoMousePropagation);
    setTapeNormal();
    return tape_;
}

void CalculatorWindow::addIndicator(keypad::Place place)
{
    Label2 = new QLabel(client_);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(pixels(place));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setAttribute(Qt::WA_NoMousePropagation);
    Label2->setProperty(kTipProperty, QStringLiteral("Memória állapotjelző"));
}

void CalculatorWindow::addLines(const std::array<int, 5> &lefts, int top)
{
    for (int i = 0; i < int(Line.size()); ++i) {
        auto *line = new QFrame(client_);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        const QRect span = pixels({lefts[size_t(i)], top, 0, 1815});  // four key rows
        line->setGeometry(span.x() - 1, span.y(), 3, span.height());
        Line[size_t(i)] = line;
    }
}

QPushButton *CalculatorWindow::addKey(const char *name, int index, const char *caption, const char *shortcut,
                                      keypad::Place place, const char *tip)
{
    const QString control = QString::fromLatin1(name);
    const QString objectName = index < 0 ? control : control + QLatin1Char('_') + QString::number(index);
    QPushButton *button = windowparts::makeKey(client_, QString::fromUtf8(caption), objectName, pixels(place));
    button->setShortcut(QKeySequence(QString::fromLatin1(shortcut), QKeySequence::PortableText));
    if (*tip)
        button->setProperty(kTipProperty, QString::fromUtf8(tip));
    keys_.insert(objectName, button);
    return button;
}

QPushButton *CalculatorWindow::key(const QString &name, int index) const
{
    return keys_.value(index < 0 ? name : name + QLatin1Char('_') + QString::number(index));
}

void CalculatorWindow::bindKeys()
{
    for (int i = 0; i < int(Command1.size()); ++i)
        Command1[size_t(i)] = key(QStringLiteral("Command1"), i);
    Command2.clear();
    while (QPushButton *digit = key(QStringLiteral("Command2"), int(Command2.size())))
        Command2.push_back(digit);
    Command3 = key(QStringLiteral("Command3"));
    Command4 = key(QStringLiteral("Command4"));
    for (int i = 0; i < int(Command5.size()); ++i)
        Command5[size_t(i)] = key(QStringLiteral("Command5"), i);
    Command6 = key(QStringLiteral("Command6"));
    Command7 = key(QStringLiteral("Command7"));
    orderTabs();
}

void CalculatorWindow::orderTabs()
{
    // The display first, then row by row as the eye reads the keypad.
    std::vector<QWidget *> stops;
    for (QWidget *control : client_->findChildren<QWidget *>())
        if (control != Text1 && (control->focusPolicy() & Qt::TabFocus))
            stops.push_back(control);
    const auto place = [this](QWidget *w) { return w->mapTo(client_, QPoint(0, 0)); };
    std::stable_sort(stops.begin(), stops.end(), [&place](QWidget *a, QWidget *b) {
        const QPoint pa = place(a), pb = place(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    QWidget *previous = Text1;
    for (QWidget *control : stops) {
        setTabOrder(previous, control);
        previous = control;
    }
}

void CalculatorWindow::showTips(bool on)
{
    for (QWidget *control : client_->findChildren<QWidget *>()) {
        const QVariant tip = control->property(kTipProperty);
        if (tip.isValid())
            control->setToolTip(on ? tip.toString() : QString());
    }
}

void CalculatorWindow::Command1_Click(int index)
{
    switch (index) {
    case 0:
        if (const std::optional<double> value = displayValue()) {
            m.memoria = *value;
            Label2->setText(QStringLiteral("M"));
        }
        break;
    case 1: showValue(m.memoria); break;
    case 2:
        Label2->setText(QString());
        m.memoria = 0;
        break;
    }
    displayfield::focusAtEnd(Text1);
}

std::optional<double> CalculatorWindow::displayValue() { return numbertext::val(Text1->text()); }

void CalculatorWindow::showValue(double value) { Text1->setText(numbertext::displayForm(value)); }

void CalculatorWindow::Command2_Click(int index)
{
    displayfield::append(Text1, Command2[size_t(index)]->text());
    Command3->setEnabled(true);
    displayfield::focusAtEnd(Text1);
}

void CalculatorWindow::Command3_Click()
{
    // Untrimmed: a non-negative value keeps its leading blank.
    Text1->setText(numbertext::str(-numbertext::val(Text1->text())));
    displayfield::focusAtEnd(Text1);
}

void CalculatorWindow::Command4_Click()
{
    // The key reads "," but always writes the point.
    displayfield::append(Text1, QStringLiteral("."));
    displayfield::focusAtEnd(Text1);
}

void CalculatorWindow::Command5_Click(int index)
{
    operatorStep(Command5[size_t(index)]->text());
    Text1->setFocus();
}

void CalculatorWindow::Command6_Click()
{
    clearAll();
    Text1->setFocus();
}

void CalculatorWindow::Command7_Click()
{
    evaluate();
    Text1->setFocus();
}

void CalculatorWindow::Text1_Change()
{
    inputcheck::checkDisplay(m, Text1);
    m.pontdb = 0;
}

void CalculatorWindow::Text1_KeyDown(int keyCode)
{
    if (keyCode == displayfield::kEnter) {
        evaluate();
        return;
    }
    // A keypad operator; its character never reaches the display, so nothing
    // has to be removed from it afterwards.
    operatorStep(displayfield::signOf(keyCode));
}

void CalculatorWindow::operatorStep(const QString &sign)
{
    m.valto = !m.valto;
    m.muvelet = sign;
    // A fresh tape line starts with the first operand as it was typed.
    tape_->setText(m.valto ? tape_->text() + sign : Text1->text() + sign);
    m.szam1 = numbertext::val(Text1->text());
    Text1->setText(QString());
}

void CalculatorWindow::evaluate()
{
    tape_->setText(tape_->text() + Text1->text());
    Command3->setEnabled(false);
    m.szam2 = numbertext::val(Text1->text());

    // The operands stay as they are, so "=" again repeats the operation with
    // the shown result as the new second operand.
    if (const std::optional<Result> result = operate(m.muvelet, m.szam1, m.szam2)) {
        if (!result->ok()) {
            refuse(result->refusal);
        } else {
            m.eredmeny = result->value;
            Text1->setText(writesLeadingZero(m.muvelet) ? numbertext::displayFormLeadingZero(m.eredmeny)
                                                        : numbertext::displayForm(m.eredmeny));
        }
    }

    m.valto = true;
    tape_->setText(tape_->text() + QLatin1Char(' '));
    if (tape_->text().size() > tapeLength_)
        tape_->setText(QString());
    displayfield::focusAtEnd(Text1);
}

std::optional<Result> CalculatorWindow::operate(const QString &sign, double a, double b) const
{
    return arithmetic::operate(sign, a, b);
}

bool CalculatorWindow::writesLeadingZero(const QString &sign) const { return sign == QLatin1String("/"); }

void CalculatorWindow::refuse(Refusal refusal, double x)
{
    colors::setForeground(tape_, colors::kWhite);
    colors::setBackground(tape_, colors::kDesktop);
    tape_->setText(refusalText(refusal, x));
    setKeysEnabled(false);
}

void CalculatorWindow::setKeysEnabled(bool enabled)
{
    for (QPushButton *button : std::as_const(keys_))
        if (button != Command6)
            button->setEnabled(enabled);
}

void CalculatorWindow::setTapeNormal()
{
    colors::setForeground(tape_, colors::kHighlightedText);
    colors::setBackground(tape_, colors::kInactiveTitleBar);
}

void CalculatorWindow::clearAll()
{
    Text1->setText(QString());
    tape_->setText(QString());
    setTapeNormal();
    m.valto = true;
    setKeysEnabled(true);
}
