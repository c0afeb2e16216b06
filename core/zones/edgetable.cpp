#include "edgetable.h"

#include "equalscale.h"
#include "hsort.h"
#include "stand/numberformat.h"
#include "stand/stand.h"
#include "truncation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Perpendicular bisector of two trees as y = slope * x + intercept.
struct Bisector
{
    double slope = 0;
    double intercept = 0;

    bool isUsable() const { return std::isfinite(slope) && std::isfinite(intercept) && slope != 0; }
};

Bisector bisectorOf(double xi, double yi, double xj, double yj)
{
    const double m = (yi - yj) / (xi - xj);
    const double s = -1 / m;
    const double xm = (xi + xj) / 2;
    const double ym = (yi + yj) / 2;
    return {s, ym - s * xm};
}

struct Point
{
    double x = 0;
    double y = 0;
};

// Where the bisector enters and leaves the map rectangle; for a bisector that
// misses the rectangle these lie outside it.
Point startPoint(const Bisector &b, double height)
{
    const double s = b.slope, c = b.intercept;
    if (0 < c && c < height)
        return {0, c};
    if (s > 0)
        return {-c / s, 0};
    return {(height - c) / s, height};
}

Point endPoint(const Bisector &b, double width, double height)
{
    const double s = b.slope, c = b.intercept;
    const double yW = s * width + c;
    if (0 < yW && yW < height)
        return {width, yW};
    if (s > 0)
        return {(height - c) / s, height};
    return {-c / s, 0};
}

int roundedPercent(int step, int steps)
{
    const int scaled = step * 100;
    int percent = scaled / steps;
    const int twiceRemainder = 2 * (scaled % steps);
    if (twiceRemainder > steps || (twiceRemainder == steps && percent % 2 == 1))
        ++percent;
    return percent;
}

// pointDistance() without the square root; the same operations in the same
// order, so sqrt(squaredDistance(...)) == pointDistance(...) bit for bit.
double squaredDistance(double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return dx * dx + dy * dy;
}

// Below this the relative margin of sureNearerFactor is no longer safe.
constexpr double SmallestTrustedSquare = 1e-280;
// A squared distance below squared * (1 - 1e-14) has a square root strictly
// below sqrt(squared) even after both roots are rounded (each by at most half a
// unit in the last place, about 1.1e-16 relative).
constexpr double SureNearerFactor = 1 - 1e-14;

// How many of the values (an even number of them) are below x.
std::size_t countBelow(const std::vector<double> &values, double x)
{
#if defined(__SSE2__)
    const __m128d limit = _mm_set1_pd(x);
    __m128i below = _mm_setzero_si128();
    for (std::size_t v = 0; v < values.size(); v += 2) {
        const __m128d less = _mm_cmplt_pd(_mm_loadu_pd(values.data() + v), limit);
        below = _mm_sub_epi64(below, _mm_castpd_si128(less)); // a true lane is all ones, i.e. -1
    }
    std::uint64_t lanes[2];
    _mm_storeu_si128(reinterpret_cast<__m128i *>(lanes), below);
    return std::size_t(lanes[0] + lanes[1]);
#else
    std::size_t below = 0;
    for (const double value : values)
        below += value < x ? 1 : 0;
    return below;
#endif
}

// Rescaling can round two map Y a few units in the last place apart onto one
// value; their bisector would then be vertical, which a line y = s * x + c
// cannot hold, and their whole boundary would be lost. Such values are set
// apart again by the smallest step, in their map order.
void keepDistinctYDistinct(const std::vector<double> &mapY, std::vector<double> &spaceY)
{
    std::vector<std::size_t> byY(spaceY.size());
    for (std::size_t t = 0; t < byY.size(); ++t)
        byY[t] = t;
    std::sort(byY.begin(), byY.end(), [&](std::size_t a, std::size_t b) { return mapY[a] < mapY[b]; });
    for (std::size_t r = 1; r < byY.size(); ++r) {
        const std::size_t previous = byY[r - 1], current = byY[r];
        if (mapY[current] != mapY[previous] && !(spaceY[current] > spaceY[previous]))
            spaceY[current] = std::nextafter(spaceY[previous], std::numeric_limits<double>::infinity());
    }
}

// Slack on the x window of the nearer-count, far above any rounding.
constexpr double WindowMargin = 1 + 1e-12;

struct TreeByX
{
    double x = 0;
    double y = 0;
    std::size_t index = 0;
};

