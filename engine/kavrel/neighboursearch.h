#pragma once

#include "nearesttrees.h"
#include "studyestimator.h"

#include <vector>

namespace kavrel {

struct PreparedStand;

// The sites a sample point's estimators look at: the k nearest of the
// largest order with everything tied to the k-th, and every site within the
// largest reach; nearest first (ties by site, so the order never depends on
// the search), each named by its tree.
class NeighbourSearch
{
public:
    NeighbourSearch(const PreparedStand &stand, int largestOrder);

    void find(Point p, std::vector<NearSite> &found) const;

private:
    const PreparedStand &m_stand;
    int m_order;
    TreeIndex m_index;
    double m_reachSquared;
};

} // namespace kavrel
