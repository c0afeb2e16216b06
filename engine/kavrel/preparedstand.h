#pragma once

#include "plotzones.h"
#include "point.h"
#include "progress.h"
#include "samplelayout.h"
#include "study.h"
#include "studyestimator.h"

#include <memory>
#include <string>
#include <vector>

// A stand made ready for a study: its population, its sites and, per order,
// the inclusion zones and the estimators, all computed once before the
// first sample.

namespace kavrel {

struct PreparedOrder
{
    int k = 1;
    // Per tree, the order-k zone within the sampled region (on the torus the
    // wrapped zone); 0 for the trees that are neighbours only.
    std::vector<double> zoneAreas;
    double plotRadius = 0.0; // of the fixed-area plot
    std::string problem;     // why no estimator can be studied at this order here
    std::vector<std::unique_ptr<StudyEstimator>> estimators; // in studyEstimators() order
};

// Never copied or moved: its orders' estimators refer to it.
struct PreparedStand
{
    PreparedStand() = default;
    PreparedStand(const PreparedStand &) = delete;
    PreparedStand &operator=(const PreparedStand &) = delete;

    std::string name;
    Extent stand;
    Extent region;                       // where sample points go
    bool torus = false;                  // the stand wraps around
    std::vector<Point> sites;            // trees, on the torus with their copies around the stand
    std::vector<int> siteTree;           // the tree each site stands for
    std::vector<double> basal;           // per tree, square metres
    std::vector<double> diametersMetres; // per tree
    std::vector<bool> counted; // per tree: of the population (in the region, or wrapped on the torus)
    double expansion = 0.0;    // per-hectare factor of 1 / zone area
    double trueTrees = 0.0;    // the population per hectare of the region
    double trueBasalArea = 0.0;
    std::size_t treeCount = 0;
    int largestCoincidence = 0;              // most trees at one point
    GridShape grid;                          // of the systematic design
    double largestReach = 0.0;               // of all orders' estimators
    std::vector<std::string> estimatorNames; // of studyEstimators(settings), in the orders' order
    std::vector<PreparedOrder> orders;
};

// Checks the stand and prepares it for every order of `settings`, one order
// per thread. Throws std::invalid_argument for a stand that cannot be studied.
std::unique_ptr<PreparedStand> prepareStand(const StudyStand &stand, const StudySettings &settings,
                                            const Progress &progress);

} // namespace kavrel
