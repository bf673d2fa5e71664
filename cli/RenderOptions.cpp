#include "RenderOptions.h"

#include "OptionRows.h"

#include "Barcode.h"
#include "Batch.h"
#include "DesignOptions.h"
#include "DeviceMapping.h"
#include "FieldValues.h"
#include "GradeRun.h"
#include "LabelCatalog.h"
#include "LabelSheet.h"
#include "PrinterLink.h"
#include "PrinterOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <utility>

namespace {

// The zoom and the orientation take the values the desktop program's buttons
// step through.
constexpr int kMinTurn = 0;
constexpr int kMaxTurn = 3;

QString SymbologyList() {
    QStringList names;
    for (const SymbologyFacts& facts : Symbologies()) {
        names << QString::fromLatin1(facts.alias.data(),
                                     static_cast<qsizetype>(facts.alias.size()));
    }
    return names.join(QStringLiteral(", "));
}

// An integer option within [low, high]; the reason in error otherwise.
std::optional<int> IntegerOption(const QCommandLineParser& parser, const QString& name, int low,
                                 int high, QString* error) {
    const QString text = parser.value(name);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high) {
        *error = QCoreApplication::translate("RenderOptions",
                                             "--%1 takes a whole number from %2 to %3, not \"%4\"")
                     .arg(name)
                     .arg(low)
                     .arg(high)
                     .arg(text);
        return std::nullopt;
    }
    return value;
}

// The options that take one word of a few, each standing for a value of
// the options: one row each, with the message that names the words.
struct ChoiceOption {
    const char* name;
    std::array<std::pair<const char*, int>, 3> words; // nullptr: no more words
    bool anyCase;                                     // "ON" as well as "on"
    void (*take)(RenderOptions& options, int value);
    const char* refusal; // translated in context "RenderOptions"; %1 is the word given
};

const std::array<ChoiceOption, 4> kChoiceOptions{{
    {"code-sets",
     {{{"auto", static_cast<int>(CodeSetChoice::Shortest)},
       {"typed", static_cast<int>(CodeSetChoice::AsTyped)},
       {nullptr, 0}}},
     false,
     [](RenderOptions& o, int value) { o.codeSets = static_cast<CodeSetChoice>(value); },
     QT_TRANSLATE_NOOP("RenderOptions", "--code-sets takes auto or typed, not \"%1\"")},
    {"bearer-bars",
     {{{"frame", static_cast<int>(BearerBars::Frame)},
       {"top-bottom", static_cast<int>(BearerBars::TopAndBottom)},
       {"none", static_cast<int>(BearerBars::None)}}},
     false,
     [](RenderOptions& o, int value) { o.bearers = static_cast<BearerBars>(value); },
     QT_TRANSLATE_NOOP("RenderOptions",
                       "--bearer-bars takes frame, top-bottom or none, not \"%1\"")},
    {"quiet-zone-marks",
     {{{"on", 1}, {"off", 0}, {nullptr, 0}}},
     true,
     [](RenderOptions& o, int value) { o.quietZoneMarks = value == 1; },
     QT_TRANSLATE_NOOP("RenderOptions", "--quiet-zone-marks takes on or off, not \"%1\"")},
    {"output-paths",
     {{{"below", 0}, {"any", 1}, {nullptr, 0}}},
     true,
     [](RenderOptions& o, int value) { o.anyOutputPaths = value == 1; },
     QT_TRANSLATE_NOOP("RenderOptions", "--output-paths takes below or any, not \"%1\"")},
}};

// Takes an option's word into the options; false, with the reason, for a
// word it does not take.
bool TakeChoice(const ChoiceOption& option, const QString& given, RenderOptions& options,
                QString* error) {
    const QString word = option.anyCase ? given.toLower() : given;
    for (const auto& [name, value] : option.words) {
        if (name != nullptr && word == QLatin1String(name)) {
            option.take(options, value);
            return true;
        }
    }
    *error = QCoreApplication::translate("RenderOptions", option.refusal).arg(word);
    return false;
}

