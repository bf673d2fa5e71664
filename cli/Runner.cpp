#include "Runner.h"

#include "BarcodeSettings.h"
#include "Batch.h"
#include "FieldValues.h"
#include "FileCommit.h"
#include "InputRule.h"
#include "Inputs.h"
#include "Placement.h"
#include "Progress.h"
#include "ScanCheck.h"
#include "SheetRun.h"
#include "StandardsAdvice.h"
#include "SymbolRender.h"

#include <QDir>
#include <QSet>
#include <QSettings>

#include <cmath>
#include <set>

namespace {

// The achieved narrow element is reported when it is off by more than this.
constexpr double kModuleTolerance = 0.10;

class CRun {
public:
    // Every symbol of the run is built with the same widths.
    CRun(const RenderOptions& options, const BarWidths& widths, std::FILE* errors)
        : m_options(options), m_widths(widths), m_errors(errors) {}

    int Run() {
        QList<Entry> entries;
        if (m_options.mode == InputMode::Single) {
            entries.append({0, 1, m_options.text, {}, {}, {}, {}, {}});
        } else {
            QString error;
            QList<int> notUtf8;
            const QString input = ReadInput(m_options.input, &error, &notUtf8);
            QStringList notes;
            if (error.isEmpty()) {
                entries = m_options.mode == InputMode::Batch ? BatchEntries(input)
                                                             : CsvEntries(input, &error, &notes);
            }
            // Such a line's text holds U+FFFD, which its bytes do not: it is
            // refused for what it is, not for a character it does not hold.
            const QSet<int> badLines(notUtf8.cbegin(), notUtf8.cend());
            for (Entry& entry : entries) {
                if (entry.error.isEmpty() && badLines.contains(entry.line)) {
                    entry.error = QStringLiteral("bytes that are not UTF-8");
                }
            }
            for (const QString& note : std::as_const(notes)) {
                Report(0, QStringLiteral("note: ") + note);
            }
            if (!error.isEmpty()) {
                Report(0, error);
                return kExitUsage;
            }
        }
        if (!m_options.sheet.isEmpty()) {
            return RunSheet(m_options, m_widths, entries, m_errors);
        }
        int largest = 0;
        for (const Entry& entry : std::as_const(entries)) {
            largest = std::max(largest, entry.number);
        }
        CProgress progress(m_errors, entries.size());
        m_progress = &progress;
        qsizetype done = 0;
        for (const Entry& entry : std::as_const(entries)) {
            WriteEntry(entry, largest);
            progress.Update(++done, m_failures);
        }
        QString error;
        if (!m_committer.Sync(&error)) {
            Report(0, error);
            m_failed = true;
        }
        progress.Clear();
        m_progress = nullptr;
        if (m_options.mode == InputMode::Single && m_refused) {
            return kExitUsage;
        }
        return m_failed ? kExitSomeFailed : kExitSuccess;
    }

private:
    void Report(int line, const QString& message) {
        if (m_progress != nullptr) {
            m_progress->Clear();
        }
        const QString text =
            line > 0 ? QStringLiteral("quillmark-render: line %1: %2\n").arg(line).arg(message)
                     : QStringLiteral("quillmark-render: %1\n").arg(message);
        std::fputs(text.toLocal8Bit().constData(), m_errors);
    }

    void Fail(const Entry& entry, const QString& message) {
        Report(entry.line, message);
        m_failed = true;
        ++m_failures;
    }

    void WriteEntry(const Entry& entry, int largest) {
        if (!entry.error.isEmpty()) {
            Fail(entry, entry.error);
            return;
        }
        RenderRequest request;
        request.widths = m_widths;
        if (!entry.symbology.isEmpty()) {
            const std::optional<SymbologyId> id = FindSymbology(entry.symbology.toStdString());
            if (!id) {
                Fail(entry, QStringLiteral("unknown symbology \"%1\"").arg(entry.symbology));
                return;
            }
            request.symbology = *id;
        } else if (m_options.symbology) {
            request.symbology = *m_options.symbology;
        } else {
            Fail(entry, QStringLiteral("no symbology: give a symbology column or --symbology"));
            return;
        }
        request.heightMils = m_options.heightMils;
        if (!entry.height.isEmpty()) {
            if (!IsPositiveLength(entry.height)) {
                Fail(entry, QStringLiteral("height \"%1\" is no length in inches above 0")
                                .arg(entry.height));
                return;
            }
            request.heightMils = BarLengthFromHeight(entry.height);
        }
        const QString pattern = entry.output.isEmpty() ? m_options.output : entry.output;
        if (pattern.isEmpty()) {
            Fail(entry, QStringLiteral("no output: give an output column or --output"));
            return;
        }
        const QString path = m_options.mode == InputMode::Single
                                 ? pattern
                                 : ExpandOutputPattern(pattern, entry.number, largest, entry.text);
        const std::optional<OutputFormat> format =
            m_options.format ? m_options.format : FormatOfPath(path);
        if (!format) {
            Fail(entry, QStringLiteral("cannot tell the format of \"%1\"; name it .bmp, .png, "
                                       ".svg or .pdf, or give --format")
                            .arg(path));
            return;
        }
        request.format = *format;
        const CGivenWidths given(m_widths); // the run's code-set choice decides what encodes
        const CheckedText checked = CheckText(request.symbology, entry.text, m_options.dropInvalid);
        if (checked.refusal) {
            m_refused = true;
            Fail(entry, checked.refusal->reason);
            return;
        }
        request.text = checked.engineText;
        request.showText = m_options.showText;
        request.orientation = m_options.orientation;
        request.zoom = m_options.zoom;
        request.dpiX = m_options.dpi;
        request.dpiY = m_options.dpi;
        request.barReduction = m_options.barReduction;

        // Two entries of a batch must never write one file: the later would
        // silently replace the earlier.
        const QString key = QDir::cleanPath(m_workingFolder.absoluteFilePath(path));
        if (m_written.contains(key)) {
            Fail(entry, QStringLiteral("%1 is written by an earlier line already").arg(path));
            return;
        }
        const RenderResult symbol = RenderSymbol(request);
        if (!symbol.error.isEmpty()) {
            Fail(entry, symbol.error);
            return;
        }
        NoteAchievedModule(symbol);
        QString error;
        QString note;
        const bool written = m_committer.Write(path, symbol.bytes, &error, &note);
        if (!note.isEmpty()) {
            Report(entry.line, QStringLiteral("note: ") + note);
        }
        if (!written) {
            Fail(entry, error);
            return;
        }
        m_written.insert(key);
        if (m_options.verify) {
            Verify(entry, request);
            AdviseOnStandard(entry, request, symbol);
        }
    }

