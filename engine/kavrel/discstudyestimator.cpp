#include "discstudyestimator.h"

#include "preparedstand.h"

#include <algorithm>

namespace kavrel {

DiscStudyEstimator::DiscStudyEstimator(const PreparedStand &stand, const PreparedOrder &order,
                                       const Radii &radii, EdgeCorrection correction)
{
    const DiscDesign design = radii(stand, order);
    DiscDesign population{design.name, {}};
    std::vector<Point> trees;
    std::vector<double> basal;
    if (stand.torus) {
        // Every copy of a tree around the stand is a disc of its own.
        const double half = std::min(stand.stand.width(), stand.stand.length()) / 2.0;
        for (std::size_t site = 0; site < stand.sites.size(); ++site) {
            const auto t = std::size_t(stand.siteTree[site]);
            trees.push_back(stand.sites[site]);
            basal.push_back(stand.basal[t]);
            population.radii.push_back(design.radii[t]);
            if (design.radii[t] > half)
                m_problem = "disc_too_large_for_torus";
        }
        for (std::size_t t = 0; t < stand.treeCount; ++t)
            m_unreachable += design.radii[t] > 0.0 ? 0 : 1;
        m_sampler.emplace(trees, basal, std::move(population), stand.stand, EdgeCorrection::None);
        return;
    }
    // Trees of the buffer strip are neighbours only: no disc of theirs counts.
    for (std::size_t t = 0; t < stand.treeCount; ++t) {
        if (!stand.counted[t])
            continue;
        trees.push_back(stand.sites[t]);
        basal.push_back(stand.basal[t]);
        population.radii.push_back(design.radii[t]);
    }
    m_sampler.emplace(trees, basal, std::move(population), stand.region, correction);
    m_unreachable = m_sampler->unreachableTrees();
}

Estimate DiscStudyEstimator::at(const SamplePoint &point) const
{
    const DiscEstimate e = m_sampler->estimate(point.position);
    return {e.treesPerHectare, e.basalAreaPerHectare};
}

std::string DiscStudyEstimator::note(bool infiniteSeen) const
{
    return m_problem.empty() ? StudyEstimator::note(infiniteSeen) : m_problem;
}

} // namespace kavrel
