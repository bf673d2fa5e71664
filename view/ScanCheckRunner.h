#pragma once

#include "ScanCheck.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

// Runs one check at a time off the user-interface thread. Every Start makes
// the checks before it stale: a running one is told to stop, and a result
// that arrives after a newer Start or a Cancel is dropped, so only the newest
// check ever reaches Checked.
class CScanCheckRunner : public QObject {
    Q_OBJECT
public:
    explicit CScanCheckRunner(QObject* parent = nullptr);
    ~CScanCheckRunner() override;

    // Starts a check of the job and returns true; false, starting nothing,
    // when the job is the one under way or the one whose result came last
    // with no other check started since (a repaint of the same symbol).
    bool Start(const ScanJob& job);
    // Makes the check under way stale without starting another: its result
    // will not be delivered.
    void Cancel();
    // Cancel, and forget the last result too: the field no longer shows it.
    void Reset();
    std::uint64_t Generation() const { return m_generation; }
    // Waits until no check is running, without delivering results.
    void WaitForChecks();

signals:
    // The newest check's result, on the thread the runner lives on.
    void Checked(const ScanResult& result, const QString& text);

private:
    void Deliver(std::uint64_t generation, const ScanResult& result);

    QThreadPool m_pool;
    std::uint64_t m_generation = 0;
    std::shared_ptr<std::atomic<std::uint64_t>> m_newest =
        std::make_shared<std::atomic<std::uint64_t>>(0);
    std::optional<ScanJob> m_pending;   // the check under way
    std::optional<ScanJob> m_delivered; // the check whose result came last
};
