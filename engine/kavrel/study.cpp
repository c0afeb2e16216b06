#include "study.h"

#include "anglecount.h"
#include "concentricplots.h"
#include "neighboursearch.h"
#include "parallelblocks.h"
#include "preparedstand.h"
#include "progress.h"
#include "randomnumbers.h"
#include "samplelayout.h"
#include "studyestimator.h"
#include "studysummary.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kavrel {

namespace {

// Replicates handed to the threads at a time; between blocks the calling
// thread merges the results in replicate order and reports progress.
constexpr std::int64_t ReplicatesPerBlock = 64;

// Most sample points of one study: beyond this the run takes hours.
constexpr double MaxStudyPoints = 1.0e10;

std::size_t estimatorCount(const PreparedStand &stand)
{
    return stand.estimatorNames.size();
}

// Per-point values and their statistics are laid out order by order, then
// estimator by estimator, then quantity by quantity.
std::size_t valueIndex(const PreparedStand &stand, std::size_t order, std::size_t estimator, int quantity)
{
    return (order * estimatorCount(stand) + estimator) * QuantityCount + std::size_t(quantity);
}

std::string designName(StudyDesign design)
{
    return design == StudyDesign::Systematic ? "systematic" : "random";
}

std::string edgeName(const StudySettings &settings)
{
    if (settings.torus)
        return "torus";
    return settings.bufferMetres > 0.0 ? "buffer" : "none";
}

// Every estimator's values at one point for one order, with the point's own
// figures.
void evaluate(const PreparedStand &stand, const PreparedOrder &order, const std::vector<NearSite> &nearest,
              PointRow &row)
{
    const std::size_t k = std::size_t(order.k);
    const bool enough = nearest.size() >= k && stand.treeCount >= k;
    SamplePoint point{row.position, order.k, nearest, enough, enough ? nearest[k - 1].squared : Infinite, 0};
    while (point.sampled < nearest.size() && !(nearest[point.sampled].squared > point.kthSquared))
        ++point.sampled;
    const double plotSquared = order.plotRadius * order.plotRadius;
    int inPlot = 0;
    while (std::size_t(inPlot) < nearest.size() && !(nearest[std::size_t(inPlot)].squared > plotSquared))
        ++inPlot;
    row.k = order.k;
    row.kthDistance = enough ? std::sqrt(point.kthSquared) : NotANumber;
    row.sampledTrees = int(point.sampled);
    row.plotTrees = inPlot;
    row.values.clear();
    for (const std::unique_ptr<StudyEstimator> &estimator : order.estimators) {
        const Estimate estimate = estimator->at(point);
        row.values.insert(row.values.end(), estimate.begin(), estimate.end());
    }
}

struct ReplicateOutcome
{
    std::int64_t points = 0;
    std::vector<double> estimates;      // per order and value
    std::vector<double> standardErrors; // per order and value
    std::vector<PointRow> pointRows;    // only for a point sink
};

ReplicateOutcome runReplicate(const PreparedStand &stand, const NeighbourSearch &search,
                              const StudySettings &settings, StudyDesign design, std::int64_t replicate,
                              bool keepPoints)
{
    const std::uint64_t designSeed = RandomNumbers::streamSeed(settings.seed, std::uint64_t(design));
    RandomNumbers random(RandomNumbers::streamSeed(designSeed, std::uint64_t(replicate)));
    const std::vector<Point> points = samplePoints(stand.region, design, settings.points, stand.grid, random);
    const std::size_t orders = stand.orders.size();
    std::vector<Moments> values(orders * estimatorCount(stand) * QuantityCount);
    ReplicateOutcome outcome;
    outcome.points = std::int64_t(points.size());
    std::vector<NearSite> nearest;
    PointRow row;
    row.stand = stand.name;
    row.design = designName(design);
    row.replicate = replicate + 1;
    for (std::size_t p = 0; p < points.size(); ++p) {
        search.find(points[p], nearest);
        row.point = std::int64_t(p) + 1;
        row.position = points[p];
        for (std::size_t o = 0; o < orders; ++o) {
            evaluate(stand, stand.orders[o], nearest, row);
            for (std::size_t v = 0; v < row.values.size(); ++v)
                values[valueIndex(stand, o, 0, 0) + v].add(row.values[v]);
            if (keepPoints)
                outcome.pointRows.push_back(row);
        }
    }
    outcome.estimates.resize(values.size());
    outcome.standardErrors.resize(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        // The systematic grid's points stand for equal cells, so its mean is
        // unbiased too; the random-sampling standard error overstates its
        // error, as forest inventories accept.
        outcome.estimates[i] = values[i].mean();
        outcome.standardErrors[i] = values[i].standardDeviation() / std::sqrt(double(values[i].count()));
    }
    return outcome;
}

class StudyRunner
{
public:
    StudyRunner(const StudySettings &settings, const StudyProgress &progress, const PointSink &sink,
                std::int64_t total)
        : m_settings(settings), m_progress(progress), m_sink(sink), m_total(total)
    {}

