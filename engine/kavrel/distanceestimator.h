#pragma once

#include "studyestimator.h"

namespace kavrel {

// The classical distance estimators (k - offset) / (pi r_k^2) trees per
// hectare, r_k the distance to the k-th nearest tree; basal area: that
// density times the mean basal area of the trees within r_k.
class DistanceEstimator : public StudyEstimator
{
public:
    DistanceEstimator(const PreparedStand &stand, const PreparedOrder &order, double offset);

    static std::unique_ptr<StudyEstimator> makeK(const PreparedStand &stand, const PreparedOrder &order);
    static std::unique_ptr<StudyEstimator> makeKMinusOne(const PreparedStand &stand,
                                                         const PreparedOrder &order);
    static std::unique_ptr<StudyEstimator> makeKMinusHalf(const PreparedStand &stand,
                                                          const PreparedOrder &order);

    Estimate at(const SamplePoint &point) const override;
    std::string note(bool infiniteSeen) const override;

private:
    const PreparedStand &m_stand;
    int m_k;
    double m_numerator;
};

} // namespace kavrel
