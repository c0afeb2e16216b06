#include "distanceestimator.h"
#include "fixedplotestimator.h"
#include "horvitzthompsonestimator.h"
#include "studyestimator.h"

namespace kavrel {

std::string StudyEstimator::note(bool infiniteSeen) const
{
    return infiniteSeen ? "unbounded" : "";
}

const std::vector<StudyEstimatorKind> &studyEstimators()
{
    static const std::vector<StudyEstimatorKind> estimators{
        {"horvitz_thompson", &HorvitzThompsonEstimator::make},
        {"k_over_pi_rk2", &DistanceEstimator::makeK},
        {"k_minus_1_over_pi_rk2", &DistanceEstimator::makeKMinusOne},
        {"k_minus_half_over_pi_rk2", &DistanceEstimator::makeKMinusHalf},
        {"fixed_plot", &FixedPlotEstimator::make},
    };
    return estimators;
}

} // namespace kavrel
