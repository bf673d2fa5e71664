#pragma once

#include <QtGlobal>

#include <cstdio>

// Progress on one updating line of a terminal: "n of total written (p %)",
// or "n of total done, f failed (p %)" once a line has failed.
// Shown only when the stream is a terminal and the batch is long; otherwise
// every call does nothing.
class CProgress {
public:
    CProgress(std::FILE* stream, qsizetype total);
    ~CProgress();
    CProgress(const CProgress&) = delete;
    CProgress& operator=(const CProgress&) = delete;

    void Update(qsizetype done, qsizetype failed);
    // Clears the line before a message, so the two never mix.
    void Clear();

private:
    std::FILE* m_stream;
    qsizetype m_total;
    bool m_shown;
    bool m_drawn = false;
    qsizetype m_percent = -1;
};
