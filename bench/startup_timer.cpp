// Starts programs in turn, RUNS times each, and prints the medians of their CPU
// time (user + system), wall time and peak resident memory, and each program's
// ratios to the last one (the baseline). Used by bench/startup.sh, which sets the
// environment (offscreen, quit after the first paint, a temporary home folder).
//
//     startup_timer RUNS PROGRAM... BASELINE
//
// wait4() gives the CPU time to the microsecond; /usr/bin/time rounds it to 10 ms.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TRun {
    double CpuMs;
    double WallMs;
    double RssMiB;
};

bool RunOnce(const char* AProgram, TRun& ARun) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // The programs' output is not wanted; their exit status is.
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execl(AProgram, AProgram, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", AProgram, status);
        return false;
    }
    auto ms = [](const timeval& ATime) { return ATime.tv_sec * 1e3 + ATime.tv_usec / 1e3; };
    ARun.CpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    ARun.WallMs = std::chrono::duration<double, std::milli>(end - start).count();
    ARun.RssMiB = usage.ru_maxrss / 1024.0; // KiB on Linux
    return true;
}

double Median(std::vector<double> AValues) {
    std::sort(AValues.begin(), AValues.end());
    const std::size_t n = AValues.size();
    return n % 2 ? AValues[n / 2] : (AValues[n / 2 - 1] + AValues[n / 2]) / 2;
}

struct TMedians {
    double Cpu, Wall, Rss;
};

TMedians Medians(const std::vector<TRun>& ARuns) {
    std::vector<double> cpu, wall, rss;
    for (const TRun& run : ARuns) {
        cpu.push_back(run.CpuMs);
        wall.push_back(run.WallMs);
        rss.push_back(run.RssMiB);
    }
    return {Median(cpu), Median(wall), Median(rss)};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM... BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<const char*> programs(argv + 2, argv + argc);
    std::vector<std::vector<TRun>> results(programs.size());
    TRun run{};
    // A first start of each fills the file system's cache; it is not counted.
    for (const char* program : programs)
        if (!RunOnce(program, run))
            return 1;
    for (int i = 0; i < runs; ++i)
        for (std::size_t p = 0; p < programs.size(); ++p) {
            if (!RunOnce(programs[p], run))
                return 1;
            results[p].push_back(run);
        }
    std::vector<TMedians> medians;
    for (const auto& runsOfOne : results)
        medians.push_back(Medians(runsOfOne));
    const TMedians& baseline = medians.back();
    std::printf("%-16s %8s %8s %13s %10s %10s %13s\n", "", "CPU ms", "wall ms", "peak RSS MiB",
                "CPU ratio", "wall ratio", "RSS diff MiB");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const std::string name = programs[p];
        const TMedians& m = medians[p];
        std::printf("%-16s %8.1f %8.1f %13.1f %10.2f %10.2f %+13.1f\n",
                    name.substr(name.rfind('/') + 1).c_str(), m.Cpu, m.Wall, m.Rss,
                    m.Cpu / baseline.Cpu, m.Wall / baseline.Wall, m.Rss - baseline.Rss);
    }
    std::printf("(medians of %d starts each, in turn)\n", runs);
    return 0;
}
