#include "samplingsurface.h"

#include "anglecount.h"
#include "discdesign.h"
#include "inclusionzones.h"
#include "nearesttrees.h"
#include "parallelblocks.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace kavrel {

namespace {

constexpr double SquareMetresPerHectare = 10000.0;
constexpr int RowsPerBlock = 8;
constexpr int QuantityCount = 2;
constexpr double MaxSurfaceValues = 2.5e8;

double basalArea(double diameterMetres)
{
    return std::numbers::pi / 4.0 * diameterMetres * diameterMetres;
}

void checkTrees(const std::vector<Point> &trees, const std::vector<double> &diameters)
{
    if (diameters.size() != trees.size())
        throw std::invalid_argument("one diameter per tree is needed");
    for (std::size_t t = 0; t < trees.size(); ++t) {
        if (!std::isfinite(trees[t].x) || !std::isfinite(trees[t].y) || !std::isfinite(diameters[t]))
            throw std::invalid_argument("tree " + std::to_string(t + 1) +
                                        " has a coordinate or diameter that is not a number");
    }
}

void describe(Surface &surface)
{
    const std::vector<double> &v = surface.values;
    if (v.empty())
        return;
    double sum = 0.0;
    for (const double value : v)
        sum += value;
    surface.mean = sum / double(v.size());
    double squares = 0.0;
    for (const double value : v)
        squares += (value - surface.mean) * (value - surface.mean);
    surface.standardDeviation = std::sqrt(squares / double(v.size()));
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    surface.minimum = *low;
    surface.maximum = *high;
}

// The pair of surfaces of one design, trees and basal area.
struct SurfacePair
{
    Surface trees;
    Surface basal;
};

SurfacePair emptyPair(const std::string &design, std::size_t size, double trueTrees, double trueBasal)
{
    SurfacePair pair;
    pair.trees = {design, "trees_per_ha", trueTrees, 0, 0, 0, 0, 0, std::vector<double>(size, 0.0)};
    pair.basal = {design, "basal_area_m2_per_ha", trueBasal, 0, 0, 0, 0, 0, std::vector<double>(size, 0.0)};
    return pair;
}

} // namespace

SurfaceGrid surfaceGrid(Extent stand, double spacing)
{
    if (!(spacing > 0.0) || !std::isfinite(spacing))
        throw std::invalid_argument("the grid spacing must be a positive number of metres");
    const double columns = std::floor(stand.width() / spacing);
    const double rows = std::floor(stand.length() / spacing);
    if (!(columns >= 1.0) || !(rows >= 1.0))
        throw std::invalid_argument("the grid spacing is larger than the stand");
    if (columns * rows > MaxSurfacePoints)
        throw std::invalid_argument("the grid would have more than 10^8 points");
    SurfaceGrid grid;
    grid.spacing = spacing;
    grid.columns = int(columns);
    grid.rows = int(rows);
    grid.left = stand.left + (stand.width() - columns * spacing) / 2.0;
    grid.bottom = stand.bottom + (stand.length() - rows * spacing) / 2.0;
    return grid;
}

