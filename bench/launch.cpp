#include "launch.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace launch {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

Child start(const std::string &path, bool captureOutput)
{
    Child child;
    int pipeFds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (captureOutput) {
        if (pipe2(pipeFds, O_CLOEXEC) != 0) {
            std::perror("pipe2");
            return child;
        }
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    }

    std::vector<std::string> env;
    for (char **entry = environ; *entry; ++entry)
        env.emplace_back(*entry);
    env.emplace_back();  // ZORVEXA_BENCH_T0_NS, filled in at the last moment
    std::vector<char *> envp;
    for (std::string &entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    char *argv[] = {const_cast<char *>(path.c_str()), nullptr};

    char stamp[64];
    child.t0Ns = monotonicNs();
    std::snprintf(stamp, sizeof stamp, "ZORVEXA_BENCH_T0_NS=%lld", child.t0Ns);
    envp[env.size() - 1] = stamp;
    const int error = posix_spawn(&child.pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (captureOutput) {
        close(pipeFds[1]);
        child.output = pipeFds[0];
    }
    if (error != 0) {
        errno = error;
        std::perror(path.c_str());
        child.pid = -1;
    }
    return child;
}

std::string readOutput(const Child &child, int timeoutMs)
{
    std::string text;
    const long long deadline = monotonicNs() + static_cast<long long>(timeoutMs) * 1000000LL;
    for (;;) {
        const long long left = (deadline - monotonicNs()) / 1000000LL;
        if (left <= 0)
            return std::string();
        pollfd fd{child.output, POLLIN, 0};
        const int ready = poll(&fd, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::string();
        char buffer[4096];
        const ssize_t got = read(child.output, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(buffer, static_cast<size_t>(got));
    }
}

Ended finish(Child &child, bool kill)
{
    Ended ended;
    if (child.pid > 0) {
        if (kill)
            ::kill(child.pid, SIGKILL);
        rusage usage{};
        while (wait4(child.pid, &ended.status, 0, &usage) < 0 && errno == EINTR) {
        }
        auto ms = [](const timeval &tv) {
            return static_cast<double>(tv.tv_sec) * 1e3 + static_cast<double>(tv.tv_usec) / 1e3;
        };
        ended.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    }
    if (child.output >= 0)
        close(child.output);
    child = Child();
    return ended;
}

}  // namespace launch
