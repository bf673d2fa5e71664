#pragma once

#include "OptionRows.h"
#include "OutputFormat.h"
#include "PrinterProfile.h"
#include "SheetLayout.h"
#include "Symbologies.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The exit statuses of the tool.
enum ExitStatus : int {
    kExitSuccess = 0,    // every symbol written
    kExitSomeFailed = 1, // a line of a batch failed, or a file could not be written
    kExitUsage = 2,      // the command line itself is wrong; nothing written
};

// Where the data texts come from.
enum class InputMode {
    Single,   // one text on the command line
    Batch,    // one text per line of a file or of standard input
    Csv,      // one record per row of a CSV file with a header row
    Sequence, // a design's labels numbered by {n}, as many as --count asks
};

// Everything the command line asks for, checked.
struct RenderOptions {
    InputMode mode = InputMode::Single;
    QString text;   // Single
    QString input;  // Batch or Csv: a path, or "-" for standard input
    QString output; // a path, or a pattern with {n} and {text}
    // A CSV output column may name any path, not only one below the current
    // folder (a CSV from elsewhere could otherwise replace any file).
    bool anyOutputPaths = false;
    std::optional<SymbologyId> symbology;
    std::optional<OutputFormat> format;    // --format; otherwise from each output's extension
    std::optional<int> density;            // mils; the settings' Density when absent
    std::optional<int> ratio;              // the settings' Ratio when absent
    std::optional<CodeSetChoice> codeSets; // the settings' choice when absent
    std::optional<BearerBars> bearers;     // the settings' choice when absent
    QString heightText = QStringLiteral("0.75");
    std::int32_t heightMils = 750;
    int zoom = 1;
    int orientation = 0;
    bool showText = true;
    int dpi = 300;
    int barReduction = 0;               // dots off every bar of a raster output
    std::optional<bool> quietZoneMarks; // the settings' when absent
    std::optional<int> addOnGap;        // modules before an add-on; the settings' when absent
    bool dropInvalid = false;
    bool zeroFill = false; // fill a short EAN or UPC number with zeros
    bool verify = false;   // read every output back as a scanner would
    // With verify: the planned print's grade for bars spread by this many mils.
    std::optional<double> gradePrintGain;
    int jobs = 0; // symbols drawn at once; 0: one per core
    // Label sheets: the layout as given (a built-in name or a custom one),
    // parsed once; nothing for one file per symbol.
    std::optional<SheetLayout> sheet;
    int startAt = 1;
    int copies = 1;
    QString caption; // above every label, unless a CSV caption column gives one
    bool outlines = false;
    // Label designs: the design file, and the labels of a sequence.
    QString design;
    int count = 0;
    // Label printers: the CUPS queue a raw job goes to (--printer), and how
    // the printer prints (its stored profile, with the command line's
    // settings over it; its resolution is --dpi).
    QString printerQueue;
    PrinterProfile printer;
};

// What the command line asks the program to do.
enum class CommandAction { Render, Help, Version, ListSheets, Grade, UsageError };

struct ParsedCommandLine {
    CommandAction action = CommandAction::UsageError;
    RenderOptions options;
    QString message;    // UsageError: the one-line reason; Help: the help text
    QStringList words;  // ListSheets: the words the stock listed must hold
    QString gradeImage; // Grade: the image file whose symbol is graded
};

// Parses the arguments (the program's name first). Every value is checked
// here, so that a bad one stops the run before any file is written.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// Whether a Height text starts with a length above 0 (the Height field would
// take the default length for anything else).
bool IsPositiveLength(const QString& heightText);
// The tallest bars any output holds, in inches (its largest page).
inline constexpr int kMaxHeightInches = 200;
// Whether a length IsPositiveLength took is taller than any output holds.
bool IsBeyondAnyOutput(const QString& heightText);
