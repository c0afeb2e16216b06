#include "samplingsimulation.h"

#include "inputchecks.h"
#include "nearesttrees.h"
#include "parallelblocks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace kavrel {

namespace {

constexpr double SquareMetresPerHectare = 10000.0;

// Mean and spread of a stream of values (Welford's update, which stays
// accurate over many millions of values).
class RunningMean
{
public:
    void add(double value)
    {
        ++m_count;
        const double delta = value - m_mean;
        m_mean += delta / double(m_count);
        m_sumOfSquares += delta * (value - m_mean);
    }

    std::int64_t count() const { return m_count; }
    double mean() const { return m_mean; }

    double standardError() const
    {
        if (m_count < 2)
            return std::numeric_limits<double>::quiet_NaN();
        const double variance = m_sumOfSquares / double(m_count - 1);
        return std::sqrt(variance / double(m_count));
    }

private:
    std::int64_t m_count = 0;
    double m_mean = 0.0;
    double m_sumOfSquares = 0.0;
};

EstimatorSummary summarise(const RunningMean &values, double trueValue)
{
    EstimatorSummary summary;
    summary.available = values.count() > 0;
    summary.mean = values.mean();
    summary.trueValue = trueValue;
    summary.relativeBias =
        trueValue != 0.0 ? (summary.mean - trueValue) / trueValue : std::numeric_limits<double>::quiet_NaN();
    summary.standardError = values.standardError();
    return summary;
}

// Uniform in [0, 1) from the top 53 bits, so a seed gives the same points
// with every standard library.
double unitInterval(std::mt19937_64 &generator)
{
    return double(generator() >> 11) * 0x1.0p-53;
}

double basalArea(double diameterMetres)
{
    return std::numbers::pi / 4.0 * diameterMetres * diameterMetres;
}

// What one sample point contributes to the estimators.
struct PointValues
{
    double trees = 0.0;
    double basal = 0.0;
    double kthSquared = 0.0;
};

// Evaluates sample points; safe to use from several threads at once as long
// as each has its own buffer.
class PointEvaluator
{
public:
    PointEvaluator(const std::vector<SampledTree> &trees, const TreeIndex &index, int k)
        : m_trees(trees), m_index(index), m_order(k)
    {}

    PointValues evaluate(Point point, std::vector<Neighbour> &sample) const
    {
        PointValues values;
        if (m_trees.empty())
            return values;
        // A tree is in the sample when fewer than k trees are strictly
        // nearer, the rule that defines its zone: the k nearest and every
        // tree tied with the k-th.
        m_index.nearestWithTies(point, m_order, sample);
        const std::size_t kth = std::min<std::size_t>(std::size_t(m_order), sample.size()) - 1;
        values.kthSquared = sample[kth].squaredDistance;
        // Summed in the order of the trees, whatever order the search found them in.
        std::sort(sample.begin(), sample.end(),
                  [](const Neighbour &a, const Neighbour &b) { return a.index < b.index; });
        for (const Neighbour &found : sample) {
            const SampledTree &tree = m_trees[found.index];
            // A tree whose zone has no area can still be tied on its zone's
            // edge at a grid point; it carries no weight there.
            if (!canBeSampled(tree.zoneArea))
                continue;
            const double expansion = SquareMetresPerHectare / tree.zoneArea;
            values.trees += expansion;
            values.basal += expansion * basalArea(tree.diameterMetres);
        }
        return values;
    }

private:
    const std::vector<SampledTree> &m_trees;
    const TreeIndex &m_index;
    int m_order;
};

// Adds up the points' values, always in the order of the points.
class SamplingTotals
{
public:
    SamplingTotals(const std::vector<SampledTree> &trees, StandRectangle stand, int k)
        : m_trees(trees), m_stand(stand), m_order(k)
    {}

    void add(const PointValues &values)
    {
        m_treesHt.add(values.trees);
        m_basalAreaHt.add(values.basal);
        if (std::size_t(m_order) > m_trees.size())
            return; // there is no k-th nearest tree
        if (values.kthSquared == 0.0) {
            ++m_unbounded;
            return;
        }
        const double circle = std::numbers::pi * values.kthSquared;
        m_classic.add(double(m_order) / circle * SquareMetresPerHectare);
        if (m_order >= 2)
            m_classicUnbiased.add(double(m_order - 1) / circle * SquareMetresPerHectare);
    }

    SamplingResult result(std::int64_t pointCount) const
    {
        const double hectares = m_stand.area() / SquareMetresPerHectare;
        double totalBasalArea = 0.0;
        int neverSampled = 0;
        for (const SampledTree &tree : m_trees) {
            totalBasalArea += basalArea(tree.diameterMetres);
            if (!canBeSampled(tree.zoneArea))
                ++neverSampled;
        }
        const double treesPerHectare = double(m_trees.size()) / hectares;

        SamplingResult result;
        result.order = m_order;
        result.pointCount = pointCount;
        result.treeCount = int(m_trees.size());
        result.neverSampled = neverSampled;
        result.treesHorvitzThompson = summarise(m_treesHt, treesPerHectare);
        result.basalAreaHorvitzThompson = summarise(m_basalAreaHt, totalBasalArea / hectares);
        result.treesClassic =
            classicSummary(m_classic, treesPerHectare, std::size_t(m_order) <= m_trees.size());
        result.treesClassicUnbiased = classicSummary(m_classicUnbiased, treesPerHectare,
                                                     m_order >= 2 && std::size_t(m_order) <= m_trees.size());
        return result;
    }

private:
    EstimatorSummary classicSummary(const RunningMean &values, double trueValue, bool exists) const
    {
        EstimatorSummary summary = summarise(values, trueValue);
        summary.unboundedPoints = exists ? m_unbounded : 0;
        summary.available = exists && m_unbounded == 0 && values.count() > 0;
        return summary;
    }

