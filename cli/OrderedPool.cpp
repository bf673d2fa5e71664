#include "OrderedPool.h"

COrderedPool::COrderedPool(std::size_t workers, std::size_t queuedPerWorker) {
    if (workers <= 1) {
        return; // every item in turn, reported as soon as it comes
    }
    m_window = workers * queuedPerWorker;
    for (std::size_t i = 0; i < workers; ++i) {
        m_workers.emplace_back([this] { Work(); });
    }
}

COrderedPool::~COrderedPool() {
    Stop();
}

void COrderedPool::Add(Step work, bool onWorker, Step report) {
    auto item = std::make_shared<Item>();
    item->work = std::move(work);
    item->report = std::move(report);
    item->onWorker = onWorker && item->work && !m_workers.empty();
    item->done = !item->work; // nothing to run
    if (item->onWorker) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(item);
        m_queued.notify_one();
    }
    m_unreported.push_back(std::move(item));
    const auto frontDone = [this] {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_unreported.front()->done;
    };
    while (!m_unreported.empty() && (m_unreported.size() > m_window || frontDone())) {
        ReportFirst();
    }
}

void COrderedPool::Finish() {
    while (!m_unreported.empty()) {
        ReportFirst();
    }
    Stop();
}

void COrderedPool::ReportFirst() {
    const std::shared_ptr<Item> item = std::move(m_unreported.front());
    m_unreported.pop_front();
    if (item->onWorker) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_finished.wait(lock, [&item] { return item->done; });
    } else if (item->work) {
        item->work(); // in turn: every item before it is reported
    }
    item->report();
}

void COrderedPool::Work() {
    for (;;) {
        std::shared_ptr<Item> item;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_queued.wait(lock, [this] { return m_closing || !m_queue.empty(); });
            if (m_queue.empty()) {
                return;
            }
            item = std::move(m_queue.front());
            m_queue.pop_front();
        }
        item->work();
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            item->done = true;
        }
        m_finished.notify_all();
    }
}

void COrderedPool::Stop() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_closing = true;
    }
    m_queued.notify_all();
    for (std::thread& worker : m_workers) {
        worker.join();
    }
    m_workers.clear();
}
