#include "inclusionzones.h"

#include "inputchecks.h"
#include "parallelblocks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
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
    return Point(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t);
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
    return {Point(stand.left(), stand.bottom()), Point(stand.right(), stand.bottom()),
            Point(stand.right(), stand.top()), Point(stand.left(), stand.top())};
}

struct Bounds
{
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;
};

Bounds boundsOf(const std::vector<Piece> &pieces)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    Bounds bounds{infinity, infinity, -infinity, -infinity};
    for (const Piece &piece : pieces) {
        for (const Point &p : piece.vertices) {
            bounds.left = std::min(bounds.left, p.x);
            bounds.bottom = std::min(bounds.bottom, p.y);
            bounds.right = std::max(bounds.right, p.x);
            bounds.top = std::max(bounds.top, p.y);
        }
    }
    return bounds;
}

// Whether the other tree may be strictly nearer somewhere in the bounds (the
// bisector's function is linear, so its largest value is at a corner). Once
// the zone has shrunk around its tree most farther trees cannot touch it, and
// skipping them leaves every piece as the cut would have left it.
bool reachesInto(const Bisector &bisector, const Bounds &bounds)
{
    for (const Point corner : {Point(bounds.left, bounds.bottom), Point(bounds.right, bounds.bottom),
                               Point(bounds.right, bounds.top), Point(bounds.left, bounds.top)}) {
        if (bisector.value(corner) > 0.0)
            return true;
    }
    return false;
}

// The convex pieces that make up the zone of tree `tree`.
std::vector<Piece> zonePieces(const std::vector<Point> &trees, std::size_t tree, StandRectangle stand, int k)
{
    std::vector<Piece> pieces{Piece{rectangleVertices(stand), 0}};
    if (std::size_t(k) >= trees.size())
        return pieces;

    // Nearest neighbours first: they push most of the stand past k soonest,
    // which keeps the number of pieces small for the later cuts.
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

    SplitBuffers buffers;
    std::vector<Piece> next;
    for (const std::size_t other : others) {
        const Bisector bisector(own, trees[other]);
        if (!reachesInto(bisector, boundsOf(pieces)))
            continue;
        next.clear();
        for (Piece &piece : pieces)
            splitPiece(std::move(piece), bisector, k, buffers, next);
        pieces.swap(next);
        if (pieces.empty())
            break;
    }
    return pieces;
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
        ZoneRing ring{Point(start.first, start.second)};
        while (current != start) {
            ring.push_back(Point(current.first, current.second));
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
    checkPoints(trees, "tree");
    std::vector<double> areas(trees.size());
    parallelBlocks(
        std::int64_t(trees.size()), 16,
        [&](std::int64_t begin, std::int64_t end) {
            for (std::int64_t t = begin; t < end; ++t)
                areas[std::size_t(t)] = piecesArea(zonePieces(trees, std::size_t(t), stand, k));
        },
        progress);
    return areas;
}

std::vector<InclusionZone> inclusionZones(const std::vector<Point> &trees, StandRectangle stand, int k,
                                          const Progress &progress)
{
    checkOrder(k);
    checkStand(stand);
    checkPoints(trees, "tree");
    std::vector<InclusionZone> zones(trees.size());
    parallelBlocks(
        std::int64_t(trees.size()), 16,
        [&](std::int64_t begin, std::int64_t end) {
            for (std::int64_t t = begin; t < end; ++t) {
                const std::vector<Piece> pieces = zonePieces(trees, std::size_t(t), stand, k);
                zones[std::size_t(t)] = InclusionZone{piecesArea(pieces), outlineOf(pieces)};
            }
        },
        progress);
    return zones;
}

} // namespace kavrel