    const std::vector<SampledTree> &m_trees;
    StandRectangle m_stand;
    int m_order;
    RunningMean m_treesHt;
    RunningMean m_basalAreaHt;
    RunningMean m_classic;
    RunningMean m_classicUnbiased;
    std::int64_t m_unbounded = 0;
};

struct GridShape
{
    std::int64_t columns = 0;
    std::int64_t rows = 0;
};

// Columns (or rows) of a grid along one side: as many whole spacings as fit,
// at least one.
std::int64_t gridLinesAlong(double extent, double spacing)
{
    const double fitting = std::floor(extent / spacing);
    if (!(fitting <= double(MaxSamplePoints)))
        return -1;
    return std::max<std::int64_t>(1, std::int64_t(fitting));
}

GridShape gridShape(StandRectangle stand, double spacing)
{
    if (!(spacing > 0.0) || !std::isfinite(spacing))
        return {-1, -1};
    return {gridLinesAlong(stand.width, spacing), gridLinesAlong(stand.length, spacing)};
}

void checkSampledTrees(const std::vector<SampledTree> &trees)
{
    for (std::size_t t = 0; t < trees.size(); ++t) {
        const SampledTree &tree = trees[t];
        if (!std::isfinite(tree.diameterMetres) || !std::isfinite(tree.zoneArea) || tree.zoneArea < 0.0)
            throw std::invalid_argument("tree " + std::to_string(t + 1) + " has the diameter " +
                                        std::to_string(tree.diameterMetres) + " m and the zone area " +
                                        std::to_string(tree.zoneArea) +
                                        " m2; both must be finite and the area not negative");
    }
}

} // namespace

double metresPerDiameterUnit(DiameterUnit unit)
{
    switch (unit) {
    case DiameterUnit::Centimetre:
        return 0.01;
    case DiameterUnit::Millimetre:
        return 0.001;
    case DiameterUnit::Metre:
        return 1.0;
    }
    return 0.01;
}

std::int64_t gridPointCount(StandRectangle stand, double spacing)
{
    const GridShape shape = gridShape(stand, spacing);
    if (shape.columns < 0 || shape.rows < 0)
        return -1;
    if (shape.columns > MaxSamplePoints / shape.rows)
        return -1;
    return shape.columns * shape.rows;
}

Point gridPoint(StandRectangle stand, double spacing, std::int64_t index)
{
    const GridShape shape = gridShape(stand, spacing);
    const std::int64_t column = index % shape.columns;
    const std::int64_t row = index / shape.columns;
    // Centred, so the margins left and right (and below and above) are equal.
    const double left = (stand.width - double(shape.columns - 1) * spacing) / 2.0;
    const double bottom = (stand.length - double(shape.rows - 1) * spacing) / 2.0;
    return {stand.x0 + left + double(column) * spacing, stand.y0 + bottom + double(row) * spacing};
}

bool canBeSampled(double zoneArea)
{
    return zoneArea > 0.0;
}

SamplingResult simulateSampling(const std::vector<SampledTree> &trees, StandRectangle stand, int k,
                                const SamplingDesign &design, const Progress &progress)
{
    checkStand(stand);
    checkOrder(k);
    checkSampledTrees(trees);
    const bool grid = design.layout == SamplingDesign::Layout::SystematicGrid;
    const std::int64_t total = grid ? gridPointCount(stand, design.spacing) : design.pointCount;
    if (grid && total < 0)
        throw std::invalid_argument("a grid spacing of " + std::to_string(design.spacing) +
                                    " m is not positive or gives more than 100000000 points");
    if (!grid && (total < 0 || total > MaxSamplePoints))
        throw std::invalid_argument("the number of sample points " + std::to_string(total) +
                                    " is not within 0 ... 100000000");

    std::vector<Point> positions;
    positions.reserve(trees.size());
    for (const SampledTree &tree : trees)
        positions.push_back(tree.position);
    const TreeIndex index(std::move(positions));
    const PointEvaluator evaluator(trees, index, k);
    SamplingTotals totals(trees, stand, k);
    std::mt19937_64 generator(design.seed);

    // The points of a chunk are drawn in order on this thread, evaluated on
    // all threads into their own slots and added up in order again: the
    // totals are the same bits whatever the number of threads.
    constexpr std::int64_t ChunkSize = 1 << 16;
    std::vector<Point> points;
    std::vector<PointValues> values;
    for (std::int64_t first = 0; first < total; first += ChunkSize) {
        const std::int64_t count = std::min(ChunkSize, total - first);
        points.resize(std::size_t(count));
        values.resize(std::size_t(count));
        for (std::int64_t p = 0; p < count; ++p) {
            if (grid) {
                points[std::size_t(p)] = gridPoint(stand, design.spacing, first + p);
            } else {
                const double x = stand.x0 + unitInterval(generator) * stand.width;
                const double y = stand.y0 + unitInterval(generator) * stand.length;
                points[std::size_t(p)] = Point{x, y};
            }
        }
        parallelBlocks(
            count, 1024,
            [&](std::int64_t begin, std::int64_t end) {
                std::vector<Neighbour> sample;
                for (std::int64_t p = begin; p < end; ++p)
                    values[std::size_t(p)] = evaluator.evaluate(points[std::size_t(p)], sample);
            },
            [&](std::int64_t done, std::int64_t) { return !progress || progress(first + done, total); });
        for (const PointValues &value : values)
            totals.add(value);
    }
    reportProgress(progress, total, total);
    return totals.result(total);
}

} // namespace kavrel
