#pragma once

#include "PendingFile.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <mutex>

// Takes the next chunk of a file's bytes: false when it could not be written.
using ByteSink = std::function<bool(const QByteArray&)>;
// Hands a file's bytes to the sink chunk by chunk (a document of many pages a
// page at a time), stopping when the sink says false.
using ByteProducer = std::function<void(const ByteSink&)>;

// Writes whole files or nothing: each file goes to a temporary name in its own
// folder and is renamed over the target only once every byte is written and
// closed, so a failed write never leaves a half-written file, and an existing
// file is only ever replaced by a complete new one. What is no file of its
// own (standard output, named "-", a device, a FIFO) is written straight
// through, never replaced.
//
// Making the files durable (flushed to the disk) is done once for all of them
// by Sync(): a few files are flushed each, with their folders; a batch of more
// pays for one flush of each file system it wrote to, not one per file.
//
// Several threads may write through one committer at once (never two of them
// to one path).
class CFileCommitter {
public:
    // Writes bytes to path as described; on failure error says why and the
    // target is untouched. A replaced file keeps its permissions, and its
    // owner and group where the system allows; *note says when the owner
    // could not be kept.
    bool Write(const QString& path, const QByteArray& bytes, QString* error,
               QString* note = nullptr);
    // The same for bytes made while they are written, never held whole.
    bool Write(const QString& path, const ByteProducer& produce, QString* error,
               QString* note = nullptr);

    // Flushes every file written so far, with the folders that name them, to
    // the disk. False, with the reason, when the system reports a failure.
    bool Sync(QString* error);

    // Up to this many files written since the last Sync are flushed one by one.
    static constexpr qsizetype kFewFiles = 16;

private:
    std::mutex m_mutex;      // guards the three below
    QSet<QString> m_folders; // the folders written into since the last Sync
    QStringList m_files;     // the files, while there are no more than kFewFiles
    qsizetype m_count = 0;   // files written since the last Sync
};

// One file written whole and flushed to the disk, as Save writes it: on
// failure error says why (the system's own words) and the target is untouched.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error);
