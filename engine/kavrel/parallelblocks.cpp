#include "parallelblocks.h"

#include "threads.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace kavrel {

namespace {

class BlockRunner
{
public:
    BlockRunner(std::int64_t count, std::int64_t blockSize,
                const std::function<void(std::int64_t, std::int64_t)> &work)
        : m_count(count), m_blockSize(std::max<std::int64_t>(1, blockSize)), m_work(work)
    {}

    // Takes and runs one block; false when there is none left or the run stops.
    bool runOneBlock()
    {
        if (m_stop.load(std::memory_order_relaxed))
            return false;
        const std::int64_t begin = m_next.fetch_add(m_blockSize);
        if (begin >= m_count)
            return false;
        const std::int64_t end = std::min(m_count, begin + m_blockSize);
        try {
            m_work(begin, end);
        } catch (...) {
            fail(std::current_exception());
            return false;
        }
        m_done.fetch_add(end - begin);
        return true;
    }

    void runAll()
    {
        while (runOneBlock()) {
        }
    }

    void stop() { m_stop.store(true); }
    std::int64_t done() const { return m_done.load(); }

    void rethrowFailure()
    {
        const std::lock_guard lock(m_mutex);
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

private:
    void fail(std::exception_ptr failure)
    {
        const std::lock_guard lock(m_mutex);
        if (!m_failure)
            m_failure = failure;
        m_stop.store(true);
    }

    const std::int64_t m_count;
    const std::int64_t m_blockSize;
    const std::function<void(std::int64_t, std::int64_t)> &m_work;
    std::atomic<std::int64_t> m_next{0};
    std::atomic<std::int64_t> m_done{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::exception_ptr m_failure;
};

} // namespace

void parallelBlocks(std::int64_t count, std::int64_t blockSize,
                    const std::function<void(std::int64_t begin, std::int64_t end)> &work,
                    const Progress &progress)
{
    if (count <= 0) {
        reportProgress(progress, 0, 0);
        return;
    }
    BlockRunner runner(count, blockSize, work);
    const std::int64_t blocks =
        (count + std::max<std::int64_t>(1, blockSize) - 1) / std::max<std::int64_t>(1, blockSize);
    const int helpers = int(std::min<std::int64_t>(threadCount(), blocks)) - 1;
    std::vector<std::thread> threads;
    threads.reserve(std::size_t(std::max(0, helpers)));
    bool cancelled = false;
    try {
        for (int t = 0; t < helpers; ++t)
            threads.emplace_back([&runner] { runner.runAll(); });
        while (runner.runOneBlock()) {
            if (progress && !progress(runner.done(), count)) {
                cancelled = true;
                runner.stop();
            }
        }
    } catch (...) {
        runner.stop();
        for (std::thread &thread : threads)
            thread.join();
        throw;
    }
    for (std::thread &thread : threads)
        thread.join();
    runner.rethrowFailure();
    if (cancelled)
        throw Cancelled();
    reportProgress(progress, count, count);
}

} // namespace kavrel
