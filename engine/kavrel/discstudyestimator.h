#pragma once

#include "discdesign.h"
#include "edgecorrection.h"
#include "studyestimator.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace kavrel {

// A disc design in the study: Horvitz-Thompson with each tree of the
// population seen from every point within its radius, the disc's area as the
// edge correction gives it. It keeps its own index of the discs (and of their
// mirage reflections), so it asks nothing of the study's neighbour search.
// On the torus the discs wrap around and keep their whole area.
class DiscStudyEstimator : public StudyEstimator
{
public:
    // The radius of every tree of the stand, from its diameter in metres and
    // the order's fixed-plot radius.
    using Radii = std::function<DiscDesign(const PreparedStand &stand, const PreparedOrder &order)>;

    DiscStudyEstimator(const PreparedStand &stand, const PreparedOrder &order, const Radii &radii,
                       EdgeCorrection correction);

    Estimate at(const SamplePoint &point) const override;
    std::string note(bool infiniteSeen) const override;
    std::int64_t unreachableTrees() const override { return m_unreachable; }

private:
    std::optional<DiscSampler> m_sampler;
    std::int64_t m_unreachable = 0;
    std::string m_problem;
};

} // namespace kavrel
