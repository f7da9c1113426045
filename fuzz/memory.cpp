#include "memory.h"

#include "standard/standwindow.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

#include <malloc.h>
#include <unistd.h>

namespace memory {

long residentKiB()
{
    long size = 0;
    long pages = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &size, &pages) != 2)
            pages = 0;
        std::fclose(statm);
    }
    return pages * (sysconf(_SC_PAGESIZE) / 1024);
}

long heapKiB()
{
    const struct mallinfo2 heap = mallinfo2();
    return long((heap.uordblks + heap.hblkhd) / 1024);
}

bool judged()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#else
    return true;
#endif
}

long schemeChangeCost(StandWindow &stand, int changes)
{
    const auto change = [&stand] {
        QTest::mouseDClick(stand.centralWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        stand.repaint();  // the style draws the keys in their new colours now
    };
    // Both schemes once, so what is built once is not counted.
    for (int i = 0; i < 20; ++i)
        change();
    QApplication::processEvents();
    malloc_trim(0);
    const long before = residentKiB();
    for (int i = 0; i < changes; ++i)
        change();
    QApplication::processEvents();
    malloc_trim(0);
    return residentKiB() - before;
}

void RunMemory::sample(std::int64_t events)
{
    const long now = residentKiB();
    if (start_ < 0)
        start_ = now;
    if (baseline_ < 0 && events >= kRunBaseline) {
        baseline_ = now;
        peak_ = now;
        peakAt_ = events;
    }
    if (baseline_ >= 0 && now > peak_) {
        peak_ = now;
        peakAt_ = events;
    }
    last_ = now;
    lastAt_ = events;
}

bool RunMemory::over() const
{
    return judged() && judgeable() && peak_ - baseline_ > kRunBoundKiB;
}

void RunMemory::print() const
{
    if (!judgeable()) {
        std::printf("zorvexa-eventdriver: memory %ld KiB resident at start, %ld KiB after %lld events "
                    "(not judged: fewer than %lld events)\n",
                    start_, last_, static_cast<long long>(lastAt_), static_cast<long long>(kRunBaseline));
        return;
    }
    std::printf("zorvexa-eventdriver: memory %ld KiB resident at start, %ld KiB after %lld events, peak %ld KiB "
                "at event %lld, %ld KiB at the end (event %lld): growth %+ld KiB, bound %ld KiB: %s\n",
                start_, baseline_, static_cast<long long>(kRunBaseline), peak_, static_cast<long long>(peakAt_),
                last_, static_cast<long long>(lastAt_), peak_ - baseline_, kRunBoundKiB,
                !judged() ? "not judged under the sanitizers" : over() ? "OVER THE BOUND" : "within");
}

}  // namespace memory
