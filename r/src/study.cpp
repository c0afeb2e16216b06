// Simulation studies from R: stands as lists of plain vectors, the summary as
// the columns of the tool's long-form CSV.
#include "interruptibly.h"

#include <Rcpp.h>

#include <kavrel/threads.h>

#include <kavrel/study.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

kavrel::StudyStand studyStandOf(const Rcpp::List &stand)
{
    const Rcpp::NumericVector x = stand["x"];
    const Rcpp::NumericVector y = stand["y"];
    const Rcpp::NumericVector d = stand["d"];
    const Rcpp::NumericVector rectangle = stand["stand"];
    if (x.size() != y.size() || x.size() != d.size())
        throw std::invalid_argument("x, y and d differ in length");
    if (rectangle.size() != 4)
        throw std::invalid_argument("the stand must be its width, length and lower-left corner");
    kavrel::StudyStand result;
    result.name = Rcpp::as<std::string>(stand["name"]);
    result.extent =
        kavrel::Extent{rectangle[2], rectangle[3], rectangle[2] + rectangle[0], rectangle[3] + rectangle[1]};
    for (R_xlen_t t = 0; t < x.size(); ++t) {
        result.trees.push_back(kavrel::Point{x[t], y[t]});
        result.diametersMetres.push_back(d[t]);
    }
    return result;
}

kavrel::StudyDesign designOf(const std::string &name)
{
    if (name == "random")
        return kavrel::StudyDesign::Random;
    if (name == "systematic")
        return kavrel::StudyDesign::Systematic;
    throw std::invalid_argument("the design must be \"random\" or \"systematic\", not \"" + name + "\"");
}

// Counts and the seed come from R as doubles; anything but a whole number in
// range is refused before it is converted.
std::int64_t wholeNumber(double value, const char *what, double least, double most)
{
    if (!(value >= least && value <= most) || value != std::floor(value))
        throw std::invalid_argument(std::string(what) + " must be a whole number from " +
                                    std::to_string(std::int64_t(least)) + " to " +
                                    std::to_string(std::int64_t(most)));
    return std::int64_t(value);
}

// The CSV writes NA for a missing number; R has NA for it too.
double numberOrNa(double value)
{
    return std::isnan(value) ? NA_REAL : value;
}

} // namespace

// [[Rcpp::export(name = ".sampling_study")]]
Rcpp::DataFrame samplingStudy(Rcpp::List stands, Rcpp::IntegerVector orders, Rcpp::CharacterVector designs,
                              double replicates, double points, double seed, double buffer, bool torus,
                              double plotRadius, int threads,
                              Rcpp::NumericVector factors = Rcpp::NumericVector::create(),
                              Rcpp::NumericVector ringRadii = Rcpp::NumericVector::create(),
                              Rcpp::NumericVector ringDiameters = Rcpp::NumericVector::create(),
                              Rcpp::CharacterVector corrections = Rcpp::CharacterVector::create("clip"))
{
    std::vector<kavrel::StudyStand> studyStands;
    for (R_xlen_t s = 0; s < stands.size(); ++s)
        studyStands.push_back(studyStandOf(Rcpp::as<Rcpp::List>(stands[s])));
    kavrel::StudySettings settings;
    settings.orders.assign(orders.begin(), orders.end());
    settings.designs.clear();
    for (R_xlen_t d = 0; d < designs.size(); ++d)
        settings.designs.push_back(designOf(Rcpp::as<std::string>(designs[d])));
    settings.replicates = wholeNumber(replicates, "replicates", 1, 1e10);
    settings.points = wholeNumber(points, "points", 2, 1e10);
    settings.seed = std::uint64_t(wholeNumber(seed, "the seed", 0, 0x1p53));
    settings.bufferMetres = buffer;
    settings.torus = torus;
    if (!std::isnan(plotRadius))
        settings.plotRadiusMetres = plotRadius;
    settings.basalAreaFactors.assign(factors.begin(), factors.end());
    for (R_xlen_t r = 0; r < ringRadii.size(); ++r)
        settings.concentric.push_back({ringRadii[r], ringDiameters[r]});
    settings.edgeCorrections.clear();
    for (R_xlen_t c = 0; c < corrections.size(); ++c)
        settings.edgeCorrections.push_back(kavrel::edgeCorrectionArgument(Rcpp::as<std::string>(corrections[c])));

    const kavrel::ThreadCountScope threadCount(threads);
    const kavrel::StudyResult result = interruptibly(
        [&](const kavrel::Progress &progress) { return kavrel::runStudy(studyStands, settings, progress); });

    const std::size_t count = result.summary.size();
    Rcpp::CharacterVector stand(count), design(count), edge(count), estimator(count), quantity(count),
        note(count);
    Rcpp::IntegerVector k(count);
    Rcpp::NumericVector trueValue(count), mean(count), bias(count), relativeBias(count), empiricalSe(count),
        monteCarloSe(count), rmse(count), meanEstimatedSe(count), coverage(count), unreachable(count),
        rowSeed(count), rowPoints(count), rowReplicates(count), bufferMetres(count), plotRadiusMetres(count);
    for (std::size_t i = 0; i < count; ++i) {
        const kavrel::StudyRow &row = result.summary[i];
        stand[i] = row.stand;
        k[i] = row.k;
        design[i] = row.design;
        edge[i] = row.edge;
        estimator[i] = row.estimator;
        quantity[i] = row.quantity;
        trueValue[i] = numberOrNa(row.trueValue);
        mean[i] = numberOrNa(row.mean);
        bias[i] = numberOrNa(row.bias);
        relativeBias[i] = numberOrNa(row.relativeBias);
        empiricalSe[i] = numberOrNa(row.empiricalStandardError);
        monteCarloSe[i] = numberOrNa(row.monteCarloError);
        rmse[i] = numberOrNa(row.rmse);
        meanEstimatedSe[i] = numberOrNa(row.meanEstimatedStandardError);
        coverage[i] = numberOrNa(row.coverage);
        unreachable[i] = double(row.unreachableTrees);
        note[i] = row.note;
        rowSeed[i] = double(row.seed);
        rowPoints[i] = double(row.points);
        rowReplicates[i] = double(row.replicates);
        bufferMetres[i] = row.bufferMetres;
        plotRadiusMetres[i] = numberOrNa(row.plotRadiusMetres);
    }
    // Column by column, as the tool's CSV has them.
    Rcpp::List columns;
    columns["stand"] = stand;
    columns["k"] = k;
    columns["design"] = design;
    columns["edge"] = edge;
    columns["estimator"] = estimator;
    columns["quantity"] = quantity;
    columns["true_value"] = trueValue;
    columns["mean"] = mean;
    columns["bias"] = bias;
    columns["relative_bias"] = relativeBias;
    columns["empirical_se"] = empiricalSe;
    columns["mc_se_of_mean"] = monteCarloSe;
    columns["rmse"] = rmse;
    columns["mean_estimated_se"] = meanEstimatedSe;
    columns["coverage_95"] = coverage;
    columns["unreachable_trees"] = unreachable;
    columns["note"] = note;
    columns["seed"] = rowSeed;
    columns["points"] = rowPoints;
    columns["replicates"] = rowReplicates;
    columns["buffer_m"] = bufferMetres;
    columns["plot_radius_m"] = plotRadiusMetres;
    return Rcpp::DataFrame(columns);
}
