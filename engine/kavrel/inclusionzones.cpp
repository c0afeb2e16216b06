#include "inclusionzones.h"

#include "inputchecks.h"
#include "levelsweep.h"
#include "nearesttrees.h"
#include "parallelblocks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace kavrel {

namespace {

// A convex part of the stand together with the number of other trees that
// are strictly nearer than the zone's tree everywhere inside it.
struct Piece
{
    std::vector<Point> vertices; // counter-clockwise
    int nearer = 0;
};

// The bisector of the zone's tree (`own`) and one other tree, as the linear
// function f(p) = |p - own|^2 - |p - other|^2, which is positive exactly where
// the other tree is strictly nearer. Working relative to `own` keeps the
// products small for trees far from the origin.
class Bisector
{
public:
    Bisector(Point own, Point other)
        : m_own(own), m_ex(other.x - own.x), m_ey(other.y - own.y), m_e2(m_ex * m_ex + m_ey * m_ey)
    {}

    double value(Point p) const
    {
        const double dx = p.x - m_own.x;
        const double dy = p.y - m_own.y;
        return 2.0 * (dx * m_ex + dy * m_ey) - m_e2;
    }

    // -1, 0 or +1. Values within the rounding noise of the evaluation count as
    // "on the bisector", so a vertex that an earlier cut placed on this line
    // is not cut again into a sliver. The decision depends on the point alone,
    // so every piece sharing a vertex classifies it the same way.
    int side(Point p, double value) const
    {
        const double dx = std::abs(p.x - m_own.x);
        const double dy = std::abs(p.y - m_own.y);
        const double noise = 64.0 * std::numeric_limits<double>::epsilon() *
                             (2.0 * (dx * std::abs(m_ex) + dy * std::abs(m_ey)) + m_e2);
        if (value > noise)
            return 1;
        if (value < -noise)
            return -1;
        return 0;
    }

private:
    Point m_own;
    double m_ex;
    double m_ey;
    double m_e2;
};

bool lexicographicallyLess(Point a, Point b)
{
    return std::make_tuple(a.x, a.y) < std::make_tuple(b.x, b.y);
}

// Where the bisector crosses the edge a-b (fa and fb of strictly opposite
// signs). Always computed from the lexicographically smaller end point, so the
// two pieces on either side of an edge get bit-identical crossing points and
// their outlines can later be joined by exact comparison.
Point crossing(Point a, double fa, Point b, double fb)
{
    if (lexicographicallyLess(b, a)) {
        std::swap(a, b);
        std::swap(fa, fb);
    }
    const double t = fa / (fa - fb);
    return Point{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

struct SplitBuffers
{
    std::vector<double> values;
    std::vector<int> sides;
};

// Cuts `piece` by the bisector and appends the parts that are still in the
// zone (fewer than k trees strictly nearer) to `out`.
void splitPiece(Piece &&piece, const Bisector &bisector, int k, SplitBuffers &buffers,
                std::vector<Piece> &out)
{
    const std::size_t count = piece.vertices.size();
    buffers.values.resize(count);
    buffers.sides.resize(count);
    bool anyFarther = false;
    bool anyNearer = false;
    for (std::size_t v = 0; v < count; ++v) {
        const Point p = piece.vertices[v];
        buffers.values[v] = bisector.value(p);
        buffers.sides[v] = bisector.side(p, buffers.values[v]);
        anyFarther = anyFarther || buffers.sides[v] < 0;
        anyNearer = anyNearer || buffers.sides[v] > 0;
    }

    if (!anyNearer) {
        out.push_back(std::move(piece));
        return;
    }
    const bool nearPartSurvives = piece.nearer + 1 < k;
    if (!anyFarther) {
        if (nearPartSurvives) {
            ++piece.nearer;
            out.push_back(std::move(piece));
        }
        return;
    }

    Piece farPart{{}, piece.nearer};
    Piece nearPart{{}, piece.nearer + 1};
    farPart.vertices.reserve(count + 2);
    if (nearPartSurvives)
        nearPart.vertices.reserve(count + 2);
    for (std::size_t v = 0; v < count; ++v) {
        const std::size_t w = (v + 1) % count;
        const Point a = piece.vertices[v];
        const int sa = buffers.sides[v];
        const int sb = buffers.sides[w];
        if (sa <= 0)
            farPart.vertices.push_back(a);
        if (sa >= 0 && nearPartSurvives)
            nearPart.vertices.push_back(a);
        if (sa * sb < 0) {
            const Point p = crossing(a, buffers.values[v], piece.vertices[w], buffers.values[w]);
            farPart.vertices.push_back(p);
            if (nearPartSurvives)
                nearPart.vertices.push_back(p);
        }
    }
    out.push_back(std::move(farPart));
    if (nearPartSurvives)
        out.push_back(std::move(nearPart));
}

std::vector<Point> rectangleVertices(StandRectangle stand)
{
    return {Point{stand.left(), stand.bottom()}, Point{stand.right(), stand.bottom()},
            Point{stand.right(), stand.top()}, Point{stand.left(), stand.top()}};
}

struct Bounds
{
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;
};

// Whether the other tree may be strictly nearer somewhere in the bounds (the
// bisector's function is linear, so its largest value is at a corner). Once
// the zone has shrunk around its tree most farther trees cannot touch it, and
// skipping them leaves every piece as the cut would have left it.
bool reachesInto(const Bisector &bisector, const Bounds &bounds)
{
    for (const Point corner : {Point{bounds.left, bounds.bottom}, Point{bounds.right, bounds.bottom},
                               Point{bounds.right, bounds.top}, Point{bounds.left, bounds.top}}) {
        if (bisector.value(corner) > 0.0)
            return true;
    }
    return false;
}

// The zone of one tree, cut down tree by tree. Cutting in any order gives the
// same zone; nearest neighbours first push most of the stand past k soonest,
// which keeps the number of pieces small for the later cuts.
class ZoneCutter
{
public:
    ZoneCutter(Point own, StandRectangle stand, int k) : m_own(own), m_order(k)
    {
        m_pieces.push_back(Piece{rectangleVertices(stand), 0});
        measure();
    }

    void cut(Point other)
    {
        const Bisector bisector(m_own, other);
        if (!reachesInto(bisector, m_bounds))
            return;
        m_next.clear();
        for (Piece &piece : m_pieces)
            splitPiece(std::move(piece), bisector, m_order, m_buffers, m_next);
        m_pieces.swap(m_next);
        measure();
    }

    bool empty() const { return m_pieces.empty(); }

    // A tree farther than this from the zone's tree is not strictly nearer
    // anywhere in the zone: it would be nearer to a point p than the zone's
    // tree only within 2 |p - own| of it, and |p - own| is at most the
    // distance to the zone's farthest vertex.
    bool cannotReach(double squaredDistanceToOwn) const
    {
        return squaredDistanceToOwn > 4.0 * m_farthestSquared * (1.0 + 1e-9);
    }

    std::vector<Piece> takePieces() { return std::move(m_pieces); }

private:
    void measure()
    {
        constexpr double infinity = std::numeric_limits<double>::infinity();
        m_bounds = Bounds{infinity, infinity, -infinity, -infinity};
        m_farthestSquared = 0.0;
        for (const Piece &piece : m_pieces) {
            for (const Point &p : piece.vertices) {
                m_bounds.left = std::min(m_bounds.left, p.x);
                m_bounds.bottom = std::min(m_bounds.bottom, p.y);
                m_bounds.right = std::max(m_bounds.right, p.x);
                m_bounds.top = std::max(m_bounds.top, p.y);
                m_farthestSquared = std::max(m_farthestSquared, squaredDistance(p, m_own));
            }
        }
    }

    Point m_own;
    int m_order;
    std::vector<Piece> m_pieces;
    std::vector<Piece> m_next;
    SplitBuffers m_buffers;
    Bounds m_bounds;
    double m_farthestSquared = 0.0;
};

// The convex pieces that make up the zone of tree `tree`, cut by every other
// tree: quadratic in the number of trees over a whole stand.
std::vector<Piece> zonePiecesByEveryTree(const std::vector<Point> &trees, std::size_t tree,
                                         StandRectangle stand, int k)
{
    ZoneCutter zone(trees[tree], stand, k);
    if (std::size_t(k) >= trees.size())
        return zone.takePieces();
    const Point own = trees[tree];
    std::vector<std::size_t> others;
    others.reserve(trees.size());
    for (std::size_t t = 0; t < trees.size(); ++t) {
        if (t != tree)
            others.push_back(t);
    }
    std::stable_sort(others.begin(), others.end(), [&](std::size_t a, std::size_t b) {
        return squaredDistance(trees[a], own) < squaredDistance(trees[b], own);
    });
    for (const std::size_t other : others) {
        zone.cut(trees[other]);
        if (zone.empty())
            break;
    }
    return zone.takePieces();
}

// The same pieces from the trees near the zone alone: the neighbours are
// fetched from the index nearest first (ties by index, the order above) in
// growing batches, until the next one lies beyond twice the distance of the
// zone's farthest vertex, past which no tree can cut the zone any more.
std::vector<Piece> zonePiecesNearby(const TreeIndex &index, std::size_t tree, StandRectangle stand, int k,
                                    std::vector<Neighbour> &neighbours)
{
    const std::vector<Point> &trees = index.trees();
    ZoneCutter zone(trees[tree], stand, k);
    if (std::size_t(k) >= trees.size())
        return zone.takePieces();
    const Point own = trees[tree];
    std::size_t done = 0;
    std::size_t batch = std::min<std::size_t>(trees.size(), 4 * std::size_t(k) + 16);
    for (;;) {
        index.nearestWithTies(
            own, int(std::min<std::size_t>(batch, std::size_t(std::numeric_limits<int>::max()))), neighbours);
        for (std::size_t n = done; n < neighbours.size(); ++n) {
            if (zone.cannotReach(neighbours[n].squaredDistance))
                return zone.takePieces();
            if (neighbours[n].index == tree)
                continue;
            zone.cut(trees[neighbours[n].index]);
            if (zone.empty())
                return zone.takePieces();
        }
        done = neighbours.size();
        if (done >= trees.size())
            return zone.takePieces();
        batch = std::min(trees.size(), 2 * done);
    }
}

double polygonArea(const std::vector<Point> &vertices)
{
    if (vertices.size() < 3)
        return 0.0;
    // Relative to the first vertex: the cross products then stay of the
    // piece's own size even far from the origin.
    const Point origin = vertices.front();
    double twice = 0.0;
    for (std::size_t v = 1; v + 1 < vertices.size(); ++v) {
        const Point a = vertices[v] - origin;
        const Point b = vertices[v + 1] - origin;
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2.0;
}

double piecesArea(const std::vector<Piece> &pieces)
{
    double area = 0.0;
    for (const Piece &piece : pieces)
        area += polygonArea(piece.vertices);
    return area;
}

using PointKey = std::pair<double, double>;

PointKey keyOf(Point p)
{
    return {p.x, p.y};
}

// Drops vertices that lie on the straight line through their neighbours
// (left over where the cuts of neighbouring pieces met on the outline).
ZoneRing withoutStraightVertices(const ZoneRing &ring)
{
    ZoneRing kept = ring;
    bool removed = true;
    while (removed && kept.size() > 3) {
        removed = false;
        for (std::size_t v = 0; v < kept.size() && kept.size() > 3; ++v) {
            const Point a = kept[(v + kept.size() - 1) % kept.size()];
            const Point b = kept[v];
            const Point c = kept[(v + 1) % kept.size()];
            const Point u = b - a;
            const Point w = c - b;
            const double cross = u.x * w.y - u.y * w.x;
            const double dot = u.x * w.x + u.y * w.y;
            const double scale = std::hypot(u.x, u.y) * std::hypot(w.x, w.y);
            if (dot > 0.0 && std::abs(cross) <= 1e-12 * scale) {
                kept.erase(kept.begin() + std::ptrdiff_t(v));
                removed = true;
                --v;
            }
        }
    }
    return kept;
}

// Joins the convex pieces into the outline of their union: edges shared by
// two pieces run in opposite directions and cancel, the rest chain into
// closed rings. Returns false if the edges do not close up.
bool joinPieces(const std::vector<Piece> &pieces, std::vector<ZoneRing> &rings)
{
    std::map<std::pair<PointKey, PointKey>, int> edges;
    for (const Piece &piece : pieces) {
        const std::size_t count = piece.vertices.size();
        for (std::size_t v = 0; v < count; ++v) {
            const PointKey a = keyOf(piece.vertices[v]);
            const PointKey b = keyOf(piece.vertices[(v + 1) % count]);
            if (a == b)
                continue;
            const auto reverse = edges.find({b, a});
            if (reverse != edges.end()) {
                if (--reverse->second == 0)
                    edges.erase(reverse);
            } else {
                ++edges[{a, b}];
            }
        }
    }

    std::multimap<PointKey, PointKey> outgoing;
    for (const auto &[edge, multiplicity] : edges) {
        for (int m = 0; m < multiplicity; ++m)
            outgoing.emplace(edge.first, edge.second);
    }

    std::vector<ZoneRing> joined;
    while (!outgoing.empty()) {
        const auto first = outgoing.begin();
        const PointKey start = first->first;
        PointKey current = first->second;
        outgoing.erase(first);
        ZoneRing ring{Point{start.first, start.second}};
        while (current != start) {
            ring.push_back(Point{current.first, current.second});
            const auto next = outgoing.find(current);
            if (next == outgoing.end() || ring.size() > edges.size() + 1)
                return false;
            current = next->second;
            outgoing.erase(next);
        }
        ring = withoutStraightVertices(ring);
        if (ring.size() >= 3 && ringArea(ring) > 0.0)
            joined.push_back(ring);
    }
    rings = joined;
    return true;
}

std::vector<ZoneRing> outlineOf(const std::vector<Piece> &pieces)
{
    std::vector<ZoneRing> rings;
    if (joinPieces(pieces, rings))
        return rings;
    // Should the outline ever fail to close, the pieces themselves still
    // describe the zone exactly.
    rings.clear();
    for (const Piece &piece : pieces) {
        if (polygonArea(piece.vertices) > 0.0)
            rings.push_back(ZoneRing(piece.vertices.begin(), piece.vertices.end()));
    }
    return rings;
}

// Trees per block of work: a stand of a few dozen trees is done on one
// thread, where starting another would cost more than it saves.
constexpr std::int64_t ZoneBlock = 64;

struct AreaScratch
{
    std::vector<Neighbour> neighbours;
    std::vector<Point> others;
    std::vector<double> distances;
};

// Whether the other tree is strictly nearer than the zone's tree somewhere in
// the outline (relative to the zone's tree): a linear function is largest at
// a vertex. Borderline cases count as reaching: a tree too many costs time only.
bool reachesInto(Point own, Point other, const std::vector<Point> &outline)
{
    const double ex = other.x - own.x;
    const double ey = other.y - own.y;
    const double half = (ex * ex + ey * ey) / 2.0;
    for (const Point &q : outline) {
        if (q.x * ex + q.y * ey >= half * (1.0 - 1e-9))
            return true;
    }
    return false;
}

void collectOthers(const std::vector<Point> &trees, std::size_t tree, AreaScratch &scratch)
{
    scratch.others.clear();
    for (const Neighbour &neighbour : scratch.neighbours) {
        if (neighbour.index != tree)
            scratch.others.push_back(trees[neighbour.index]);
    }
}

// The area of one zone from the trees near it, by the sweep around the tree.
// A first sweep over the nearest neighbours gives a zone that contains the
// true one, so no tree beyond twice the distance of its farthest vertex can
// matter; a second sweep over every tree within that distance, if the first
// did not hold them all already, gives the zone itself.
double zoneAreaNearby(const TreeIndex &index, std::size_t tree, StandRectangle stand, int k,
                      AreaScratch &scratch)
{
    const std::vector<Point> &trees = index.trees();
    if (std::size_t(k) >= trees.size())
        return stand.area();
    // On small stands at orders 1 and 2 the zones have few pieces, and
    // cutting them costs less than setting up and checking the sweep.
    if (trees.size() <= 256 && k <= 2)
        return piecesArea(zonePiecesNearby(index, tree, stand, k, scratch.neighbours));
    const Point own = trees[tree];
    const std::size_t first = std::min<std::size_t>(trees.size(), 6 * std::size_t(k) + 20);
    index.nearestWithTies(own,
                          int(std::min<std::size_t>(first, std::size_t(std::numeric_limits<int>::max()))),
                          scratch.neighbours);
    collectOthers(trees, tree, scratch);
    std::optional<SweptZone> zone = sweptZone(own, scratch.others, stand, k, scratch.distances);
    if (!zone)
        return piecesArea(zonePiecesNearby(index, tree, stand, k, scratch.neighbours));
    const double reach = 4.0 * zone->farthestSquared * (1.0 + 1e-9);
    if (scratch.neighbours.size() >= trees.size() || reach <= scratch.neighbours.back().squaredDistance)
        return zone->area;

    // The first trees stay (they bound the first zone, and the zone cannot
    // grow past it); of the others only those whose half-plane reaches into
    // the first zone can be strictly nearer anywhere in the true one.
    const std::size_t firstCount = scratch.neighbours.size();
    const double firstFarthest = scratch.neighbours.back().squaredDistance;
    index.within(own, reach, scratch.neighbours);
    std::sort(scratch.neighbours.begin(), scratch.neighbours.end(),
              [](const Neighbour &a, const Neighbour &b) {
                  return a.squaredDistance < b.squaredDistance ||
                         (a.squaredDistance == b.squaredDistance && a.index < b.index);
              });
    scratch.others.clear();
    for (std::size_t n = 0; n < scratch.neighbours.size(); ++n) {
        const Neighbour &neighbour = scratch.neighbours[n];
        if (neighbour.index == tree)
            continue;
        const Point other = trees[neighbour.index];
        if (n < firstCount || neighbour.squaredDistance <= firstFarthest ||
            reachesInto(own, other, zone->outline))
            scratch.others.push_back(other);
    }
    zone = sweptZone(own, scratch.others, stand, k, scratch.distances);
    if (!zone)
        return piecesArea(zonePiecesNearby(index, tree, stand, k, scratch.neighbours));
    return zone->area;
}

} // namespace

double ringArea(const ZoneRing &ring)
{
    return polygonArea(std::vector<Point>(ring.begin(), ring.end()));
}

std::vector<double> inclusionZoneAreas(const std::vector<Point> &trees, StandRectangle stand, int k,
                                       const Progress &progress)
{
    checkOrder(k);
    checkStand(stand);
    const TreeIndex index(trees);
    std::vector<double> areas(trees.size());
    parallelBlocks(
        std::int64_t(trees.size()), ZoneBlock,
        [&](std::int64_t begin, std::int64_t end) {
            AreaScratch scratch;
            for (std::int64_t t = begin; t < end; ++t)
                areas[std::size_t(t)] = zoneAreaNearby(index, std::size_t(t), stand, k, scratch);
        },
        progress);
    return areas;
}

std::vector<InclusionZone> inclusionZones(const std::vector<Point> &trees, StandRectangle stand, int k,
                                          const Progress &progress)
{
    checkOrder(k);
    checkStand(stand);
    const TreeIndex index(trees);
    std::vector<InclusionZone> zones(trees.size());
    parallelBlocks(
        std::int64_t(trees.size()), ZoneBlock,
        [&](std::int64_t begin, std::int64_t end) {
            std::vector<Neighbour> neighbours;
            for (std::int64_t t = begin; t < end; ++t) {
                const std::vector<Piece> pieces =
                    zonePiecesNearby(index, std::size_t(t), stand, k, neighbours);
                zones[std::size_t(t)] = InclusionZone{piecesArea(pieces), outlineOf(pieces)};
            }
        },
        progress);
    return zones;
}

std::vector<double> inclusionZoneAreasByEveryTree(const std::vector<Point> &trees, StandRectangle stand,
                                                  int k)
{
    checkOrder(k);
    checkStand(stand);
    checkPoints(trees, "tree");
    std::vector<double> areas;
    areas.reserve(trees.size());
    for (std::size_t t = 0; t < trees.size(); ++t)
        areas.push_back(piecesArea(zonePiecesByEveryTree(trees, t, stand, k)));
    return areas;
}

} // namespace kavrel