class EdgeComputation
{
public:
    EdgeComputation(const Stand &stand, int order, int mapWidth, int mapHeight)
        : m_scale(EqualScale::forMap(stand, mapWidth, mapHeight)), m_wanted(std::max(order, 1) - 1),
          m_width(mapWidth), m_height(m_scale.identity ? double(mapHeight) : mapHeight * m_scale.yFactor)
    {
        const std::size_t n = std::min(stand.sortX.size(), stand.sortY.size());
        m_x.assign(stand.sortX.begin(), stand.sortX.begin() + qsizetype(n));
        m_y.reserve(n);
        for (std::size_t t = 0; t < n; ++t)
            m_y.push_back(m_scale.toSpaceY(stand.sortY[t]));
        if (!m_scale.identity)
            keepDistinctYDistinct(stand.sortY, m_y);
        m_bisectors.resize(n);
        m_points.reserve(n + 2);
        m_sorted.reserve(n + 2);
        m_keyCapacity = (n + 2) + (n + 2) % 2;
        m_keys.reserve(m_keyCapacity);
        m_placed.reserve(n + 2);
        m_witnesses.assign(n + 1, 0);
        for (std::size_t t = 0; t < n; ++t)
            m_byX.push_back({m_x[t], m_y[t], t});
        std::sort(m_byX.begin(), m_byX.end(), [](const TreeByX &a, const TreeByX &b) { return a.x < b.x; });
    }

    int treeCount() const { return int(m_x.size()); }

    void addPiecesOfTree(int i, QList<EdgeRow> &rows)
    {
        const std::size_t n = m_x.size();
        for (std::size_t l = 0; l < n; ++l) {
            if (l != std::size_t(i))
                m_bisectors[l] = bisectorOf(m_x[i], m_y[i], m_x[l], m_y[l]);
        }
        for (std::size_t j = std::size_t(i) + 1; j < n; ++j)
            addPiecesOfPair(std::size_t(i), j, rows);
    }

private:
    void addPiecesOfPair(std::size_t i, std::size_t j, QList<EdgeRow> &rows)
    {
        Bisector b = m_bisectors[j];
        if (!b.isUsable()) [[unlikely]] {
            // Trees whose X differ by next to nothing have a level bisector
            // whose slope comes out 0; the smallest slope keeps it a line like
            // any other. Only a vertical one cannot be held.
            if (b.slope != 0 || !std::isfinite(b.intercept))
                return;
            b.slope = std::copysign(std::numeric_limits<double>::denorm_min(), b.slope);
        }
        const Point p1 = startPoint(b, m_height);
        const Point p2 = endPoint(b, m_width, m_height);
        collectPoints(i, j, b, p1, p2);

        sortPointsByX();
        const std::size_t count = m_sorted.size();
        for (std::size_t p = 0; p + 1 < count; ++p) {
            const double mx = (m_sorted[p].x + m_sorted[p + 1].x) / 2;
            const double my = b.slope * mx + b.intercept;
            if (nearerTreeCountIs(i, j, mx, my))
                addRow(int(i) + 1, int(j) + 1, m_sorted[p], m_sorted[p + 1], rows);
        }
    }

    // Only bisectors of i with third trees are tested: a point of the bisector
    // of i and j lies on the bisector of j and l exactly when it lies on that of
    // i and l, so these crossings are all the points where the count of nearer
    // trees can change.
    void collectPoints(std::size_t i, std::size_t j, const Bisector &b, Point p1, Point p2)
    {
        m_points.clear();
        m_points.push_back(p1);
        for (std::size_t l = 0; l < m_x.size(); ++l) {
            if (l == i || l == j)
                continue;
            const Bisector &other = m_bisectors[l];
            const double e1 = p1.y - (other.slope * p1.x + other.intercept);
            const double e2 = p2.y - (other.slope * p2.x + other.intercept);
            if (e1 * e2 < 0) {
                const double x = (other.intercept - b.intercept) / (b.slope - other.slope);
                const double y = b.slope * x + b.intercept;
                if (std::isfinite(x) && std::isfinite(y))
                    m_points.push_back({x, y});
            }
        }
        m_points.push_back(p2);
    }

    // Same result as hSort on the point list (x as key, y carried along): with
    // distinct keys every sort gives the one ascending order, so the points are
    // placed by their rank (the number of smaller x, counted without branches,
    // which beats a comparison sort on these short lists). Two equal x (or a
    // NaN) show up as a repeated rank; then the heap sort's own tie order
    // decides.
    void sortPointsByX()
    {
        const std::size_t count = m_points.size();
        m_keys.resize(count);
        for (std::size_t p = 0; p < count; ++p)
            m_keys[p] = m_points[p].x;
        m_sorted.resize(count);
        m_placed.assign(count, 0);
        bool distinct = true;
        // Always the same even length (for the paired comparisons and a loop
        // whose end is predictable); +inf is below no x.
        m_keys.resize(m_keyCapacity, std::numeric_limits<double>::infinity());
        for (std::size_t p = 0; p < count; ++p) {
            const std::size_t rank = countBelow(m_keys, m_keys[p]);
            distinct = distinct && m_placed[rank] == 0;
            m_placed[rank] = 1;
            m_sorted[rank] = m_points[p];
        }
        if (distinct)
            return;

        std::vector<double> x(count), y(count), unused(count);
        for (std::size_t p = 0; p < count; ++p) {
            x[p] = m_points[p].x;
            y[p] = m_points[p].y;
        }
        hSort(int(count), x, y, unused);
        for (std::size_t p = 0; p < count; ++p)
            m_sorted[p] = {x[p], y[p]};
    }

