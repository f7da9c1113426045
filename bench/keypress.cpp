// Key-press benchmark: the real application, offscreen, each calculator
// window in turn, its real keys pressed with QAbstractButton::click() in a
// fixed mix of digits, operators, "=", C, memory and the window's own keys.
// Each press is timed twice with steady_clock:
//   press          click() until it returns: the handler has run and the
//                  display holds its new text;
//   press + paint  and until the posted events are handled, the window
//                  repainted (QCoreApplication::processEvents()).
//   zorvexa-bench-keys [PRESSES] [--trace] [--by-key]
// --trace prints one round of each mix with the display after every key;
// --by-key adds the figures of each key of the round.
#include "extend/extendwindow.h"
#include "infos/infoswindow.h"
#include "shell/application.h"
#include "shell/resources.h"
#include "stand/standwindow.h"
#include "ui/messages.h"

#include "stats.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr long kTargetP99Us = 200;
constexpr int kWarmUpPresses = 2000;

// One round of presses per window, by object name. Every key is enabled when
// its turn comes (the benchmark stops otherwise), nothing divides by zero,
// and C starts every round, so the display and tape stay short.
const std::vector<const char *> kStandKeys{
    "Command6",   "Command2_1", "Command2_2", "Command2_3", "Command5_0", "Command2_4", "Command2_5",
    "Command4",   "Command2_6", "Command7",   "Command5_2", "Command2_7", "Command7",   "Command1_0",
    "Command5_3", "Command2_8", "Command3",   "Command7",   "Command7",   "Command5_1", "Command1_1",
    "Command7",   "Command1_2", "Command2_9", "Command2_0", "Command3"};

const std::vector<const char *> kExtendKeys{
    "Command6",   "Command2_4", "Command2_5",  "Command8_8",  "Command5_0", "Command2_3", "Command2_0", "Command8_9",
    "Command7",   "Command1_0", "Command5_2",  "Command2_2",  "Command7",   "Command6",   "Command2_2", "Command8_0",
    "Command2_1", "Command2_0", "Command7",    "Command8_3",  "Command1_1", "Command5_0", "Command9_1", "Command7",
    "Command6",   "Command2_1", "Command2_2",  "Command8_4",  "Command2_1", "Command2_8", "Command7",   "Command6",
    "Command2_6", "Command8_2", "Command8_6",  "Command8_7",  "Command6",   "Command2_3", "Command10",  "Command8_6",
    "Command6",   "Command9_0", "Command8_10", "Command8_12", "Command5_3", "Command2_7", "Command4",   "Command2_5",
    "Command3",   "Command7",   "Command8_11", "Command2_5",  "Command7",   "Command1_2"};

const std::vector<const char *> kInfosKeys{
    "Command6",   "Command2_1", "Command2_2", "Command2_3", "Command5_0",  "Command2_4",  "Command2_5",
    "Command7",   "Command1_0", "Option1_9",  "Command5_2", "Command2_10", "Command2_11", "Command7",
    "Option1_0",  "Command5_3", "Command2_1", "Command2_0", "Command2_1",  "Command7",    "Command1_1",
    "Command5_1", "Command2_1", "Command2_1", "Command7",   "Command2_1",  "Command3",    "Option1_8",
    "Command1_2", "Command2_9", "Command5_2", "Command2_7", "Command7"};

struct Timing {
    std::vector<double> pressUs;
    std::vector<double> paintedUs;
    std::vector<size_t> step;  // which key of the round each sample is
};

// Counts the display's repaints, to show that press + paint does paint.
class PaintCounter : public QObject {
public:
    using QObject::QObject;
    long paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

std::vector<QAbstractButton *> keysOf(QWidget &window, const std::vector<const char *> &names)
{
    std::vector<QAbstractButton *> keys;
    for (const char *name : names) {
        auto *key = window.findChild<QAbstractButton *>(QString::fromLatin1(name));
        if (!key) {
            std::fprintf(stderr, "zorvexa-bench-keys: no key %s in %s\n", name, qPrintable(window.objectName()));
            std::exit(1);
        }
        keys.push_back(key);
    }
    return keys;
}

void press(QAbstractButton *key, QWidget &window)
{
    if (!key->isEnabled()) {
        std::fprintf(stderr, "zorvexa-bench-keys: %s of %s is locked at its turn\n", qPrintable(key->objectName()),
                     qPrintable(window.objectName()));
        std::exit(1);
    }
    key->click();
}

// Names the widgets that repaint.
class PaintList : public QObject {
public:
    using QObject::QObject;
    QStringList painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted << (watched->objectName().isEmpty() ? QString::fromLatin1(watched->metaObject()->className())
                                                        : watched->objectName());
        return QObject::eventFilter(watched, event);
    }
};

void trace(QWidget &window, const std::vector<QAbstractButton *> &keys, QLineEdit *display, QLabel *tape)
{
    std::printf("%s:\n", qPrintable(window.objectName()));
    PaintList paints;
    qApp->installEventFilter(&paints);
    for (QAbstractButton *key : keys) {
        paints.painted.clear();
        press(key, window);
        QCoreApplication::processEvents();
        std::printf("  %-12s %-8s display \"%s\"  tape \"%s\"\n      repainted: %s\n", qPrintable(key->objectName()),
                    qPrintable(key->text()), qPrintable(display->text()), qPrintable(tape->text()),
                    qPrintable(paints.painted.join(QLatin1Char(' '))));
    }
    qApp->removeEventFilter(&paints);
}

