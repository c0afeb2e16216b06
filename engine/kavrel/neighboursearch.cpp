#include "neighboursearch.h"

#include "preparedstand.h"

#include <algorithm>

namespace kavrel {

NeighbourSearch::NeighbourSearch(const PreparedStand &stand, int largestOrder)
    : m_stand(stand), m_order(largestOrder), m_index(stand.sites),
      m_reachSquared(stand.largestReach * stand.largestReach)
{}

void NeighbourSearch::find(Point p, std::vector<NearSite> &found) const
{
    thread_local std::vector<Neighbour> neighbours;
    found.clear();
    if (m_stand.sites.empty())
        return;
    // The k nearest with everything tied to the k-th; when an estimator
    // reaches farther, every site within its reach (which holds the nearest
    // as well).
    m_index.nearestWithTies(p, m_order, neighbours);
    if (neighbours.back().squaredDistance < m_reachSquared)
        m_index.within(p, m_reachSquared, neighbours);
    for (const Neighbour &n : neighbours)
        found.push_back(NearSite{n.squaredDistance, int(n.index)});
    std::sort(found.begin(), found.end(), [](const NearSite &a, const NearSite &b) {
        return a.squared != b.squared ? a.squared < b.squared : a.tree < b.tree;
    });
    for (NearSite &n : found)
        n.tree = m_stand.siteTree[std::size_t(n.tree)];
}

} // namespace kavrel
