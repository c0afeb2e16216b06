#pragma once

namespace kavrel {

// How many threads the engine's long computations use: 0 (the default) means
// one per processor core. Results never depend on it.
void setThreadCount(int threads);

// The number of threads a computation would use now (at least 1).
int threadCount();

} // namespace kavrel
