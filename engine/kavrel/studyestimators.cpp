#include "anglecount.h"
#include "concentricplots.h"
#include "discstudyestimator.h"
#include "distanceestimator.h"
#include "fixedplotestimator.h"
#include "horvitzthompsonestimator.h"
#include "preparedstand.h"
#include "study.h"
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

namespace {

StudyEstimatorKind discKind(const std::string &design, EdgeCorrection correction,
                            const DiscStudyEstimator::Radii &radii)
{
    return {discEstimatorName(design, correction),
            [radii, correction](const PreparedStand &stand, const PreparedOrder &order) {
                return std::make_unique<DiscStudyEstimator>(stand, order, radii, correction);
            }};
}

} // namespace

std::vector<StudyEstimatorKind> studyEstimators(const StudySettings &settings)
{
    std::vector<StudyEstimatorKind> kinds = studyEstimators();
    for (const EdgeCorrection correction : settings.edgeCorrections) {
        // The fixed plot under clip is the study's own estimator.
        if (correction != EdgeCorrection::Clip)
            kinds.push_back(discKind("fixed_plot", correction,
                                     [](const PreparedStand &stand, const PreparedOrder &order) {
                                         return fixedPlotDesign(stand.treeCount, order.plotRadius);
                                     }));
        for (const double factor : settings.basalAreaFactors) {
            kinds.push_back(discKind(angleCountName(factor), correction,
                                     [factor](const PreparedStand &stand, const PreparedOrder &) {
                                         return angleCountDesign(stand.diametersMetres, factor);
                                     }));
        }
        if (!settings.concentric.empty()) {
            const std::vector<ConcentricRing> rings = settings.concentric;
            kinds.push_back(discKind("concentric", correction,
                                     [rings](const PreparedStand &stand, const PreparedOrder &) {
                                         return concentricDesign(stand.diametersMetres, rings);
                                     }));
        }
    }
    return kinds;
}

} // namespace kavrel
