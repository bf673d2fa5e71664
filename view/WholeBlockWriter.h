#pragma once

#include <QByteArray>
#include <QIODevice>

class QFileDevice;

// A write-only device that hands a file its data in large blocks and sees
// each block written whole. A file system that takes only part of a block
// (the last free space of a disk, a size limit) reports no error for the part
// it took; writing the rest again is what makes it say why it stops ("No space
// left on device"), so the file then carries its own error, not an unknown one.
//
// The file must be open without Qt's own buffer (QIODevice::Unbuffered), so
// that each block goes straight to the system.
class CWholeBlockWriter : public QIODevice {
public:
    explicit CWholeBlockWriter(QFileDevice& file);
    ~CWholeBlockWriter() override;

    // Writes what is held; false, with the file's error set, if the file
    // did not take all of it.
    bool Flush();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QFileDevice& m_file;
    QByteArray m_block;
};
