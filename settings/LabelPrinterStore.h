#pragma once

#include "PrinterProfile.h"

#include <QString>

#include <optional>

class QSettings;

// The label printer profile stored under a printer's name; nothing when none
// is. A stored value that is missing or out of range reads as unset, so that
// the printer's own setup stands for it.
std::optional<PrinterProfile> ReadLabelPrinter(QSettings& store, const QString& name);

// Stores the profile under its name, replacing the one there.
void WriteLabelPrinter(QSettings& store, const PrinterProfile& profile);
