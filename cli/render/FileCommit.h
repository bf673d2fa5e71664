#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

// Writes whole files or nothing: each file goes to a temporary name in its own
// folder and is renamed over the target only once every byte is written and
// closed, so a failed write never leaves a half-written file, and an existing
// file is only ever replaced by a complete new one.
//
// Making the files durable (flushed to the disk) is done once for all of them
// by Sync(): a batch of a thousand files pays for one flush, not a thousand.
class CFileCommitter {
public:
    // Writes bytes to path as described; on failure error says why and the
    // target is untouched.
    bool Write(const QString& path, const QByteArray& bytes, QString* error);

    // Flushes every file written so far, with the folders that name them, to
    // the disk. False, with the reason, when the system reports a failure.
    bool Sync(QString* error);

private:
    QSet<QString> m_folders; // the folders written into since the last Sync
};
