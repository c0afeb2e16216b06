#include "fixedplotestimator.h"

#include "preparedstand.h"

#include <algorithm>
#include <numbers>

namespace kavrel {

FixedPlotEstimator::FixedPlotEstimator(const PreparedStand &stand, const PreparedOrder &order)
    : m_stand(stand), m_radius(order.plotRadius)
{
    if (stand.torus) {
        const double half = std::min(stand.stand.width(), stand.stand.length()) / 2.0;
        if (m_radius > half)
            m_problem = "plot_radius_too_large_for_torus";
        m_areas.assign(stand.treeCount, std::numbers::pi * m_radius * m_radius);
    } else {
        m_areas = plotZoneAreas(stand.sites, m_radius, stand.region);
    }
    for (std::size_t t = 0; t < stand.treeCount; ++t) {
        if (!stand.counted[t])
            m_areas[t] = 0.0;
        else
            m_unreachable += m_areas[t] > 0.0 ? 0 : 1;
    }
}

std::unique_ptr<StudyEstimator> FixedPlotEstimator::make(const PreparedStand &stand,
                                                         const PreparedOrder &order)
{
    return std::make_unique<FixedPlotEstimator>(stand, order);
}

Estimate FixedPlotEstimator::at(const SamplePoint &point) const
{
    Estimate y{};
    const double plotSquared = m_radius * m_radius;
    for (const NearSite &n : point.nearest) {
        if (n.squared > plotSquared)
            break;
        const auto t = std::size_t(n.tree);
        if (m_areas[t] > 0.0) {
            y[TreesPerHectare] += m_stand.expansion / m_areas[t];
            y[BasalAreaPerHectare] += m_stand.expansion * m_stand.basal[t] / m_areas[t];
        }
    }
    return y;
}

std::string FixedPlotEstimator::note(bool infiniteSeen) const
{
    return m_problem.empty() ? StudyEstimator::note(infiniteSeen) : m_problem;
}

} // namespace kavrel
