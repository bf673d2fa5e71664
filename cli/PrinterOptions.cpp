#include "PrinterOptions.h"

#include "LabelPrinterStore.h"
#include "PrinterLink.h"
#include "SettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>

#include <memory>

namespace {

const QString kPrinter = QStringLiteral("printer");
const QString kProfile = QStringLiteral("printer-profile");
const QString kSave = QStringLiteral("save-printer-profile");
const QString kDarkness = QStringLiteral("darkness");
const QString kSpeed = QStringLiteral("print-speed");
const QString kMediaMode = QStringLiteral("media-mode");
const QString kMediaType = QStringLiteral("media-type");
const QString kHome = QStringLiteral("label-home");

std::optional<int> Whole(const QCommandLineParser& parser, const QString& name, int low, int high,
                         QString* error) {
    bool ok = false;
    const int value = parser.value(name).trimmed().toInt(&ok);
    if (!ok || value < low || value > high) {
        *error = QCoreApplication::translate("PrinterOptions",
                                             "--%1 takes a whole number from %2 to %3, not \"%4\"")
                     .arg(name)
                     .arg(low)
                     .arg(high)
                     .arg(parser.value(name));
        return std::nullopt;
    }
    return value;
}

bool TakeSettings(const QCommandLineParser& parser, PrinterProfile& profile, QString* error) {
    if (parser.isSet(kDarkness)) {
        profile.darkness = Whole(parser, kDarkness, 0, kMaxDarkness, error);
        if (!profile.darkness) {
            return false;
        }
    }
    if (parser.isSet(kSpeed)) {
        profile.speed = Whole(parser, kSpeed, kMinPrintSpeed, kMaxPrintSpeed, error);
        if (!profile.speed) {
            return false;
        }
    }
    if (parser.isSet(kMediaMode)) {
        const std::optional<MediaMode> mode = MediaModeByName(parser.value(kMediaMode));
        if (!mode) {
            *error = QCoreApplication::translate(
                         "PrinterOptions",
                         "--media-mode takes tear-off, peel, cutter or printer, not \"%1\"")
                         .arg(parser.value(kMediaMode));
            return false;
        }
        profile.mediaMode = *mode;
    }
    if (parser.isSet(kMediaType)) {
        const std::optional<MediaType> type = MediaTypeByName(parser.value(kMediaType));
        if (!type) {
            *error =
                QCoreApplication::translate(
                    "PrinterOptions", "--media-type takes direct, transfer or printer, not \"%1\"")
                    .arg(parser.value(kMediaType));
            return false;
        }
        profile.mediaType = *type;
    }
    if (parser.isSet(kHome)) {
        const QStringList parts = parser.value(kHome).split(QLatin1Char(','));
        bool okX = false;
        bool okY = false;
        const int x = parts.value(0).trimmed().toInt(&okX);
        const int y = parts.value(1).trimmed().toInt(&okY);
        if (parts.size() != 2 || !okX || !okY || x < 0 || y < 0 || x > kMaxHomeOffsetDots ||
            y > kMaxHomeOffsetDots) {
            *error = QCoreApplication::translate(
                         "PrinterOptions",
                         "--label-home takes X,Y in dots, each from 0 to %1, not \"%2\"")
                         .arg(kMaxHomeOffsetDots)
                         .arg(parser.value(kHome));
            return false;
        }
        profile.offsetXDots = x;
        profile.offsetYDots = y;
    }
    return true;
}

} // namespace

