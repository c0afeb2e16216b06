#include "studysummary.h"

#include "preparedstand.h"

#include <array>
#include <cmath>

namespace kavrel {

void Accumulator::add(double estimate, double standardError, double truth, bool isCovered)
{
    estimates.add(estimate);
    standardErrors.add(standardError);
    squaredErrors += (estimate - truth) * (estimate - truth);
    covered += isCovered ? 1 : 0;
    unbounded = unbounded || std::isinf(estimate);
}

std::string studyNote(const PreparedStand &stand, const PreparedOrder &order, const StudyEstimator &estimator,
                      bool infiniteSeen)
{
    if (!order.problem.empty())
        return order.problem;
    if (stand.treeCount == 0)
        return "no_trees";
    return estimator.note(infiniteSeen);
}

void fillStatistics(const Accumulator &a, StudyRow &row)
{
    if (!row.note.empty()) {
        row.mean = row.bias = row.relativeBias = row.empiricalStandardError = row.monteCarloError = row.rmse =
            row.meanEstimatedStandardError = row.coverage = NotANumber;
        return;
    }
    const double replicates = double(a.estimates.count());
    row.mean = a.estimates.mean();
    row.bias = row.mean - row.trueValue;
    row.relativeBias = row.trueValue != 0.0 ? row.bias / row.trueValue : NotANumber;
    row.empiricalStandardError = a.estimates.standardDeviation();
    row.monteCarloError = row.empiricalStandardError / std::sqrt(replicates);
    row.rmse = std::sqrt(a.squaredErrors / replicates);
    row.meanEstimatedStandardError = a.standardErrors.mean();
    row.coverage = double(a.covered) / replicates;
}

double studentQuantile975(std::int64_t degrees)
{
    static constexpr std::array<double, 30> Table{
        12.706204736174, 4.302652729696, 3.182446305284, 2.776445105198, 2.570581835637, 2.446911851146,
        2.364624251593,  2.306004135204, 2.262157162799, 2.228138851986, 2.200985160082, 2.178812829667,
        2.160368656461,  2.144786687917, 2.131449545559, 2.119905299221, 2.109815577833, 2.100922040241,
        2.093024054408,  2.085963447266, 2.079613844728, 2.073873067904, 2.068657610419, 2.063898561628,
        2.059538552753,  2.055529438642, 2.051830516480, 2.048407141795, 2.045229642133, 2.042272456301};
    if (degrees < 1)
        return NotANumber;
    if (degrees <= std::int64_t(Table.size()))
        return Table[std::size_t(degrees - 1)];
    // Cornish-Fisher expansion around the normal quantile; beyond 30 degrees
    // of freedom its error is below 1e-7.
    const double z = 1.959963984540054;
    const double v = double(degrees);
    const double z2 = z * z;
    const double z3 = z2 * z;
    const double z5 = z3 * z2;
    const double z7 = z5 * z2;
    const double z9 = z7 * z2;
    return z + (z3 + z) / (4.0 * v) + (5.0 * z5 + 16.0 * z3 + 3.0 * z) / (96.0 * v * v) +
           (3.0 * z7 + 19.0 * z5 + 17.0 * z3 - 15.0 * z) / (384.0 * v * v * v) +
           (79.0 * z9 + 776.0 * z7 + 1482.0 * z5 - 1920.0 * z3 - 945.0 * z) / (92160.0 * v * v * v * v);
}

} // namespace kavrel
