#pragma once

#include "DesignData.h"

struct PrintLabelsControls;
struct SheetJob;

// The design Print Labels' choices make, to go on with in the designer: its
// stock, one barcode of its symbol carrying the labels' data (the Text
// field's text, the sequence's numbers, a file's lines or a CSV column), and
// the caption as a text object below it; the records from the same source.
DesignerStart SeedDesign(const PrintLabelsControls& ui, const SheetJob& job,
                         const QString& fieldText);

// A literal text as a template gives it back: its braces doubled.
QString LiteralTemplate(const QString& text);