    // True when exactly k - 1 trees other than i and j are strictly nearer to
    // (mx, my) than i, distances compared as pointDistance() gives them. The
    // result is that of testing every tree; two shortcuts only skip trees
    // that cannot change it:
    // - the k trees that decided the previous piece are tried first: pieces far
    //   inside other zones share their nearer trees with their neighbours, and
    //   k of them settle that the count is above k - 1;
    // - otherwise only trees whose x lies within about 2 * di of mx are tested
    //   (by binary search in the trees sorted by x); any other tree has
    //   |dx| > di, so its squared distance is not below that of tree i.
    bool nearerTreeCountIs(std::size_t i, std::size_t j, double mx, double my)
    {
        const double squaredI = squaredDistance(mx, my, m_x[i], m_y[i]);
        const double di = std::sqrt(squaredI);
        if (!std::isfinite(di))
            return false;
        // Squares below sureNearer have a smaller root for certain; only those
        // between it and squaredI need their roots compared, which is rare.
        // The tests are combined without branches where they are unpredictable.
        const double sureNearer = squaredI > SmallestTrustedSquare ? squaredI * SureNearerFactor : 0;
        const auto isNearer = [&](double x, double y) {
            const double squared = squaredDistance(mx, my, x, y);
            const bool sure = squared < sureNearer;
            const bool notFarther = squared < squaredI;
            if (notFarther != sure) [[unlikely]] // sure implies notFarther
                return std::sqrt(squared) < di;
            return sure;
        };
        const auto counts = [&](std::size_t t, double x, double y) {
            return (t != i) & (t != j) & isNearer(x, y);
        };

        const std::size_t enough = std::size_t(m_wanted) + 1;
        if (m_witnessCount == enough) {
            std::size_t confirmed = 0;
            for (std::size_t w = 0; w < enough; ++w) {
                const std::size_t t = m_witnesses[w];
                confirmed += counts(t, m_x[t], m_y[t]);
            }
            if (confirmed == enough)
                return false;
        }

        const double reach = 2 * (di * WindowMargin + std::numeric_limits<double>::min());
        const auto byX = [](const TreeByX &tree, double x) {
            return tree.x < x;
        };
        auto tree = std::lower_bound(m_byX.begin(), m_byX.end(), mx - reach, byX);
        const double last = mx + reach;
        std::size_t found = 0;
        for (; tree != m_byX.end() && tree->x <= last; ++tree) {
            m_witnesses[found] = tree->index;
            found += counts(tree->index, tree->x, tree->y);
            if (found == enough) {
                m_witnessCount = enough;
                return false;
            }
        }
        m_witnessCount = found;
        return found == std::size_t(m_wanted);
    }

    void addRow(int i, int j, Point left, Point right, QList<EdgeRow> &rows) const
    {
        EdgeRow row;
        row.i = i;
        row.j = j;
        row.x1 = left.x;
        row.y1 = m_scale.toMapY(left.y);
        row.x2 = right.x;
        row.y2 = m_scale.toMapY(right.y);
        const double shown[] = {truncateDecimals(row.x1, 1), truncateDecimals(row.y1, 1),
                                truncateDecimals(row.x2, 1), truncateDecimals(row.y2, 1)};
        for (const double value : {row.x1, row.y1, row.x2, row.y2, shown[0], shown[1], shown[2], shown[3]}) {
            if (!std::isfinite(value))
                return;
        }
        row.x1Text = numberText(shown[0]);
        row.y1Text = numberText(shown[1]);
        row.x2Text = numberText(shown[2]);
        row.y2Text = numberText(shown[3]);
        rows.append(row);
    }

    EqualScale m_scale;
    int m_wanted = 0;
    double m_width = 0;
    double m_height = 0;
    std::vector<double> m_x, m_y;
    std::vector<TreeByX> m_byX;
    std::vector<std::size_t> m_witnesses; // trees found nearer for the last piece
    std::size_t m_witnessCount = 0;
    std::vector<Bisector> m_bisectors; // of the current tree i with every other tree
    std::vector<Point> m_points;       // P1, the crossings, P2
    std::vector<Point> m_sorted;       // the same ascending by x
    std::vector<double> m_keys;        // the x of m_points, padded with +inf
    std::size_t m_keyCapacity = 0;
    std::vector<unsigned char> m_placed; // ranks already taken
};

} // namespace

QStringList EdgeRow::texts() const
{
    return {QString::number(i), QString::number(j), x1Text, y1Text, x2Text, y2Text};
}

QString edgeRowLine(const EdgeRow &row)
{
    return row.texts().join(QLatin1Char(','));
}

EdgeTable computeEdgeTable(Stand &stand, int order, int mapWidth, int mapHeight, const EdgeProgress &progress)
{
    EdgeTable table;
    table.order = order;
    sortTrees(stand);
    EdgeComputation computation(stand, order, mapWidth, mapHeight);
    const int n = computation.treeCount();
    for (int i = 0; i < n; ++i) {
        if (progress)
            progress(roundedPercent(i + 1, n));
        computation.addPiecesOfTree(i, table.rows);
    }
    return table;
}
