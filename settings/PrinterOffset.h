#pragma once

#include <QString>

class QSettings;

// How far a printer's page lands from where it is drawn: everything printed
// on it is moved this far right and down (negative: left and up) so that
// labels meet their stock. Each printer keeps its own, in mils.
struct PrinterOffset {
    double x = 0;
    double y = 0;
    // The scale correction a calibration found: positions are multiplied by
    // these before the offset is added (1: the printer draws lengths true).
    double scaleX = 1;
    double scaleY = 1;

    friend bool operator==(const PrinterOffset&, const PrinterOffset&) = default;
};

// No printer is that far off; a larger offset is a typing slip.
inline constexpr double kMaxPrinterOffsetMils = 1000;
// Nor does one draw lengths more than 10 % long or short.
inline constexpr double kMaxPrinterScaleError = 0.1;

// The printer's stored offset and scale; a missing value, one that is no
// number, or one beyond an inch either way (a scale beyond 10 %) reads as 0
// (as 1).
PrinterOffset ReadPrinterOffset(QSettings& store, const QString& printerName);

// Stores the printer's offset and scale, each value held to its bounds.
void WritePrinterOffset(QSettings& store, const QString& printerName, const PrinterOffset& offset);
