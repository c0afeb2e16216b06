#pragma once

#include "concentricplots.h"
#include "edgecorrection.h"
#include "plotzones.h"
#include "point.h"
#include "progress.h"
#include "samplelayout.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Simulation studies of k-tree sampling: for several stands and orders k,
// R samples of m points each, every estimator evaluated on every sample, and
// bias, empirical standard error, RMSE and interval coverage over the
// samples. The results are plain tables, so the command line, R and Python
// all print the same rows.

namespace kavrel {

struct StudyStand
{
    std::string name;
    Extent extent;                       // the stand rectangle
    std::vector<Point> trees;            // stand metres; trees outside the rectangle are allowed
    std::vector<double> diametersMetres; // one per tree
};

struct StudySettings
{
    std::vector<int> orders{1};
    std::vector<StudyDesign> designs{StudyDesign::Random};
    std::int64_t replicates = 100;
    std::int64_t points = 20; // per sample
    std::uint64_t seed = 1;
    // Sample points only at least this far inside the stand (metres). The
    // trees of the strip are neighbours only: the population is the trees of
    // the inner rectangle.
    double bufferMetres = 0.0;
    // The stand wraps around: distances, zones and plots cross its edges.
    bool torus = false;
    // Radius of the fixed-area plot; by default the one whose expected tree
    // count is k.
    std::optional<double> plotRadiusMetres;
    // The disc designs k-tree sampling is compared with besides the fixed
    // plot: angle-count sampling per basal area factor (m^2/ha), and
    // concentric plots when rings are given.
    std::vector<double> basalAreaFactors;
    std::vector<ConcentricRing> concentric;
    // The disc designs under each of these. Clip (the exact clipped disc) is
    // named plainly, every other one with its name appended, such as
    // "fixed_plot_mirage". Only clip on a torus, which has no edge.
    std::vector<EdgeCorrection> edgeCorrections{EdgeCorrection::Clip};
    bool keepReplicates = false;
};

// One row of the summary: one stand, order, design, estimator and quantity.
// The statistics are in the unit of the quantity (trees per hectare or square
// metres of basal area per hectare), the relative bias and the coverage are
// fractions. They are NaN when `note` says why there is no number.
struct StudyRow
{
    std::string stand;
    int k = 1;
    std::string design;
    std::string edge; // "none", "buffer" or "torus"
    std::string estimator;
    std::string quantity;
    double trueValue = 0.0;
    double mean = 0.0;
    double bias = 0.0;
    double relativeBias = 0.0;
    double empiricalStandardError = 0.0;
    double monteCarloError = 0.0; // standard error of `mean` over the replicates
    double rmse = 0.0;
    double meanEstimatedStandardError = 0.0;
    double coverage = 0.0;             // share of 95 % intervals that hold the true value
    std::int64_t unreachableTrees = 0; // trees the estimator can never sample
    std::string note;                  // empty, or why the statistics are missing
    std::uint64_t seed = 1;
    std::int64_t points = 0; // per sample; for the systematic grid the cells it has
    std::int64_t replicates = 0;
    double bufferMetres = 0.0;
    double plotRadiusMetres = 0.0;
};

// One estimate from one sample.
struct ReplicateRow
{
    std::string stand;
    int k = 1;
    std::string design;
    std::string estimator;
    std::string quantity;
    std::int64_t replicate = 0; // from 1
    std::int64_t points = 0;    // the points the sample actually has
    double estimate = 0.0;
    double standardError = 0.0; // from the sample's points
    double lower = 0.0;         // 95 % confidence interval
    double upper = 0.0;
    bool covered = false;
    std::string note; // as the summary's, or "unbounded" for an infinite estimate
};

// The figures at one sample point for one order.
struct PointRow
{
    std::string stand;
    std::string design;
    std::int64_t replicate = 0; // from 1
    std::int64_t point = 0;     // from 1
    Point position;
    int k = 1;
    double kthDistance = 0.0;   // r_k in metres, NaN with fewer than k trees
    int sampledTrees = 0;       // trees within r_k (ties included)
    int plotTrees = 0;          // trees in the fixed-area plot
    std::vector<double> values; // per estimator and quantity, in studyColumns() order
};

struct StudyResult
{
    std::vector<StudyRow> summary;
    std::vector<ReplicateRow> replicates; // only with keepReplicates
};

// Told about every sample point in a fixed order, from the calling thread.
using PointSink = std::function<void(const PointRow &)>;

// Called with the replicates done and the total; returning false stops the
// study, which then throws Cancelled.
using StudyProgress = Progress;

// Runs the study. Throws std::invalid_argument for settings or stands that
// cannot be studied (the message says which and why).
StudyResult runStudy(const std::vector<StudyStand> &stands, const StudySettings &settings,
                     const StudyProgress &progress = {}, const PointSink &pointSink = {});

// The trees of `stand` outside its rectangle: on a plain stand they are
// neighbours only, on a torus they are wrapped into it.
std::int64_t treesOutside(const StudyStand &stand);

// "estimator/quantity" names of PointRow::values.
std::vector<std::string> pointValueNames();
std::vector<std::string> pointValueNames(const StudySettings &settings);

// The tables as CSV with a header line, numbers with a decimal point and as
// many digits as tell them apart, NA for missing numbers.
std::string studyCsv(const std::vector<StudyRow> &rows);
std::string replicatesCsv(const std::vector<ReplicateRow> &rows);
std::string pointsCsvHeader();
std::string pointsCsvHeader(const StudySettings &settings);
std::string pointCsvLine(const PointRow &row);

// The 97.5 % quantile of Student's t distribution with `degrees` of freedom.
double studentQuantile975(std::int64_t degrees);

} // namespace kavrel
