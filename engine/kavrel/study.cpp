#include "study.h"

#include "inclusionzones.h"
#include "nearesttrees.h"
#include "parallelblocks.h"
#include "progress.h"
#include "randomnumbers.h"
#include "standrectangle.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <exception>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace kavrel {

namespace {

constexpr double SquareMetresPerHectare = 10000.0;
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinite = std::numeric_limits<double>::infinity();

// Estimators and quantities index the per-point values.
constexpr int HorvitzThompson = 0;
constexpr int KOverCircle = 1;
constexpr int KMinusOneOverCircle = 2;
constexpr int KMinusHalfOverCircle = 3;
constexpr int FixedPlot = 4;
constexpr int EstimatorCount = 5;

constexpr int TreesPerHectare = 0;
constexpr int BasalAreaPerHectare = 1;
constexpr int QuantityCount = 2;

constexpr int ValueCount = EstimatorCount * QuantityCount;

constexpr std::array<const char *, EstimatorCount> EstimatorNames{
    "horvitz_thompson", "k_over_pi_rk2", "k_minus_1_over_pi_rk2", "k_minus_half_over_pi_rk2", "fixed_plot"};
constexpr std::array<const char *, QuantityCount> QuantityNames{"trees_per_ha", "basal_area_m2_per_ha"};

// Replicates handed to the threads at a time; between blocks the calling
// thread merges the results in replicate order and reports progress.
constexpr std::int64_t ReplicatesPerBlock = 64;

// Most sample points of one study: beyond this the run takes hours.
constexpr double MaxStudyPoints = 1.0e10;

int valueIndex(int estimator, int quantity)
{
    return estimator * QuantityCount + quantity;
}

double basalArea(double diameterMetres)
{
    return std::numbers::pi / 4.0 * diameterMetres * diameterMetres;
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

struct NearSite
{
    double squared = 0.0;
    int tree = 0;
};

// What one order needs at every sample point.
struct PreparedOrder
{
    int k = 1;
    std::vector<double> zoneAreas; // per tree, within the sampled region (on the torus: the wrapped zone)
    std::vector<double> plotAreas; // per tree
    double plotRadius = 0.0;
    std::int64_t unreachableZones = 0;
    std::int64_t unreachablePlots = 0;
    std::string zoneProblem; // set when the order cannot be studied here
    std::string plotProblem;
    std::array<std::string, EstimatorCount> notes; // why an estimator has no statistics here
};

struct PreparedStand
{
    std::string name;
    Extent stand;
    Extent region;             // where sample points go
    std::vector<Point> sites;  // trees, on the torus with their copies around the stand
    std::vector<int> siteTree; // the tree each site stands for
    std::vector<double> basal; // per tree, square metres
    std::vector<bool> counted; // per tree: of the population (in the region, or wrapped on the torus)
    double expansion = 0.0;    // per-hectare factor of 1 / zone area
    double trueTrees = 0.0;    // the population per hectare of the region
    double trueBasalArea = 0.0;
    std::size_t treeCount = 0;
    int largestCoincidence = 0; // most trees at one point
    GridShape grid;             // of the systematic design
    double largestPlotRadius = 0.0;
    std::vector<PreparedOrder> orders;
};

// -- preparation -----------------------------------------------------------

double wrapped(double value, double origin, double extent)
{
    double offset = std::fmod(value - origin, extent);
    if (offset < 0.0)
        offset += extent;
    return origin + offset;
}

// On the torus every tree stands for itself and its copies shifted by the
// stand's width and length. Copies farther from the stand than half its
// shorter side cannot be among the k nearest of a point in it as long as
// r_k stays below that half side, which is checked on the zones.
void placeTorusCopies(PreparedStand &prepared, const std::vector<Point> &trees)
{
    const Extent &s = prepared.stand;
    const double margin = std::min(s.width(), s.length()) / 2.0;
    const Extent reach{s.left - margin, s.bottom - margin, s.right + margin, s.top + margin};
    for (std::size_t t = 0; t < trees.size(); ++t) {
        const Point home{wrapped(trees[t].x, s.left, s.width()), wrapped(trees[t].y, s.bottom, s.length())};
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const Point copy{home.x + dx * s.width(), home.y + dy * s.length()};
                if (reach.contains(copy)) {
                    prepared.sites.push_back(copy);
                    prepared.siteTree.push_back(int(t));
                }
            }
        }
    }
}

