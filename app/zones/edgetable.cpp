#include "edgetable.h"

#include "equalscale.h"
#include "hsort.h"
#include "stand/numberformat.h"
#include "stand/stand.h"
#include "truncation.h"

#include <cmath>
#include <limits>
#include <vector>

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

// The smallest squared distance whose square root is not below the given
// distance: comparing squares against it decides "sqrt(d2) < distance"
// exactly, without a square root per tree.
double squaredThreshold(double distance)
{
    double threshold = distance * distance;
    if (std::sqrt(threshold) >= distance) {
        for (;;) {
            const double below = std::nextafter(threshold, 0.0);
            if (below == threshold || std::sqrt(below) < distance)
                break;
            threshold = below;
        }
    } else {
        do
            threshold = std::nextafter(threshold, std::numeric_limits<double>::infinity());
        while (std::sqrt(threshold) < distance);
    }
    return threshold;
}

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
        m_bisectors.resize(n);
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
        const Bisector &b = m_bisectors[j];
        if (!b.isUsable())
            return;
        const Point p1 = startPoint(b, m_height);
        const Point p2 = endPoint(b, m_width, m_height);
        collectPoints(i, j, b, p1, p2);

        const int count = int(m_pointX.size());
        m_scratch.resize(m_pointX.size());
        hSort(count, m_pointX, m_pointY, m_scratch);

        for (int p = 0; p + 1 < count; ++p) {
            const double mx = (m_pointX[p] + m_pointX[p + 1]) / 2;
            const double my = b.slope * mx + b.intercept;
            if (nearerTreeCountIs(i, j, mx, my))
                addRow(int(i) + 1, int(j) + 1, {m_pointX[p], m_pointY[p]}, {m_pointX[p + 1], m_pointY[p + 1]},
                       rows);
        }
    }

    // Only bisectors of i with third trees are tested: a point of the bisector
    // of i and j lies on the bisector of j and l exactly when it lies on that of
    // i and l, so these crossings are all the points where the count of nearer
    // trees can change.
    void collectPoints(std::size_t i, std::size_t j, const Bisector &b, Point p1, Point p2)
    {
        m_pointX.clear();
        m_pointY.clear();
        m_pointX.push_back(p1.x);
        m_pointY.push_back(p1.y);
        for (std::size_t l = 0; l < m_x.size(); ++l) {
            if (l == i || l == j)
                continue;
            const Bisector &other = m_bisectors[l];
            const double e1 = p1.y - (other.slope * p1.x + other.intercept);
            const double e2 = p2.y - (other.slope * p2.x + other.intercept);
            if (e1 * e2 < 0) {
                const double x = (other.intercept - b.intercept) / (b.slope - other.slope);
                const double y = b.slope * x + b.intercept;
                if (std::isfinite(x) && std::isfinite(y)) {
                    m_pointX.push_back(x);
                    m_pointY.push_back(y);
                }
            }
        }
        m_pointX.push_back(p2.x);
        m_pointY.push_back(p2.y);
    }

    // True when exactly k - 1 trees other than i and j are strictly nearer to
    // (mx, my) than i, distances compared as pointDistance() gives them.
    bool nearerTreeCountIs(std::size_t i, std::size_t j, double mx, double my) const
    {
        const double di = pointDistance(mx, my, m_x[i], m_y[i]);
        if (!std::isfinite(di))
            return false;
        const double threshold = squaredThreshold(di);
        int nearer = 0;
        for (std::size_t t = 0; t < m_x.size(); ++t) {
            if (t == i || t == j)
                continue;
            const double dx = m_x[t] - mx;
            const double dy = m_y[t] - my;
            if (dx * dx + dy * dy < threshold && ++nearer > m_wanted)
                return false;
        }
        return nearer == m_wanted;
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
    std::vector<Bisector> m_bisectors; // of the current tree i with every other tree
    std::vector<double> m_pointX, m_pointY, m_scratch;
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
