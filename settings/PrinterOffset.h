#pragma once

#include <QString>

class QSettings;

// How far a printer's page lands from where it is drawn: everything printed
// on it is moved this far right and down (negative: left and up) so that
// labels meet their stock. Each printer keeps its own, in mils.
struct PrinterOffset {
    double x = 0;
    double y = 0;

    friend bool operator==(const PrinterOffset&, const PrinterOffset&) = default;
};

// No printer is that far off; a larger offset is a typing slip.
inline constexpr double kMaxPrinterOffsetMils = 1000;

// The printer's stored offset; a missing value, one that is no number, or one
// beyond an inch either way reads as 0.
PrinterOffset ReadPrinterOffset(QSettings& store, const QString& printerName);

// Stores the printer's offset, each value held to an inch either way.
void WritePrinterOffset(QSettings& store, const QString& printerName, const PrinterOffset& offset);
