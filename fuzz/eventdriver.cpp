#include "eventdriver.h"

#include "describe.h"
#include "eventlog.h"
#include "keyboard.h"
#include "randomtext.h"

#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/application.h"
#include "standard/standwindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kEventsPerTurn = 1;
constexpr std::int64_t kProgressEvery = 100000;
constexpr std::int64_t kSampleEvery = 10000;

QLineEdit *displayOf(QMainWindow *window)
{
    if (auto *w = qobject_cast<StandWindow *>(window))
        return w->Text1;
    if (auto *w = qobject_cast<ExtendWindow *>(window))
        return w->Text1;
    return static_cast<InfosWindow *>(window)->Text1;
}

}  // namespace

EventDriver::EventDriver(Application &app, std::uint64_t seed, const Settings &settings)
    : app_(app),
      seed_(seed),
      rng_(seed),
      limit_(settings.events),
      trace_(settings.trace),
      realBoxes_(settings.realBoxes),
      watchdog_(settings.watchdogSeconds),
      invariants_(app)
{
    if (realBoxes_) {
        // The boxes are shown for real; the recorder only sees them.
        messages::setHandler({});
        messages::setObserver(
            [this](const QString &text, messages::Icon icon, QWidget *owner) { boxShown(text, icon, owner); });
    }
}

EventDriver::~EventDriver()
{
    if (realBoxes_)
        messages::setObserver({});
}

void EventDriver::start()
{
    clock_.start();
    memory_.sample(0);
    QTimer::singleShot(0, this, &EventDriver::chunk);
}

void EventDriver::chunk()
{
    for (int i = 0; i < kEventsPerTurn && count_ < limit_; ++i) {
        checkReactivation();
        QMainWindow *window = app_.visibleWindow();
        if (!window)
            fail({QStringLiteral("no calculator window is visible")});
        calculatorEvent(window, displayOf(window));
        if (count_ / kSampleEvery != sampled_) {
            sampled_ = count_ / kSampleEvery;
            memory_.sample(count_);
        }
        if (count_ / kProgressEvery != reported_) {
            reported_ = count_ / kProgressEvery;
            progress();
        }
    }
    if (count_ >= limit_) {
        memory_.sample(count_);
        finish();
        return;
    }
    // Back to the event loop, as after a user's event: painting, timers,
    // deferred deletions.
    QTimer::singleShot(0, this, &EventDriver::chunk);
}

void EventDriver::finish()
{
    // The way a user ends it: the visible window's close box ends the whole
    // application, so the run ends through the real shutdown.
    QMainWindow *window = app_.visibleWindow();
    eventlog::record(count_ + 1,
                     QStringLiteral("close %1 from its frame (ends the application)").arg(window->objectName()));
    window->close();
    // Should the close not end the loop, the run still ends, and says so.
    QTimer::singleShot(0, this, [] { QApplication::exit(3); });
}

void EventDriver::perform(Category category, const QString &what, const std::function<void()> &act,
                          const resultcheck::After &check)
{
    const std::int64_t number = ++count_;
    eventlog::record(number, what);
    watchdog_.beat(number);
    if (trace_)
        std::fprintf(stderr, "#%lld %s\n", static_cast<long long>(number), qPrintable(what));
    ++perCategory_[category];
    act();
    messages_ += recorder_.shown.size();
    QStringList violations;
    if (check) {
        violations = check(recorder_.shown);
    }
    violations += invariants_.check(recorder_.shown, QApplication::activeModalWidget());
    recorder_.clear();
    if (!violations.isEmpty())
        fail(violations);
}

void EventDriver::fail(const QStringList &violations)
{
    std::fprintf(stderr, "\nzorvexa-eventdriver: invariant violated after event %lld (seed %llu):\n",
                 static_cast<long long>(count_), static_cast<unsigned long long>(seed_));
    for (const QString &violation : violations)
        std::fprintf(stderr, "  - %s\n", qPrintable(violation));
    eventlog::report("invariant violated");
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(1);
}