    // The symbol read back at the output's resolution (the printer's for a
    // vector file): an entry that does not scan as its label fails, its file
    // kept for a look.
    void Verify(const Entry& entry, const RenderRequest& request) {
        const ScanResult result = CheckScan(MakeScanJob(request));
        if (result.verdict == ScanVerdict::NotChecked) {
            Fail(entry, QStringLiteral("cannot be read back: the symbol is too large for a "
                                       "bitmap at %1 dpi (at most %2 pixels a side)")
                            .arg(request.dpiX)
                            .arg(kMaxBitmapSide));
        } else if (result.verdict != ScanVerdict::Scans) {
            Fail(entry, ScanStatusText(result));
        }
    }

    // A symbology with published ranges (the EAN/UPC family, ITF-14, GS1-128):
    // a note when the symbol as written falls outside them.
    void AdviseOnStandard(const Entry& entry, const RenderRequest& request,
                          const RenderResult& symbol) {
        if (symbol.module <= 0 || PublishedRange(request.symbology) == nullptr) {
            return;
        }
        const Encoding encoding =
            CreateBarcode(request.symbology, request.text, request.widths)->Encode();
        const double achieved = IsRaster(request.format) ? symbol.achievedModule : symbol.module;
        const double scale = achieved / symbol.module * request.zoom;
        bool meets = true;
        const QString advice = StandardsAdvice(
            {request.symbology, achieved * request.zoom,
             static_cast<double>(BarLengthOf(request.symbology, request.heightMils)) * request.zoom,
             CellMarginAlong(encoding) * scale},
            &meets);
        if (!meets) {
            Report(entry.line, QStringLiteral("note: ") + advice);
        }
    }

    // The device grid makes the narrow element whole dots; says so once per
    // module when that is far from the Density asked for.
    void NoteAchievedModule(const RenderResult& symbol) {
        if (symbol.module <= 0 || m_noted.contains(symbol.module)) {
            return;
        }
        m_noted.insert(symbol.module);
        if (std::abs(symbol.achievedModule - symbol.module) > kModuleTolerance * symbol.module) {
            Report(0, QStringLiteral("note: at %1 dpi the narrow element is %2 mils, not %3 "
                                     "(a whole number of dots)")
                          .arg(m_options.dpi * m_options.zoom)
                          .arg(symbol.achievedModule, 0, 'f', 2)
                          .arg(symbol.module));
        }
    }

    const RenderOptions& m_options;
    const BarWidths m_widths;
    std::FILE* m_errors;
    CFileCommitter m_committer;
    CProgress* m_progress = nullptr;
    QSet<QString> m_written;
    // Relative output paths are resolved against it, looked up once per run.
    const QDir m_workingFolder = QDir::current();
    QSet<std::int32_t> m_noted;
    bool m_failed = false;
    qsizetype m_failures = 0; // entries that failed
    bool m_refused = false;
};

} // namespace

BarWidths ResolveWidthSettings(const RenderOptions& options) {
    BarWidths widths{options.density.value_or(0), options.ratio.value_or(0),
                     options.codeSets.value_or(CodeSetChoice::AsTyped),
                     options.bearers.value_or(BearerBars::Frame),
                     options.quietZoneMarks.value_or(false)};
    if (!options.density || !options.ratio || !options.codeSets || !options.bearers ||
        !options.quietZoneMarks) {
        const std::unique_ptr<QSettings> store = OpenSettingsStore();
        const BarWidths stored = ReadBarcodeSettings(*store);
        widths.density = options.density.value_or(stored.density);
        widths.ratio = options.ratio.value_or(stored.ratio);
        widths.codeSets = options.codeSets.value_or(stored.codeSets);
        widths.bearers = options.bearers.value_or(stored.bearers);
        widths.quietZoneMarks = options.quietZoneMarks.value_or(stored.quietZoneMarks);
    }
    return widths;
}

int RunRender(const RenderOptions& options, std::FILE* errors) {
    if (!options.density || !options.ratio) {
        if (const QString irregular = IrregularStoreFile(); !irregular.isEmpty()) {
            std::fprintf(errors,
                         "quillmark-render: note: %s is not a plain file and is not read; the "
                         "default Density and Ratio are used\n",
                         irregular.toLocal8Bit().constData());
        }
    }
    // The settings store is read once for the whole run.
    return CRun(options, ResolveWidthSettings(options), errors).Run();
}