std::vector<Point> relativeTo(const std::vector<Point> &points, Extent extent)
{
    std::vector<Point> shifted;
    shifted.reserve(points.size());
    for (const Point p : points)
        shifted.push_back(Point{p.x - extent.left, p.y - extent.bottom});
    return shifted;
}

StandRectangle rectangleOf(Extent extent)
{
    StandRectangle rectangle;
    rectangle.width = extent.width();
    rectangle.length = extent.length();
    return rectangle;
}

// Zone areas of the trees on the torus: the copies' zones within the stand
// add up to the wrapped zone. They are right only while every point of the
// stand has its k nearest sites nearer than half the shorter side, which the
// zones' farthest vertices tell.
void prepareTorusZones(const PreparedStand &prepared, PreparedOrder &order, const Progress &progress)
{
    const Extent &s = prepared.stand;
    const std::vector<InclusionZone> zones =
        inclusionZones(relativeTo(prepared.sites, s), rectangleOf(s), order.k, progress);
    const double half = std::min(s.width(), s.length()) / 2.0;
    order.zoneAreas.assign(prepared.treeCount, 0.0);
    double farthest = 0.0;
    for (std::size_t site = 0; site < zones.size(); ++site) {
        order.zoneAreas[std::size_t(prepared.siteTree[site])] += zones[site].area;
        const Point own{prepared.sites[site].x - s.left, prepared.sites[site].y - s.bottom};
        for (const ZoneRing &ring : zones[site].rings) {
            for (const Point vertex : ring)
                farthest = std::max(farthest, std::sqrt(squaredDistance(vertex, own)));
        }
    }
    if (!(farthest < half) || prepared.treeCount < std::size_t(order.k))
        order.zoneProblem = "torus_too_small";
}

// Why an estimator gives no statistics at this order whatever the samples
// show; empty when it gives them.
std::string fixedNote(const PreparedStand &stand, const PreparedOrder &order, int estimator)
{
    if (!order.zoneProblem.empty())
        return order.zoneProblem;
    if (stand.treeCount == 0)
        return "no_trees";
    if (estimator == FixedPlot)
        return order.plotProblem;
    if (estimator == HorvitzThompson)
        return "";
    if (stand.treeCount < std::size_t(order.k))
        return "fewer_trees_than_k";
    if (order.k == 1 && estimator == KMinusOneOverCircle)
        return "not_defined_for_k1";
    // E[1 / r_k^2] diverges where r_k can come near 0 with a density that
    // grows only like r: r_1 always, and r_k for every k up to the number of
    // trees standing at one point.
    if (order.k == 1 || order.k <= stand.largestCoincidence)
        return "infinite_expectation";
    return "";
}

