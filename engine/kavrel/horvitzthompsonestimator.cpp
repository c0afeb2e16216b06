#include "horvitzthompsonestimator.h"

#include "preparedstand.h"

namespace kavrel {

HorvitzThompsonEstimator::HorvitzThompsonEstimator(const PreparedStand &stand, const PreparedOrder &order)
    : m_stand(stand), m_order(order)
{
    for (std::size_t t = 0; t < stand.treeCount; ++t)
        m_unreachable += stand.counted[t] && !(order.zoneAreas[t] > 0.0) ? 1 : 0;
}

std::unique_ptr<StudyEstimator> HorvitzThompsonEstimator::make(const PreparedStand &stand,
                                                               const PreparedOrder &order)
{
    return std::make_unique<HorvitzThompsonEstimator>(stand, order);
}

Estimate HorvitzThompsonEstimator::at(const SamplePoint &point) const
{
    Estimate y{};
    for (std::size_t i = 0; i < point.sampled; ++i) {
        const auto t = std::size_t(point.nearest[i].tree);
        const double zone = m_order.zoneAreas[t];
        if (zone > 0.0) {
            y[TreesPerHectare] += m_stand.expansion / zone;
            y[BasalAreaPerHectare] += m_stand.expansion * m_stand.basal[t] / zone;
        }
    }
    return y;
}

std::string HorvitzThompsonEstimator::note(bool) const
{
    return {};
}

} // namespace kavrel
