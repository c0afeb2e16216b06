#pragma once

#include "progress.h"

#include <cstdint>
#include <functional>

namespace kavrel {

// Runs work(begin, end) over the blocks of [0, count) on threadCount()
// threads, the calling thread among them, which alone reports progress (in
// units of `count`). Every item is done exactly once, whichever thread takes
// it, so work that writes only to its own items gives results independent of
// the number of threads. The first exception thrown by any block, or
// Cancelled when the progress asks to stop, is rethrown here after every
// thread has finished.
void parallelBlocks(std::int64_t count, std::int64_t blockSize,
                    const std::function<void(std::int64_t begin, std::int64_t end)> &work,
                    const Progress &progress);

} // namespace kavrel
