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

}  // namespace memory