void prepareOrder(const PreparedStand &prepared, const StudySettings &settings, PreparedOrder &order,
                  const Progress &progress)
{
    const std::size_t n = prepared.treeCount;
    if (settings.torus) {
        prepareTorusZones(prepared, order, progress);
    } else {
        // Zones within the sampled region: with a buffer only the inner
        // rectangle, which keeps Horvitz-Thompson unbiased there.
        order.zoneAreas = inclusionZoneAreas(relativeTo(prepared.sites, prepared.region),
                                             rectangleOf(prepared.region), order.k, progress);
    }
    const double density = prepared.trueTrees / SquareMetresPerHectare;
    order.plotRadius = settings.plotRadiusMetres.value_or(
        density > 0.0 ? std::sqrt(double(order.k) / (std::numbers::pi * density)) : 0.0);
    if (settings.torus) {
        const double half = std::min(prepared.stand.width(), prepared.stand.length()) / 2.0;
        if (order.plotRadius > half)
            order.plotProblem = "plot_radius_too_large_for_torus";
        order.plotAreas.assign(n, std::numbers::pi * order.plotRadius * order.plotRadius);
    } else {
        std::vector<Point> trees(prepared.sites.begin(), prepared.sites.end());
        order.plotAreas = plotZoneAreas(trees, order.plotRadius, prepared.region);
    }
    // Trees outside the population are neighbours only: without an area
    // they never enter an estimate.
    for (std::size_t t = 0; t < n; ++t) {
        if (!prepared.counted[t]) {
            order.zoneAreas[t] = order.plotAreas[t] = 0.0;
            continue;
        }
        order.unreachableZones += order.zoneAreas[t] > 0.0 ? 0 : 1;
        order.unreachablePlots += order.plotAreas[t] > 0.0 ? 0 : 1;
    }
    for (int e = 0; e < EstimatorCount; ++e)
        order.notes[std::size_t(e)] = fixedNote(prepared, order, e);
}

void checkStand(const StudyStand &stand)
{
    const Extent &e = stand.extent;
    const bool finite =
        std::isfinite(e.left) && std::isfinite(e.right) && std::isfinite(e.bottom) && std::isfinite(e.top);
    if (!finite || !(e.width() > 0.0) || !(e.length() > 0.0))
        throw std::invalid_argument("stand " + stand.name + ": the stand rectangle has no area");
    if (stand.diametersMetres.size() != stand.trees.size())
        throw std::invalid_argument("stand " + stand.name + ": one diameter per tree is needed");
    for (std::size_t t = 0; t < stand.trees.size(); ++t) {
        const Point p = stand.trees[t];
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(stand.diametersMetres[t]))
            throw std::invalid_argument("stand " + stand.name + ": tree " + std::to_string(t + 1) +
                                        " has a coordinate or diameter that is not a number");
        if (stand.diametersMetres[t] < 0.0)
            throw std::invalid_argument("stand " + stand.name + ": tree " + std::to_string(t + 1) +
                                        " has a negative diameter");
    }
}

// The most trees standing at exactly one point (on the torus after wrapping).
int largestCoincidence(const std::vector<Point> &trees, const Extent &stand, bool torus)
{
    std::vector<std::pair<double, double>> places;
    places.reserve(trees.size());
    for (const Point p : trees) {
        places.emplace_back(torus ? wrapped(p.x, stand.left, stand.width()) : p.x,
                            torus ? wrapped(p.y, stand.bottom, stand.length()) : p.y);
    }
    std::sort(places.begin(), places.end());
    int largest = places.empty() ? 0 : 1;
    int run = 1;
    for (std::size_t i = 1; i < places.size(); ++i) {
        run = places[i] == places[i - 1] ? run + 1 : 1;
        largest = std::max(largest, run);
    }
    return largest;
}

