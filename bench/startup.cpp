// Start-up runner: starts two programs alternately, RUNS times each, and
// compares their medians.
//   zorvexa-bench-startup probe RUNS LABEL=PROGRAM LABEL=PROGRAM
//     the programs carry the start-up probe and report themselves: launch to
//     first painted window, and the peak memory at that moment;
//   zorvexa-bench-startup map RUNS LABEL=PROGRAM LABEL=PROGRAM
//     the programs are plain; the X server tells when their first top-level
//     window is mapped, and the program is then ended.
// The first program is compared with the second (the yardstick). Each
// program first runs twice unmeasured, so both start from warm caches; the
// order within a round alternates. Every measurement goes to stderr.
#include "launch.h"
#include "stats.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef ZORVEXA_BENCH_XCB
#include "mapwatch.h"
#else
// Built without xcb: there is nothing to watch the X server with.
class MapWatch {
public:
    bool connected() const { return false; }
    void drain() {}
    long long waitForMap(int) { return -1; }
};
#endif

namespace {

constexpr int kWarmUpRuns = 2;
constexpr int kTimeoutMs = 20000;
constexpr double kStartUpRatioTarget = 1.15;
constexpr double kMemoryDifferenceTargetMiB = 1.0;

struct Program {
    std::string label;
    std::string path;
    std::vector<double> startMs;
    std::vector<double> procStartMs;
    std::vector<double> hwmMiB;
    std::vector<double> cpuMs;
    std::string window;
};

struct Sample {
    bool ok = false;
    double startMs = 0;
    double procStartMs = 0;
    double hwmMiB = 0;
    double cpuMs = 0;
    std::string window;
};

Sample probeRun(const Program &program)
{
    Sample sample;
    launch::Child child = launch::start(program.path, true);
    if (child.pid < 0)
        return sample;
    const std::string output = launch::readOutput(child, kTimeoutMs);
    const launch::Ended ended = launch::finish(child, output.empty());
    const int status = ended.status;
    long long startUs = -1;
    double procMs = -1;
    long hwmKib = -1;
    char window[256] = {};
    const char *line = std::strstr(output.c_str(), "startup_us=");
    if (!line ||
        std::sscanf(line, "startup_us=%lld proc_start_ms=%lf vmhwm_kib=%ld window=%255[^\n]", &startUs, &procMs,
                    &hwmKib, window) < 3 ||
        startUs < 0) {
        std::fprintf(stderr, "%s: no measurement (status %d, output \"%s\")\n", program.label.c_str(), status,
                     output.c_str());
        return sample;
    }
    sample.ok = true;
    sample.startMs = static_cast<double>(startUs) / 1000.0;
    sample.procStartMs = procMs;
    sample.hwmMiB = static_cast<double>(hwmKib) / 1024.0;
    sample.cpuMs = ended.cpuMs;
    sample.window = window;
    return sample;
}

Sample mapRun(const Program &program, MapWatch &watch)
{
    Sample sample;
    watch.drain();
    launch::Child child = launch::start(program.path, false);
    if (child.pid < 0)
        return sample;
    const long long t0 = child.t0Ns;
    const long long mapped = watch.waitForMap(kTimeoutMs);
    launch::finish(child, true);
    if (mapped < 0) {
        std::fprintf(stderr, "%s: no window was mapped\n", program.label.c_str());
        return sample;
    }
    sample.ok = true;
    sample.startMs = static_cast<double>(mapped - t0) / 1e6;
    return sample;
}

bool parseProgram(const char *argument, Program &program)
{
    const char *equals = std::strchr(argument, '=');
    if (!equals)
        return false;
    program.label.assign(argument, equals);
    program.path = equals + 1;
    return !program.label.empty() && !program.path.empty();
}

int usage()
{
    std::fprintf(stderr, "usage: zorvexa-bench-startup probe|map RUNS LABEL=PROGRAM LABEL=PROGRAM\n");
    return 2;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 5)
        return usage();
    const std::string mode = argv[1];
    const int runs = std::atoi(argv[2]);
    std::vector<Program> programs(2);
    if ((mode != "probe" && mode != "map") || runs < 1 || !parseProgram(argv[3], programs[0]) ||
        !parseProgram(argv[4], programs[1]))
        return usage();

    MapWatch *watch = nullptr;
    MapWatch mapWatch;
    if (mode == "map") {
        if (!mapWatch.connected()) {
            std::fprintf(stderr, "zorvexa-bench-startup: no X display to watch\n");
            return 1;
        }
        watch = &mapWatch;
    }
    auto runOnce = [&](const Program &program) { return watch ? mapRun(program, *watch) : probeRun(program); };

    for (int i = 0; i < kWarmUpRuns; ++i)
        for (const Program &program : programs)
            if (!runOnce(program).ok)
                return 1;
    for (int round = 0; round < runs; ++round) {
        for (int k = 0; k < 2; ++k) {
            Program &program = programs[static_cast<size_t>((round + k) % 2)];
            const Sample sample = runOnce(program);
            if (!sample.ok)
                return 1;
            program.startMs.push_back(sample.startMs);
            program.procStartMs.push_back(sample.procStartMs);
            program.hwmMiB.push_back(sample.hwmMiB);
            program.cpuMs.push_back(sample.cpuMs);
            if (program.window.empty())
                program.window = sample.window;
            std::fprintf(stderr, "%s run %d: %.2f ms", program.label.c_str(), round + 1, sample.startMs);
            if (!watch)
                std::fprintf(stderr, " (/proc: %.0f ms), CPU %.2f ms, VmHWM %.2f MiB", sample.procStartMs, sample.cpuMs,
                             sample.hwmMiB);
            std::fprintf(stderr, "\n");
        }
    }

    std::printf("  %-28s %8s %8s %8s", "ms (median of the runs)", "start-up", "min", "max");
    if (watch)
        std::printf("\n");
    else
        std::printf(" %8s %8s %10s\n", "/proc", "CPU", "VmHWM MiB");
    for (const Program &program : programs) {
        const std::string name = program.window.empty() ? program.label : program.label + " (" + program.window + ")";
        std::printf("  %-28s %8.2f %8.2f %8.2f", name.c_str(), stats::median(program.startMs),
                    stats::minimum(program.startMs), stats::maximum(program.startMs));
        if (!watch)
            std::printf(" %8.0f %8.2f %10.2f", stats::median(program.procStartMs), stats::median(program.cpuMs),
                        stats::median(program.hwmMiB));
        std::printf("\n");
    }
    const double ratio = stats::median(programs[0].startMs) / stats::median(programs[1].startMs);
    std::printf("  start-up ratio %.3f (target at most %.2f: %s)", ratio, kStartUpRatioTarget,
                ratio <= kStartUpRatioTarget ? "met" : "MISSED");
    if (!watch) {
        std::printf("; CPU time ratio %.3f\n", stats::median(programs[0].cpuMs) / stats::median(programs[1].cpuMs));
        const double difference = stats::median(programs[0].hwmMiB) - stats::median(programs[1].hwmMiB);
        std::printf("  peak memory difference %+.2f MiB (target at most %.0f MiB: %s)\n", difference,
                    kMemoryDifferenceTargetMiB, difference <= kMemoryDifferenceTargetMiB ? "met" : "MISSED");
    } else {
        std::printf("\n");
    }
    return 0;
}
