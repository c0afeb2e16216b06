#include "nearesttrees.h"

#include "inputchecks.h"
#include "parallelblocks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <nanoflann.hpp>
#include <stdexcept>

namespace kavrel {

namespace {

class TreeCloud
{
public:
    explicit TreeCloud(std::vector<Point> trees) : m_trees(std::move(trees)) {}

    const std::vector<Point> &trees() const { return m_trees; }

    std::size_t kdtree_get_point_count() const { return m_trees.size(); }
    double kdtree_get_pt(std::size_t index, std::size_t dimension) const
    {
        return dimension == 0 ? m_trees[index].x : m_trees[index].y;
    }
    template <class Box> bool kdtree_get_bbox(Box &) const { return false; }

private:
    std::vector<Point> m_trees;
};

using KdTree = nanoflann::KDTreeSingleIndexAdaptor<nanoflann::L2_Simple_Adaptor<double, TreeCloud>, TreeCloud,
                                                   2, std::size_t>;

// The search prunes branches by distances it sums up step by step; a bound a
// little above the true one makes sure rounding there never drops a tree that
// is tied with or a hair nearer than the current k-th. The trees that pass
// are then judged by their exact squared distance.
double inflated(double squaredDistance)
{
    return squaredDistance * (1.0 + 1e-12) + std::numeric_limits<double>::denorm_min();
}

bool nearerThan(const Neighbour &a, const Neighbour &b)
{
    return a.squaredDistance < b.squaredDistance ||
           (a.squaredDistance == b.squaredDistance && a.index < b.index);
}

// Keeps the k nearest trees seen so far, ordered, and, if asked, every tree
// tied with the k-th.
class NearestResult
{
public:
    NearestResult(const std::vector<Point> &trees, Point point, std::size_t k, bool keepTies,
                  std::vector<Neighbour> &found)
        : m_trees(trees), m_point(point), m_k(k), m_keepTies(keepTies), m_found(found)
    {
        m_found.clear();
    }

    bool addPoint(double, std::size_t index)
    {
        const Neighbour candidate{index, squaredDistance(m_trees[index], m_point)};
        if (m_found.size() >= m_k && nearerThan(m_found[m_k - 1], candidate) &&
            !(m_keepTies && candidate.squaredDistance == m_found[m_k - 1].squaredDistance))
            return true;
        m_found.insert(std::upper_bound(m_found.begin(), m_found.end(), candidate, nearerThan), candidate);
        if (m_found.size() > m_k) {
            const double kth = m_found[m_k - 1].squaredDistance;
            while (m_found.size() > m_k && (!m_keepTies || m_found.back().squaredDistance > kth))
                m_found.pop_back();
        }
        m_worst = m_found.size() >= m_k ? inflated(m_found[m_k - 1].squaredDistance)
                                        : std::numeric_limits<double>::infinity();
        return true;
    }

    double worstDist() const { return m_worst; }
    bool full() const { return m_found.size() >= m_k; }

private:
    const std::vector<Point> &m_trees;
    Point m_point;
    std::size_t m_k;
    bool m_keepTies;
    std::vector<Neighbour> &m_found;
    double m_worst = std::numeric_limits<double>::infinity();
};

class RadiusResult
{
public:
    RadiusResult(const std::vector<Point> &trees, Point point, double squaredRadius,
                 std::vector<Neighbour> &found)
        : m_trees(trees), m_point(point), m_squaredRadius(squaredRadius), m_bound(inflated(squaredRadius)),
          m_found(found)
    {
        m_found.clear();
    }

    bool addPoint(double, std::size_t index)
    {
        const double squared = squaredDistance(m_trees[index], m_point);
        if (squared <= m_squaredRadius)
            m_found.push_back(Neighbour{index, squared});
        return true;
    }

    double worstDist() const { return m_bound; }
    bool full() const { return true; }

private:
    const std::vector<Point> &m_trees;
    Point m_point;
    double m_squaredRadius;
    double m_bound;
    std::vector<Neighbour> &m_found;
};

void checkQueryOrder(int k)
{
    if (k < 1)
        throw std::invalid_argument("the number of nearest trees k is " + std::to_string(k) +
                                    "; it must be at least 1");
}

} // namespace

struct TreeIndex::Data
{
    explicit Data(std::vector<Point> trees)
        : cloud(std::move(trees)), tree(2, cloud, nanoflann::KDTreeSingleIndexAdaptorParams(16))
    {}

    TreeCloud cloud;
    KdTree tree;
};

TreeIndex::TreeIndex(std::vector<Point> trees)
{
    checkPoints(trees, "tree");
    m_data = std::make_unique<Data>(std::move(trees));
}

TreeIndex::~TreeIndex() = default;
TreeIndex::TreeIndex(TreeIndex &&) noexcept = default;
TreeIndex &TreeIndex::operator=(TreeIndex &&) noexcept = default;

template <class Result> void TreeIndex::search(Result &result, Point point) const
{
    if (trees().empty())
        return;
    const double query[2] = {point.x, point.y};
    m_data->tree.findNeighbors(result, query, nanoflann::SearchParams());
}

const std::vector<Point> &TreeIndex::trees() const
{
    return m_data->cloud.trees();
}

void TreeIndex::nearest(Point point, int k, std::vector<Neighbour> &out) const
{
    checkQueryOrder(k);
    NearestResult result(trees(), point, std::size_t(k), false, out);
    search(result, point);
}

void TreeIndex::nearestWithTies(Point point, int k, std::vector<Neighbour> &out) const
{
    checkQueryOrder(k);
    NearestResult result(trees(), point, std::size_t(k), true, out);
    search(result, point);
}

void TreeIndex::within(Point point, double squaredRadius, std::vector<Neighbour> &out) const
{
    RadiusResult result(trees(), point, squaredRadius, out);
    if (squaredRadius >= 0.0)
        search(result, point);
}

NearestTrees nearestTrees(const std::vector<Point> &trees, const std::vector<Point> &points, int k,
                          const Progress &progress)
{
    checkQueryOrder(k);
    checkPoints(points, "point");
    const TreeIndex index(trees);
    NearestTrees result;
    result.k = int(std::min<std::size_t>(std::size_t(k), trees.size()));
    const std::size_t width = std::size_t(result.k);
    result.indices.resize(points.size() * width);
    result.distances.resize(points.size() * width);
    parallelBlocks(
        std::int64_t(points.size()), 4096,
        [&](std::int64_t begin, std::int64_t end) {
            std::vector<Neighbour> found;
            for (std::int64_t p = begin; p < end; ++p) {
                index.nearest(points[std::size_t(p)], k, found);
                for (std::size_t j = 0; j < width; ++j) {
                    result.indices[std::size_t(p) * width + j] = found[j].index;
                    result.distances[std::size_t(p) * width + j] = std::sqrt(found[j].squaredDistance);
                }
            }
        },
        progress);
    return result;
}

} // namespace kavrel
