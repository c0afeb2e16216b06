#pragma once

#include "point.h"

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

// The seam between the study and its estimators. An estimator is a class
// derived from StudyEstimator in a file of its own, listed once in
// studyEstimators(); the study runs every listed estimator on the same
// samples and summarises it like the others.

namespace kavrel {

struct PreparedStand;
struct PreparedOrder;
struct StudySettings;

constexpr double SquareMetresPerHectare = 10000.0;
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinite = std::numeric_limits<double>::infinity();

// What every estimator estimates, per hectare: trees and basal area (m^2).
constexpr int TreesPerHectare = 0;
constexpr int BasalAreaPerHectare = 1;
constexpr int QuantityCount = 2;
using Estimate = std::array<double, QuantityCount>;
constexpr std::array<const char *, QuantityCount> QuantityNames{"trees_per_ha", "basal_area_m2_per_ha"};

// A site near a sample point: its squared distance and the tree it stands
// for (on the torus a tree has several sites).
struct NearSite
{
    double squared = 0.0;
    int tree = 0;
};

// What an estimator sees at one sample point for the order k.
struct SamplePoint
{
    Point position;
    int k = 1;
    // Nearest first, ties by site, so the order never depends on the search:
    // the k nearest with every site tied to the k-th, and every site within
    // the largest reach() of the study's estimators.
    const std::vector<NearSite> &nearest;
    bool enough = false;     // the stand has k trees and they were found
    double kthSquared = 0.0; // r_k^2; infinite without enough trees
    std::size_t sampled = 0; // nearest[0, sampled) lie within r_k (ties included)
};

// One estimator readied for one stand and order by its factory, before the
// first sample. at() is called from several threads at once.
class StudyEstimator
{
public:
    virtual ~StudyEstimator() = default;

    // Trees and basal area per hectare estimated from one point.
    virtual Estimate at(const SamplePoint &point) const = 0;

    // Why the estimator gives no statistics on this stand at this order
    // (such as "infinite_expectation"), given whether any of its estimates
    // came out infinite; empty when it gives them. By default "unbounded"
    // for an infinite estimate.
    virtual std::string note(bool infiniteSeen) const;

    // Trees of the population the estimator can never sample.
    virtual std::int64_t unreachableTrees() const { return 0; }

    // The distance from a sample point within which the estimator needs
    // every tree, beyond the k nearest.
    virtual double reach() const { return 0.0; }
};

struct StudyEstimatorKind
{
    std::string name; // the estimator column's value, a lower-case identifier
    std::function<std::unique_ptr<StudyEstimator>(const PreparedStand &stand, const PreparedOrder &order)>
        make;
};

// The estimators every study has, in the order of its rows and columns.
const std::vector<StudyEstimatorKind> &studyEstimators();

// Those and the designs the settings add (angle-count sampling per basal
// area factor, concentric plots, and the disc designs under each further
// edge correction), in the order of the study's rows and columns.
std::vector<StudyEstimatorKind> studyEstimators(const StudySettings &settings);

} // namespace kavrel
