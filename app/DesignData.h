#pragma once

#include "LabelDesign.h"

#include <QString>
#include <QStringList>

#include <vector>

// Where a designed run's records come from in the designer: a numbered
// sequence, the lines of a file (one column, "text") or the records of a CSV
// file after its header row, whose columns become the design's fields.
enum class DesignSourceKind { Sequence, Lines, Csv };

struct DesignData {
    QStringList columns;
    std::vector<DesignRecord> records;
    QString error; // why the source gives no records; empty when it does
};

// The records of the source: `count` numbers for a sequence, else those of
// the file at `path` (read whole). A file that cannot be read, is no UTF-8
// or holds a malformed record sets error, naming the file and the line.
DesignData LoadDesignData(DesignSourceKind kind, const QString& path, int count);

// What a designer window starts with: the design, the file it was read from
// (empty: none yet) and where the records come from.
struct DesignerStart {
    LabelDesign design;
    QString path;
    DesignSourceKind source = DesignSourceKind::Sequence;
    QString dataFile;
    int count = 1;
};
