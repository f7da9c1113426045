// What the driver tells as it runs and at the end.
#include "eventdriver.h"

#include <QApplication>

#include <cstdio>

namespace {

const char *const kCategoryNames[] = {
    "key clicks",      "typed keystrokes", "other characters", "long texts",    "pastes",
    "keypad keys",     "editing keys",     "base options",     "view switches", "activations",
    "settings dialog", "solver openings",  "solver events",    "about box",     "help",
    "double clicks",
};

}  // namespace

void EventDriver::progress() const
{
    const long heap = memory::judged() ? memory::heapKiB() : 0;
    std::printf("zorvexa-eventdriver: %lld events, %.1f s, %ld KiB resident%s, %lld widgets\n",
                static_cast<long long>(count_), clock_.elapsed() / 1000.0, memory::residentKiB(),
                heap ? qPrintable(QStringLiteral(", %1 KiB allocated").arg(heap)) : "",
                static_cast<long long>(QApplication::allWidgets().size()));
    std::fflush(stdout);
}

void EventDriver::printSummary() const
{
    std::printf("zorvexa-eventdriver: %lld events, %lld message boxes (%s), %lld modal windows opened\n",
                static_cast<long long>(count_), static_cast<long long>(messages_),
                realBoxes_ ? qPrintable(QStringLiteral("%1 real, closed by a timer").arg(realBoxesShown_)) : "recorded",
                static_cast<long long>(modalsOpened_));
    std::printf("  %-18s %s\n", "results judged", qPrintable(resultcheck::judged()));
    for (int c = 0; c < CategoryCount; ++c)
        std::printf("  %-18s %lld\n", kCategoryNames[c], static_cast<long long>(perCategory_[size_t(c)]));
    memory_.print();
}
