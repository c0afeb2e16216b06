#pragma once

#include "point.h"
#include "progress.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace kavrel {

// The k nearest trees of a number of points, row by row: the entries
// [p * k, (p + 1) * k) belong to point p, nearest first, and trees at equal
// distance come in the order of their index. k is at most the number of
// trees (a larger request gives every tree, so k may come back smaller).
struct NearestTrees
{
    int k = 0;
    std::vector<std::size_t> indices;
    std::vector<double> distances; // Euclidean, in the units of the coordinates
};

// One tree found by a query: its index and its squared distance to the
// query point, computed exactly as squaredDistance() does.
struct Neighbour
{
    std::size_t index = 0;
    double squaredDistance = 0.0;
};

// A k-d tree over a fixed set of trees, built once and asked many times. The
// queries are exact: no tree is missed through rounding in the search, and
// ties are broken by the lower tree index. Queries may run on several threads
// at once.
class TreeIndex
{
public:
    // Throws std::invalid_argument for non-finite coordinates.
    explicit TreeIndex(std::vector<Point> trees);
    ~TreeIndex();
    TreeIndex(TreeIndex &&) noexcept;
    TreeIndex &operator=(TreeIndex &&) noexcept;
    TreeIndex(const TreeIndex &) = delete;
    TreeIndex &operator=(const TreeIndex &) = delete;

    const std::vector<Point> &trees() const;
    std::size_t size() const { return trees().size(); }

    // Replaces `out` with the min(k, n) nearest trees of the point, nearest
    // first, ties by index. k >= 1.
    void nearest(Point point, int k, std::vector<Neighbour> &out) const;

    // Replaces `out` with every tree that has fewer than k other trees
    // strictly nearer to the point (the k nearest and all tied with the k-th),
    // nearest first, ties by index. k >= 1.
    void nearestWithTies(Point point, int k, std::vector<Neighbour> &out) const;

    // Replaces `out` with every tree whose squared distance to the point is at
    // most `squaredRadius`, in no particular order.
    void within(Point point, double squaredRadius, std::vector<Neighbour> &out) const;

private:
    template <class Result> void search(Result &result, Point point) const;

    struct Data;
    std::unique_ptr<Data> m_data;
};

// The k nearest trees of every point (see NearestTrees). Uses all the threads
// allowed by setThreadCount(). Throws std::invalid_argument for non-finite
// coordinates or k < 1, and Cancelled when the progress asks to stop.
NearestTrees nearestTrees(const std::vector<Point> &trees, const std::vector<Point> &points, int k,
                          const Progress &progress = {});

} // namespace kavrel