PreparedStand prepareStand(const StudyStand &stand, const StudySettings &settings, const Progress &progress)
{
    checkStand(stand);
    PreparedStand prepared;
    prepared.name = stand.name;
    prepared.stand = stand.extent;
    prepared.treeCount = stand.trees.size();
    const double b = settings.bufferMetres;
    prepared.region = {stand.extent.left + b, stand.extent.bottom + b, stand.extent.right - b,
                       stand.extent.top - b};
    if (!(prepared.region.width() > 0.0) || !(prepared.region.length() > 0.0))
        throw std::invalid_argument("stand " + stand.name + ": the buffer leaves no room for sample points");

    if (settings.torus) {
        placeTorusCopies(prepared, stand.trees);
    } else {
        prepared.sites = stand.trees;
        for (std::size_t t = 0; t < stand.trees.size(); ++t)
            prepared.siteTree.push_back(int(t));
    }
    // The population is what the sample points can stand for: the trees of
    // the region (with a buffer the inner rectangle), or on the torus every
    // tree, wrapped into the stand. The rest are neighbours only.
    const double hectares = prepared.region.area() / SquareMetresPerHectare;
    std::size_t counted = 0;
    double countedBasal = 0.0;
    for (std::size_t t = 0; t < stand.trees.size(); ++t) {
        prepared.basal.push_back(basalArea(stand.diametersMetres[t]));
        prepared.counted.push_back(settings.torus || prepared.region.contains(stand.trees[t]));
        if (prepared.counted.back()) {
            ++counted;
            countedBasal += prepared.basal.back();
        }
    }
    prepared.trueTrees = double(counted) / hectares;
    prepared.trueBasalArea = countedBasal / hectares;
    prepared.expansion = SquareMetresPerHectare;
    prepared.largestCoincidence = largestCoincidence(stand.trees, stand.extent, settings.torus);
    prepared.grid = systematicGrid(prepared.region.width(), prepared.region.length(), settings.points);

    // The orders' zones are independent of each other: one order per thread.
    prepared.orders.resize(settings.orders.size());
    parallelBlocks(
        std::int64_t(settings.orders.size()), 1,
        [&](std::int64_t begin, std::int64_t end) {
            for (std::int64_t o = begin; o < end; ++o) {
                PreparedOrder &order = prepared.orders[std::size_t(o)];
                order.k = settings.orders[std::size_t(o)];
                prepareOrder(prepared, settings, order, {});
            }
        },
        progress);
    for (const PreparedOrder &order : prepared.orders)
        prepared.largestPlotRadius = std::max(prepared.largestPlotRadius, order.plotRadius);
    return prepared;
}

// -- sampling ----------------------------------------------------------------

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

// The sites within the largest radius any estimator looks at, nearest first
// (ties by site, so the order never depends on the search).
class NeighbourSearch
{
public:
    NeighbourSearch(const PreparedStand &stand, int largestOrder)
        : m_stand(stand), m_order(largestOrder), m_index(stand.sites),
          m_plotSquared(stand.largestPlotRadius * stand.largestPlotRadius)
    {}

    void find(Point p, std::vector<NearSite> &found) const
    {
        thread_local std::vector<Neighbour> neighbours;
        found.clear();
        if (m_stand.sites.empty())
            return;
        // The k nearest with everything tied to the k-th; when a plot reaches
        // farther, every site within it (which holds the nearest as well).
        m_index.nearestWithTies(p, m_order, neighbours);
        if (neighbours.back().squaredDistance < m_plotSquared)
            m_index.within(p, m_plotSquared, neighbours);
        for (const Neighbour &n : neighbours)
            found.push_back(NearSite{n.squaredDistance, int(n.index)});
        std::sort(found.begin(), found.end(), [](const NearSite &a, const NearSite &b) {
            return a.squared != b.squared ? a.squared < b.squared : a.tree < b.tree;
        });
        for (NearSite &n : found)
            n.tree = m_stand.siteTree[std::size_t(n.tree)];
    }

private:
    const PreparedStand &m_stand;
    int m_order;
    TreeIndex m_index;
    double m_plotSquared;
};

