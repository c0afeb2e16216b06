#pragma once

#include "inclusionzones.h"
#include "progress.h"

#include <cstdint>
#include <functional>
#include <vector>

// Simulated k-tree sampling on one stand: sample points are laid out in the
// stand rectangle, at each the k nearest trees are taken and several
// estimators of the stand's trees and basal area per hectare are evaluated.

namespace kavrel {

enum class DiameterUnit
{
    Centimetre,
    Millimetre,
    Metre,
};

double metresPerDiameterUnit(DiameterUnit unit);

// A tree as the estimators see it: stand position in metres, diameter in
// metres, and the area of its inclusion zone within the stand in square metres.
struct SampledTree
{
    Point position;
    double diameterMetres = 0.0;
    double zoneArea = 0.0;
};

struct SamplingDesign
{
    enum class Layout
    {
        UniformRandom, // pointCount points, independent and uniform in the stand
        SystematicGrid // a square grid of the given spacing centred in the stand
    };

    Layout layout = Layout::UniformRandom;
    std::int64_t pointCount = 0;
    std::uint64_t seed = 1;
    double spacing = 0.0;
};

// More points than this are refused: they would run for hours.
inline constexpr std::int64_t MaxSamplePoints = 100'000'000;

// Number of points of a systematic grid (columns times rows, each at least 1),
// or -1 when it exceeds MaxSamplePoints or the spacing is not positive.
std::int64_t gridPointCount(StandRectangle stand, double spacing);

// Point number `index` (row by row from the lower-left) of that grid.
Point gridPoint(StandRectangle stand, double spacing, std::int64_t index);

struct EstimatorSummary
{
    bool available = false; // false when the estimator does not exist here (see note)
    double mean = 0.0;
    double trueValue = 0.0;
    double relativeBias = 0.0;  // (mean - true) / true; NaN when the true value is 0
    double standardError = 0.0; // of the mean; NaN with fewer than two points
    // Sample points that sit exactly on their k-th nearest tree, where a
    // distance-based estimate is unbounded; the summary is then unavailable.
    std::int64_t unboundedPoints = 0;
};

struct SamplingResult
{
    int order = 1;
    std::int64_t pointCount = 0;
    int treeCount = 0;
    int neverSampled = 0;                      // trees whose zone does not reach into the stand
    EstimatorSummary treesHorvitzThompson;     // trees per hectare
    EstimatorSummary basalAreaHorvitzThompson; // square metres per hectare
    EstimatorSummary treesClassic;             // k / (pi r_k^2), per hectare
    EstimatorSummary treesClassicUnbiased;     // (k - 1) / (pi r_k^2), per hectare; k >= 2
};

// A tree can enter a sample only if its zone reaches into the stand. The
// clipping leaves exactly zero for a zone that stays outside or only touches
// the stand's edge (vertices on a bisector count as on it), while a zone
// squeezed between two nudged-apart trees keeps its tiny but real area.
bool canBeSampled(double zoneArea);

// Runs the design over the trees (their zone areas must be those of order k),
// finding the nearest trees through a k-d tree on all threads allowed by
// setThreadCount(); a seed gives bit-identical results whatever their number.
// Progress counts sample points. Throws std::invalid_argument for a stand
// without area, k < 1, trees with non-finite positions, diameters or zone
// areas, or a design without a valid number of points; Cancelled when the
// progress asks to stop.
SamplingResult simulateSampling(const std::vector<SampledTree> &trees, StandRectangle stand, int k,
                                const SamplingDesign &design, const Progress &progress = {});

} // namespace kavrel
