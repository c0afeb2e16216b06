#pragma once

#include <cstdint>
#include <exception>
#include <functional>

namespace kavrel {

// Told now and then, from the calling thread, how much of a long computation
// is done. Returning false asks the computation to stop: it then throws
// Cancelled and leaves no partial result behind.
using Progress = std::function<bool(std::int64_t done, std::int64_t total)>;

class Cancelled : public std::exception
{
public:
    const char *what() const noexcept override { return "kavrel: the computation was cancelled"; }
};

// Passes one report on and turns a request to stop into Cancelled.
inline void reportProgress(const Progress &progress, std::int64_t done, std::int64_t total)
{
    if (progress && !progress(done, total))
        throw Cancelled();
}

} // namespace kavrel
