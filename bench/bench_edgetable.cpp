// Median time of the edge table of a 50-tree stand on the designed 441 x 441
// map, for each order 1 ... 5 and for all five together. Both wall-clock time
// and the thread's CPU time are shown: on a busy machine the first also counts
// time spent waiting for a processor.
#include "stand/stand.h"
#include "zones/edgetable.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int MapSize = 441;
constexpr int DefaultRuns = 101;

// A fixed pseudo-random stand, the same on every run and machine.
Stand benchmarkStand()
{
    Stand stand;
    stand.width = 100;
    stand.length = 100;
    std::uint64_t state = 20240611;
    auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state >> 11) / double(1ULL << 53);
    };
    for (int t = 0; t < 50; ++t) {
        stand.treeX.push_back(next() * stand.width);
        stand.treeY.push_back(next() * stand.length);
        stand.treeD.push_back(10 + next() * 40);
    }
    prepareStand(stand, MapSize, MapSize);
    return stand;
}

double nowMilliseconds(clockid_t clock)
{
    timespec time{};
    clock_gettime(clock, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

struct Sample
{
    double wall = 0;
    double cpu = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    // An optional first argument sets the number of runs (for profilers).
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultRuns;
    Stand stand = benchmarkStand();
    std::vector<double> totalWall(std::size_t(runs), 0), totalCpu(std::size_t(runs), 0);
    std::printf("edge table, %d trees, %dx%d map, median of %d runs (wall clock / CPU time)\n",
                stand.treeCount(), MapSize, MapSize, runs);
    for (int order = 1; order <= 5; ++order) {
        std::vector<double> wall, cpu;
        qsizetype rows = 0;
        for (int run = 0; run < runs; ++run) {
            const double wallStart = nowMilliseconds(CLOCK_MONOTONIC);
            const double cpuStart = nowMilliseconds(CLOCK_THREAD_CPUTIME_ID);
            const EdgeTable table = computeEdgeTable(stand, order, MapSize, MapSize);
            wall.push_back(nowMilliseconds(CLOCK_MONOTONIC) - wallStart);
            cpu.push_back(nowMilliseconds(CLOCK_THREAD_CPUTIME_ID) - cpuStart);
            totalWall[std::size_t(run)] += wall.back();
            totalCpu[std::size_t(run)] += cpu.back();
            rows = table.rows.size();
        }
        std::printf("  k = %d: %7.3f ms / %7.3f ms  (%lld rows)\n", order, median(wall), median(cpu),
                    static_cast<long long>(rows));
    }
    std::printf("  k = 1..5 together: %7.3f ms / %7.3f ms\n", median(totalWall), median(totalCpu));
    return 0;
}
