#pragma once

#include "OutputFormat.h"
#include "PrinterProfile.h"

#include <QCommandLineOption>
#include <QList>

#include <optional>

class QCommandLineParser;

// The label printer options of the command line: the CUPS queue, the stored
// profile to print with, and the profile's settings one by one.
QList<QCommandLineOption> PrinterOptionList();

// Whether the command line sends labels to a printer rather than writing
// files: a CUPS queue, or a printer's network port as the output.
bool SendsToPrinter(const QCommandLineParser& parser, const QString& output);

// What the printer options act on: the rest of the command line going in,
// the queue and profile coming out.
struct PrinterSettings {
    QString output;
    bool sheet = false;
    std::optional<OutputFormat> format;
    int dpi = 0;
    int barReduction = 0;
    QString queue;
    PrinterProfile profile;
};

// Takes the printer options into `settings`: the stored profile of --printer
// (or --printer-profile), the command line's settings over it, and --dpi and
// --bar-reduction from the profile where the command line gives none. Stores
// the profile when asked. False, with the reason, for a setting out of range
// or printer options without a printer language.
bool TakePrinterOptions(const QCommandLineParser& parser, PrinterSettings& options, QString* error);
