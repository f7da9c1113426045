#include "ui/calculatorwindow.h"

#include "ui/announcer.h"
#include "ui/centring.h"
#include "ui/colors.h"
#include "ui/decoration.h"
#include "ui/displayfield.h"
#include "ui/messages.h"
#include "ui/twips.h"
#include "ui/windowparts.h"

#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace {
const char *const kTipProperty = "zorvexaTip";

QRect pixels(keypad::Place place) { return twips::rect(place.left, place.top, place.width, place.height); }

// What a key does, in words, for assistive technology: a caption such as "+"
// or "M+" says little when read out, and the hexadecimal digit C must not
// sound like the clear key. Empty where the caption says it (0-9).
QString spokenName(core::Key key)
{
    using core::Key;
    if (core::isDigit(key)) {
        const int value = core::digitOf(key);
        return value < 10 ? QString() : QStringLiteral("Számjegy %1").arg(QChar(u'A' + value - 10));
    }
    switch (key) {
    case Key::Point: return QStringLiteral("Tizedespont");
    case Key::Sign: return QStringLiteral("Előjelváltás");
    case Key::Add: return QStringLiteral("Összeadás");
    case Key::Subtract: return QStringLiteral("Kivonás");
    case Key::Multiply: return QStringLiteral("Szorzás");
    case Key::Divide: return QStringLiteral("Osztás");
    case Key::Equals: return QStringLiteral("Egyenlő");
    case Key::Clear: return QStringLiteral("Törlés");
    case Key::MemoryStore: return QStringLiteral("Memóriába írás");
    case Key::MemoryRecall: return QStringLiteral("Memória kiolvasása");
    case Key::MemoryClear: return QStringLiteral("Memória törlése");
    case Key::Power: return QStringLiteral("Hatványozás");
    case Key::Root: return QStringLiteral("Gyökvonás");
    case Key::Factorial: return QStringLiteral("Faktoriális");
    case Key::Reciprocal: return QStringLiteral("Reciprok");
    case Key::Gcd: return QStringLiteral("Legnagyobb közös osztó");
    case Key::Lcm: return QStringLiteral("Legkisebb közös többszörös");
    case Key::Lg: return QStringLiteral("Tízes alapú logaritmus");
    case Key::Ln: return QStringLiteral("Természetes alapú logaritmus");
    case Key::Sin: return QStringLiteral("Szinusz");
    case Key::Cos: return QStringLiteral("Koszinusz");
    case Key::Tg: return QStringLiteral("Tangens");
    case Key::Ctg: return QStringLiteral("Kotangens");
    case Key::Percent: return QStringLiteral("Százalék");
    case Key::Pi: return QStringLiteral("Pi");
    case Key::E: return QStringLiteral("Az e szám");
    case Key::Inverse: return QStringLiteral("Inverz");
    case Key::Quadratic: return QStringLiteral("Másodfokú egyenlet megoldása");
    case Key::Linear: return QStringLiteral("Egyenletrendszer megoldása");
    default: return QString();
    }
}

// The indicator's state, as its accessible description says it.
QString memoryState(bool lit) { return lit ? QStringLiteral("tárol értéket") : QStringLiteral("üres"); }

}  // namespace

CalculatorWindow::CalculatorWindow(std::unique_ptr<core::Calculator> rules, int clientWidth, int clientHeight)
    : rules_(std::move(rules))
{
    twips::keepFont(this);
    client_ = windowparts::makeClientArea(this, twips::size(clientWidth, clientHeight));
    announcer_ = new Announcer(client_);
}

bool CalculatorWindow::event(QEvent *event)
{
    const bool handled = WithFormActivate::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        colors::followPalette(client_);
    return handled;
}

void CalculatorWindow::addDisplay(keypad::Place place)
{
    std::function<void(core::DisplayKey)> onKeyDown;
    if (rules_->takesDisplayKeys())
        onKeyDown = [this](core::DisplayKey key) {
            rules_->displayKey(key);
            rulesActed();
        };
    Text1 = windowparts::makeDisplay(
        client_, pixels(place), [this] { displayEdited(); }, onKeyDown);
}

QLabel *CalculatorWindow::addTape(const char *name, keypad::Place place)
{
    auto *tape = new QLabel(client_);
    tape->setObjectName(QString::fromLatin1(name));
    tape->setGeometry(pixels(place));
    // A double click on the tape is the window's, as anywhere on its face.
    tape->setAttribute(Qt::WA_NoMousePropagation);
    return tape;
}

void CalculatorWindow::addIndicator(keypad::Place place)
{
    Label2 = new QLabel(client_);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(pixels(place));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setAttribute(Qt::WA_NoMousePropagation);
    Label2->setProperty(kTipProperty, QStringLiteral("Memória állapotjelző"));
    // Read out by name and state: its caption is a bare "M" or nothing.
    Label2->setAccessibleName(QStringLiteral("Memória"));
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
        decoration::hide(line);
        Line[size_t(i)] = line;
    }
}

