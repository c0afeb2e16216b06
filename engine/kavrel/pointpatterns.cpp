#include "pointpatterns.h"

#include "cellgrid.h"
#include "randomnumbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace kavrel {

namespace {

constexpr double SquareMetresPerHectare = 10000.0;

// Simple sequential inhibition gives up after this many rejected proposals in
// a row per tree still to be placed: the pattern is then as dense as it gets.
constexpr std::int64_t InhibitionAttemptsPerTree = 10000;

// Most trees a generated stand may hold, so a typing error in the intensity
// cannot exhaust the memory.
constexpr double MaxGeneratedTrees = 5.0e7;

Extent standExtent(const PatternParameters &p)
{
    return {0.0, 0.0, p.width, p.length};
}

double perSquareMetre(double perHectare)
{
    return perHectare / SquareMetresPerHectare;
}

double hardCoreArea(const PatternParameters &p)
{
    return std::numbers::pi * p.hardCoreRadius * p.hardCoreRadius;
}

// Matérn II keeps a primary point when no primary point within the radius
// has an earlier birth mark; its intensity is (1 - exp(-l a)) / a for a
// primary intensity l and a = pi r^2, solved here for l.
double maternPrimaryIntensity(const PatternParameters &p)
{
    const double area = hardCoreArea(p);
    return -std::log1p(-perSquareMetre(p.intensity) * area) / area;
}

std::vector<Point> uniformPoints(RandomNumbers &random, Extent extent, std::int64_t count)
{
    std::vector<Point> points;
    points.reserve(std::size_t(count));
    for (std::int64_t i = 0; i < count; ++i) {
        const double x = random.uniform(extent.left, extent.right);
        const double y = random.uniform(extent.bottom, extent.top);
        points.push_back(Point{x, y});
    }
    return points;
}

std::vector<Point> poissonPoints(RandomNumbers &random, Extent extent, double intensityPerSquareMetre)
{
    return uniformPoints(random, extent, random.poisson(intensityPerSquareMetre * extent.area()));
}

Point offspringOffset(RandomNumbers &random, const PatternParameters &p)
{
    if (p.process == PatternProcess::Thomas)
        return {p.clusterScale * random.standardNormal(), p.clusterScale * random.standardNormal()};
    // Uniform in the disc: polar coordinates with the square root of a
    // uniform radius fraction, drawn by rejection to stay free of sin/cos.
    for (;;) {
        const double x = random.uniform(-1.0, 1.0);
        const double y = random.uniform(-1.0, 1.0);
        if (x * x + y * y <= 1.0)
            return {p.clusterScale * x, p.clusterScale * y};
    }
}

// Parents come from the stand widened by the reach of their offspring, so
// clusters whose parent lies outside still send trees in and the pattern is
// as dense at the edge as inside.
std::vector<Point> clusterPoints(RandomNumbers &random, const PatternParameters &p)
{
    const Extent stand = standExtent(p);
    const double reach = p.process == PatternProcess::Thomas ? 6.0 * p.clusterScale : p.clusterScale;
    const Extent widened{stand.left - reach, stand.bottom - reach, stand.right + reach, stand.top + reach};
    const double meanOffspring = p.intensity / p.parentIntensity;
    std::vector<Point> points;
    for (const Point parent : poissonPoints(random, widened, perSquareMetre(p.parentIntensity))) {
        const std::int64_t offspring = random.poisson(meanOffspring);
        for (std::int64_t i = 0; i < offspring; ++i) {
            const Point offset = offspringOffset(random, p);
            const Point child{parent.x + offset.x, parent.y + offset.y};
            if (stand.contains(child) && child.x < stand.right && child.y < stand.top)
                points.push_back(child);
        }
    }
    return points;
}

bool hasNeighbourWithin(const CellGrid &grid, Point point, double radius)
{
    bool found = false;
    grid.forEachWithin(point, radius, [&found](std::int64_t, Point) { found = true; });
    return found;
}

std::vector<Point> inhibitionPoints(RandomNumbers &random, const PatternParameters &p)
{
    const Extent stand = standExtent(p);
    const auto count = std::int64_t(std::llround(perSquareMetre(p.intensity) * stand.area()));
    // "No pair nearer than r": a pair exactly r apart is allowed, so the
    // search for conflicts looks just inside the radius.
    const double conflict = std::nextafter(p.hardCoreRadius, 0.0);
    CellGrid grid(stand, p.hardCoreRadius, std::size_t(count));
    std::vector<Point> points;
    points.reserve(std::size_t(count));
    std::int64_t rejected = 0;
    while (std::int64_t(points.size()) < count) {
        const Point candidate{random.uniform(stand.left, stand.right),
                              random.uniform(stand.bottom, stand.top)};
        if (p.hardCoreRadius > 0.0 && hasNeighbourWithin(grid, candidate, conflict)) {
            if (++rejected > InhibitionAttemptsPerTree)
                throw std::runtime_error("simple sequential inhibition placed only " +
                                         std::to_string(points.size()) + " of " + std::to_string(count) +
                                         " trees: the hard-core radius leaves no room for more");
            continue;
        }
        rejected = 0;
        grid.insert(candidate, std::int64_t(points.size()));
        points.push_back(candidate);
    }
    return points;
}

std::vector<Point> maternHardCorePoints(RandomNumbers &random, const PatternParameters &p)
{
    const Extent stand = standExtent(p);
    const double r = p.hardCoreRadius;
    // Primary points just outside the stand can still remove points inside.
    const Extent widened{stand.left - r, stand.bottom - r, stand.right + r, stand.top + r};
    const std::vector<Point> primary = poissonPoints(random, widened, maternPrimaryIntensity(p));
    std::vector<double> birth;
    birth.reserve(primary.size());
    for (std::size_t i = 0; i < primary.size(); ++i)
        birth.push_back(random.uniform());
    CellGrid grid(widened, r, primary.size());
    for (std::size_t i = 0; i < primary.size(); ++i)
        grid.insert(primary[i], std::int64_t(i));

    const double conflict = std::nextafter(r, 0.0);
    std::vector<Point> kept;
    for (std::size_t i = 0; i < primary.size(); ++i) {
        if (!stand.contains(primary[i]) || primary[i].x >= stand.right || primary[i].y >= stand.top)
            continue;
        bool older = false;
        grid.forEachWithin(primary[i], conflict, [&](std::int64_t j, Point) {
            const auto other = std::size_t(j);
            // Ties of the birth marks are broken by index, so exactly one of
            // two equal marks survives.
            if (other != i && (birth[other] < birth[i] || (birth[other] == birth[i] && other < i)))
                older = true;
        });
        if (!older)
            kept.push_back(primary[i]);
    }
    return kept;
}

double drawDiameter(RandomNumbers &random, const DiameterDistribution &d)
{
    switch (d.kind) {
    case DiameterDistribution::Kind::Constant:
        return d.first;
    case DiameterDistribution::Kind::Uniform:
        return random.uniform(d.first, d.second);
    case DiameterDistribution::Kind::Normal:
        for (;;) {
            const double value = d.first + d.second * random.standardNormal();
            if (value > 0.0)
                return value;
        }
    case DiameterDistribution::Kind::Weibull:
        return d.second * std::pow(-std::log1p(-random.uniform()), 1.0 / d.first);
    }
    return d.first;
}

std::string checkDiameters(const DiameterDistribution &d)
{
    const bool finite = std::isfinite(d.first) && std::isfinite(d.second);
    switch (d.kind) {
    case DiameterDistribution::Kind::Constant:
        return finite && d.first > 0.0 ? "" : "a constant diameter must be positive";
    case DiameterDistribution::Kind::Uniform:
        return finite && d.first > 0.0 && d.second >= d.first
                   ? ""
                   : "uniform diameters need 0 < minimum <= maximum";
    case DiameterDistribution::Kind::Normal:
        // Redrawing until positive must end in reasonable time.
        return finite && d.first > 0.0 && d.second >= 0.0 && d.second <= 2.0 * d.first
                   ? ""
                   : "normal diameters need a positive mean and 0 <= standard deviation <= twice the mean";
    case DiameterDistribution::Kind::Weibull:
        return finite && d.first > 0.0 && d.second > 0.0
                   ? ""
                   : "Weibull diameters need a positive shape and scale";
    }
    return "unknown diameter distribution";
}

std::string checkProcess(const PatternParameters &p)
{
    const double expected = perSquareMetre(p.intensity) * p.width * p.length;
    if (!(expected <= MaxGeneratedTrees) || double(p.count) > MaxGeneratedTrees)
        return "the intensity asks for more than 50000000 trees";
    switch (p.process) {
    case PatternProcess::Poisson:
        return "";
    case PatternProcess::Thomas:
    case PatternProcess::MaternCluster: {
        if (!(p.parentIntensity > 0.0) || !std::isfinite(p.parentIntensity))
            return "the parent intensity must be positive";
        if (!(p.clusterScale > 0.0) || !std::isfinite(p.clusterScale))
            return "the cluster scale must be positive";
        const double reach = p.process == PatternProcess::Thomas ? 6.0 * p.clusterScale : p.clusterScale;
        if (!(perSquareMetre(p.parentIntensity) * (p.width + 2 * reach) * (p.length + 2 * reach) <=
              MaxGeneratedTrees))
            return "the parent intensity asks for too many clusters";
        return "";
    }
    case PatternProcess::Inhibition:
    case PatternProcess::MaternHardCore:
        if (!(p.hardCoreRadius >= 0.0) || !std::isfinite(p.hardCoreRadius))
            return "the hard-core radius must not be negative";
        if (p.process == PatternProcess::MaternHardCore &&
            !(perSquareMetre(p.intensity) * hardCoreArea(p) < 1.0))
            return "a Matérn hard-core pattern cannot reach an intensity of 1 / (pi r^2) or more";
        // Random sequential packing jams at about 0.547 of the plane.
        if (p.process == PatternProcess::Inhibition &&
            !(perSquareMetre(p.intensity) * hardCoreArea(p) / 4.0 < 0.5))
            return "simple sequential inhibition cannot pack discs of the hard-core radius that densely";
        return "";
    }
    return "unknown process";
}

} // namespace

