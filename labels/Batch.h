#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One data text of a batch and where it came from.
struct BatchLine {
    int line = 0; // the line of the input it starts on, from 1
    QString text;
};

// The lines of a batch input: one data text per line, with LF or CRLF line
// ends; blank lines are skipped (their numbers still count).
QList<BatchLine> SplitBatchLines(const QString& input);

// One record of a CSV input.
struct CsvRecord {
    int line = 0;       // the line it starts on, from 1
    QStringList fields; // unquoted
    QString error;      // a malformed record: why (fields then incomplete)
};

// Splits CSV text into records as RFC 4180 describes: fields separated by
// commas, records by line ends (CRLF or LF), a field in double quotes may hold
// commas, line ends and doubled quotes. Blank lines are skipped.
QList<CsvRecord> ParseCsv(const QString& input);

// The output name of one batch entry: the pattern with every "{n}" replaced by
// the entry's number, zero-padded to the digits of the largest number, and
// every "{text}" by the text made safe for a file name (SafeFileName).
QString ExpandOutputPattern(const QString& pattern, int number, int largestNumber,
                            const QString& text);

// A text as one file name component: path separators, characters that
// common file systems refuse, and control characters become "_"; leading dots
// and trailing dots or blanks too (no hidden or special names); the result is
// cut to a length every file system takes, and an empty text becomes "_".
QString SafeFileName(const QString& text);

// Whether a pattern makes each entry's name its own ("{n}" or "{text}").
bool PatternNamesEachEntry(const QString& pattern);
