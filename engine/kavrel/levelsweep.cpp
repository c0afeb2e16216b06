#include "levelsweep.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace kavrel {

namespace {

// Lines through one vertex meet the ray there within rounding; they are
// ordered by where they go next, not by that noise.
constexpr double SameDistance = 1e-10;
constexpr double SameAngle = 1e-11;

// The line n . q = c in coordinates relative to the tree, n of unit length
// and c > 0 (the tree is on the near side); q is in the half-plane beyond it
// when n . q > c.
struct Line
{
    double nx = 0.0;
    double ny = 0.0;
    double c = 0.0;
    // Another tree at the same point gives the same line: the two swap
    // places at no crossing, so the level needs a full look there. Trees a
    // hair apart count as twins too: their lines differ in the last digits
    // only, and where such lines cross is rounding noise, anywhere along them.
    bool twin = false;
    // Twins share the number of the first of them; other lines have their own.
    std::size_t family = 0;
    // The vertex (numbered from 1) at which the sweep last went through this
    // line: the sweep's bookkeeping, not part of the line.
    mutable std::size_t crossedAt = 0;
};

struct Direction
{
    double x = 1.0;
    double y = 0.0;
};

double distanceAlong(const Line &line, Direction d)
{
    const double facing = line.nx * d.x + line.ny * d.y;
    return facing > 0.0 ? line.c / facing : std::numeric_limits<double>::infinity();
}

// d(distance)/d(angle): which of the lines through a vertex comes first once
// the ray has turned a little further.
double turnRate(const Line &line, Direction d)
{
    const double facing = line.nx * d.x + line.ny * d.y;
    const double across = -line.nx * d.y + line.ny * d.x;
    return -line.c * across / (facing * facing);
}

// A measure of the counter-clockwise turn from the unit direction `from` to
// the vector q, in [0, 4) for turns in [0, 2 pi), increasing with the turn:
// comparing turns needs no trigonometry.
double pseudoTurn(Direction from, Point q)
{
    const double cross = from.x * q.y - from.y * q.x;
    const double dot = from.x * q.x + from.y * q.y;
    const double r = std::abs(cross) + std::abs(dot);
    if (!(r > 0.0))
        return 0.0;
    if (cross >= 0.0 && dot > 0.0)
        return cross / r;
    if (dot <= 0.0 && cross > 0.0)
        return 1.0 + -dot / r;
    if (cross <= 0.0 && dot < 0.0)
        return 2.0 + -cross / r;
    return 3.0 + dot / r;
}

class LevelSweep
{
public:
    LevelSweep(const std::vector<Line> &trees, const std::vector<Line> &box, int k,
               std::vector<double> &scratch)
        : m_trees(trees), m_box(box), m_order(std::size_t(k)), m_scratch(scratch)
    {}

