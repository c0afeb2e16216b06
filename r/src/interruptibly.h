#pragma once

#include <Rcpp.h>

#include <kavrel/progress.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace interrupts {

// What stopped a computation other than the user: an R error raised while
// looking for an interrupt, such as the limit of setTimeLimit().
struct Failure
{
    bool happened = false;
    std::string message;
};

inline SEXP checkInterrupt(void *)
{
    R_CheckUserInterrupt();
    return R_NilValue;
}

inline SEXP keepError(SEXP condition, void *data)
{
    auto *failure = static_cast<Failure *>(data);
    failure->happened = true;
    const SEXP message = TYPEOF(condition) == VECSXP && Rf_length(condition) > 0 ? VECTOR_ELT(condition, 0)
                                                                                 : R_NilValue;
    failure->message = TYPEOF(message) == STRSXP && Rf_length(message) > 0
                           ? std::string(CHAR(STRING_ELT(message, 0)))
                           : std::string("the computation was stopped by an error");
    return R_NilValue;
}

inline void checkCatchingErrors(void *data)
{
    R_tryCatchError(checkInterrupt, nullptr, keepError, data);
}

// R_CheckUserInterrupt() would jump out through the engine's frames; run
// inside R_ToplevelExec() it only tells whether the user asked to stop, and
// an error it raises is kept to be raised again once the engine is done.
inline bool shouldStop(Failure &failure)
{
    return R_ToplevelExec(checkCatchingErrors, &failure) == FALSE || failure.happened;
}

} // namespace interrupts

// Runs a computation that takes a progress callback, which the engine calls
// from this thread; an interrupt stops it and reaches R as an interrupt, an
// R error on the way (a time limit) as that error, which tryCatch() catches.
template <class Computation> auto interruptibly(Computation computation)
{
    interrupts::Failure failure;
    try {
        return computation(
            [&failure](std::int64_t, std::int64_t) { return !interrupts::shouldStop(failure); });
    } catch (const kavrel::Cancelled &) {
        if (failure.happened)
            throw std::runtime_error(failure.message);
        throw Rcpp::internal::InterruptedException();
    }
}
