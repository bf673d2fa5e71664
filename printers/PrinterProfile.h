#pragma once

#include <QString>

#include <optional>

// The languages a label printer is sent. Each is one row of the output
// format table; further ones (EPL2, TSPL) join as rows of their own.
enum class PrinterLanguage { Zpl };

// What the printer does with a label once printed.
enum class MediaMode {
    Printer, // as the printer is set up: nothing sent
    TearOff,
    Peel,
    Cutter,
};

// How the printer makes its marks.
enum class MediaType {
    Printer, // as the printer is set up: nothing sent
    DirectThermal,
    ThermalTransfer,
};

// One label printer as the user set it up: how to talk to it and how it
// prints. Every setting the user left alone is not sent, so that the
// printer's own setup stands.
struct PrinterProfile {
    QString name; // the CUPS queue, or the user's name for a network printer
    PrinterLanguage language = PrinterLanguage::Zpl;
    int dpi = 203;               // the print head's dots per inch: 203, 300 or 600
    std::optional<int> darkness; // 0 to 30
    std::optional<int> speed;    // inches per second, 1 to 14
    MediaMode mediaMode = MediaMode::Printer;
    MediaType mediaType = MediaType::Printer;
    int offsetXDots = 0;  // the label home: right of the printer's own
    int offsetYDots = 0;  // and down from it
    int barReduction = 0; // dots taken off every bar, for ink spread
};

inline constexpr int kMaxDarkness = 30;
inline constexpr int kMinPrintSpeed = 1;
inline constexpr int kMaxPrintSpeed = 14;
inline constexpr int kMaxProfileBarReduction = 8;
// The furthest the label home moves, in dots (it moves right and down only).
inline constexpr int kMaxHomeOffsetDots = 32000;

// The print head resolutions a label printer has.
bool IsPrintHeadDpi(int dpi);

// Why the profile cannot be used (a resolution no print head has, a darkness
// or speed out of range), or an empty text.
QString ProfileFault(const PrinterProfile& profile);

// The names of media modes and types as the command line and the settings
// give them ("tear-off", "peel", "cutter"; "direct", "transfer"), and back.
QString MediaModeName(MediaMode mode);
std::optional<MediaMode> MediaModeByName(const QString& name);
QString MediaTypeName(MediaType type);
std::optional<MediaType> MediaTypeByName(const QString& name);
