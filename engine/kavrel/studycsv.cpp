#include "study.h"
#include "studyestimator.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kavrel {

namespace {

// Shortest text that reads back as the same double, with a decimal point
// whatever the locale.
std::string numberText(double value)
{
    if (std::isnan(value))
        return "NA";
    if (std::isinf(value))
        return value > 0.0 ? "Inf" : "-Inf";
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

std::string csvText(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::vector<std::string> pointValueNames()
{
    return pointValueNames(StudySettings{});
}

std::vector<std::string> pointValueNames(const StudySettings &settings)
{
    std::vector<std::string> names;
    for (const StudyEstimatorKind &estimator : studyEstimators(settings)) {
        for (const char *quantity : QuantityNames)
            names.push_back(std::string(estimator.name) + "/" + quantity);
    }
    return names;
}

std::string studyCsv(const std::vector<StudyRow> &rows)
{
    std::string csv =
        "stand,k,design,edge,estimator,quantity,true_value,mean,bias,relative_bias,empirical_se,"
        "mc_se_of_mean,rmse,mean_estimated_se,coverage_95,unreachable_trees,note,seed,points,"
        "replicates,buffer_m,plot_radius_m\n";
    for (const StudyRow &r : rows) {
        csv += csvText(r.stand) + ',' + std::to_string(r.k) + ',' + r.design + ',' + r.edge + ',' +
               r.estimator + ',' + r.quantity + ',' + numberText(r.trueValue) + ',' + numberText(r.mean) +
               ',' + numberText(r.bias) + ',' + numberText(r.relativeBias) + ',' +
               numberText(r.empiricalStandardError) + ',' + numberText(r.monteCarloError) + ',' +
               numberText(r.rmse) + ',' + numberText(r.meanEstimatedStandardError) + ',' +
               numberText(r.coverage) + ',' + std::to_string(r.unreachableTrees) + ',' +
               (r.note.empty() ? "" : r.note) + ',' + std::to_string(r.seed) + ',' +
               std::to_string(r.points) + ',' + std::to_string(r.replicates) + ',' +
               numberText(r.bufferMetres) + ',' + numberText(r.plotRadiusMetres) + '\n';
    }
    return csv;
}

std::string replicatesCsv(const std::vector<ReplicateRow> &rows)
{
    std::string csv = "stand,k,design,estimator,quantity,replicate,points,estimate,standard_error,ci95_lower,"
                      "ci95_upper,covered,note\n";
    for (const ReplicateRow &r : rows) {
        csv += csvText(r.stand) + ',' + std::to_string(r.k) + ',' + r.design + ',' + r.estimator + ',' +
               r.quantity + ',' + std::to_string(r.replicate) + ',' + std::to_string(r.points) + ',' +
               numberText(r.estimate) + ',' + numberText(r.standardError) + ',' + numberText(r.lower) + ',' +
               numberText(r.upper) + ',' + (r.covered ? "TRUE" : "FALSE") + ',' + r.note + '\n';
    }
    return csv;
}

std::string pointsCsvHeader()
{
    return pointsCsvHeader(StudySettings{});
}

std::string pointsCsvHeader(const StudySettings &settings)
{
    std::string header = "stand,design,replicate,point,x_m,y_m,k,r_k_m,trees_within_r_k,trees_in_plot";
    for (const StudyEstimatorKind &estimator : studyEstimators(settings)) {
        for (const char *quantity : QuantityNames)
            header += std::string(",") + estimator.name + "__" + quantity;
    }
    return header + '\n';
}

std::string pointCsvLine(const PointRow &row)
{
    std::string line = csvText(row.stand) + ',' + row.design + ',' + std::to_string(row.replicate) + ',' +
                       std::to_string(row.point) + ',' + numberText(row.position.x) + ',' +
                       numberText(row.position.y) + ',' + std::to_string(row.k) + ',' +
                       numberText(row.kthDistance) + ',' + std::to_string(row.sampledTrees) + ',' +
                       std::to_string(row.plotTrees);
    for (const double value : row.values)
        line += ',' + numberText(value);
    return line + '\n';
}

} // namespace kavrel
