#include "distanceestimator.h"

#include "preparedstand.h"

#include <numbers>

namespace kavrel {

DistanceEstimator::DistanceEstimator(const PreparedStand &stand, const PreparedOrder &order, double offset)
    : m_stand(stand), m_k(order.k), m_numerator(double(order.k) - offset)
{}

std::unique_ptr<StudyEstimator> DistanceEstimator::makeK(const PreparedStand &stand,
                                                         const PreparedOrder &order)
{
    return std::make_unique<DistanceEstimator>(stand, order, 0.0);
}

std::unique_ptr<StudyEstimator> DistanceEstimator::makeKMinusOne(const PreparedStand &stand,
                                                                 const PreparedOrder &order)
{
    return std::make_unique<DistanceEstimator>(stand, order, 1.0);
}

std::unique_ptr<StudyEstimator> DistanceEstimator::makeKMinusHalf(const PreparedStand &stand,
                                                                  const PreparedOrder &order)
{
    return std::make_unique<DistanceEstimator>(stand, order, 0.5);
}

Estimate DistanceEstimator::at(const SamplePoint &point) const
{
    if (!point.enough)
        return {NotANumber, NotANumber};
    double sampledBasal = 0.0;
    for (std::size_t i = 0; i < point.sampled; ++i)
        sampledBasal += m_stand.basal[std::size_t(point.nearest[i].tree)];
    const double circle = std::numbers::pi * point.kthSquared;
    const double density = point.kthSquared > 0.0 ? m_numerator / circle * SquareMetresPerHectare : Infinite;
    return {density, density * sampledBasal / double(point.sampled)};
}

std::string DistanceEstimator::note(bool infiniteSeen) const
{
    if (m_stand.treeCount < std::size_t(m_k))
        return "fewer_trees_than_k";
    if (m_numerator == 0.0)
        return "not_defined_for_k1";
    // E[1 / r_k^2] diverges where r_k can come near 0 with a density that
    // grows only like r: r_1 always, and r_k for every k up to the number of
    // trees standing at one point.
    if (m_k == 1 || m_k <= m_stand.largestCoincidence)
        return "infinite_expectation";
    return StudyEstimator::note(infiniteSeen);
}

} // namespace kavrel
