#pragma once

#include <atomic>

namespace Quillet {

// How far a job over many pages has come, and whether its user asked it to stop. The job counts
// on its threads while a window reads the count and cancels from its own.
class JobProgress final {
public:
    void start(int total)
    {
        m_done = 0;
        m_total = total;
    }
    void advance() { ++m_done; }
    void cancel() { m_cancelled = true; }

    int done() const { return m_done; }
    int total() const { return m_total; }
    bool cancelled() const { return m_cancelled; }

private:
    std::atomic<int> m_done{0};
    std::atomic<int> m_total{0};
    std::atomic<bool> m_cancelled{false};
};

} // namespace Quillet