    void run(const PreparedStand &stand, StudyDesign design, StudyResult &result)
    {
        const int largestOrder = *std::max_element(m_settings.orders.begin(), m_settings.orders.end());
        const NeighbourSearch search(stand, largestOrder);
        std::vector<Accumulator> accumulators(stand.orders.size() * estimatorCount(stand) * QuantityCount);
        const std::int64_t replicates = m_settings.replicates;
        for (std::int64_t first = 0; first < replicates; first += ReplicatesPerBlock) {
            const std::int64_t count = std::min(ReplicatesPerBlock, replicates - first);
            const std::vector<ReplicateOutcome> block = runBlock(stand, search, design, first, count);
            for (std::int64_t r = 0; r < count; ++r)
                merge(stand, design, first + r, block[std::size_t(r)], accumulators, result);
            m_done += count;
            reportProgress(m_progress, m_done, m_total);
        }
        summarise(stand, design, accumulators, result);
    }

    std::int64_t done() const { return m_done; }

private:
    std::vector<ReplicateOutcome> runBlock(const PreparedStand &stand, const NeighbourSearch &search,
                                           StudyDesign design, std::int64_t first, std::int64_t count)
    {
        std::vector<ReplicateOutcome> block;
        block.resize(std::size_t(count));
        const bool keepPoints = bool(m_sink);
        // Each replicate draws from its own stream and fills its own slot, so
        // the block comes out the same on any number of threads.
        parallelBlocks(count, 1,
                       [&](std::int64_t begin, std::int64_t end) {
                           for (std::int64_t r = begin; r < end; ++r)
                               block[std::size_t(r)] =
                                   runReplicate(stand, search, m_settings, design, first + r, keepPoints);
                       },
                       {});
        return block;
    }

    void merge(const PreparedStand &stand, StudyDesign design, std::int64_t replicate,
               const ReplicateOutcome &outcome, std::vector<Accumulator> &accumulators, StudyResult &result)
    {
        const double t = studentQuantile975(outcome.points - 1);
        for (std::size_t o = 0; o < stand.orders.size(); ++o) {
            const PreparedOrder &order = stand.orders[o];
            for (std::size_t e = 0; e < estimatorCount(stand); ++e) {
                for (int q = 0; q < QuantityCount; ++q) {
                    const std::size_t i = valueIndex(stand, o, e, q);
                    const double truth = q == TreesPerHectare ? stand.trueTrees : stand.trueBasalArea;
                    const double estimate = outcome.estimates[i];
                    const double error = outcome.standardErrors[i];
                    const double lower = estimate - t * error;
                    const double upper = estimate + t * error;
                    const bool covered = lower <= truth && truth <= upper;
                    accumulators[i].add(estimate, error, truth, covered);
                    if (m_settings.keepReplicates)
                        result.replicates.push_back(ReplicateRow{
                            stand.name, order.k, designName(design), stand.estimatorNames[e],
                            QuantityNames[std::size_t(q)], replicate + 1, outcome.points, estimate, error,
                            lower, upper, covered,
                            studyNote(stand, order, *order.estimators[e], std::isinf(estimate))});
                }
            }
        }
        for (const PointRow &row : outcome.pointRows)
            m_sink(row);
    }

