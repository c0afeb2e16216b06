#pragma once

#include "studyestimator.h"

namespace kavrel {

// Horvitz-Thompson with the exact order-k inclusion zones: at a point, the
// population's trees with fewer than k others strictly nearer, each weighted
// by the inverse of its zone within the sampled region.
class HorvitzThompsonEstimator : public StudyEstimator
{
public:
    HorvitzThompsonEstimator(const PreparedStand &stand, const PreparedOrder &order);

    static std::unique_ptr<StudyEstimator> make(const PreparedStand &stand, const PreparedOrder &order);

    Estimate at(const SamplePoint &point) const override;
    // Design-unbiased whatever the samples: never a note of its own.
    std::string note(bool infiniteSeen) const override;
    std::int64_t unreachableTrees() const override { return m_unreachable; }

private:
    const PreparedStand &m_stand;
    const PreparedOrder &m_order;
    std::int64_t m_unreachable = 0;
};

} // namespace kavrel
