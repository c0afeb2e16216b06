#pragma once

#include <kavrel/threads.h>

#include <stdexcept>
#include <string>

// The thread count of one call: 0 leaves the engine's default (KAVREL_THREADS
// or the processors of the process). The count only decides how fast.
class ThreadCountScope
{
public:
    explicit ThreadCountScope(int threads)
    {
        if (threads < 0 || threads > kavrel::ThreadLimit)
            throw std::invalid_argument("threads must be from 1 to " + std::to_string(kavrel::ThreadLimit));
        kavrel::setThreadCount(threads);
    }
    ~ThreadCountScope() { kavrel::setThreadCount(0); }
    ThreadCountScope(const ThreadCountScope &) = delete;
    ThreadCountScope &operator=(const ThreadCountScope &) = delete;
};
