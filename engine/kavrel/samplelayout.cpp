#include "samplelayout.h"

#include "randomnumbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kavrel {

namespace {

// How much longer than wide a cell is, whichever way it lies.
double elongation(double cellWidth, double cellLength)
{
    return std::max(cellWidth / cellLength, cellLength / cellWidth);
}

} // namespace

GridShape systematicGrid(double width, double length, std::int64_t points)
{
    // The most square cells: sqrt(points * width / length) columns, but at
    // least one column and one row.
    const double idealColumns = std::clamp(std::sqrt(double(points) * width / length), 1.0, double(points));
    const double idealRows = double(points) / idealColumns;
    const double allowed = 2.0 * elongation(width / idealColumns, length / idealRows) * (1.0 + 1e-12);
    // Searched along the shorter side of the grid, whose count stays below
    // the square root of `points`.
    const bool byColumns = idealColumns <= idealRows;
    const double ideal = byColumns ? idealColumns : idealRows;
    const auto first = std::max<std::int64_t>(1, std::int64_t(ideal / 4.0));
    const auto last = std::int64_t(std::ceil(ideal * 4.0)) + 1;
    GridShape best;
    std::int64_t bestMiss = 0;
    double bestElongation = 0.0;
    for (std::int64_t side = first; side <= last; ++side) {
        for (const std::int64_t other : {points / side, points / side + 1}) {
            const GridShape grid = byColumns ? GridShape{side, other} : GridShape{other, side};
            if (other < 1 || grid.points() < 2)
                continue;
            const double e = elongation(width / double(grid.columns), length / double(grid.rows));
            const std::int64_t miss = std::abs(grid.points() - points);
            if (e > allowed)
                continue;
            // Between a grid and its transpose in a square, the one with fewer columns.
            const bool better =
                best.points() == 0 || miss < bestMiss ||
                (miss == bestMiss && (e < bestElongation * (1.0 - 1e-12) ||
                                      (e <= bestElongation * (1.0 + 1e-12) && grid.columns < best.columns)));
            if (better) {
                best = grid;
                bestMiss = miss;
                bestElongation = e;
            }
        }
    }
    if (best.points() == 0) {
        best.columns = std::max<std::int64_t>(1, std::llround(idealColumns));
        best.rows = std::max<std::int64_t>(best.columns > 1 ? 1 : 2,
                                           std::llround(double(points) / double(best.columns)));
    }
    return best;
}

std::vector<Point> samplePoints(const Extent &region, StudyDesign design, std::int64_t m, GridShape grid,
                                RandomNumbers &random)
{
    std::vector<Point> points;
    if (design == StudyDesign::Random) {
        points.reserve(std::size_t(m));
        for (std::int64_t i = 0; i < m; ++i) {
            const double x = random.uniform(region.left, region.right);
            const double y = random.uniform(region.bottom, region.top);
            points.push_back(Point{x, y});
        }
        return points;
    }
    // One point in every cell, all at the same random offset: each point is
    // uniform in its cell, and every cell is the same share of the region.
    const double cellWidth = region.width() / double(grid.columns);
    const double cellLength = region.length() / double(grid.rows);
    const double offsetX = random.uniform();
    const double offsetY = random.uniform();
    points.reserve(std::size_t(grid.points()));
    for (std::int64_t row = 0; row < grid.rows; ++row) {
        const double y = region.bottom + (double(row) + offsetY) * cellLength;
        for (std::int64_t column = 0; column < grid.columns; ++column)
            points.push_back(Point{region.left + (double(column) + offsetX) * cellWidth, y});
    }
    return points;
}

} // namespace kavrel
