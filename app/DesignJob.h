#pragma once

#include "DesignLayout.h"
#include "DesignPage.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// A designed run as the designer prints it: the design made ready for the
// data's columns, the records, and where their labels go on the stock.
struct DesignJob {
    const CDesignRun* run = nullptr;
    const std::vector<DesignRecord>* records = nullptr;
    DesignPages pages;
};

// The faults of every record that cannot be laid out as designed, each
// naming the record and the object; at most `most` of them, then a count.
QStringList CheckDesignJob(const DesignJob& job, int most);

// Page `page` (from 0) of the run as a 1-bit image at the resolution.
QImage DesignJobPage(const DesignJob& job, std::int64_t page, int dpi);

// The whole run as one PDF file with its texts as real text; the file is
// replaced only once it is written whole. False with *error naming the cause.
bool ExportDesignPdf(const DesignJob& job, const QString& path, QString* error);
