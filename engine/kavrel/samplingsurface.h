#pragma once

#include "concentricplots.h"
#include "edgecorrection.h"
#include "plotzones.h"
#include "point.h"
#include "progress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Sampling surfaces: a design's estimate at every point of a fine square grid
// over the stand. Their mean is the design's expectation for a point drawn
// uniformly in the stand and their standard deviation the design's exact
// single-point standard error, both up to the grid's discretisation.

namespace kavrel {

// Points at the centres of `columns` x `rows` square cells of `spacing`,
// the block of cells centred in the stand; row 0 is the bottom row.
struct SurfaceGrid
{
    double left = 0.0; // lower-left corner of the lower-left cell
    double bottom = 0.0;
    double spacing = 1.0;
    int columns = 0;
    int rows = 0;

    std::size_t size() const { return std::size_t(columns) * std::size_t(rows); }
    Point point(int column, int row) const
    {
        return {left + (double(column) + 0.5) * spacing, bottom + (double(row) + 0.5) * spacing};
    }
};

// The most points a surface may have (about 800 MB per design and quantity).
constexpr double MaxSurfacePoints = 1.0e8;

// Throws std::invalid_argument for a spacing that is not positive and finite,
// larger than the stand, or one that gives more than MaxSurfacePoints.
SurfaceGrid surfaceGrid(Extent stand, double spacing);

struct SurfaceSettings
{
    int k = 1;
    double spacing = 1.0;
    // The fixed-area plot's radius; by default the one whose expected tree
    // count is k.
    std::optional<double> plotRadiusMetres;
    std::vector<double> basalAreaFactors;   // one angle-count design each
    std::vector<ConcentricRing> concentric; // none: no concentric design
    EdgeCorrection edgeCorrection = EdgeCorrection::Clip;
};

struct Surface
{
    // "k_tree", "fixed_plot", "angle_count_baf4", "concentric"; the disc
    // designs with the edge correction appended unless it is clip.
    std::string design;
    std::string quantity; // "trees_per_ha" or "basal_area_m2_per_ha"
    double trueValue = 0.0;
    double mean = 0.0;
    double standardDeviation = 0.0; // over the grid: the single-point design standard error
    double minimum = 0.0;
    double maximum = 0.0;
    std::int64_t unreachableTrees = 0;
    std::vector<double> values; // grid order, row by row from the bottom
};

struct SurfaceResult
{
    SurfaceGrid grid;
    double plotRadiusMetres = 0.0;
    std::vector<Surface> surfaces; // per design both quantities, k-tree sampling first
};

// Throws std::invalid_argument for bad settings or trees (the message says
// which), and Cancelled when the progress asks to stop. Uses all threads
// allowed by setThreadCount(), with results independent of their number.
SurfaceResult samplingSurfaces(Extent stand, const std::vector<Point> &trees,
                               const std::vector<double> &diametersMetres, const SurfaceSettings &settings,
                               const Progress &progress = {});

} // namespace kavrel
