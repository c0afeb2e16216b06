// Times the research engine on uniform random stands of 400 trees per hectare
// (medians of several runs, all processor cores): the zone areas of every tree
// for 10^3, 10^4 and 10^5 trees at k = 1, 6 and 10, a simulation of 10^6
// random sample points on 10^4 trees at k = 6, and the peak memory of the
// zone areas of 10^5 trees at k = 6 (measured in a child process of its own;
// on Windows the process's own peak working set, measured before anything else).
// Targets on a two-core machine: 10^4 trees, k = 6 within 200 ms; 10^5 trees,
// k = 6 within 3 s; 10^6 points within 1 s; 10^5 trees within 500 MB.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <kavrel/inclusionzones.h>
#include <kavrel/samplingsimulation.h>
#include <kavrel/threads.h>
#include <random>
#include <vector>
#ifdef _WIN32
#include <windows.h>
// windows.h first: psapi.h builds on its types.
#include <psapi.h>
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace kavrel;

namespace {

struct BenchStand
{
    std::vector<Point> trees;
    StandRectangle rectangle;
};

BenchStand uniformStand(int treeCount, std::uint64_t seed)
{
    const double side = std::sqrt(double(treeCount) * 25.0); // 400 trees per hectare
    BenchStand stand{{}, {side, side}};
    std::mt19937_64 generator(seed);
    std::uniform_real_distribution<double> coordinate(0.0, side);
    for (int t = 0; t < treeCount; ++t) {
        const double x = coordinate(generator);
        const double y = coordinate(generator);
        stand.trees.push_back(Point{x, y});
    }
    return stand;
}

struct Timing
{
    double wall = 0.0; // ms
    double cpu = 0.0;  // ms, all threads: what an idle machine would need at most
};

// Medians of the wall-clock and of the processor time: on a busy machine the
// wall-clock time says more about the other work than about this one.
template <typename Work> Timing medianTiming(int runs, Work work)
{
    std::vector<double> walls;
    std::vector<double> cpus;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        work();
        const std::clock_t cpuEnd = std::clock();
        const auto end = std::chrono::steady_clock::now();
        walls.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        cpus.push_back(1000.0 * double(cpuEnd - cpuStart) / CLOCKS_PER_SEC);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

void timeAreas()
{
    std::printf("%8s  %3s  %5s  %12s  %14s  %16s\n", "trees", "k", "runs", "areas (ms)", "processor (ms)",
                "sum / (k A) - 1");
    for (const int n : {1000, 10000, 100000}) {
        const BenchStand bench = uniformStand(n, 20261208 + std::uint64_t(n));
        const int runs = n >= 100000 ? 3 : n >= 10000 ? 5 : 9;
        for (const int k : {1, 6, 10}) {
            std::vector<double> areas;
            const Timing time =
                medianTiming(runs, [&] { areas = inclusionZoneAreas(bench.trees, bench.rectangle, k); });
            double sum = 0.0;
            for (const double area : areas)
                sum += area;
            std::printf("%8d  %3d  %5d  %12.1f  %14.1f  %16.2e\n", n, k, runs, time.wall, time.cpu,
                        sum / (double(k) * bench.rectangle.area()) - 1.0);
            std::fflush(stdout);
        }
    }
}

void timeSimulation()
{
    const BenchStand bench = uniformStand(10000, 7);
    const int k = 6;
    const std::vector<double> areas = inclusionZoneAreas(bench.trees, bench.rectangle, k);
    std::vector<SampledTree> trees;
    for (std::size_t t = 0; t < bench.trees.size(); ++t)
        trees.push_back(SampledTree{bench.trees[t], 0.3, areas[t]});
    SamplingDesign design;
    design.pointCount = 1'000'000;
    design.seed = 11;
    SamplingResult result;
    const Timing time =
        medianTiming(3, [&] { result = simulateSampling(trees, bench.rectangle, k, design); });
    std::printf("simulation: 1000000 points on 10000 trees, k = 6: %.1f ms, processor %.1f ms (median of 3); "
                "HT trees/ha %.3f (true %.3f, standard error %.3f)\n",
                time.wall, time.cpu, result.treesHorvitzThompson.mean, result.treesHorvitzThompson.trueValue,
                result.treesHorvitzThompson.standardError);
}

#ifdef _WIN32
// No fork(): the figure is this process's peak working set, taken while
// nothing else has run yet.
void peakMemory()
{
    const BenchStand bench = uniformStand(100000, 3);
    const std::vector<double> areas = inclusionZoneAreas(bench.trees, bench.rectangle, 6);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (areas.size() != bench.trees.size() ||
        !GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) {
        std::printf("peak memory: cannot be measured\n");
        return;
    }
    std::printf("peak memory: zone areas of 100000 trees, k = 6: %.1f MB working set\n",
                double(counters.PeakWorkingSetSize) / (1024.0 * 1024.0));
}
#else
// The child computes; its peak resident set comes back through wait4().
void peakMemory()
{
    const pid_t child = fork();
    if (child == 0) {
        const BenchStand bench = uniformStand(100000, 3);
        const std::vector<double> areas = inclusionZoneAreas(bench.trees, bench.rectangle, 6);
        _exit(areas.size() == bench.trees.size() ? 0 : 1);
    }
    if (child < 0) {
        std::printf("peak memory: cannot start a child process\n");
        return;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("peak memory: the child process failed\n");
        return;
    }
    std::printf("peak memory: zone areas of 100000 trees, k = 6: %.1f MB resident\n",
                double(usage.ru_maxrss) / 1024.0);
}
#endif

} // namespace

int main()
{
    std::printf("uniform random stands, 400 trees/ha, %d threads\n", threadCount());
    peakMemory();
    timeAreas();
    timeSimulation();
    return 0;
}