ParsedCommandLine UsageError(const QString& message) {
    ParsedCommandLine parsed;
    parsed.action = CommandAction::UsageError;
    parsed.message = message;
    return parsed;
}

} // namespace

bool IsBeyondAnyOutput(const QString& heightText) {
    return QString(heightText).trimmed().remove(QLatin1Char('+')).toDouble() > kMaxHeightInches;
}

bool IsPositiveLength(const QString& heightText) {
    // The whole text is the number, with a decimal point or comma ("1,5" is
    // 1.5 in: a height has no thousands), rather than a number and something
    // after it.
    static const QRegularExpression wholeNumber(
        QStringLiteral(R"(^\s*\+?(\d+[.,]?\d*|[.,]\d+)([eE][+-]?\d+)?\s*$)"));
    const QRegularExpressionMatch match = wholeNumber.match(heightText);
    if (!match.hasMatch()) {
        return false;
    }
    bool ok = false;
    const double inches = match.captured(0)
                              .trimmed()
                              .remove(QLatin1Char('+'))
                              .replace(QLatin1Char(','), QLatin1Char('.'))
                              .toDouble(&ok);
    // Below one mil the Height field falls back to its default.
    return ok && inches * 1000.0 >= 1.0;
}

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate(
            "RenderOptions",
            "Draws barcodes at true size into BMP, PNG, SVG or PDF files.\n"
            "Symbologies: %1, or their names as the desktop program lists them.\n"
            "Batch and CSV inputs are read as UTF-8; in output patterns {n} is the "
            "entry's number, zero-padded, and {text} its data text made safe for "
            "a file name.\n"
            "With --sheet the symbols are drawn at true size on label stock, one "
            "label each, into one PDF file, or into BMP or PNG pages at --dpi "
            "named with {page}.")
            .arg(SymbologyList()));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("RenderOptions", "Shows this help."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("RenderOptions", "Shows the program's version."));
    const QList<QCommandLineOption> options{help, version};
    parser.addOptions(options);
    parser.addOptions(SymbolOptionRows());
    parser.addOptions(DesignOptionRows());
    parser.addOptions(PrinterOptionList());
    parser.addPositionalArgument(
        QStringLiteral("text"),
        QCoreApplication::translate("RenderOptions", "The data text of a single symbol."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    if (!parser.parse(arguments)) {
        return UsageError(parser.errorText());
    }
    if (parser.isSet(help)) {
        ParsedCommandLine parsed;
        parsed.action = CommandAction::Help;
        parsed.message = parser.helpText();
        return parsed;
    }
    if (parser.isSet(version)) {
        ParsedCommandLine parsed;
        parsed.action = CommandAction::Version;
        return parsed;
    }
    if (parser.isSet(QStringLiteral("list-sheets"))) {
        ParsedCommandLine parsed;
        parsed.action = CommandAction::ListSheets;
        parsed.words = parser.positionalArguments();
        return parsed;
    }

    if (parser.isSet(QStringLiteral("grade"))) {
        return {CommandAction::Grade, {}, {}, {}, parser.value(QStringLiteral("grade"))};
    }

    ParsedCommandLine parsed;
    RenderOptions& o = parsed.options;
    QString error;

    const QStringList texts = parser.positionalArguments();
    const bool batch = parser.isSet(QStringLiteral("batch"));
    const bool csv = parser.isSet(QStringLiteral("csv"));
    const bool design = parser.isSet(QStringLiteral("design"));
    const bool count = parser.isSet(QStringLiteral("count"));
    if (count && !design) {
        return UsageError(QCoreApplication::translate(
            "RenderOptions", "--count is for label designs: give --design"));
    }
    if (design) {
        o.design = parser.value(QStringLiteral("design"));
        if (const QString fault = DesignOptionsFault(parser); !fault.isEmpty()) {
            return UsageError(fault);
        }
        o.mode = InputMode::Sequence;
    } else if (int(batch) + int(csv) + int(!texts.isEmpty()) != 1) {
        return UsageError(texts.size() > 1
                              ? QCoreApplication::translate(
                                    "RenderOptions", "one data text only; quote a text with blanks")
                              : QCoreApplication::translate(
                                    "RenderOptions", "give one data text, --batch or --csv"));
    }
    if (texts.size() > 1) {
        return UsageError(QCoreApplication::translate(
            "RenderOptions", "one data text only; quote a text with blanks"));
    }
    if (count) {
        // --count is read with the other numbers below.
    } else if (batch) {
        o.mode = InputMode::Batch;
        o.input = parser.value(QStringLiteral("batch"));
    } else if (csv) {
        o.mode = InputMode::Csv;
        o.input = parser.value(QStringLiteral("csv"));
    } else {
        o.text = texts.front();
        if (o.text.isEmpty()) {
            return UsageError(
                QCoreApplication::translate("RenderOptions", "the data text is empty"));
        }
    }

    if (parser.isSet(QStringLiteral("symbology"))) {
        const QString name = parser.value(QStringLiteral("symbology"));
        o.symbology = FindSymbology(name.toStdString());
        if (!o.symbology) {
            return UsageError(
                QCoreApplication::translate("RenderOptions", "unknown symbology \"%1\"; known: %2")
                    .arg(name, SymbologyList()));
        }
    } else if (o.mode != InputMode::Csv && !design) {
        return UsageError(QCoreApplication::translate("RenderOptions", "--symbology is missing"));
    }

    o.output = parser.value(QStringLiteral("output"));
    const bool toQueue = parser.isSet(QStringLiteral("printer"));
    if (o.output.isEmpty() && (o.mode != InputMode::Csv || design) && !toQueue) {
        return UsageError(QCoreApplication::translate("RenderOptions", "--output is missing"));
    }
    const bool sheet = parser.isSet(QStringLiteral("sheet"));
    if (!sheet && !design) {
        for (const char* name : {"start-at", "copies", "caption", "outlines"}) {
            if (parser.isSet(QString::fromLatin1(name))) {
                return UsageError(QCoreApplication::translate(
                                      "RenderOptions", "--%1 is for label sheets: give --sheet")
                                      .arg(QString::fromLatin1(name)));
            }
        }
    } else if (sheet) {
        std::string error;
        o.sheet = ParseStock(parser.value(QStringLiteral("sheet")).toStdString(), &error);
        if (!o.sheet) {
            return UsageError(
                QCoreApplication::translate("RenderOptions",
                                            "--sheet: %1; --list-sheets shows the stock there is")
                    .arg(QString::fromStdString(error)));
        }
        if (o.output.isEmpty() && !toQueue) {
            return UsageError(QCoreApplication::translate("RenderOptions", "--output is missing"));
        }
        if (parser.isSet(QStringLiteral("zoom"))) {
            return UsageError(QCoreApplication::translate(
                "RenderOptions", "labels are drawn at true size: --zoom does not go "
                                 "with --sheet"));
        }
    }
    if (!sheet && !design && o.mode != InputMode::Single && !o.output.isEmpty() &&
        !PatternNamesEachEntry(o.output)) {
        return UsageError(QCoreApplication::translate(
            "RenderOptions", "a batch needs {n} or {text} in --output, or every "
                             "line would overwrite the last"));
    }

    if (parser.isSet(QStringLiteral("format"))) {
        o.format = FormatByName(parser.value(QStringLiteral("format")));
        if (!o.format) {
            return UsageError(
                QCoreApplication::translate("RenderOptions", "--format takes %1, not \"%2\"")
                    .arg(FormatNameList(), parser.value(QStringLiteral("format"))));
        }
    } else if (!o.output.isEmpty() && !FormatOfPath(o.output) && !IsSocketOutput(o.output)) {
        return UsageError(
            QCoreApplication::translate("RenderOptions",
                                        "cannot tell the format of \"%1\"; name it %2, or give "
                                        "--format")
                .arg(o.output, FormatNameList(QStringLiteral("."))));
    }

    const struct {
        const char* name;
        int low, high;
        std::optional<int>* target;
    } ranges[] = {
        {"density", kMinDensity, kMaxDensity, &o.density},
        {"ratio", kMinRatio, kMaxRatio, &o.ratio},
        {"addon-gap", kMinAddOnGap, kMaxAddOnGap, &o.addOnGap},
    };
    for (const auto& range : ranges) {
        const QString name = QString::fromLatin1(range.name);
        if (parser.isSet(name)) {
            *range.target = IntegerOption(parser, name, range.low, range.high, &error);
            if (!*range.target) {
                return UsageError(error);
            }
        }
    }
    const struct {
        const char* name;
        int low, high;
        int* target;
    } values[] = {
        {"zoom", kMinZoom, kMaxZoom, &o.zoom},
        {"turn", kMinTurn, kMaxTurn, &o.orientation},
        {"dpi", kMinDpi, kMaxDpi, &o.dpi},
        {"bar-reduction", 0, kMaxBarReductionDots, &o.barReduction},
        {"start-at", 1, 1'000'000, &o.startAt},
        {"copies", 1, kMaxCopies, &o.copies},
        {"jobs", 1, kMaxJobs, &o.jobs},
        {"count", 1, kMaxCount, &o.count},
    };
    for (const auto& value : values) {
        const QString name = QString::fromLatin1(value.name);
        if (parser.isSet(name)) {
            const std::optional<int> number =
                IntegerOption(parser, name, value.low, value.high, &error);
            if (!number) {
                return UsageError(error);
            }
            *value.target = *number;
        }
    }
    for (const ChoiceOption& option : kChoiceOptions) {
        const QString name = QString::fromLatin1(option.name);
        if (parser.isSet(name) && !TakeChoice(option, parser.value(name), o, &error)) {
            return UsageError(error);
        }
    }
    if (parser.isSet(QStringLiteral("height"))) {
        o.heightText = parser.value(QStringLiteral("height"));
        if (!IsPositiveLength(o.heightText)) {
            return UsageError(
                QCoreApplication::translate("RenderOptions",
                                            "--height takes a length in inches above 0, not \"%1\"")
                    .arg(o.heightText));
        }
        if (IsBeyondAnyOutput(o.heightText)) {
            return UsageError(
                QCoreApplication::translate(
                    "RenderOptions",
                    "--height takes at most %1 inches (no output holds more), not \"%2\"")
                    .arg(kMaxHeightInches)
                    .arg(o.heightText));
        }
    }
    o.heightMils = BarLengthFromHeight(o.heightText);
    o.showText = !parser.isSet(QStringLiteral("no-text"));
    o.dropInvalid = parser.isSet(QStringLiteral("drop-invalid"));
    o.zeroFill = parser.isSet(QStringLiteral("zero-fill"));
    o.verify = parser.isSet(QStringLiteral("verify"));
    if (!TakeGradePrint(parser, o.verify, o.gradePrintGain, &error)) {
        return UsageError(error);
    }
    o.caption = parser.value(QStringLiteral("caption"));
    o.outlines = parser.isSet(QStringLiteral("outlines"));
    // A design's labels go to a printer as a sheet's do.
    PrinterSettings printer{
        o.output, o.sheet.has_value() || !o.design.isEmpty(), o.format, o.dpi, o.barReduction, {},
        {}};
    if (!TakePrinterOptions(parser, printer, &error)) {
        return UsageError(error);
    }
    o.format = printer.format;
    o.dpi = printer.dpi;
    o.barReduction = printer.barReduction;
    o.printerQueue = printer.queue;
    o.printer = printer.profile;
    parsed.action = CommandAction::Render;
    return parsed;
}