const QVector<QPushButton *> &EventDriver::keysOf(QMainWindow *window)
{
    auto found = keys_.find(window);
    if (found != keys_.end())
        return *found;
    QVector<QPushButton *> keys;
    for (QPushButton *key : window->centralWidget()->findChildren<QPushButton *>()) {
        // The solver keys open modal windows: they have their own share.
        if (key->objectName() != QLatin1String("Command11") && key->objectName() != QLatin1String("Command12"))
            keys << key;
    }
    return *keys_.insert(window, keys);
}

void EventDriver::activate(QWidget *window)
{
    // A user's click into a window that is not the active one activates it.
    if (QApplication::activeWindow() == window)
        return;
    perform(Activation, QStringLiteral("activate %1").arg(window->objectName()),
            [window] { QApplication::setActiveWindow(window); });
}

void EventDriver::click(QPushButton *key, const QString &what, Category category, const resultcheck::After &check)
{
    const bool mouse = rng_.oneIn(8);
    perform(
        category, what + (mouse ? QStringLiteral(" (mouse)") : QString()),
        [key, mouse] {
            if (mouse)
                QTest::mouseClick(key, Qt::LeftButton);
            else
                key->click();
        },
        check);
}

resultcheck::After EventDriver::checkOfKey(QMainWindow *window, QPushButton *key)
{
    const QString name = key->objectName();
    if (name == QLatin1String("Command7"))
        return resultcheck::equals(app_, window);
    if (qobject_cast<ExtendWindow *>(window) && name.startsWith(QLatin1String("Command8_")))
        return resultcheck::functionKey(app_, name.mid(9).toInt());
    return {};
}

namespace {

// What a user does in the visible calculator window, per mille. An event
// that does not apply to the window (base options outside `infos`, the
// solver keys outside `extend`, a locked solver key) becomes a key click.
enum class Choice {
    ClickKey,
    Keystrokes,
    OtherCharacter,
    LongText,
    Paste,
    Keypad,
    Editing,
    BaseOption,
    View,
    Settings,
    OpenSolver,
    DoubleClick,
    OpenAbout,
    HelpItem
};
struct Share {
    Choice choice;
    int perMille;
};
constexpr Share kShares[] = {
    {Choice::ClickKey, 482}, {Choice::Keystrokes, 150}, {Choice::OtherCharacter, 40}, {Choice::LongText, 10},
    {Choice::Paste, 15},     {Choice::Keypad, 95},      {Choice::Editing, 70},        {Choice::BaseOption, 60},
    {Choice::View, 25},      {Choice::Settings, 40},    {Choice::OpenSolver, 7},      {Choice::DoubleClick, 4},
    {Choice::OpenAbout, 1},  {Choice::HelpItem, 2},
};

Choice choose(RandomSource &rng)
{
    int r = rng.below(1000);
    for (const Share &share : kShares) {
        if (r < share.perMille)
            return share.choice;
        r -= share.perMille;
    }
    return Choice::ClickKey;
}

}  // namespace

