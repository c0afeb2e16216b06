#include "samplingsimulation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
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

class PointEvaluator
{
public:
    PointEvaluator(const std::vector<SampledTree> &trees, StandRectangle stand, int k)
        : m_trees(trees), m_stand(stand), m_order(k), m_squared(std::size_t(trees.size())),
          m_selection(std::size_t(trees.size()))
    {}

    void evaluate(Point point)
    {
        const std::size_t n = m_trees.size();
        if (n == 0) {
            m_treesHt.add(0.0);
            m_basalAreaHt.add(0.0);
            return;
        }
        for (std::size_t t = 0; t < n; ++t) {
            const double dx = m_trees[t].position.x - point.x;
            const double dy = m_trees[t].position.y - point.y;
            m_squared[std::size_t(t)] = dx * dx + dy * dy;
        }

        // A tree is in the sample when fewer than k trees are strictly
        // nearer, the rule that defines its zone: with k or more trees that
        // is exactly "not farther than the k-th nearest".
        const std::size_t kth = std::size_t(std::min<std::size_t>(std::size_t(m_order), n)) - 1;
        m_selection = m_squared;
        std::nth_element(m_selection.begin(), m_selection.begin() + std::ptrdiff_t(kth), m_selection.end());
        const double kthSquared = m_selection[kth];

        double trees = 0.0;
        double basal = 0.0;
        for (std::size_t t = 0; t < n; ++t) {
            const SampledTree &tree = m_trees[t];
            // A tree whose zone has no area can still be tied on its zone's
            // edge at a grid point; it carries no weight there.
            if (m_squared[std::size_t(t)] > kthSquared || !canBeSampled(tree.zoneArea))
                continue;
            const double expansion = SquareMetresPerHectare / tree.zoneArea;
            trees += expansion;
            basal += expansion * basalArea(tree.diameterMetres);
        }
        m_treesHt.add(trees);
        m_basalAreaHt.add(basal);

        if (std::size_t(m_order) > n)
            return; // there is no k-th nearest tree
        if (kthSquared == 0.0) {
            ++m_unbounded;
            return;
        }
        const double circle = std::numbers::pi * kthSquared;
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
    std::vector<double> m_squared;
    std::vector<double> m_selection;
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
    return {left + double(column) * spacing, bottom + double(row) * spacing};
}

bool canBeSampled(double zoneArea)
{
    return zoneArea > 0.0;
}

SamplingResult simulateSampling(const std::vector<SampledTree> &trees, StandRectangle stand, int k,
                                const SamplingDesign &design, const SamplingProgress &progress)
{
    const bool grid = design.layout == SamplingDesign::Layout::SystematicGrid;
    const std::int64_t total = grid ? gridPointCount(stand, design.spacing) : design.pointCount;
    PointEvaluator evaluator(trees, stand, std::max(k, 1));
    std::mt19937_64 generator(design.seed);
    const std::int64_t reportEvery = std::max<std::int64_t>(1, std::min<std::int64_t>(total / 200, 1 << 16));

    for (std::int64_t index = 0; index < total; ++index) {
        if (grid) {
            evaluator.evaluate(gridPoint(stand, design.spacing, index));
        } else {
            const double x = unitInterval(generator) * stand.width;
            const double y = unitInterval(generator) * stand.length;
            evaluator.evaluate(Point{x, y});
        }
        if (progress && (index + 1) % reportEvery == 0)
            progress(index + 1, total);
    }
    if (progress)
        progress(std::max<std::int64_t>(total, 0), std::max<std::int64_t>(total, 0));
    return evaluator.result(std::max<std::int64_t>(total, 0));
}

} // namespace kavrel