// The per-hectare value of every estimator at one point for one order.
void evaluate(const PreparedStand &stand, const PreparedOrder &order, const std::vector<NearSite> &nearest,
              PointRow &row)
{
    std::array<double, ValueCount> y{};
    const std::size_t k = std::size_t(order.k);
    const bool enough = nearest.size() >= k && stand.treeCount >= k;
    const double kthSquared = enough ? nearest[k - 1].squared : Infinite;
    double sampledBasal = 0.0;
    int sampled = 0;
    for (const NearSite &n : nearest) {
        if (n.squared > kthSquared)
            break;
        const auto t = std::size_t(n.tree);
        ++sampled;
        sampledBasal += stand.basal[t];
        if (order.zoneAreas[t] > 0.0) {
            y[valueIndex(HorvitzThompson, TreesPerHectare)] += stand.expansion / order.zoneAreas[t];
            y[valueIndex(HorvitzThompson, BasalAreaPerHectare)] +=
                stand.expansion * stand.basal[t] / order.zoneAreas[t];
        }
    }
    const double circle = std::numbers::pi * kthSquared;
    const std::array<double, 3> numerators{double(k), double(k) - 1.0, double(k) - 0.5};
    for (int c = 0; c < 3; ++c) {
        double density = NotANumber;
        if (enough)
            density =
                kthSquared > 0.0 ? numerators[std::size_t(c)] / circle * SquareMetresPerHectare : Infinite;
        y[valueIndex(KOverCircle + c, TreesPerHectare)] = density;
        y[valueIndex(KOverCircle + c, BasalAreaPerHectare)] =
            enough ? density * sampledBasal / double(sampled) : NotANumber;
    }
    const double plotSquared = order.plotRadius * order.plotRadius;
    int inPlot = 0;
    for (const NearSite &n : nearest) {
        if (n.squared > plotSquared)
            break;
        const auto t = std::size_t(n.tree);
        ++inPlot;
        if (order.plotAreas[t] > 0.0) {
            y[valueIndex(FixedPlot, TreesPerHectare)] += stand.expansion / order.plotAreas[t];
            y[valueIndex(FixedPlot, BasalAreaPerHectare)] +=
                stand.expansion * stand.basal[t] / order.plotAreas[t];
        }
    }
    row.k = order.k;
    row.kthDistance = enough ? std::sqrt(kthSquared) : NotANumber;
    row.sampledTrees = sampled;
    row.plotTrees = inPlot;
    row.values.assign(y.begin(), y.end());
}

// Mean and spread of a stream of values (Welford's update).
class Moments
{
public:
    void add(double value)
    {
        ++m_count;
        const double delta = value - m_mean;
        m_mean += delta / double(m_count);
        m_squares += delta * (value - m_mean);
    }
    std::int64_t count() const { return m_count; }
    double mean() const { return m_count > 0 ? m_mean : NotANumber; }
    double standardDeviation() const
    {
        return m_count > 1 ? std::sqrt(m_squares / double(m_count - 1)) : NotANumber;
    }

private:
    std::int64_t m_count = 0;
    double m_mean = 0.0;
    double m_squares = 0.0;
};

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
    std::vector<Moments> values(orders * ValueCount);
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
            for (int v = 0; v < ValueCount; ++v)
                values[o * ValueCount + std::size_t(v)].add(row.values[std::size_t(v)]);
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

// Over the replicates, for one order, estimator and quantity.
struct Accumulator
{
    Moments estimates;
    Moments standardErrors;
    double squaredErrors = 0.0;
    std::int64_t covered = 0;
    bool unbounded = false;
};