std::string patternProcessName(PatternProcess process)
{
    switch (process) {
    case PatternProcess::Poisson:
        return "poisson";
    case PatternProcess::Thomas:
        return "thomas";
    case PatternProcess::MaternCluster:
        return "matern-cluster";
    case PatternProcess::Inhibition:
        return "ssi";
    case PatternProcess::MaternHardCore:
        return "matern-hardcore";
    }
    return "poisson";
}

std::string checkPatternParameters(const PatternParameters &p)
{
    if (!(p.width > 0.0) || !(p.length > 0.0) || !std::isfinite(p.width) || !std::isfinite(p.length))
        return "the stand must have a positive width and length";
    if (!(p.intensity >= 0.0) || !std::isfinite(p.intensity))
        return "the intensity must not be negative";
    const std::string process = checkProcess(p);
    return process.empty() ? checkDiameters(p.diameters) : process;
}

GeneratedStand generatePattern(const PatternParameters &parameters)
{
    const std::string problem = checkPatternParameters(parameters);
    if (!problem.empty())
        throw std::invalid_argument(problem);
    RandomNumbers random(parameters.seed);
    GeneratedStand stand;
    switch (parameters.process) {
    case PatternProcess::Poisson: {
        const Extent extent = standExtent(parameters);
        stand.positions = parameters.count >= 0
                              ? uniformPoints(random, extent, parameters.count)
                              : poissonPoints(random, extent, perSquareMetre(parameters.intensity));
        break;
    }
    case PatternProcess::Thomas:
    case PatternProcess::MaternCluster:
        stand.positions = clusterPoints(random, parameters);
        break;
    case PatternProcess::Inhibition:
        stand.positions = inhibitionPoints(random, parameters);
        break;
    case PatternProcess::MaternHardCore:
        stand.positions = maternHardCorePoints(random, parameters);
        break;
    }
    stand.diameters.reserve(stand.positions.size());
    for (std::size_t i = 0; i < stand.positions.size(); ++i)
        stand.diameters.push_back(drawDiameter(random, parameters.diameters));
    return stand;
}

} // namespace kavrel
