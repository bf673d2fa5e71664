#pragma once

#include "Symbologies.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

// The most labels one run takes, copies included: a bound on what a mistyped
// count can ask for, far beyond any real job.
inline constexpr std::int64_t kMaxSheetLabels = 1'000'000;

// A run of numbered labels: prefix, the number zero-padded to `width` digits,
// suffix; `count` of them from `first`, `step` apart.
struct LabelSequence {
    QString prefix;
    std::int64_t first = 1;
    std::int64_t step = 1;
    int count = 1;
    int width = 0;
    QString suffix;
};

// One label's data as given, before it is checked against the symbology.
struct LabelText {
    int line = 0; // its line (or record) in the input, or its place in the sequence, from 1
    QString text;
    QString caption;
};

// The sequence's texts, or nothing with *error set when the count is out of
// range or a number would overflow.
QList<LabelText> SequenceLabels(const LabelSequence& sequence, QString* error);

// One label per non-blank line of a text (LF or CRLF line ends), the same
// caption on each.
QList<LabelText> LineLabels(const QString& input, const QString& caption = {});

// The header row's column names of a CSV text.
QStringList CsvColumns(const QString& input);

// One label per record of a CSV text with a header row: the text from the
// column named textColumn, the caption from captionColumn (none when empty).
// A column that is not in the header, or a malformed record, sets *error
// (naming the column, or the record's line) and gives nothing.
QList<LabelText> CsvLabels(const QString& input, const QString& textColumn,
                           const QString& captionColumn, QString* error);

// A label ready to draw: the engine's 8-bit text (check characters are the
// symbology's own, added when the symbol is built).
struct SheetLabel {
    int line = 0;
    std::string text;
    QString caption;
};

struct CheckedLabels {
    std::vector<SheetLabel> labels;
    // Why each refused one cannot be drawn: "line 4: ..." naming the character
    // and its position. Nothing is printed while this holds anything.
    QStringList refused;
};

// Checks every label's text against the symbology as the Text field does
// (without dropping anything): the labels that can be drawn, and the
// reasons for those that cannot.
CheckedLabels CheckLabels(SymbologyId symbology, const QList<LabelText>& texts,
                          CodeSetChoice codeSets);