Timing measure(QWidget &window, const std::vector<QAbstractButton *> &keys, long presses)
{
    using Clock = std::chrono::steady_clock;
    Timing timing;
    timing.pressUs.reserve(static_cast<size_t>(presses));
    timing.paintedUs.reserve(static_cast<size_t>(presses));
    for (long i = 0; i < presses + kWarmUpPresses; ++i) {
        QAbstractButton *key = keys[static_cast<size_t>(i) % keys.size()];
        if (!key->isEnabled())
            press(key, window);  // reports and stops
        const Clock::time_point start = Clock::now();
        key->click();
        const Clock::time_point pressed = Clock::now();
        QCoreApplication::processEvents();
        const Clock::time_point painted = Clock::now();
        if (i >= kWarmUpPresses) {
            timing.pressUs.push_back(std::chrono::duration<double, std::micro>(pressed - start).count());
            timing.paintedUs.push_back(std::chrono::duration<double, std::micro>(painted - start).count());
            timing.step.push_back(static_cast<size_t>(i) % keys.size());
        }
    }
    return timing;
}

// Each key of the round on its own, in the order of the round.
void reportByKey(const Timing &timing, const std::vector<QAbstractButton *> &keys)
{
    for (size_t k = 0; k < keys.size(); ++k) {
        std::vector<double> press, painted;
        for (size_t i = 0; i < timing.step.size(); ++i)
            if (timing.step[i] == k) {
                press.push_back(timing.pressUs[i]);
                painted.push_back(timing.paintedUs[i]);
            }
        std::printf("    %2zu %-12s %-6s press median %6.1f p99 %6.1f   press + paint median %6.1f p99 %6.1f us\n", k,
                    qPrintable(keys[k]->objectName()), qPrintable(keys[k]->text()), stats::median(press),
                    stats::percentile(press, 99), stats::median(painted), stats::percentile(painted, 99));
    }
}

bool report(const char *name, const Timing &timing, long paints, long messages)
{
    const double p99 = stats::percentile(timing.pressUs, 99);
    const double paintedP99 = stats::percentile(timing.paintedUs, 99);
    std::printf("  %-7s press          median %7.1f us  p99 %7.1f us  max %8.1f us\n", name,
                stats::median(timing.pressUs), p99, stats::maximum(timing.pressUs));
    std::printf(
        "  %-7s press + paint  median %7.1f us  p99 %7.1f us  max %8.1f us  (%ld display repaints, %ld "
        "message boxes)\n",
        "", stats::median(timing.paintedUs), paintedP99, stats::maximum(timing.paintedUs), paints, messages);
    return p99 < kTargetP99Us;
}

}  // namespace

int main(int argc, char *argv[])
{
    long presses = 100000;
    bool tracing = false;
    bool byKey = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0)
            tracing = true;
        else if (std::strcmp(argv[i], "--by-key") == 0)
            byKey = true;
        else
            presses = std::atol(argv[i]);
    }
    if (presses < 1)
        presses = 100000;

    // The same set-up as main(), on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    loadResources();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

    // No modal box may stop the run; the boxes are counted instead.
    long messageCount = 0;
    messages::setHandler([&messageCount](const QString &, messages::Icon) { ++messageCount; });

    Application app;
    app.start();

    struct WindowRun {
        const char *name;
        View view;
        const std::vector<const char *> &keys;
    };
    const WindowRun runs[] = {
        {"stand", View::Stand, kStandKeys},
        {"extend", View::Extend, kExtendKeys},
        {"infos", View::Infos, kInfosKeys},
    };

    if (!tracing)
        std::printf("Key press through the real widgets, %ld presses per window (offscreen, after %d unmeasured):\n",
                    presses, kWarmUpPresses);
    bool met = true;
    View current = View::Stand;
    for (const WindowRun &run : runs) {
        app.switchView(current, run.view);
        current = run.view;
        QMainWindow &window = app.window(run.view);
        QCoreApplication::processEvents();
        const std::vector<QAbstractButton *> keys = keysOf(window, run.keys);
        auto *display = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
        if (tracing) {
            // The tape; the informatics window has none, its memory indicator instead.
            const char *tapeName = run.view == View::Extend ? "Label3" : run.view == View::Infos ? "Label2" : "Label1";
            auto *tape = window.findChild<QLabel *>(QString::fromLatin1(tapeName));
            trace(window, keys, display, tape);
            continue;
        }
        PaintCounter counter;
        display->installEventFilter(&counter);
        messageCount = 0;
        const Timing timing = measure(window, keys, presses);
        met &= report(run.name, timing, counter.paints, messageCount);
        if (byKey)
            reportByKey(timing, keys);
        display->removeEventFilter(&counter);
    }
    if (!tracing)
        std::printf("  press p99 under %ld us in every window: %s\n", kTargetP99Us, met ? "met" : "MISSED");
    messages::setHandler({});
    std::fflush(stdout);
    // The measurement is done; the teardown is not part of it.
    std::_Exit(0);
}
