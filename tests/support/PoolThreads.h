#pragma once

#include <QDir>
#include <QFile>
#include <QThreadPool>

#include <chrono>
#include <thread>

// Ends the threads Qt's global pool started (the raster painter fills large
// images on them) before the test program ends. The pool's threads outlive
// every test, idle; and a QThread is detached, so after the pool has joined
// it the system thread may still be tearing down, its last data then freed
// after the leak check has looked: reported as a leak on a loaded machine.
// So the pool is emptied, and the program waits until the system lists none
// of its threads any more (for a few seconds at most).
inline void EndPoolThreads() {
    QThreadPool::globalInstance()->waitForDone(); // idle threads end too
    const auto pooled = [] {
        const QDir tasks(QStringLiteral("/proc/self/task"));
        for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile name(tasks.filePath(task + QStringLiteral("/comm")));
            if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("Thread (pooled)")) {
                return true;
            }
        }
        return false;
    };
    constexpr int kTries = 5000;
    for (int i = 0; i < kTries && pooled(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