void EventDriver::calculatorEvent(QMainWindow *window, QLineEdit *display)
{
    const Choice choice = choose(rng_);
    if (choice == Choice::Settings) {
        optionsEvent(window);
        return;
    }
    activate(window);
    switch (choice) {
    case Choice::ClickKey:
    case Choice::Settings: clickKey(window); break;
    case Choice::Keystrokes: typeEvent(display, Typing, randomtext::keystrokes(rng_)); break;
    case Choice::OtherCharacter: typeEvent(display, OtherCharacters, randomtext::anyCharacter(rng_)); break;
    case Choice::LongText: typeEvent(display, LongText, randomtext::longNumber(rng_, 20, 80)); break;
    case Choice::Paste: {
        const QString text = randomtext::pasted(rng_);
        perform(Paste, QStringLiteral("paste %1 into %2").arg(describe::quoted(text), describe::nameOf(display)),
                [display, text] { display->insert(text); });
        break;
    }
    case Choice::Keypad: {
        const keyboard::Key key = keyboard::keypadKey(rng_);
        // Enter in the standard and scientific displays is "=".
        const bool enter =
            (key.code == Qt::Key_Enter || key.code == Qt::Key_Return) && !qobject_cast<InfosWindow *>(window);
        perform(
            KeypadKey, QStringLiteral("%1 in %2").arg(QLatin1String(key.name), describe::nameOf(display)),
            [display, key] { keyboard::press(display, key); },
            enter ? resultcheck::equals(app_, window) : resultcheck::After());
        break;
    }
    case Choice::Editing: {
        const keyboard::Key key = keyboard::editingKey(rng_);
        perform(EditingKey, QStringLiteral("%1 in %2").arg(QLatin1String(key.name), describe::nameOf(display)),
                [display, key] { keyboard::press(display, key); });
        break;
    }
    case Choice::BaseOption:
        if (qobject_cast<InfosWindow *>(window))
            baseOptionEvent();
        else
            clickKey(window);
        break;
    case Choice::View: viewEvent(window); break;
    case Choice::OpenSolver: {
        auto *extend = qobject_cast<ExtendWindow *>(window);
        QPushButton *key = extend ? (rng_.percent(50) ? extend->Command11 : extend->Command12) : nullptr;
        if (key && key->isEnabled())
            openModal(Solver, QStringLiteral("%1 \"%2\"").arg(describe::nameOf(key), key->text()),
                      [key] { key->click(); });
        else
            clickKey(window);
        break;
    }
    case Choice::DoubleClick:
        if (auto *stand = qobject_cast<StandWindow *>(window)) {
            perform(DoubleClick, QStringLiteral("double-click stand"), [stand] {
                QTest::mouseDClick(stand->centralWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
            });
        } else {
            clickKey(window);
        }
        break;
    case Choice::OpenAbout: {
        QAction *item = window->findChild<QAction *>(QStringLiteral("nevjegy") + describe::menuSuffix(window));
        openModal(About, QStringLiteral("Súgó > Névjegy in %1").arg(window->objectName()), [item] { item->trigger(); });
        break;
    }
    case Choice::HelpItem: helpEvent(window); break;
    }
}

void EventDriver::clickKey(QMainWindow *window)
{
    QVector<QPushButton *> enabled;
    for (QPushButton *key : keysOf(window))
        if (key->isEnabled() && key->isVisible())
            enabled << key;
    if (enabled.isEmpty())
        fail({QStringLiteral("%1 has no enabled key").arg(window->objectName())});
    QPushButton *key = rng_.pick(enabled);
    click(key, QStringLiteral("%1 \"%2\"").arg(describe::nameOf(key), key->text()), KeyClick, checkOfKey(window, key));
}

void EventDriver::typeEvent(QLineEdit *display, Category category, const QString &text)
{
    perform(category, QStringLiteral("type %1 into %2").arg(describe::quoted(text), describe::nameOf(display)),
            [display, text] { keyboard::type(display, text); });
}

void EventDriver::baseOptionEvent()
{
    InfosWindow &infos = app_.infos();
    QVector<QRadioButton *> enabled;
    for (QRadioButton *option : infos.Option1)
        if (option->isEnabled())
            enabled << option;
    if (enabled.isEmpty()) {
        clickKey(&infos);
        return;
    }
    QRadioButton *option = rng_.pick(enabled);
    if (rng_.oneIn(6)) {
        // The arrow keys move the selection within the group.
        static const keyboard::Key arrows[] = {{Qt::Key_Left, QString(), Qt::NoModifier, "Left"},
                                               {Qt::Key_Right, QString(), Qt::NoModifier, "Right"},
                                               {Qt::Key_Up, QString(), Qt::NoModifier, "Up"},
                                               {Qt::Key_Down, QString(), Qt::NoModifier, "Down"}};
        const keyboard::Key &key = arrows[rng_.below(4)];
        perform(
            BaseOption,
            QStringLiteral("%1 on base option %2 (%3)")
                .arg(QLatin1String(key.name), describe::nameOf(option), option->text()),
            [option, key] {
                option->setFocus();
                keyboard::press(option, key);
            },
            resultcheck::baseChange(app_));
        return;
    }
    const bool mouse = rng_.oneIn(5);
    perform(
        BaseOption,
        QStringLiteral("base option %1 (%2)%3")
            .arg(describe::nameOf(option), option->text(), mouse ? QStringLiteral(" (mouse)") : QString()),
        [option, mouse] {
            if (mouse)
                QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
            else
                option->click();
        },
        resultcheck::baseChange(app_));
}
