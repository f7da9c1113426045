// Start-up probe. Linked into a program beside that program's own main(), it
// waits for the first window the platform exposes, lets that window paint,
// then prints how long the process took to get there and its peak memory,
// and ends the process:
//   startup_us=<launch to painted> proc_start_ms=<same, from /proc>
//   vmhwm_kib=<VmHWM> window=<title>
// The launch time comes from the runner (ZORVEXA_BENCH_T0_NS, CLOCK_MONOTONIC
// taken just before it spawned us); /proc/self/stat gives a second, coarser
// reading (clock ticks) that needs no runner.
#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

long long nowNs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// The age of the process by /proc/self/stat's starttime (field 22, clock
// ticks since boot) against CLOCK_BOOTTIME; -1 when unreadable.
double procAgeMs()
{
    FILE *file = std::fopen("/proc/self/stat", "r");
    if (!file)
        return -1;
    char buffer[2048] = {};
    const size_t length = std::fread(buffer, 1, sizeof buffer - 1, file);
    std::fclose(file);
    buffer[length] = '\0';
    // The command name may hold blanks; the fields after it are plain.
    const char *rest = std::strrchr(buffer, ')');
    if (!rest)
        return -1;
    unsigned long long startTicks = 0;
    // After ")" come field 3 (state) ... field 21, then 22 (starttime).
    if (std::sscanf(rest + 1, "%*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %llu",
                    &startTicks) != 1)
        return -1;
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (ticksPerSecond <= 0)
        return -1;
    const double startMs = static_cast<double>(startTicks) * 1000.0 / static_cast<double>(ticksPerSecond);
    return static_cast<double>(nowNs(CLOCK_BOOTTIME)) / 1e6 - startMs;
}

long vmHwmKib()
{
    FILE *file = std::fopen("/proc/self/status", "r");
    if (!file)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, file))
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    std::fclose(file);
    return kib;
}

class FirstExposure : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (done_ || event->type() != QEvent::Expose || !watched->isWindowType())
            return false;
        auto *window = static_cast<QWindow *>(watched);
        if (!window->isExposed())
            return false;
        done_ = true;
        // Deliver it here, so the window has painted when we read the clock.
        QCoreApplication::sendEvent(window, event);
        const long long end = nowNs(CLOCK_MONOTONIC);
        const double procMs = procAgeMs();
        const long hwm = vmHwmKib();
        long long startUs = -1;
        if (const char *t0 = std::getenv("ZORVEXA_BENCH_T0_NS"))
            startUs = (end - std::atoll(t0)) / 1000;
        std::printf("startup_us=%lld proc_start_ms=%.1f vmhwm_kib=%ld window=%s\n", startUs, procMs, hwm,
                    window->title().toUtf8().constData());
        std::fflush(stdout);
        std::_Exit(0);
    }

private:
    bool done_ = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstExposure(QCoreApplication::instance()));
}

}  // namespace

// Runs as soon as the program constructs its QApplication.
Q_COREAPP_STARTUP_FUNCTION(installProbe)
