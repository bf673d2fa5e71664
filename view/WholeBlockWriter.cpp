#include "WholeBlockWriter.h"

#include <QFileDevice>

namespace {

// Large enough that a bitmap line never needs a system call of its own.
constexpr qsizetype kBlockSize = 64 * 1024;

} // namespace

CWholeBlockWriter::CWholeBlockWriter(QFileDevice& file) : m_file(file) {
    m_block.reserve(kBlockSize);
    open(QIODevice::WriteOnly);
}

CWholeBlockWriter::~CWholeBlockWriter() = default;

bool CWholeBlockWriter::Flush() {
    const char* data = m_block.constData();
    qint64 left = m_block.size();
    while (left > 0) {
        const qint64 written = m_file.write(data, left);
        if (written <= 0) {
            return false; // the file holds the system's reason
        }
        data += written;
        left -= written;
    }
    m_block.clear();
    return true;
}

qint64 CWholeBlockWriter::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1; // write-only
}

qint64 CWholeBlockWriter::writeData(const char* data, qint64 size) {
    m_block.append(data, static_cast<qsizetype>(size));
    if (m_block.size() >= kBlockSize && !Flush()) {
        return -1;
    }
    return size;
}
