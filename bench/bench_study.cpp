// The simulation study of the command line's worked example at benchmark
// size: one 1000-tree Poisson stand, k = 1 ... 10, 1000 samples of 20 random
// points, every estimator. Prints the median wall time of three runs, split
// into the zones (computed once per stand and order) and the sampling.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <kavrel/inclusionzones.h>
#include <kavrel/pointpatterns.h>
#include <kavrel/standrectangle.h>
#include <kavrel/study.h>
#include <thread>
#include <vector>

using namespace kavrel;

namespace {

StudyStand poissonStand()
{
    PatternParameters pattern;
    pattern.width = 200.0;
    pattern.length = 200.0;
    pattern.count = 1000;
    pattern.diameters = {DiameterDistribution::Kind::Weibull, 2.5, 30.0};
    pattern.seed = 2026;
    const GeneratedStand generated = generatePattern(pattern);
    StudyStand stand{"poisson1000", {0.0, 0.0, 200.0, 200.0}, generated.positions, {}};
    for (const double d : generated.diameters)
        stand.diametersMetres.push_back(d / 100.0);
    return stand;
}

template <typename Work>
double medianSeconds(int runs, Work work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    const StudyStand stand = poissonStand();
    StudySettings settings;
    settings.orders = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    settings.replicates = 1000;
    settings.points = 20;
    settings.seed = 1;

    StandRectangle rectangle;
    rectangle.width = 200.0;
    rectangle.length = 200.0;
    const double zones = medianSeconds(3, [&] {
        for (const int k : settings.orders)
            (void)inclusionZoneAreas(stand.trees, rectangle, k);
    });
    std::size_t rows = 0;
    const double study = medianSeconds(3, [&] { rows = runStudy({stand}, settings).summary.size(); });

    std::printf("study: %zu trees, k = 1..10, %lld replicates of %lld random points, 5 estimators x 2 "
                "quantities, %u hardware threads; median of 3 runs\n",
                stand.trees.size(), static_cast<long long>(settings.replicates),
                static_cast<long long>(settings.points), std::thread::hardware_concurrency());
    std::printf("zone areas for k = 1..10: %.3f s\n", zones);
    std::printf("sampling and estimators (the rest): %.3f s\n", std::max(0.0, study - zones));
    std::printf("whole study (zones included): %.3f s, %zu summary rows (target: at most 10 s)\n", study, rows);
    return 0;
}
