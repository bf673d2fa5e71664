#pragma once

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// One symbol of the run, however it was given.
struct Entry {
    int line = 0;   // where it came from (0: the command line)
    int number = 0; // {n}
    QString text;
    QString symbology; // empty: the --symbology option
    QString height;    // empty: the --height option
    QString output;    // empty: the --output pattern
    QString error;     // a malformed input record
    QString caption;   // label sheets: the line above the symbol (empty: --caption)
};

// The whole text of a file, or of standard input for "-", read as UTF-8 with
// a byte order mark dropped; on failure empty, with *error set. The numbers
// of the lines holding bytes that are no UTF-8 go to *notUtf8 (their text
// holds U+FFFD there, which the input does not).
QString ReadInput(const QString& path, QString* error, QList<int>* notUtf8);

// The numbers (from 1) of the lines of bytes that are no valid UTF-8.
QList<int> LinesNotUtf8(const QByteArray& bytes);

// One entry per data line of a batch input, numbered by its line.
QList<Entry> BatchEntries(const QString& input);

// A batch input to be read twice: a regular file itself, anything else
// (standard input, a FIFO, a device) read whole into memory first; null on
// failure, with *error set.
std::unique_ptr<QIODevice> OpenBatchInput(const QString& path, QString* error);

// The entries of a batch input one at a time, without a list of them all: the
// input is read once to count them and again entry by entry, so a batch file
// of any length holds one line in memory. Lines decode as ReadInput's do; a
// line of bytes that are no UTF-8 comes with its error set.
class CBatchEntries {
public:
    explicit CBatchEntries(QIODevice& input);
    qsizetype Count() const { return m_count; }
    int LastLine() const { return m_lastLine; } // the largest {n}
    // The next entry; false after the last.
    bool Next(Entry& entry);

private:
    QIODevice& m_input;
    int m_line = 0;
    qsizetype m_count = 0;
    int m_lastLine = 0;
};

// One entry per record of a CSV input, its columns named by the header row
// ("text" required; "symbology", "height", "output" and "caption" optional) and numbered
// from 1. Without a header or a "text" column, or with a column named twice:
// empty, with *error set. A column of any other name is not used, and said so
// in *notes.
QList<Entry> CsvEntries(const QString& input, QString* error, QStringList* notes);
