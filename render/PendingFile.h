#pragma once

#include <QByteArray>

// While alive, a signal that ends the process removes the named temporary
// file (this thread's; plain buffers a signal handler may read).
class CPendingFile {
public:
    explicit CPendingFile(const QByteArray& name);
    ~CPendingFile();
    CPendingFile(const CPendingFile&) = delete;
    CPendingFile& operator=(const CPendingFile&) = delete;
};

// Makes SIGINT, SIGTERM, SIGHUP, SIGPIPE and SIGQUIT (those not ignored)
// remove the temporary file being written, if any, before they end the
// process as they would have: an interrupted run leaves
// complete files and no temporary one. (A temporary file left by SIGKILL is
// removed by the next write into its folder.)
void RemoveTemporaryFileOnInterrupt();
