#pragma once

#include <Rcpp.h>

#include <kavrel/progress.h>

#include <cstdint>

namespace interrupts {

inline void checkInterrupt(void *)
{
    R_CheckUserInterrupt();
}

// R_CheckUserInterrupt() would jump out through the engine's frames; run
// inside R_ToplevelExec() it only tells whether the user asked to stop.
inline bool userInterrupted()
{
    return R_ToplevelExec(checkInterrupt, nullptr) == FALSE;
}

} // namespace interrupts

// Runs a computation that takes a progress callback, which the engine calls
// from this thread; an interrupt stops it and reaches R as an interrupt, not
// as an error.
template <class Computation> auto interruptibly(Computation computation)
{
    try {
        return computation([](std::int64_t, std::int64_t) { return !interrupts::userInterrupted(); });
    } catch (const kavrel::Cancelled &) {
        throw Rcpp::internal::InterruptedException();
    }
}
