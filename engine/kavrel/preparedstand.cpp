#include "preparedstand.h"

#include "inclusionzones.h"
#include "parallelblocks.h"
#include "standrectangle.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace kavrel {

namespace {

double basalArea(double diameterMetres)
{
    return std::numbers::pi / 4.0 * diameterMetres * diameterMetres;
}

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
        order.problem = "torus_too_small";
}

void prepareOrder(const PreparedStand &prepared, const StudySettings &settings, PreparedOrder &order,
                  const Progress &progress)
{
    if (prepared.torus) {
        prepareTorusZones(prepared, order, progress);
    } else {
        // Zones within the sampled region: with a buffer only the inner
        // rectangle, which keeps Horvitz-Thompson unbiased there.
        order.zoneAreas = inclusionZoneAreas(relativeTo(prepared.sites, prepared.region),
                                             rectangleOf(prepared.region), order.k, progress);
    }
    // Trees outside the population are neighbours only: without a zone they
    // never enter an estimate.
    for (std::size_t t = 0; t < prepared.treeCount; ++t) {
        if (!prepared.counted[t])
            order.zoneAreas[t] = 0.0;
    }
    const double density = prepared.trueTrees / SquareMetresPerHectare;
    order.plotRadius = settings.plotRadiusMetres.value_or(
        density > 0.0 ? std::sqrt(double(order.k) / (std::numbers::pi * density)) : 0.0);
    for (const StudyEstimatorKind &kind : studyEstimators(settings))
        order.estimators.push_back(kind.make(prepared, order));
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

} // namespace

std::unique_ptr<PreparedStand> prepareStand(const StudyStand &stand, const StudySettings &settings,
                                            const Progress &progress)
{
    checkStand(stand);
    // On the heap, where it stays: the estimators keep references to it.
    auto owned = std::make_unique<PreparedStand>();
    PreparedStand &prepared = *owned;
    prepared.name = stand.name;
    prepared.stand = stand.extent;
    prepared.torus = settings.torus;
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
        prepared.diametersMetres.push_back(stand.diametersMetres[t]);
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
    for (const StudyEstimatorKind &kind : studyEstimators(settings))
        prepared.estimatorNames.push_back(kind.name);
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
    for (const PreparedOrder &order : prepared.orders) {
        for (const std::unique_ptr<StudyEstimator> &estimator : order.estimators)
            prepared.largestReach = std::max(prepared.largestReach, estimator->reach());
    }
    return owned;
}

} // namespace kavrel
