#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Runs items' work on worker threads and hands their ends back in the order
// the items came: a batch draws symbols at once and reports them in input
// order. An item's work runs on a worker, or in turn (right before it is
// reported, after every item before it) where it must see what those did.
// At most `window` items are in flight, so no batch is held whole.
class COrderedPool {
public:
    using Step = std::function<void()>;

    // Starts `workers` threads (none for fewer than two: every item then runs
    // in turn) and keeps `queuedPerWorker` items in flight per worker.
    COrderedPool(std::size_t workers, std::size_t queuedPerWorker);
    // Stops the workers; items not yet reported are not reported.
    ~COrderedPool();
    COrderedPool(const COrderedPool&) = delete;
    COrderedPool& operator=(const COrderedPool&) = delete;

    bool HasWorkers() const { return !m_workers.empty(); }

    // Adds the next item: its work (none: nothing to run), whether it may run
    // on a worker, and what reports it once it is over. Reports the items
    // whose turn has come.
    void Add(Step work, bool onWorker, Step report);
    // Reports every item left, in order.
    void Finish();

private:
    struct Item {
        Step work;
        Step report;
        bool onWorker = false;
        bool done = false; // guarded by m_mutex for items on a worker
    };

    void Work();
    // Reports the oldest item, running or awaiting its work first.
    void ReportFirst();
    void Stop();

    std::size_t m_window = 0;
    std::vector<std::thread> m_workers;
    std::mutex m_mutex; // guards the queue, m_closing and every item's done
    std::condition_variable m_queued;
    std::condition_variable m_finished;
    std::deque<std::shared_ptr<Item>> m_queue;      // for the workers, in order
    std::deque<std::shared_ptr<Item>> m_unreported; // every item not yet reported
    bool m_closing = false;
};
