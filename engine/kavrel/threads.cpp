#include "threads.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>

#if defined(__linux__)
#include <sched.h>
#elif defined(_WIN32)
#include <bit>
#include <windows.h>
#endif

namespace kavrel {

namespace {

std::atomic<int> requestedThreads{0};

} // namespace

void setThreadCount(int threads)
{
    requestedThreads.store(std::clamp(threads, 0, ThreadLimit));
}

int threadCount()
{
    const int requested = requestedThreads.load();
    if (requested > 0)
        return requested;
    // A bad value is reported by the front ends, which read it first; here it
    // only falls back to the processors.
    if (const std::optional<int> fromEnvironment = threadsFromEnvironment().threads)
        return *fromEnvironment;
    return availableProcessors();
}

int availableProcessors()
{
#if defined(__linux__)
    // Counting the machine's cores would oversubscribe a job that may use
    // only some of them.
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof(allowed), &allowed) == 0) {
        const int count = CPU_COUNT(&allowed);
        if (count > 0)
            return count;
    }
#elif defined(_WIN32)
    // The same on Windows: a process started with "start /affinity" or
    // confined by a job may run on fewer processors than the machine has.
    DWORD_PTR allowed = 0;
    DWORD_PTR system = 0;
    if (GetProcessAffinityMask(GetCurrentProcess(), &allowed, &system) && allowed != 0)
        return std::popcount(static_cast<unsigned long long>(allowed));
#endif
    return std::max(1, int(std::thread::hardware_concurrency()));
}

std::optional<int> threadCountFromText(const std::string &text)
{
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > ThreadLimit)
        return std::nullopt;
    return value;
}

EnvironmentThreads threadsFromEnvironment()
{
    const char *value = std::getenv(ThreadsVariable);
    if (!value || !*value)
        return {};
    if (const std::optional<int> threads = threadCountFromText(value))
        return {threads, {}};
    return {std::nullopt, std::string(ThreadsVariable) + " must be a whole number of threads from 1 to " +
                              std::to_string(ThreadLimit) + ", not \"" + value + "\""};
}

} // namespace kavrel
