#pragma once

#include "plotzones.h"
#include "point.h"

#include <cstdint>
#include <vector>

// Where the sample points of one sample go.

namespace kavrel {

class RandomNumbers;

enum class StudyDesign
{
    Random,    // m points independent and uniform in the sampled region
    Systematic // one point in each cell of a grid that tiles the region, one random offset for all
};

// The systematic grid's cells: `columns` across the width, `rows` along the
// length, so that they tile the sampled rectangle exactly.
struct GridShape
{
    std::int64_t columns = 0;
    std::int64_t rows = 0;

    std::int64_t points() const { return columns * rows; }
};

// The grid for about `points` points in a width x length rectangle: of the
// grids whose cells are at most twice as elongated as the most square cells
// the rectangle allows, the one whose count is nearest `points` (that count
// itself whenever a pair of its factors qualifies), then the most square.
GridShape systematicGrid(double width, double length, std::int64_t points);

// The points of one sample in `region`: `m` random ones, or one in every cell
// of `grid`, drawn from `random`.
std::vector<Point> samplePoints(const Extent &region, StudyDesign design, std::int64_t m, GridShape grid,
                                RandomNumbers &random);

} // namespace kavrel
