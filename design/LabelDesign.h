#pragma once

#include "Symbologies.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// A label design: what one label of a run carries, placed in the label, with
// merge fields filled in from each record. Lengths are in the design's own
// unit (inches or millimetres) as its file gives them, so that a design read
// and written again is the same; LayOut works in mils.

enum class DesignUnit { Inch, Millimetre };

// Mils in one of the unit.
double MilsPer(DesignUnit unit);

// A box in the label, its top-left corner from the label's top-left, y down.
struct DesignBox {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const DesignBox&, const DesignBox&) = default;
};

enum class ObjectKind { Barcode, Text, Line, Rectangle };

enum class TextAlign { Left, Centre, Right };

struct DesignObject {
    ObjectKind kind = ObjectKind::Text;
    QString name; // how messages name it; empty: its place, "object 2"
    DesignBox box;
    // Barcode: the symbology, the data template, the bar height in the unit
    // (0: the bars fill the box), the text shown, quarter turns counter-
    // clockwise, and the narrow element and ratio in mils.
    SymbologyId symbology = SymbologyId::Code128;
    QString data;
    double barHeight = 0;
    bool showText = true;
    int turn = 0;
    int density = 10;
    int ratio = 3;
    // Text: the template, the font, its size in points, and the least size
    // shrinking to fit may lower it to (0: it never shrinks).
    QString text;
    QString font = QStringLiteral("DejaVu Sans");
    double size = 10;
    double minSize = 0;
    bool bold = false;
    bool italic = false;
    TextAlign align = TextAlign::Left;
    bool wrap = false;
    // Line and rectangle: the stroke in points; a rectangle may be filled.
    double stroke = 0.5;
    bool fill = false;
    friend bool operator==(const DesignObject&, const DesignObject&) = default;
};

// The numbers {n} takes: the first label's, the step to the next, and the
// digits it is padded to with zeros (0: none).
struct DesignSequence {
    std::int64_t start = 1;
    std::int64_t step = 1;
    int digits = 0;
    friend bool operator==(const DesignSequence&, const DesignSequence&) = default;
};

struct LabelDesign {
    QString stock; // a built-in stock name or a custom layout (see ParseSheetLayout)
    DesignUnit unit = DesignUnit::Inch;
    DesignSequence sequence;
    std::vector<DesignObject> objects;
    friend bool operator==(const LabelDesign&, const LabelDesign&) = default;
};

// How messages name an object: its name in quotes, or its place from 1.
QString ObjectName(const DesignObject& object, std::size_t index);

// A template cut into literal text and fields: {column}, {n}, {date} or
// {date:FORMAT} (Qt's date format, yyyy-MM-dd when none); "{{" and "}}" are
// braces themselves. {n:START,STEP,DIGITS} numbers on its own, each part
// left out (or empty) taken from the design's sequence: {n:1000},
// {n:,10}, {n:1,1,6}.
struct TemplatePart {
    enum class Kind { Literal, Column, Number, Date };
    Kind kind = Kind::Literal;
    QString text;    // Literal: the text; Column: the column's name; Date: the format
    int column = -1; // Column: its index among the data's columns, once bound
    // Number: what the field sets of the design's sequence.
    std::optional<std::int64_t> start;
    std::optional<std::int64_t> step;
    std::optional<int> digits;
};

// The bounds of a sequence's start and step, and of its padding.
inline constexpr std::int64_t kMaxSequence = 1'000'000'000'000;
inline constexpr int kMaxSequenceDigits = 18;
using FieldTemplate = std::vector<TemplatePart>;

// The template's parts, or nothing with *error naming the fault (a brace left
// open, a field with no name).
std::optional<FieldTemplate> ParseTemplate(const QString& text, QString* error);

// Binds every column field to its index among `columns`; false, with *error
// naming the first field no column has, and the columns there are.
bool BindTemplate(FieldTemplate& fields, const QStringList& columns, QString* error);

// One record of the data: its place in the run (from 0), the line it starts
// on (0 for a sequence) and its values, one per column.
struct DesignRecord {
    std::int64_t index = 0;
    int line = 0;
    QStringList values;
};

// The number {n} gives the record (held within the 64-bit range however
// long the run).
QString SequenceNumber(const DesignSequence& sequence, std::int64_t index);

// The template filled in for one record; a column the record lacks gives "".
QString ExpandTemplate(const FieldTemplate& fields, const DesignRecord& record,
                       const DesignSequence& sequence, const QDate& today);