// The note of an estimator at one order, given whether any of its estimates
// came out infinite; the same for the summary and each replicate.
std::string noteFor(const PreparedOrder &order, int estimator, bool infiniteSeen)
{
    const std::string &fixed = order.notes[std::size_t(estimator)];
    if (!fixed.empty() || estimator == HorvitzThompson)
        return fixed;
    return infiniteSeen ? "unbounded" : "";
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
        std::vector<Accumulator> accumulators(stand.orders.size() * ValueCount);
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
            for (int e = 0; e < EstimatorCount; ++e) {
                for (int q = 0; q < QuantityCount; ++q) {
                    const std::size_t i = o * ValueCount + std::size_t(valueIndex(e, q));
                    const double truth = q == TreesPerHectare ? stand.trueTrees : stand.trueBasalArea;
                    const double estimate = outcome.estimates[i];
                    const double error = outcome.standardErrors[i];
                    const double lower = estimate - t * error;
                    const double upper = estimate + t * error;
                    const bool covered = lower <= truth && truth <= upper;
                    Accumulator &a = accumulators[i];
                    a.estimates.add(estimate);
                    a.standardErrors.add(error);
                    a.squaredErrors += (estimate - truth) * (estimate - truth);
                    a.covered += covered ? 1 : 0;
                    a.unbounded = a.unbounded || std::isinf(estimate);
                    if (m_settings.keepReplicates)
                        result.replicates.push_back(ReplicateRow{
                            stand.name, stand.orders[o].k, designName(design), EstimatorNames[std::size_t(e)],
                            QuantityNames[std::size_t(q)], replicate + 1, outcome.points, estimate, error,
                            lower, upper, covered, noteFor(stand.orders[o], e, std::isinf(estimate))});
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
            for (int e = 0; e < EstimatorCount; ++e) {
                for (int q = 0; q < QuantityCount; ++q) {
                    const Accumulator &a = accumulators[o * ValueCount + std::size_t(valueIndex(e, q))];
                    StudyRow row;
                    row.stand = stand.name;
                    row.k = order.k;
                    row.design = designName(design);
                    row.edge = edgeName(m_settings);
                    row.estimator = EstimatorNames[std::size_t(e)];
                    row.quantity = QuantityNames[std::size_t(q)];
                    row.trueValue = q == TreesPerHectare ? stand.trueTrees : stand.trueBasalArea;
                    row.note = noteFor(order, e, a.unbounded);
                    row.unreachableTrees = e == HorvitzThompson ? order.unreachableZones
                                           : e == FixedPlot     ? order.unreachablePlots
                                                                : 0;
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

    void fillStatistics(const Accumulator &a, StudyRow &row) const
    {
        if (!row.note.empty()) {
            row.mean = row.bias = row.relativeBias = row.empiricalStandardError = row.monteCarloError =
                row.rmse = row.meanEstimatedStandardError = row.coverage = NotANumber;
            return;
        }
        const double replicates = double(a.estimates.count());
        row.mean = a.estimates.mean();
        row.bias = row.mean - row.trueValue;
        row.relativeBias = row.trueValue != 0.0 ? row.bias / row.trueValue : NotANumber;
        row.empiricalStandardError = a.estimates.standardDeviation();
        row.monteCarloError = row.empiricalStandardError / std::sqrt(replicates);
        row.rmse = std::sqrt(a.squaredErrors / replicates);
        row.meanEstimatedStandardError = a.standardErrors.mean();
        row.coverage = double(a.covered) / replicates;
    }

    const StudySettings &m_settings;
    const StudyProgress &m_progress;
    const PointSink &m_sink;
    std::int64_t m_total;
    std::int64_t m_done = 0;
};

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
}

// Shortest text that reads back as the same double, with a decimal point
// whatever the locale.
std::string numberText(double value)
{
    if (std::isnan(value))
        return "NA";
    if (std::isinf(value))
        return value > 0.0 ? "Inf" : "-Inf";
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

std::string csvText(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

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

std::int64_t treesOutside(const StudyStand &stand)
{
    return std::int64_t(std::count_if(stand.trees.begin(), stand.trees.end(),
                                      [&](Point p) { return !stand.extent.contains(p); }));
}

double studentQuantile975(std::int64_t degrees)
{
    static constexpr std::array<double, 30> Table{
        12.706204736174, 4.302652729696, 3.182446305284, 2.776445105198, 2.570581835637, 2.446911851146,
        2.364624251593,  2.306004135204, 2.262157162799, 2.228138851986, 2.200985160082, 2.178812829667,
        2.160368656461,  2.144786687917, 2.131449545559, 2.119905299221, 2.109815577833, 2.100922040241,
        2.093024054408,  2.085963447266, 2.079613844728, 2.073873067904, 2.068657610419, 2.063898561628,
        2.059538552753,  2.055529438642, 2.051830516480, 2.048407141795, 2.045229642133, 2.042272456301};
    if (degrees < 1)
        return NotANumber;
    if (degrees <= std::int64_t(Table.size()))
        return Table[std::size_t(degrees - 1)];
    // Cornish-Fisher expansion around the normal quantile; beyond 30 degrees
    // of freedom its error is below 1e-7.
    const double z = 1.959963984540054;
    const double v = double(degrees);
    const double z2 = z * z;
    const double z3 = z2 * z;
    const double z5 = z3 * z2;
    const double z7 = z5 * z2;
    const double z9 = z7 * z2;
    return z + (z3 + z) / (4.0 * v) + (5.0 * z5 + 16.0 * z3 + 3.0 * z) / (96.0 * v * v) +
           (3.0 * z7 + 19.0 * z5 + 17.0 * z3 - 15.0 * z) / (384.0 * v * v * v) +
           (79.0 * z9 + 776.0 * z7 + 1482.0 * z5 - 1920.0 * z3 - 945.0 * z) / (92160.0 * v * v * v * v);
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
        const PreparedStand prepared = prepareStand(stand, settings, zoneProgress);
        for (const StudyDesign design : settings.designs)
            runner.run(prepared, design, result);
    }
    return result;
}

std::vector<std::string> pointValueNames()
{
    std::vector<std::string> names;
    for (const char *estimator : EstimatorNames) {
        for (const char *quantity : QuantityNames)
            names.push_back(std::string(estimator) + "/" + quantity);
    }
    return names;
}

std::string studyCsv(const std::vector<StudyRow> &rows)
{
    std::string csv =
        "stand,k,design,edge,estimator,quantity,true_value,mean,bias,relative_bias,empirical_se,"
        "mc_se_of_mean,rmse,mean_estimated_se,coverage_95,unreachable_trees,note,seed,points,"
        "replicates,buffer_m,plot_radius_m\n";
    for (const StudyRow &r : rows) {
        csv += csvText(r.stand) + ',' + std::to_string(r.k) + ',' + r.design + ',' + r.edge + ',' +
               r.estimator + ',' + r.quantity + ',' + numberText(r.trueValue) + ',' + numberText(r.mean) +
               ',' + numberText(r.bias) + ',' + numberText(r.relativeBias) + ',' +
               numberText(r.empiricalStandardError) + ',' + numberText(r.monteCarloError) + ',' +
               numberText(r.rmse) + ',' + numberText(r.meanEstimatedStandardError) + ',' +
               numberText(r.coverage) + ',' + std::to_string(r.unreachableTrees) + ',' +
               (r.note.empty() ? "" : r.note) + ',' + std::to_string(r.seed) + ',' +
               std::to_string(r.points) + ',' + std::to_string(r.replicates) + ',' +
               numberText(r.bufferMetres) + ',' + numberText(r.plotRadiusMetres) + '\n';
    }
    return csv;
}

std::string replicatesCsv(const std::vector<ReplicateRow> &rows)
{
    std::string csv = "stand,k,design,estimator,quantity,replicate,points,estimate,standard_error,ci95_lower,"
                      "ci95_upper,covered,note\n";
    for (const ReplicateRow &r : rows) {
        csv += csvText(r.stand) + ',' + std::to_string(r.k) + ',' + r.design + ',' + r.estimator + ',' +
               r.quantity + ',' + std::to_string(r.replicate) + ',' + std::to_string(r.points) + ',' +
               numberText(r.estimate) + ',' + numberText(r.standardError) + ',' + numberText(r.lower) + ',' +
               numberText(r.upper) + ',' + (r.covered ? "TRUE" : "FALSE") + ',' + r.note + '\n';
    }
    return csv;
}

std::string pointsCsvHeader()
{
    std::string header = "stand,design,replicate,point,x_m,y_m,k,r_k_m,trees_within_r_k,trees_in_plot";
    for (const char *estimator : EstimatorNames) {
        for (const char *quantity : QuantityNames)
            header += std::string(",") + estimator + "__" + quantity;
    }
    return header + '\n';
}

std::string pointCsvLine(const PointRow &row)
{
    std::string line = csvText(row.stand) + ',' + row.design + ',' + std::to_string(row.replicate) + ',' +
                       std::to_string(row.point) + ',' + numberText(row.position.x) + ',' +
                       numberText(row.position.y) + ',' + std::to_string(row.k) + ',' +
                       numberText(row.kthDistance) + ',' + std::to_string(row.sampledTrees) + ',' +
                       std::to_string(row.plotTrees);
    for (const double value : row.values)
        line += ',' + numberText(value);
    return line + '\n';
}

} // namespace kavrel