    void summarise(const PreparedStand &stand, StudyDesign design,
                   const std::vector<Accumulator> &accumulators, StudyResult &result) const
    {
        for (std::size_t o = 0; o < stand.orders.size(); ++o) {
            const PreparedOrder &order = stand.orders[o];
            for (std::size_t e = 0; e < estimatorCount(stand); ++e) {
                const StudyEstimator &estimator = *order.estimators[e];
                for (int q = 0; q < QuantityCount; ++q) {
                    const Accumulator &a = accumulators[valueIndex(stand, o, e, q)];
                    StudyRow row;
                    row.stand = stand.name;
                    row.k = order.k;
                    row.design = designName(design);
                    row.edge = edgeName(m_settings);
                    row.estimator = stand.estimatorNames[e];
                    row.quantity = QuantityNames[std::size_t(q)];
                    row.trueValue = q == TreesPerHectare ? stand.trueTrees : stand.trueBasalArea;
                    row.note = studyNote(stand, order, estimator, a.unbounded);
                    row.unreachableTrees = estimator.unreachableTrees();
                    row.seed = m_settings.seed;
                    row.points = design == StudyDesign::Systematic ? stand.grid.points() : m_settings.points;
                    row.replicates = m_settings.replicates;
                    row.bufferMetres = m_settings.bufferMetres;
                    row.plotRadiusMetres = order.plotRadius;
                    fillStatistics(a, row);
                    result.summary.push_back(std::move(row));
                }
            }
        }
    }

    const StudySettings &m_settings;
    const StudyProgress &m_progress;
    const PointSink &m_sink;
    std::int64_t m_total;
    std::int64_t m_done = 0;
};

void checkDiscDesigns(const StudySettings &settings)
{
    for (const double factor : settings.basalAreaFactors)
        angleCountDesign({}, factor);
    if (!settings.concentric.empty())
        concentricDesign({}, settings.concentric);
    for (std::size_t c = 0; c < settings.edgeCorrections.size(); ++c) {
        const EdgeCorrection correction = settings.edgeCorrections[c];
        if (settings.torus && correction != EdgeCorrection::Clip)
            throw std::invalid_argument("a toroidal stand has no edge to correct for");
        if (std::find(settings.edgeCorrections.begin(), settings.edgeCorrections.begin() + std::ptrdiff_t(c),
                      correction) != settings.edgeCorrections.begin() + std::ptrdiff_t(c))
            throw std::invalid_argument("each edge correction once, please");
    }
}

void checkSettings(const StudySettings &settings)
{
    if (settings.orders.empty() || settings.designs.empty())
        throw std::invalid_argument("a study needs at least one order and one design");
    for (const int k : settings.orders) {
        if (k < 1)
            throw std::invalid_argument("the order k must be at least 1");
    }
    if (settings.replicates < 1)
        throw std::invalid_argument("a study needs at least one replicate");
    if (settings.points < 2)
        throw std::invalid_argument("a sample needs at least two points for its standard error");
    if (double(settings.replicates) * double(settings.points) > MaxStudyPoints)
        throw std::invalid_argument("replicates times points exceeds 10^10 sample points");
    if (!(settings.bufferMetres >= 0.0) || !std::isfinite(settings.bufferMetres))
        throw std::invalid_argument("the buffer must be a width of 0 metres or more");
    if (settings.torus && settings.bufferMetres > 0.0)
        throw std::invalid_argument("a toroidal stand has no edge to keep a buffer from");
    if (settings.plotRadiusMetres &&
        !(*settings.plotRadiusMetres > 0.0 && std::isfinite(*settings.plotRadiusMetres)))
        throw std::invalid_argument("the plot radius must be positive");
    checkDiscDesigns(settings);
}

} // namespace

std::int64_t treesOutside(const StudyStand &stand)
{
    return std::int64_t(std::count_if(stand.trees.begin(), stand.trees.end(),
                                      [&](Point p) { return !stand.extent.contains(p); }));
}

StudyResult runStudy(const std::vector<StudyStand> &stands, const StudySettings &settings,
                     const StudyProgress &progress, const PointSink &pointSink)
{
    checkSettings(settings);
    const std::int64_t total =
        std::int64_t(stands.size()) * std::int64_t(settings.designs.size()) * settings.replicates;
    StudyRunner runner(settings, progress, pointSink, total);
    StudyResult result;
    for (const StudyStand &stand : stands) {
        // The zones report no share of their own; a request to stop reaches
        // them all the same.
        const Progress zoneProgress = [&](std::int64_t, std::int64_t) {
            return !progress || progress(runner.done(), total);
        };
        const std::unique_ptr<PreparedStand> prepared = prepareStand(stand, settings, zoneProgress);
        for (const StudyDesign design : settings.designs)
            runner.run(*prepared, design, result);
    }
    return result;
}

} // namespace kavrel