    // The outline as vertices relative to the tree, counter-clockwise; empty
    // when the events do not close up or the outline strays from the level.
    std::vector<Point> outline()
    {
        const Direction start{std::cos(0.1234567), std::sin(0.1234567)};
        Direction d = start;
        const Line *current = boundaryAfter(d);
        if (!current)
            return {};
        const double t = distanceAlong(*current, d);
        Point at{t * d.x, t * d.y};
        std::vector<Point> vertices{at};
        std::vector<const Line *> edges; // edge v runs from vertex v to the next
        const std::size_t maxEvents = 64 * (m_trees.size() + m_box.size()) + 64;
        while (vertices.size() < maxEvents) {
            const Event event = nextEvent(*current, at);
            if (!event.line)
                return {};
            // An edge seen from the tree spans less than half a turn; a step
            // back is rounding gone astray, and the cut has to do.
            const double step = pseudoTurn(d, event.point);
            if (step >= 2.0)
                return {};
            if (vertices.size() > 1) {
                const double back = pseudoTurn(d, Point{start.x, start.y});
                if (back <= SameAngle || back <= step) {
                    edges.push_back(current);
                    return runsAlongLevel(vertices, edges) ? vertices : std::vector<Point>{};
                }
            }
            markCrossed(*current, event);
            edges.push_back(current);
            vertices.push_back(event.point);
            at = event.point;
            const double length = std::sqrt(at.x * at.x + at.y * at.y);
            d = Direction{at.x / length, at.y / length};
            current = event.single && !current->twin && !event.line->twin
                          ? afterCrossing(*current, *event.line, d)
                          : boundaryAfter(d);
            if (!current)
                return {};
        }
        return {};
    }

private:
    // The sweep's own check: halfway along every edge fewer than k trees are
    // nearer, within rounding, and on a tree line the edge's own tree (or the
    // coincident trees it stands for) takes the count to k. No line crosses
    // an edge between its ends, so its middle speaks for all of it. Where the
    // events went astray among nearly coincident, collinear or cocircular
    // trees, an edge ends up off the level and fails the check.
    bool runsAlongLevel(const std::vector<Point> &vertices, const std::vector<const Line *> &edges) const
    {
        for (std::size_t v = 0; v < vertices.size(); ++v) {
            const Line &edge = *edges[v];
            const bool onBox = isBox(&edge);
            const Point a = vertices[v];
            const Point b = vertices[(v + 1) % vertices.size()];
            const Point q{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
            const double reach = std::sqrt(q.x * q.x + q.y * q.y);
            const double tolerance = 1e-9 * (reach + edge.c);
            std::size_t beyond = 0;
            std::size_t reaching = 0;
            std::size_t family = 0;
            for (const Line &line : m_trees) {
                if (line.c > reach + tolerance)
                    break; // its half-plane lies farther out than q
                const double f = line.nx * q.x + line.ny * q.y - line.c;
                if (!onBox && line.family == edge.family) {
                    ++family;
                    continue;
                }
                beyond += f > tolerance ? 1 : 0;
                reaching += f >= -tolerance ? 1 : 0;
            }
            if (beyond >= m_order || (!onBox && reaching + family < m_order))
                return false;
        }
        return true;
    }

    // The line on which the zone ends just counter-clockwise of d: the k-th
    // tree line the ray enters, unless it leaves the box first.
    const Line *boundaryAfter(Direction d)
    {
        const Line *box = firstAfter(m_box, d);
        const Line *tree = kthAfter(d);
        if (!tree)
            return box;
        if (!box)
            return tree;
        const double tb = distanceAlong(*box, d);
        const double tt = distanceAlong(*tree, d);
        if (std::abs(tb - tt) > SameDistance * std::max(tb, tt))
            return tb < tt ? box : tree;
        return turnRate(*box, d) < turnRate(*tree, d) ? box : tree;
    }

    const Line *kthAfter(Direction d)
    {
        m_distances.resize(m_trees.size());
        m_scratch.clear();
        for (std::size_t j = 0; j < m_trees.size(); ++j) {
            m_distances[j] = distanceAlong(m_trees[j], d);
            if (std::isfinite(m_distances[j]))
                m_scratch.push_back(m_distances[j]);
        }
        if (m_scratch.size() < m_order)
            return nullptr;
        std::nth_element(m_scratch.begin(), m_scratch.begin() + std::ptrdiff_t(m_order - 1), m_scratch.end());
        const double kth = m_scratch[m_order - 1];
        std::size_t before = 0;
        m_bundle.clear();
        for (std::size_t j = 0; j < m_trees.size(); ++j) {
            const double t = m_distances[j];
            if (t < kth * (1.0 - SameDistance))
                ++before;
            else if (t <= kth * (1.0 + SameDistance))
                m_bundle.push_back({turnRate(m_trees[j], d), j});
        }
        if (before >= m_order || before + m_bundle.size() < m_order)
            return nullptr;
        if (m_bundle.size() > 1)
            std::sort(m_bundle.begin(), m_bundle.end());
        return &m_trees[m_bundle[m_order - 1 - before].second];
    }

    static const Line *firstAfter(const std::vector<Line> &lines, Direction d)
    {
        const Line *best = nullptr;
        double bestT = std::numeric_limits<double>::infinity();
        for (const Line &line : lines) {
            const double t = distanceAlong(line, d);
            if (!std::isfinite(t))
                continue;
            if (!best || t < bestT * (1.0 - SameDistance) ||
                (t <= bestT * (1.0 + SameDistance) && turnRate(line, d) < turnRate(*best, d))) {
                best = &line;
                bestT = std::min(bestT, t);
            }
        }
        return best;
    }

    struct Event
    {
        const Line *line = nullptr;
        Point point;
        bool single = true; // no other line through the same point
    };

    // The line left and the line crossed at the new vertex, with their twins,
    // are not crossed again just ahead: two lines meet once, however rounding
    // places their crossing along a shallow angle.
    void markCrossed(const Line &current, const Event &event)
    {
        ++m_vertex;
        markWithTwins(current);
        markWithTwins(*event.line);
    }

    void markWithTwins(const Line &line) const
    {
        if (!line.twin) {
            line.crossedAt = m_vertex;
            return;
        }
        for (const Line &other : m_trees) {
            if (other.family == line.family)
                other.crossedAt = m_vertex;
        }
    }

    bool isBox(const Line *line) const { return line >= m_box.data() && line < m_box.data() + m_box.size(); }

    // Where a tree line crosses the k-th one, it becomes the k-th: it comes
    // from beyond to before it or the other way round. The box takes over
    // from a tree line it crosses, and one box side from the other. A tree
    // line crossing the box, though, may be one of the nearer k - 1; which
    // tree line then bounds the zone takes a look at them all.
    const Line *afterCrossing(const Line &current, const Line &other, Direction d)
    {
        if (isBox(&current) && !isBox(&other))
            return boundaryAfter(d);
        return &other;
    }

    // The nearest crossing of the current line ahead, walking along it
    // counter-clockwise around the tree (q = c n + s u with u the normal
    // turned left: the angle grows with s). Every point of a tree line lies at
    // least its c from the tree, and the tree lines come nearest first: once
    // a line lies beyond the farthest point of the way from here to the best
    // crossing so far, it and all after it cross the current line elsewhere.
    Event nextEvent(const Line &current, Point at) const
    {
        const double ux = -current.ny;
        const double uy = current.nx;
        const double here = ux * at.x + uy * at.y;
        const double nearby = 1e-11 * (std::abs(here) + current.c);
        Crossings crossings;
        for (const Line &line : m_trees) {
            if (line.c * line.c > reachSquared(current, here, crossings.best))
                break;
            if (&line != &current)
                crossings.consider(line, current, ux, uy, here, nearby, m_vertex);
        }
        for (const Line &line : m_box) {
            if (&line != &current)
                crossings.consider(line, current, ux, uy, here, nearby, m_vertex);
        }
        Event event;
        if (!crossings.bestLine || !std::isfinite(crossings.best))
            return event;
        event.line = crossings.bestLine;
        event.point =
            Point{current.c * current.nx + crossings.best * ux, current.c * current.ny + crossings.best * uy};
        event.single = crossings.second - crossings.best > 1e-9 * (std::abs(crossings.best) + current.c);
        return event;
    }

    // The nearest two crossings ahead found so far, as positions along the
    // current line.
    struct Crossings
    {
        double best = std::numeric_limits<double>::infinity();
        double second = std::numeric_limits<double>::infinity();
        const Line *bestLine = nullptr;

        // A line that passes the vertex we stand on closer than `nearby`
        // goes through it and is not crossed ahead. The distance is measured
        // across the line: along the current one, a line at a shallow angle
        // may meet it anywhere within rounding. Parallel lines, twins of the
        // current line and the lines met at this vertex are not crossed either.
        //
        // Without branches on the crossing itself: whether a line crosses
        // ahead is as good as a coin toss, and mispredicted jumps would cost
        // more than the arithmetic.
        void consider(const Line &line, const Line &current, double ux, double uy, double here, double nearby,
                      std::size_t vertex)
        {
            constexpr double infinity = std::numeric_limits<double>::infinity();
            const double across = line.nx * ux + line.ny * uy;
            const double along = line.c - current.c * (line.nx * current.nx + line.ny * current.ny);
            const bool passed =
                std::abs(across) <= 1e-14 || line.family == current.family || line.crossedAt == vertex;
            double s = along / (passed ? 1.0 : across);
            s = !passed && (s - here) * std::abs(across) > nearby ? s : infinity; // behind or here
            bestLine = s < best ? &line : bestLine;
            second = std::min(second, std::max(best, s));
            best = std::min(best, s);
        }
    };

    // The squared distance from the tree within which a line must come to
    // cross the current one between `here` and `best` (the distance along a
    // line is largest at an end of the way), widened so that a line left out
    // crosses far enough beyond `best` not to count as a second line through
    // the same point either.
    static double reachSquared(const Line &current, double here, double best)
    {
        return (current.c * current.c + std::max(here * here, best * best)) * (1.0 + 1e-6);
    }

    const std::vector<Line> &m_trees;
    const std::vector<Line> &m_box;
    std::size_t m_vertex = 1; // the first vertex, where the sweep starts
    std::size_t m_order;
    std::vector<double> &m_scratch;
    std::vector<double> m_distances;
    std::vector<std::pair<double, std::size_t>> m_bundle;
};

// Sutherland-Hodgman against one side of the stand (n . q <= c): a star-shaped
// polygon clipped by a convex one keeps its area exactly, even where the
// result runs along the edge twice.
std::vector<Point> clipped(const std::vector<Point> &polygon, double nx, double ny, double c)
{
    std::vector<Point> out;
    out.reserve(polygon.size() + 4);
    for (std::size_t v = 0; v < polygon.size(); ++v) {
        const Point a = polygon[v];
        const Point b = polygon[(v + 1) % polygon.size()];
        const double fa = nx * a.x + ny * a.y - c;
        const double fb = nx * b.x + ny * b.y - c;
        if (fa <= 0.0)
            out.push_back(a);
        if ((fa < 0.0 && fb > 0.0) || (fa > 0.0 && fb < 0.0)) {
            const double t = fa / (fa - fb);
            out.push_back(Point{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
        }
    }
    return out;
}

double shoelace(const std::vector<Point> &polygon)
{
    double twice = 0.0;
    for (std::size_t v = 0; v < polygon.size(); ++v) {
        const Point a = polygon[v];
        const Point b = polygon[(v + 1) % polygon.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2.0;
}

// How far apart, relative to their distance from the tree, two trees may be
// and still give one line: far below any measurement, far above rounding.
constexpr double SameLine = 1e-9;

bool sameLine(const Line &a, const Line &b)
{
    return std::abs(a.nx - b.nx) <= SameLine && std::abs(a.ny - b.ny) <= SameLine &&
           std::abs(a.c - b.c) <= SameLine * b.c;
}

// The lines come nearest first, so twins sit in one run of (nearly) equal
// distances.
void markTwins(std::vector<Line> &lines)
{
    for (std::size_t l = 0; l < lines.size(); ++l)
        lines[l].family = l;
    for (std::size_t run = 0; run < lines.size();) {
        std::size_t end = run + 1;
        while (end < lines.size() && lines[end].c - lines[end - 1].c <= SameLine * lines[end].c)
            ++end;
        for (std::size_t b = run + 1; b < end; ++b) {
            for (std::size_t a = run; a < b; ++a) {
                if (sameLine(lines[a], lines[b])) {
                    lines[a].twin = true;
                    lines[b].twin = true;
                    lines[b].family = lines[a].family;
                    break;
                }
            }
        }
        run = end;
    }
}

} // namespace

std::optional<SweptZone> sweptZone(Point own, const std::vector<Point> &others, StandRectangle stand, int k,
                                   std::vector<double> &scratch)
{
    std::vector<Line> trees;
    trees.reserve(others.size());
    for (const Point &other : others) {
        const double ex = other.x - own.x;
        const double ey = other.y - own.y;
        const double squared = ex * ex + ey * ey;
        // Trees a hair apart are still two trees, however small the square.
        const double length =
            squared >= std::numeric_limits<double>::min() ? std::sqrt(squared) : std::hypot(ex, ey);
        if (length > 0.0)
            trees.push_back(Line{ex / length, ey / length, length / 2.0, false, 0, 0});
    }
    // Nearest first, for the early end of the search for the next crossing.
    const auto nearer = [](const Line &a, const Line &b) {
        return a.c < b.c;
    };
    if (!std::is_sorted(trees.begin(), trees.end(), nearer))
        std::stable_sort(trees.begin(), trees.end(), nearer);
    markTwins(trees);
    // A tree a hair from this one puts its bisector through the tree itself:
    // seen from the tree, the zone's edge along it has no width, and the
    // sweep cannot order its events. The cut has no such trouble.
    if (!trees.empty() && trees.front().c < SameLine * trees[std::min(trees.size(), std::size_t(k)) - 1].c)
        return std::nullopt;
    // A box around the stand and the tree bounds every ray; the zone is then
    // cut to the stand.
    const double left = stand.left() - own.x;
    const double right = stand.right() - own.x;
    const double bottom = stand.bottom() - own.y;
    const double top = stand.top() - own.y;
    // Close around the stand, so that little of the sweep runs outside it.
    const double margin = 1e-3 * (stand.width + stand.length);
    const std::size_t n = trees.size();
    std::vector<Line> box{{1.0, 0.0, std::max(right, 0.0) + margin, false, n, 0},
                          {0.0, 1.0, std::max(top, 0.0) + margin, false, n + 1, 0},
                          {-1.0, 0.0, std::max(-left, 0.0) + margin, false, n + 2, 0},
                          {0.0, -1.0, std::max(-bottom, 0.0) + margin, false, n + 3, 0}};

    std::vector<Point> polygon = LevelSweep(trees, box, k, scratch).outline();
    if (polygon.size() < 3)
        return std::nullopt;
    polygon = clipped(polygon, 1.0, 0.0, right);
    polygon = clipped(polygon, -1.0, 0.0, -left);
    polygon = clipped(polygon, 0.0, 1.0, top);
    polygon = clipped(polygon, 0.0, -1.0, -bottom);

    SweptZone zone;
    zone.area = std::max(0.0, shoelace(polygon));
    if (zone.area > 0.0) {
        for (const Point &q : polygon)
            zone.farthestSquared = std::max(zone.farthestSquared, q.x * q.x + q.y * q.y);
        zone.outline = std::move(polygon);
    }
    return zone;
}

} // namespace kavrel
