#pragma once

#include "DesignJob.h"

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

// The designer's Print, Print Preview and Export PDF: every label of the run
// on the design's stock, printed as Print Labels prints its sheets.

// The run when every record prints as designed; else nothing, with *why
// saying what keeps it from printing: the design's own faults (`faults`),
// no records (`dataError`), or the first records that do not fit.
std::optional<DesignJob> PrintableDesignJob(const DesignJob& job, const QStringList& faults,
                                            const QString& dataError, QString* why);

// Asks for the printer and the pages, then prints them with the printer's
// offset; false, with *error, when printing failed (not when cancelled).
bool PrintDesignJob(QPrinter& printer, DesignJob job, QWidget* parent, QString* error);

// Shows every sheet in a print preview.
void PreviewDesignJob(QPrinter& printer, const DesignJob& job, QWidget* parent);

// Asks where to export the PDF, next to the design file when there is one;
// empty when cancelled.
QString AskPdfPath(QWidget* parent, const QString& designPath);
