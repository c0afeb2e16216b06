#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace kavrel {

// How many threads the engine's long computations use. A count set here wins;
// 0 (the default) means the count in the environment variable KAVREL_THREADS
// when it holds one, and otherwise one per processor this process may run on.
// Results never depend on it.
void setThreadCount(int threads);

// The number of threads a computation would use now (at least 1).
int threadCount();

// The processors this process may run on: its affinity mask where the system
// has one (a job confined with taskset or a batch system's processor set),
// the machine's processor count otherwise; at least 1.
int availableProcessors();

// The thread count a text such as KAVREL_THREADS gives: a whole number from 1
// to ThreadLimit, nothing else (no sign, no blanks).
std::optional<int> threadCountFromText(const std::string &text);

// KAVREL_THREADS, checked: no threads and no error
// when it is unset or empty; an error text when it holds no thread count.
struct EnvironmentThreads
{
    std::optional<int> threads;
    std::string error;
};
EnvironmentThreads threadsFromEnvironment();

inline constexpr int ThreadLimit = 1024;
inline constexpr const char *ThreadsVariable = "KAVREL_THREADS";

// The thread count of one call from R or Python: 0 leaves the default
// (KAVREL_THREADS or the processors of the process), which comes back when
// the call ends. The count only decides how fast.
class ThreadCountScope
{
public:
    explicit ThreadCountScope(int threads)
    {
        if (threads < 0 || threads > ThreadLimit)
            throw std::invalid_argument("threads must be from 1 to " + std::to_string(ThreadLimit));
        setThreadCount(threads);
    }
    ~ThreadCountScope() { setThreadCount(0); }
    ThreadCountScope(const ThreadCountScope &) = delete;
    ThreadCountScope &operator=(const ThreadCountScope &) = delete;
};

} // namespace kavrel