SurfaceResult samplingSurfaces(Extent stand, const std::vector<Point> &trees,
                               const std::vector<double> &diametersMetres, const SurfaceSettings &settings,
                               const Progress &progress)
{
    if (settings.k < 1)
        throw std::invalid_argument("the order k must be at least 1");
    if (!(stand.width() > 0.0) || !(stand.length() > 0.0) || !std::isfinite(stand.area()))
        throw std::invalid_argument("the stand rectangle has no area");
    checkTrees(trees, diametersMetres);
    if (settings.plotRadiusMetres &&
        !(*settings.plotRadiusMetres > 0.0 && std::isfinite(*settings.plotRadiusMetres)))
        throw std::invalid_argument("the plot radius must be positive");

    SurfaceResult result;
    result.grid = surfaceGrid(stand, settings.spacing);
    const SurfaceGrid &grid = result.grid;
    const std::size_t n = trees.size();
    const double hectares = stand.area() / SquareMetresPerHectare;
    std::vector<double> basal;
    double totalBasal = 0.0;
    for (const double d : diametersMetres) {
        basal.push_back(basalArea(d));
        totalBasal += basal.back();
    }
    const double trueTrees = double(n) / hectares;
    const double trueBasal = totalBasal / hectares;

    result.plotRadiusMetres = settings.plotRadiusMetres.value_or(
        n > 0 ? std::sqrt(double(settings.k) * stand.area() / (std::numbers::pi * double(n))) : 1.0);
    std::vector<DiscSampler> samplers;
    samplers.emplace_back(trees, basal, fixedPlotDesign(n, result.plotRadiusMetres), stand,
                          settings.edgeCorrection);
    for (const double factor : settings.basalAreaFactors)
        samplers.emplace_back(trees, basal, angleCountDesign(diametersMetres, factor), stand,
                              settings.edgeCorrection);
    if (!settings.concentric.empty())
        samplers.emplace_back(trees, basal, concentricDesign(diametersMetres, settings.concentric), stand,
                              settings.edgeCorrection);

    // Each surface holds a number per point: past 2.5 * 10^8 numbers (2 GB)
    // a finer grid only exhausts the memory.
    const double values = double(grid.size()) * double(QuantityCount) * double(samplers.size() + 1);
    if (values > MaxSurfaceValues)
        throw std::invalid_argument("the surfaces of this grid would need more than 2 GB: a coarser grid "
                                    "or fewer designs, please");

    // k-tree sampling: Horvitz-Thompson with the exact order-k zones.
    std::vector<Point> shifted;
    for (const Point p : trees)
        shifted.push_back(Point{p.x - stand.left, p.y - stand.bottom});
    StandRectangle rectangle;
    rectangle.width = stand.width();
    rectangle.length = stand.length();
    // One scale for the whole computation: first the zones, a unit a tree,
    // then the grid, a unit a block of rows.
    const std::int64_t blocks = (grid.rows + RowsPerBlock - 1) / RowsPerBlock;
    const std::int64_t total = std::int64_t(n) + blocks;
    const Progress zoneProgress = [&](std::int64_t done, std::int64_t) {
        return !progress || progress(std::min<std::int64_t>(done, std::int64_t(n)), total);
    };
    const Progress gridProgress = [&](std::int64_t done, std::int64_t) {
        return !progress || progress(std::int64_t(n) + done, total);
    };
    reportProgress(progress, 0, total);
    const std::vector<double> zoneAreas =
        n > 0 ? inclusionZoneAreas(shifted, rectangle, settings.k, zoneProgress) : std::vector<double>{};
    const TreeIndex index(trees);

    std::vector<SurfacePair> pairs;
    pairs.push_back(emptyPair("k_tree", grid.size(), trueTrees, trueBasal));
    for (const DiscSampler &sampler : samplers)
        pairs.push_back(emptyPair(discEstimatorName(sampler.name(), settings.edgeCorrection), grid.size(),
                                  trueTrees, trueBasal));
    for (const double area : zoneAreas)
        pairs[0].trees.unreachableTrees += area > 0.0 ? 0 : 1;
    for (std::size_t s = 0; s < samplers.size(); ++s)
        pairs[s + 1].trees.unreachableTrees = samplers[s].unreachableTrees();

    parallelBlocks(
        blocks, 1,
        [&](std::int64_t begin, std::int64_t end) {
            std::vector<Neighbour> nearest;
            for (std::int64_t b = begin; b < end; ++b) {
                const int firstRow = int(b) * RowsPerBlock;
                const int endRow = std::min(grid.rows, firstRow + RowsPerBlock);
                if (n > 0) {
                    for (int row = firstRow; row < endRow; ++row) {
                        for (int column = 0; column < grid.columns; ++column) {
                            const std::size_t cell =
                                std::size_t(row) * std::size_t(grid.columns) + std::size_t(column);
                            index.nearestWithTies(grid.point(column, row), settings.k, nearest);
                            double treesValue = 0.0;
                            double basalValue = 0.0;
                            for (const Neighbour &neighbour : nearest) {
                                const double area = zoneAreas[neighbour.index];
                                if (area > 0.0) {
                                    treesValue += SquareMetresPerHectare / area;
                                    basalValue += SquareMetresPerHectare * basal[neighbour.index] / area;
                                }
                            }
                            pairs[0].trees.values[cell] = treesValue;
                            pairs[0].basal.values[cell] = basalValue;
                        }
                    }
                }
                const Point origin{grid.left, grid.bottom};
                for (std::size_t s = 0; s < samplers.size(); ++s)
                    samplers[s].addToGrid(origin, grid.spacing, grid.columns, firstRow, endRow,
                                          pairs[s + 1].trees.values, pairs[s + 1].basal.values);
            }
        },
        gridProgress);

    for (SurfacePair &pair : pairs) {
        pair.basal.unreachableTrees = pair.trees.unreachableTrees;
        describe(pair.trees);
        describe(pair.basal);
        result.surfaces.push_back(std::move(pair.trees));
        result.surfaces.push_back(std::move(pair.basal));
    }
    return result;
}

} // namespace kavrel
