// SPDX-License-Identifier: GPL-3.0-or-later
// make bench: start-up and peak memory of the program against the floor, side by side,
// then the moves and the steadiness (measured in-process by ossarion_bench_moves).
// Prints a Markdown table. Needs a display with a window manager (the Makefile gives it
// Xvfb and openbox).
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Run {
    double startupMs = 0;
    double cpuMs = 0; // user and system time of the whole run, its end included
    double peakMiB = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

std::string besideMe(const char *name)
{
    std::string self(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
    if (n <= 0)
        return name;
    self.resize(std::size_t(n));
    return self.substr(0, self.rfind('/') + 1) + name;
}

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "bench: %s\n", what.c_str());
    std::exit(1);
}

// Starts the program, reads its "painted <ns>" line, waits for its end.
Run measure(const std::string &program)
{
    int out[2];
    if (pipe(out) != 0)
        fail("pipe");
    char errorLog[] = "/tmp/ossarion-bench-XXXXXX";
    const int errFd = mkstemp(errorLog);
    if (errFd < 0)
        fail("mkstemp");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char *> argv{const_cast<char *>(program.c_str()), nullptr};

    const long long started = monotonicNs();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        fail("cannot start " + program);
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    posix_spawn_file_actions_destroy(&actions);

    const auto at = text.find("painted ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos) {
        std::ifstream log(errorLog);
        std::fprintf(stderr, "%s", std::string(std::istreambuf_iterator<char>(log), {}).c_str());
        fail(program + " did not report its first paint");
    }
    close(errFd);
    unlink(errorLog);
    Run run;
    run.startupMs = double(std::stoll(text.substr(at + 8)) - started) / 1e6;
    run.peakMiB = double(usage.ru_maxrss) / 1024.0; // KiB on Linux
    run.cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
              + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return run;
}

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const double pos = q * double(v.size() - 1);
    const auto lo = std::size_t(pos);
    const auto hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (pos - double(lo));
}

std::string summary(const std::vector<double> &v, const char *format)
{
    char text[160];
    char median[32], low[32], high[32];
    std::snprintf(median, sizeof median, format, quantile(v, 0.5));
    std::snprintf(low, sizeof low, format, *std::min_element(v.begin(), v.end()));
    std::snprintf(high, sizeof high, format, *std::max_element(v.begin(), v.end()));
    std::snprintf(text, sizeof text, "%s (%s-%s)", median, low, high);
    return text;
}

std::string cpuModel()
{
    std::ifstream info("/proc/cpuinfo");
    for (std::string line; std::getline(info, line);)
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    return "unknown CPU";
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(10, std::atoi(argv[1])) : 15;
    if (const char *platform = std::getenv("QT_QPA_PLATFORM"); platform && std::strcmp(platform, "xcb") != 0)
        fail("QT_QPA_PLATFORM is set to something other than xcb; the bench needs a real display");
    if (!std::getenv("DISPLAY"))
        fail("no DISPLAY: run it through `make bench`");
    const std::string floorProgram = besideMe("ossarion_floor");
    const std::string startProgram = besideMe("ossarion_bench_start");

    std::printf("Machine: %ld cores (nproc), %s. Display: Xvfb with openbox.\n",
                sysconf(_SC_NPROCESSORS_ONLN), cpuModel().c_str());
    std::printf("Start-up: %d runs of each program, alternating; median (min-max).\n\n", runs);
    std::fflush(stdout);

    // One of each first, not counted: both start from a warm page cache.
    measure(floorProgram);
    measure(startProgram);
    std::vector<double> floorMs, floorCpu, floorMiB, appMs, appCpu, appMiB;
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const bool floorNow = (i + k) % 2 == 0; // floor first on even runs, second on odd
            const Run r = measure(floorNow ? floorProgram : startProgram);
            (floorNow ? floorMs : appMs).push_back(r.startupMs);
            (floorNow ? floorCpu : appCpu).push_back(r.cpuMs);
            (floorNow ? floorMiB : appMiB).push_back(r.peakMiB);
        }
    }
    const double startRatio = quantile(appMs, 0.5) / quantile(floorMs, 0.5);
    const double cpuRatio = quantile(appCpu, 0.5) / quantile(floorCpu, 0.5);
    const double memoryRatio = quantile(appMiB, 0.5) / quantile(floorMiB, 0.5);

    std::printf("| measure | floor | Ossarion | result | goal |\n");
    std::printf("|---|---|---|---|---|\n");
    std::printf("| start-up to first paint, ms | %s | %s | ratio %.2f | <= 1.15 %s |\n",
                summary(floorMs, "%.1f").c_str(), summary(appMs, "%.1f").c_str(), startRatio,
                startRatio <= 1.15 ? "met" : "MISSED");
    std::printf("| CPU time of the same runs (user + system, to exit), ms | %s | %s | ratio %.2f | |\n",
                summary(floorCpu, "%.1f").c_str(), summary(appCpu, "%.1f").c_str(), cpuRatio);
    std::printf("| peak RSS of the same runs, MiB | %s | %s | ratio %.2f | <= 1.3 %s |\n",
                summary(floorMiB, "%.1f").c_str(), summary(appMiB, "%.1f").c_str(), memoryRatio,
                memoryRatio <= 1.3 ? "met" : "MISSED");
    std::fflush(stdout);

    // The moves and the steadiness print their own rows of the same table; what the toolkit
    // says on the error stream is shown only if they fail.
    const std::string movesProgram = besideMe("ossarion_bench_moves");
    std::vector<char *> movesArgv{const_cast<char *>(movesProgram.c_str()), nullptr};
    char errorLog[] = "/tmp/ossarion-bench-XXXXXX";
    const int errFd = mkstemp(errorLog);
    if (errFd < 0)
        fail("mkstemp");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    pid_t pid = 0;
    if (posix_spawn(&pid, movesProgram.c_str(), &actions, nullptr, movesArgv.data(), environ) != 0)
        fail("cannot start " + movesProgram);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    close(errFd);
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!ok) {
        std::ifstream log(errorLog);
        std::fprintf(stderr, "%s", std::string(std::istreambuf_iterator<char>(log), {}).c_str());
    }
    unlink(errorLog);
    return ok ? 0 : 1;
}