QList<QCommandLineOption> PrinterOptionList() {
    return {
        {kPrinter,
         QCoreApplication::translate(
             "PrinterOptions",
             "Sends the labels as a raw job to this CUPS queue (with --sheet; ZPL), printed as "
             "the printer's stored profile says."),
         QStringLiteral("queue")},
        {kProfile,
         QCoreApplication::translate(
             "PrinterOptions",
             "Prints as this stored label printer profile says (for socket:// and file "
             "outputs)."),
         QStringLiteral("name")},
        {kSave,
         QCoreApplication::translate(
             "PrinterOptions", "Stores the printer settings given as the profile of --printer or "
                               "--printer-profile.")},
        {kDarkness,
         QCoreApplication::translate("PrinterOptions",
                                     "The printer's darkness, 0 to %1 (default: the printer's).")
             .arg(kMaxDarkness),
         QStringLiteral("n")},
        {kSpeed,
         QCoreApplication::translate(
             "PrinterOptions",
             "The print speed in inches a second, %1 to %2 (default: the printer's).")
             .arg(kMinPrintSpeed)
             .arg(kMaxPrintSpeed),
         QStringLiteral("n")},
        {kMediaMode,
         QCoreApplication::translate(
             "PrinterOptions", "After printing: tear-off, peel, cutter (default: the printer's)."),
         QStringLiteral("mode")},
        {kMediaType,
         QCoreApplication::translate(
             "PrinterOptions", "direct (thermal) or transfer (ribbon) (default: the printer's)."),
         QStringLiteral("type")},
        {kHome,
         QCoreApplication::translate("PrinterOptions",
                                     "Moves the label's image right and down by X,Y dots."),
         QStringLiteral("x,y")},
    };
}

bool SendsToPrinter(const QCommandLineParser& parser, const QString& output) {
    return parser.isSet(kPrinter) || IsSocketOutput(output);
}

bool TakePrinterOptions(const QCommandLineParser& parser, PrinterSettings& options,
                        QString* error) {
    const bool sends = SendsToPrinter(parser, options.output);
    bool any = sends || parser.isSet(kProfile) || parser.isSet(kSave);
    for (const QString& name : {kDarkness, kSpeed, kMediaMode, kMediaType, kHome}) {
        any = any || parser.isSet(name);
    }
    if (!any) {
        options.profile.dpi = options.dpi;
        options.profile.barReduction = options.barReduction;
        // A ZPL file is made for a print head, whatever else it is given.
        const std::optional<OutputFormat> format =
            options.format ? options.format : FormatOfPath(options.output);
        *error = format == OutputFormat::Zpl ? ProfileFault(options.profile) : QString();
        return error->isEmpty();
    }
    if (sends && !options.format) {
        options.format = OutputFormat::Zpl;
    }
    const std::optional<OutputFormat> format =
        options.format ? options.format : FormatOfPath(options.output);
    if (format != OutputFormat::Zpl || !options.sheet) {
        *error = QCoreApplication::translate(
            "PrinterOptions", "label printer options go with --sheet and --format zpl");
        return false;
    }
    if (parser.isSet(kPrinter) && !options.output.isEmpty()) {
        *error = QCoreApplication::translate(
            "PrinterOptions", "--printer sends the labels to a queue: give no --output");
        return false;
    }
    options.queue = parser.value(kPrinter);
    const QString name = parser.isSet(kProfile) ? parser.value(kProfile) : options.queue;
    if (parser.isSet(kSave) && name.isEmpty()) {
        *error = QCoreApplication::translate(
            "PrinterOptions", "--save-printer-profile stores a profile under --printer or "
                              "--printer-profile: give one");
        return false;
    }
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    const std::optional<PrinterProfile> stored = ReadLabelPrinter(*store, name);
    if (parser.isSet(kProfile) && !stored && !parser.isSet(kSave)) {
        *error = QCoreApplication::translate("PrinterOptions",
                                             "there is no stored label printer profile \"%1\"")
                     .arg(name);
        return false;
    }
    PrinterProfile profile = stored.value_or(PrinterProfile{});
    profile.name = name;
    if (!TakeSettings(parser, profile, error)) {
        return false;
    }
    // The command line's resolution and bar reduction over the profile's.
    if (parser.isSet(QStringLiteral("dpi")) || !stored) {
        profile.dpi = options.dpi;
    }
    if (parser.isSet(QStringLiteral("bar-reduction")) || !stored) {
        profile.barReduction = options.barReduction;
    }
    options.dpi = profile.dpi;
    options.barReduction = profile.barReduction;
    if (const QString fault = ProfileFault(profile); !fault.isEmpty()) {
        *error = fault;
        return false;
    }
    if (parser.isSet(kSave)) {
        WriteLabelPrinter(*store, profile);
        store->sync();
        if (store->status() != QSettings::NoError) {
            *error = QCoreApplication::translate("PrinterOptions",
                                                 "the printer profile \"%1\" could not be stored")
                         .arg(name);
            return false;
        }
    }
    options.profile = profile;
    return true;
}
