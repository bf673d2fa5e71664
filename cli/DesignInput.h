#pragma once

#include "LabelDesign.h"
#include "RenderOptions.h"

#include <QIODevice>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <memory>

// The records of a design run one at a time, never a list of them all: the
// lines of a batch (one column, "text"), the records of a CSV after its
// header row, or the numbers of a sequence. The input is read once to check
// every label and again from the start to draw them, so memory stays flat in
// the number of records.
class CDesignInput {
public:
    explicit CDesignInput(const RenderOptions& options) : m_options(options) {}

    // Opens the input (a regular file as it is; standard input and anything
    // else that cannot be read twice is read whole first) and reads a CSV's
    // header; false, with *error set, when that fails.
    bool Open(QString* error);
    const QStringList& Columns() const { return m_columns; }

    // Back to the first record.
    void Rewind();
    // The next record, numbered from 0 among the records given; false after
    // the last. A record that is no label (a malformed CSV record, bytes that
    // are no UTF-8, fields that do not match the header) comes with *fault
    // set, naming its line, and takes no number.
    bool Next(DesignRecord& record, QString* fault);

private:
    // The next line of the input decoded, its line end dropped; false at the
    // end. *badBytes is set for a line of bytes that are no UTF-8.
    bool ReadLine(QString& text, bool& badBytes);

    const RenderOptions& m_options;
    std::unique_ptr<QIODevice> m_input;
    QStringList m_columns;
    qint64 m_firstRecord = 0; // where the records begin, past a CSV's header
    int m_firstLine = 0;      // the lines before the first record
    int m_line = 0;
    std::int64_t m_next = 0; // the next record's number
    struct Pending {
        DesignRecord record;
        QString fault;
    };
    std::deque<Pending> m_pending; // records read but not yet given
};
