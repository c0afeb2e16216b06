#pragma once

#include "studyestimator.h"

#include <vector>

namespace kavrel {

// The fixed-area circular plot of the order's plot radius, Horvitz-Thompson
// with each tree's plot zone: its disc clipped to the sampled region.
class FixedPlotEstimator : public StudyEstimator
{
public:
    FixedPlotEstimator(const PreparedStand &stand, const PreparedOrder &order);

    static std::unique_ptr<StudyEstimator> make(const PreparedStand &stand, const PreparedOrder &order);

    Estimate at(const SamplePoint &point) const override;
    std::string note(bool infiniteSeen) const override;
    std::int64_t unreachableTrees() const override { return m_unreachable; }
    double reach() const override { return m_radius; }

private:
    const PreparedStand &m_stand;
    double m_radius;
    std::vector<double> m_areas; // per tree; 0 for the trees that are neighbours only
    std::int64_t m_unreachable = 0;
    std::string m_problem;
};

} // namespace kavrel