void CalculatorWindow::addKeys(const keypad::Key *keys, int count)
{
    using core::Key;
    for (const keypad::Key *row = keys; row != keys + count; ++row) {
        const QString control = QString::fromLatin1(row->name);
        const QString objectName = row->index < 0 ? control : control + QLatin1Char('_') + QString::number(row->index);
        QPushButton *button =
            windowparts::makeKey(client_, QString::fromUtf8(row->caption), objectName, pixels(row->place));
        button->setShortcut(QKeySequence(QString::fromLatin1(row->shortcut), QKeySequence::PortableText));
        if (*row->tip)
            button->setProperty(kTipProperty, QString::fromUtf8(row->tip));
        const Key key = row->key;
        if (const QString spoken = spokenName(key); !spoken.isEmpty())
            button->setAccessibleName(spoken);
        connect(button, &QPushButton::clicked, this, [this, key] { keyClicked(key); });
        buttons_[size_t(key)] = button;
    }
    for (int i = 0; i < 3; ++i)
        Command1[size_t(i)] = button(core::memoryKey(i));
    Command2.clear();
    for (int value = 0; value < 16 && button(core::digitKey(value)); ++value)
        Command2.push_back(button(core::digitKey(value)));
    Command3 = button(Key::Sign);
    Command4 = button(Key::Point);
    for (int i = 0; i < 4; ++i)
        Command5[size_t(i)] = button(core::operatorKey(i));
    Command6 = button(Key::Clear);
    Command7 = button(Key::Equals);
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

void CalculatorWindow::keyClicked(core::Key key)
{
    rules_->press(key);
    rulesActed();
}

void CalculatorWindow::rulesActed()
{
    // A key pressed with Space, a shortcut or the mouse echoes nothing on
    // the display, and the keyboard's return to it is not always read out.
    const QScopedValueRollback<bool> tell(telling_, true);
    apply();
}

void CalculatorWindow::displayEdited()
{
    if (applying_)
        return;
    rules_->edited(Text1->text(), Text1->cursorPosition());
    apply();
}

void CalculatorWindow::activated(core::Arrival from)
{
    if (!rules_->activated(from))
        return;
    apply();
    centreOnScreen(this);
}

void CalculatorWindow::apply()
{
    const core::Panel panel = rules_->panel();
    QStringList news;
    {
        const QScopedValueRollback<bool> guard(applying_, true);
        if (Text1->text() != panel.display) {
            Text1->setText(panel.display);
            Text1->setCursorPosition(panel.caret);
            news << (panel.display.trimmed().isEmpty() ? Text1->accessibleName() + QStringLiteral(": üres")
                                                       : panel.display.trimmed());
        }
        if (QLabel *tape = this->tape()) {
            if (tape->accessibleName() != panel.tape) {
                // A line wider than the tape shows its newest part; the whole
                // line is what the tape is called for assistive technology.
                tape->setText(tape->fontMetrics().elidedText(panel.tape, Qt::ElideLeft, tape->contentsRect().width()));
                tape->setAccessibleName(panel.tape);
            }
            if (shownAlarm_ != panel.tapeAlarm) {
                colors::setForeground(tape, panel.tapeAlarm ? colors::kWhite : colors::kHighlightedText);
                colors::setBackground(tape, panel.tapeAlarm ? colors::kDesktop : colors::kInactiveTitleBar);
                // The refusal is told instead of the emptied display, and stays the
                // display's description for a screen reader's look at it.
                if (panel.tapeAlarm)
                    news = QStringList{panel.tape.trimmed()};
                shownAlarm_ = panel.tapeAlarm;
                Text1->setAccessibleDescription(panel.tapeAlarm ? panel.tape.trimmed() : QString());
            }
        }
        const QString indicator = panel.memoryLit ? QStringLiteral("M") : QString();
        if (Label2->text() != indicator)
            Label2->setText(indicator);
        if (Label2->accessibleDescription() != memoryState(panel.memoryLit))
            Label2->setAccessibleDescription(memoryState(panel.memoryLit));
        if (shownMemory_ != panel.memoryLit)
            news << QStringLiteral("%1: %2").arg(Label2->accessibleName(), memoryState(panel.memoryLit));
        shownMemory_ = panel.memoryLit;
        if (QPushButton *inverse = button(core::Key::Inverse)) {
            if (shownInverse_ != panel.inverseLit)
                news << inverse->accessibleName() + (panel.inverseLit ? QStringLiteral(" be") : QStringLiteral(" ki"));
            shownInverse_ = panel.inverseLit;
        }
        // Only the keys whose state changed: most presses change none.
        const core::KeySet changed = panel.enabled ^ shownEnabled_;
        for (size_t key = 0; changed.any() && key < buttons_.size(); ++key)
            if (changed.test(key) && buttons_[key])
                buttons_[key]->setEnabled(panel.enabled.test(key));
        shownEnabled_ = panel.enabled;
        applyOwn(panel);
    }
    for (const core::Message &message : rules_->takeMessages())
        messages::show(message.text, message.exclamation ? messages::Icon::Exclamation : messages::Icon::None, this);
    switch (panel.focus) {
    case core::Focus::Stay: break;
    case core::Focus::Display: Text1->setFocus(); break;
    case core::Focus::DisplayAtEnd: displayfield::focusAtEnd(Text1); break;
    }
    // Last, so that it follows the keyboard's move, which a screen reader may
    // read out too; one sentence, as a second announcement cuts the first short.
    // The window's arrival and typing in the display are told by the screen reader.
    if (telling_)
        announcer_->say(news.join(QStringLiteral(", ")));
}
