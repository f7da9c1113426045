#pragma once

#include <string>

#include <sys/types.h>

// Starting a measured program and collecting what it prints.
namespace launch {

long long monotonicNs();

struct Child {
    pid_t pid = -1;
    int output = -1;     // read end of its standard output, or -1
    long long t0Ns = 0;  // CLOCK_MONOTONIC just before it was started
};

// Starts `path` with no arguments. Its environment is ours plus
// ZORVEXA_BENCH_T0_NS, the launch time; the clock is read as the last thing
// before the spawn. `captureOutput` connects its standard output to a pipe.
Child start(const std::string &path, bool captureOutput);

// What the child printed until it closed its output; empty when it has not
// within `timeoutMs`.
std::string readOutput(const Child &child, int timeoutMs);

struct Ended {
    int status = 0;    // as waitpid gives it
    double cpuMs = 0;  // user + system time of all its threads
};

// Reaps the child; ends it first (SIGKILL, to this pid only) when `kill`.
Ended finish(Child &child, bool kill);

}  // namespace launch
