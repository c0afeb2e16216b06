#pragma once

#include "moments.h"
#include "study.h"

#include <cstdint>
#include <string>

// From the samples' estimates to the summary's statistics and notes.

namespace kavrel {

struct PreparedStand;
struct PreparedOrder;
class StudyEstimator;

// One estimator's estimates of one quantity over the replicates, at one order.
struct Accumulator
{
    Moments estimates;
    Moments standardErrors;
    double squaredErrors = 0.0;
    std::int64_t covered = 0;
    bool unbounded = false;

    void add(double estimate, double standardError, double truth, bool covered);
};

// Why an estimator gives no statistics on the stand at this order, given
// whether any of its estimates came out infinite; empty when it gives them.
// The same for the summary and each replicate.
std::string studyNote(const PreparedStand &stand, const PreparedOrder &order, const StudyEstimator &estimator,
                      bool infiniteSeen);

// The statistics of `row` from `a`, against row.trueValue; NaN when row.note
// says why there are none.
void fillStatistics(const Accumulator &a, StudyRow &row);

} // namespace kavrel
