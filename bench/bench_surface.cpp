// Times sampling surfaces: 10^6 grid points on a uniform random stand of 10^4
// trees (400 per hectare, diameters 10 to 50 cm) at k = 6, with the fixed
// plot, angle-count sampling at BAF 4 and concentric plots beside k-tree
// sampling (medians of five runs, all processor cores). Target on a two-core
// machine: within 2 s.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <kavrel/samplingsurface.h>
#include <random>
#include <vector>

using namespace kavrel;

int main()
{
    constexpr int Trees = 10000;
    const double side = std::sqrt(double(Trees) * 25.0);
    std::mt19937_64 generator(20261209);
    std::uniform_real_distribution<double> coordinate(0.0, side);
    std::uniform_real_distribution<double> diameter(0.1, 0.5);
    std::vector<Point> trees;
    std::vector<double> diameters;
    for (int t = 0; t < Trees; ++t) {
        const double x = coordinate(generator);
        const double y = coordinate(generator);
        trees.push_back(Point{x, y});
        diameters.push_back(diameter(generator));
    }
    const Extent stand{0.0, 0.0, side, side};

    std::printf("%-44s  %9s  %9s  %14s\n", "surfaces", "points", "wall (ms)", "processor (ms)");
    for (const bool discs : {false, true}) {
        SurfaceSettings settings;
        settings.k = 6;
        settings.spacing = side / 1000.0;
        if (discs) {
            settings.basalAreaFactors = {4.0};
            settings.concentric = {{5.64, 0.0}, {12.62, 30.0}};
        }
        std::vector<double> walls;
        std::vector<double> cpus;
        std::size_t points = 0;
        for (int run = 0; run < 5; ++run) {
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t cpuStart = std::clock();
            const SurfaceResult result = samplingSurfaces(stand, trees, diameters, settings);
            const std::clock_t cpuEnd = std::clock();
            const auto end = std::chrono::steady_clock::now();
            points = result.grid.size();
            walls.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            cpus.push_back(1000.0 * double(cpuEnd - cpuStart) / CLOCKS_PER_SEC);
        }
        std::sort(walls.begin(), walls.end());
        std::sort(cpus.begin(), cpus.end());
        std::printf("%-44s  %9zu  %9.0f  %14.0f\n",
                    discs ? "k-tree k=6, fixed plot, BAF 4, concentric" : "k-tree k=6 and fixed plot", points,
                    walls[2], cpus[2]);
    }
    return 0;
}
