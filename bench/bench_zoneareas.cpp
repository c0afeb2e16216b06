// Times the exact zone areas of every tree of a 50-tree stand for the orders
// 1 to 10 (target: each order under 50 ms). With a stand file as argument the
// trees are read and separated as the program does on its designed map;
// without one a fixed pseudo-random 50-tree stand is used.

#include "stand/standfilereader.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <kavrel/inclusionzones.h>
#include <random>
#include <vector>

using namespace kavrel;

namespace {

struct BenchStand
{
    std::vector<Point> trees;
    StandRectangle rectangle;
};

BenchStand generatedStand()
{
    BenchStand stand{{}, {100.0, 100.0}};
    std::mt19937_64 generator(20240611);
    std::uniform_real_distribution<double> coordinate(0.0, 100.0);
    for (int t = 0; t < 50; ++t) {
        const double x = coordinate(generator);
        const double y = coordinate(generator);
        stand.trees.push_back(Point{x, y});
    }
    return stand;
}

bool readStand(const char *path, BenchStand &bench)
{
    StandFileResult read = readStandFile(QString::fromLocal8Bit(path));
    if (!read.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(read.error.message));
        return false;
    }
    Stand &stand = *read.stand;
    if (!prepareStand(stand, 441, 441))
        return false;
    bench.rectangle = {double(stand.width), double(stand.length)};
    for (int t = 0; t < stand.treeCount(); ++t)
        bench.trees.push_back(Point{stand.treeX[t], stand.treeY[t]});
    return true;
}

template <typename Work> double medianMilliseconds(int runs, Work work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    BenchStand bench = generatedStand();
    if (argc > 1) {
        bench = BenchStand{};
        if (!readStand(argv[1], bench))
            return 1;
    }
    std::printf("%lld trees, stand %g m x %g m; median of 15 runs\n",
                static_cast<long long>(bench.trees.size()), bench.rectangle.width, bench.rectangle.length);
    std::printf("%3s  %12s  %16s  %14s\n", "k", "areas (ms)", "with outlines", "sum / (k A) - 1");
    double slowest = 0.0;
    for (int k = 1; k <= 10; ++k) {
        std::vector<double> areas;
        const double areasTime =
            medianMilliseconds(15, [&] { areas = inclusionZoneAreas(bench.trees, bench.rectangle, k); });
        const double zonesTime =
            medianMilliseconds(15, [&] { (void)inclusionZones(bench.trees, bench.rectangle, k); });
        double sum = 0.0;
        for (double area : areas)
            sum += area;
        const double covered = std::min<double>(k, double(bench.trees.size())) * bench.rectangle.area();
        std::printf("%3d  %12.3f  %16.3f  %14.2e\n", k, areasTime, zonesTime, sum / covered - 1.0);
        slowest = std::max(slowest, areasTime);
    }
    std::printf("slowest order: %.3f ms (target under 50 ms)\n", slowest);
    return 0;
}
