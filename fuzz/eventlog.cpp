#include "eventlog.h"

#include <csignal>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace eventlog {
namespace {

constexpr int kKept = 24;
constexpr int kLength = 240;

struct Entry {
    std::int64_t number = -1;
    char text[kLength] = {};
};

Entry entries[kKept];
std::int64_t latest = -1;
std::uint64_t seedInUse = 0;
volatile std::sig_atomic_t reported = 0;

void put(const char *text)
{
    const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text));
    (void)written;
}

// Decimal digits without printf, for the signal handler.
void putNumber(std::uint64_t value)
{
    char buffer[24];
    int i = int(sizeof buffer) - 1;
    buffer[i] = '\0';
    do {
        buffer[--i] = char('0' + value % 10);
        value /= 10;
    } while (value != 0 && i > 0);
    put(buffer + i);
}

void onFatalSignal(int signal)
{
    report(signal == SIGSEGV ? "crash (SIGSEGV)"
           : signal == SIGABRT ? "crash (SIGABRT)"
           : signal == SIGFPE  ? "crash (SIGFPE)"
           : signal == SIGBUS  ? "crash (SIGBUS)"
                               : "crash (SIGILL)");
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void setSeed(std::uint64_t seed)
{
    seedInUse = seed;
}

void record(std::int64_t number, const QString &what)
{
    Entry &entry = entries[number % kKept];
    entry.number = number;
    const QByteArray utf8 = what.toUtf8();
    const size_t length = std::min(size_t(utf8.size()), size_t(kLength - 1));
    std::memcpy(entry.text, utf8.constData(), length);
    entry.text[length] = '\0';
    latest = number;
}

std::int64_t lastNumber()
{
    return latest;
}

void report(const char *headline)
{
    // Once: a sanitizer report ends in abort(), which the handler sees too.
    if (reported)
        return;
    reported = 1;
    put("\n=== zorvexa-eventdriver: ");
    put(headline);
    put("\n    seed ");
    putNumber(seedInUse);
    put(", event ");
    putNumber(std::uint64_t(latest < 0 ? 0 : latest));
    put("\n    replay: zorvexa-eventdriver --seed ");
    putNumber(seedInUse);
    put(" --events ");
    putNumber(std::uint64_t(latest < 0 ? 0 : latest));
    put("\n    last events:\n");
    const std::int64_t first = latest - kKept + 1 < 0 ? 0 : latest - kKept + 1;
    for (std::int64_t n = first; n <= latest; ++n) {
        const Entry &entry = entries[n % kKept];
        if (entry.number != n)
            continue;
        put("      #");
        putNumber(std::uint64_t(n));
        put("  ");
        put(entry.text);
        put("\n");
    }
}

void installCrashReport()
{
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
        std::signal(signal, onFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizers print their own report and then call this before dying.
    __sanitizer_set_death_callback([] { report("sanitizer finding"); });
#endif
}

}  // namespace eventlog

#if defined(__SANITIZE_ADDRESS__)
// The undefined-behaviour sanitizer has no death callback of its own: make
// its findings abort, so the signal handler reports the events. The
// environment's options still take precedence.
extern "C" const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1:abort_on_error=1";
}
#endif
