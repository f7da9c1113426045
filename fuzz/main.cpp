// The randomized event driver: drives Zorvexa through its real widgets with
// random events and checks the invariants after every one.
//   zorvexa-eventdriver [--events N] [--seed S] [--boxes real|recorded]
//                       [--watchdog SECONDS] [--trace] [--self-test] [--scheme-changes N]
// The seed is printed first; the same seed and event count replay a run.
#include "eventdriver.h"
#include "eventlog.h"
#include "memory.h"
#include "selftest.h"
#include "watchdog.h"

#include "shell/application.h"
#include "shell/resources.h"
#include "standard/standwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QHash>
#include <QStyleFactory>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <unistd.h>

namespace {

// Qt's own warnings are reported once each, with the event they came at.
void onQtMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    static QHash<QString, int> seen;
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (seen[message]++ == 0)
        std::fprintf(stderr, "zorvexa-eventdriver: Qt says at event %lld: %s\n",
                     static_cast<long long>(eventlog::lastNumber()), qPrintable(message));
    if (type == QtFatalMsg) {
        eventlog::report("Qt fatal message");
        std::abort();
    }
}

bool parseNumber(const char *text, unsigned long long &value)
{
    char *end = nullptr;
    value = std::strtoull(text, &end, 10);
    return end && *end == '\0' && end != text;
}

// The cost of the standard window's colour schemes, judged on its own.
int measureSchemeChanges(int changes)
{
    Application app;
    app.start();
    const long before = memory::residentKiB();
    const long cost = memory::schemeChangeCost(app.stand(), changes);
    const long bound = memory::kSchemeBoundKiB * changes / memory::kSchemeChanges;
    const bool over = memory::judged() && cost >= bound;
    std::printf("zorvexa-eventdriver: %d colour-scheme changes: %ld KiB resident at start, %+ld KiB after them "
                "(bound %ld KiB%s)\n",
                changes, before, cost, bound, memory::judged() ? "" : ", not judged under the sanitizers");
    return over ? 1 : 0;
}

// The watchdog's own check: one event that never ends.
int hangOnPurpose()
{
    eventlog::setSeed(0);
    Watchdog watchdog(1);
    eventlog::record(1, QStringLiteral("a hang on purpose"));
    watchdog.beat(1);
    std::this_thread::sleep_for(std::chrono::seconds(10));
    std::printf("zorvexa-eventdriver: the watchdog let a 10 s event pass\n");
    return 1;
}

int usage()
{
    std::fprintf(stderr, "usage: zorvexa-eventdriver [--events N] [--seed S] [--boxes real|recorded] [--watchdog SECONDS]\n"
                         "                           [--trace] [--self-test] [--scheme-changes N]\n");
    return 2;
}

}  // namespace

int main(int argc, char *argv[])
{
    EventDriver::Settings settings;
    unsigned long long seed = 0;
    unsigned long long number = 0;
    bool seedGiven = false;
    const char *boxes = nullptr;
    bool selfTest = false;
    long long schemeChanges = -1;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        const bool valued = i + 1 < argc;
        if (std::strcmp(arg, "--events") == 0 && valued && parseNumber(argv[++i], number)) {
            settings.events = static_cast<std::int64_t>(number);
        } else if (std::strcmp(arg, "--seed") == 0 && valued && parseNumber(argv[++i], seed)) {
            seedGiven = true;
        } else if (std::strcmp(arg, "--scheme-changes") == 0 && valued && parseNumber(argv[++i], number)) {
            schemeChanges = static_cast<long long>(number);
        } else if (std::strcmp(arg, "--watchdog") == 0 && valued && parseNumber(argv[++i], number) && number > 0) {
            settings.watchdogSeconds = int(number);
        } else if (std::strcmp(arg, "--boxes") == 0 && valued &&
                   (std::strcmp(argv[i + 1], "real") == 0 || std::strcmp(argv[i + 1], "recorded") == 0)) {
            boxes = argv[++i];
        } else if (std::strcmp(arg, "--trace") == 0) {
            settings.trace = true;
        } else if (std::strcmp(arg, "--self-test") == 0) {
            selfTest = true;
        } else if (std::strcmp(arg, "--hang-test") == 0) {
            return hangOnPurpose();
        } else {
            return usage();
        }
    }
    if (!seedGiven) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        seed = static_cast<unsigned long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()) ^
               (static_cast<unsigned long long>(::getpid()) << 32);
    }
    // Unless told, every other seed shows real boxes.
    settings.realBoxes = boxes ? std::strcmp(boxes, "real") == 0 : seed % 2 == 1;
    // The locale asked for must be there, or the run would test another one.
    const char *locale = std::setlocale(LC_ALL, "");
    if (!locale) {
        std::fprintf(stderr, "zorvexa-eventdriver: the locale %s is not installed (scripts/install-deps.sh makes it)\n",
                     std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "asked for");
        return 2;
    }
    if (!selfTest && schemeChanges < 0) {
        std::printf("zorvexa-eventdriver: seed %llu, %lld events, %s message boxes, locale %s "
                    "(replay: --seed %llu --events %lld --boxes %s)\n",
                    seed, static_cast<long long>(settings.events), settings.realBoxes ? "real" : "recorded", locale,
                    seed, static_cast<long long>(settings.events), settings.realBoxes ? "real" : "recorded");
        std::fflush(stdout);
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    eventlog::setSeed(seed);
    eventlog::installCrashReport();
    qInstallMessageHandler(onQtMessage);

    // Set up as the application itself is.
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvexa"));
    loadResources();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

    if (selfTest)
        return selftest::run();
    if (schemeChanges >= 0)
        return measureSchemeChanges(int(schemeChanges));

    QElapsedTimer clock;
    clock.start();
    int status = 0;
    bool memoryOver = false;
    {
        Application app;
        app.start();
        EventDriver driver(app, seed, settings);
        driver.start();
        status = qapp.exec();
        driver.printSummary();
        if (status == 0 && driver.memoryOver()) {
            std::printf("zorvexa-eventdriver: resident memory grew past its bound (seed %llu)\n", seed);
            memoryOver = true;
        }
    }
    if (memoryOver)
        return 1;
    std::printf("zorvexa-eventdriver: %s after %.1f s (seed %llu)\n",
                status == 0 ? "no invariant violated" : "closing the calculator window did not end the application",
                clock.elapsed() / 1000.0, seed);
    return status;
}
