#pragma once

#include "LabelSheet.h"

#include <QImage>
#include <QStringList>

// Reads every label of a rendered page back as a scanner would and compares
// it with what its label says: one message per label that does not scan as
// it should, naming its line, page and place.
QStringList VerifySheetPage(const SheetJob& job, int page, const QImage& image);
