#include "Progress.h"

#include <QCoreApplication>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace {

// Batches longer than this show their progress on a terminal.
constexpr int kProgressThreshold = 100;
// Back to the line's start, then erase to its end.
constexpr const char* kClearLine = "\r\033[K";

bool IsTerminal(std::FILE* stream) {
#if defined(__unix__) || defined(__APPLE__)
    return isatty(fileno(stream)) != 0;
#else
    (void)stream;
    return false;
#endif
}

} // namespace

CProgress::CProgress(std::FILE* stream, qsizetype total)
    : m_stream(stream), m_total(total), m_shown(total > kProgressThreshold && IsTerminal(stream)) {}

CProgress::~CProgress() {
    if (m_shown && m_drawn) {
        std::fputs(kClearLine, m_stream);
    }
}

void CProgress::Update(qsizetype done, qsizetype failed) {
    if (!m_shown) {
        return;
    }
    // Redrawn at every percent only: a terminal is slow.
    const qsizetype percent = done * 100 / m_total;
    if (m_drawn && percent == m_percent && done != m_total) {
        return;
    }
    m_percent = percent;
    m_drawn = true;
    // A line that failed is done but not written: the count says which.
    if (failed > 0) {
        const QString text =
            QCoreApplication::translate("Progress", "%1 of %2 done, %3 failed (%4 %)")
                .arg(done)
                .arg(m_total)
                .arg(failed)
                .arg(percent);
        std::fprintf(m_stream, "\r%s", text.toLocal8Bit().constData());
    } else {
        const QString text = QCoreApplication::translate("Progress", "%1 of %2 written (%3 %)")
                                 .arg(done)
                                 .arg(m_total)
                                 .arg(percent);
        std::fprintf(m_stream, "\r%s", text.toLocal8Bit().constData());
    }
    std::fflush(m_stream);
}

void CProgress::Clear() {
    if (m_shown && m_drawn) {
        std::fputs(kClearLine, m_stream);
        m_drawn = false;
    }
}
