#include "ScanCheckRunner.h"

CScanCheckRunner::CScanCheckRunner(QObject* parent) : QObject(parent) {
    // One check at a time: a newer one only waits for the stale one to notice
    // that it is stale, which it does between two renderings.
    m_pool.setMaxThreadCount(1);
}

CScanCheckRunner::~CScanCheckRunner() {
    Cancel();
    m_pool.waitForDone(); // the running check uses this object to deliver
}

bool CScanCheckRunner::Start(const ScanJob& job) {
    const std::optional<ScanJob>& latest = m_pending ? m_pending : m_delivered;
    if (latest && *latest == job) {
        return false;
    }
    m_pending = job;
    m_delivered.reset(); // its result no longer tells of the symbol shown
    const std::uint64_t generation = ++m_generation;
    m_newest->store(generation);
    m_pool.start([this, job, generation, newest = m_newest] {
        const auto stale = [&] { return newest->load() != generation; };
        if (stale()) {
            return;
        }
        const ScanResult result = CheckScan(job, stale);
        if (!stale()) {
            QMetaObject::invokeMethod(
                this, [this, generation, result] { Deliver(generation, result); },
                Qt::QueuedConnection);
        }
    });
    return true;
}

void CScanCheckRunner::Cancel() {
    m_newest->store(++m_generation);
    m_pending.reset();
}

void CScanCheckRunner::Reset() {
    Cancel();
    m_delivered.reset();
}

void CScanCheckRunner::WaitForChecks() {
    m_pool.waitForDone();
}

void CScanCheckRunner::Deliver(std::uint64_t generation, const ScanResult& result) {
    // Checked on this thread, where Start counts: a result that was already on
    // its way when a newer check started never reaches the field.
    if (generation == m_generation) {
        m_delivered = std::move(m_pending);
        m_pending.reset();
        emit Checked(result, ScanStatusText(result));
    }
}
