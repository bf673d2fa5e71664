#include "Runner.h"

#include "BarcodeSettings.h"
#include "Batch.h"
#include "DesignRun.h"
#include "FieldValues.h"
#include "FileCommit.h"
#include "InputRule.h"
#include "Inputs.h"
#include "OrderedPool.h"
#include "Placement.h"
#include "PlannedGrade.h"
#include "Progress.h"
#include "ScanCheck.h"
#include "SheetRun.h"
#include "StandardsAdvice.h"
#include "SymbolRender.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <QSettings>
#include <QThread>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The achieved narrow element is reported when it is off by more than this.
constexpr double kModuleTolerance = 0.10;

// Whether a path from the data stays below the current folder: relative, never climbing with "..".
bool StaysBelow(const QString& path) {
    return !QDir::isAbsolutePath(path) &&
           !path.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

// What one entry says and how it ended, kept until the entries before it have
// been reported: entries drawn at once are reported in input order.
struct Outcome {
    struct Message {
        int line = 0;
        QString text;
        bool moduleNote = false; // here the achieved module is noted, if first
    };
    std::vector<Message> messages;
    qsizetype failures = 0;
    bool refused = false;
    bool written = false;
    bool needsFonts = false; // drawn without fonts, it lacks a label
    std::int32_t module = 0;
    double achievedModule = 0;
};

// An entry checked and named, ready to be drawn and written.
struct Job {
    int line = 0;
    RenderRequest request;
    QString path;
    QString key;               // the path as one file, for telling two entries' files apart
    bool afterEarlier = false; // an earlier entry names the same file: waits for its end
};

// One entry on its way: drawn by a worker, or by the run itself in turn.
struct Slot {
    std::optional<Job> job;
    Outcome outcome;
};

// Entries handed to the workers but not yet reported, per worker: enough to
// keep every worker busy while the run reports, few enough to hold no batch.
constexpr qsizetype kQueuedPerWorker = 8;

class CRun {
public:
    // Every symbol of the run is built with the same widths.
    CRun(const RenderOptions& options, const BarWidths& widths, const LabelSource& labels,
         std::FILE* errors)
        : m_options(options), m_widths(widths), m_labels(labels), m_errors(errors) {}

    CRun(const CRun&) = delete;
    CRun& operator=(const CRun&) = delete;

    int Run() {
        QList<Entry> entries;
        QString input;
        // A batch drawn symbol by symbol is read an entry at a time: a batch
        // file of any length holds the line being read and the entries in flight.
        std::unique_ptr<QIODevice> batchInput;
        std::optional<CBatchEntries> batch;
        QSet<int> badLines;
        if (m_options.mode == InputMode::Single) {
            entries.append({0, 1, m_options.text, {}, {}, {}, {}, {}});
        } else {
            QString error;
            QList<int> notUtf8;
            QStringList notes;
            if (m_options.mode == InputMode::Batch && !m_options.sheet) {
                batchInput = OpenBatchInput(m_options.input, &error);
                if (batchInput) {
                    batch.emplace(*batchInput);
                }
            } else {
                input = ReadInput(m_options.input, &error, &notUtf8);
                if (error.isEmpty()) {
                    entries = m_options.mode == InputMode::Csv ? CsvEntries(input, &error, &notes)
                                                               : BatchEntries(input);
                }
            }
            // Such a line's text holds U+FFFD, which its bytes do not: it is
            // refused for what it is, not for a character it does not hold.
            badLines = QSet<int>(notUtf8.cbegin(), notUtf8.cend());
            for (Entry& entry : entries) {
                MarkNotUtf8(entry, badLines);
            }
            for (const QString& note : std::as_const(notes)) {
                Report(0, QCoreApplication::translate("Runner", "note: %1").arg(note));
            }
            if (!error.isEmpty()) {
                Report(0, error);
                return kExitUsage;
            }
        }
        if (m_options.sheet) {
            return RunSheet(m_options, m_widths, m_labels, entries, m_errors);
        }
        int largest = batch ? batch->LastLine() : 0;
        for (const Entry& entry : std::as_const(entries)) {
            largest = std::max(largest, entry.number);
        }
        // One pattern with {n} names every entry's file apart: no list of the
        // names is needed to keep two entries from writing one file.
        m_namesApart =
            m_options.mode != InputMode::Csv && m_options.output.contains(QStringLiteral("{n}"));
        CProgress progress(m_errors, batch ? batch->Count() : entries.size());
        m_progress = &progress;
        qsizetype done = 0;
        {
            COrderedPool pool(Workers(batch ? -1 : entries.size()), kQueuedPerWorker);
            qsizetype next = 0;
            Entry entry;
            while (batch ? batch->Next(entry) : next < entries.size()) {
                if (!batch) {
                    entry = entries[next++];
                }
                auto slot = std::make_shared<Slot>();
                slot->job = Prepare(entry, largest, slot->outcome);
                // An entry that names an earlier one's file waits for its end.
                const bool inTurn = slot->job && slot->job->afterEarlier;
                COrderedPool::Step work;
                if (inTurn) {
                    work = [this, slot] { DrawInTurn(*slot); };
                } else if (slot->job) {
                    work = [this, slot] { Execute(*slot->job, slot->outcome); };
                }
                pool.Add(std::move(work), !inTurn, [this, slot, &progress, &done] {
                    ReportSlot(*slot);
                    progress.Update(++done, m_failures);
                });
            }
            pool.Finish();
        }
        if (m_needsFonts) {
            return kRunNeedsFonts;
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
    static void MarkNotUtf8(Entry& entry, const QSet<int>& badLines) {
        if (entry.error.isEmpty() && badLines.contains(entry.line)) {
            entry.error = QCoreApplication::translate("Runner", "bytes that are not UTF-8");
        }
    }

    void Report(int line, const QString& message) {
        if (m_progress != nullptr) {
            m_progress->Clear();
        }
        const QString text = line > 0
                                 ? QStringLiteral("quillmark-render: %1\n")
                                       .arg(QCoreApplication::translate("Runner", "line %1: %2")
                                                .arg(line)
                                                .arg(message))
                                 : QStringLiteral("quillmark-render: %1\n").arg(message);
        std::fputs(text.toLocal8Bit().constData(), m_errors);
    }

    static void Say(Outcome& outcome, int line, const QString& message) {
        outcome.messages.push_back({line, message, false});
    }

    static void Fail(Outcome& outcome, int line, const QString& message) {
        Say(outcome, line, message);
        ++outcome.failures;
    }

    // Workers for a batch: as many as --jobs asks (one per core by default), never
    // more than the entries (-1: not known); none when one draws them all.
    std::size_t Workers(qsizetype entries) const {
        const int asked =
            m_options.jobs > 0 ? m_options.jobs : std::max(1, QThread::idealThreadCount());
        qsizetype count = std::min(asked, kMaxJobs);
        if (entries >= 0) {
            count = std::min(count, entries);
        }
        return static_cast<std::size_t>(std::max<qsizetype>(count, 0));
    }

    // An entry drawn when its turn comes, after every entry before it is
    // over: what they wrote is then known.
    void DrawInTurn(Slot& slot) {
        if (m_written.contains(slot.job->key)) {
            Fail(slot.outcome, slot.job->line,
                 QCoreApplication::translate("Runner", "%1 is written by an earlier line already")
                     .arg(slot.job->path));
        } else {
            Execute(*slot.job, slot.outcome);
        }
    }

    // Reports the entry once it is over; what it wrote is then known to the
    // entries after it.
    void ReportSlot(const Slot& slot) {
        const Outcome& outcome = slot.outcome;
        for (const Outcome::Message& message : outcome.messages) {
            if (message.moduleNote) {
                NoteAchievedModule(outcome.module, outcome.achievedModule);
            } else {
                Report(message.line, message.text);
            }
        }
        m_failures += outcome.failures;
        m_failed = m_failed || outcome.failures > 0;
        m_refused = m_refused || outcome.refused;
        m_needsFonts = m_needsFonts || outcome.needsFonts;
        if (outcome.written && slot.job && !m_namesApart) {
            m_written.insert(slot.job->key);
        }
    }

    // Everything about an entry that does not draw it, in input order: the
    // checks of its values, its file's name. No job when it fails here.
    std::optional<Job> Prepare(const Entry& entry, int largest, Outcome& outcome) {
        if (!entry.error.isEmpty()) {
            Fail(outcome, entry.line, entry.error);
            return std::nullopt;
        }
        Job job;
        job.line = entry.line;
        RenderRequest& request = job.request;
        request.widths = m_widths;
        request.labels = m_labels;
        if (!entry.symbology.isEmpty()) {
            const std::optional<SymbologyId> id = FindSymbology(entry.symbology.toStdString());
            if (!id) {
                Fail(outcome, entry.line,
                     QCoreApplication::translate("Runner", "unknown symbology \"%1\"")
                         .arg(entry.symbology));
                return std::nullopt;
            }
            request.symbology = *id;
        } else if (m_options.symbology) {
            request.symbology = *m_options.symbology;
        } else {
            Fail(outcome, entry.line,
                 QCoreApplication::translate(
                     "Runner", "no symbology: give a symbology column or --symbology"));
            return std::nullopt;
        }
        request.heightMils = m_options.heightMils;
        if (!entry.height.isEmpty()) {
            if (!IsPositiveLength(entry.height)) {
                Fail(outcome, entry.line,
                     QCoreApplication::translate("Runner",
                                                 "height \"%1\" is no length in inches above 0")
                         .arg(entry.height));
                return std::nullopt;
            }
            if (IsBeyondAnyOutput(entry.height)) {
                Fail(outcome, entry.line,
                     QCoreApplication::translate(
                         "Runner", "height \"%1\" is more than %2 inches: no output holds it")
                         .arg(entry.height)
                         .arg(kMaxHeightInches));
                return std::nullopt;
            }
            request.heightMils = BarLengthFromHeight(entry.height);
        }
        const QString pattern = entry.output.isEmpty() ? m_options.output : entry.output;
        if (pattern.isEmpty()) {
            Fail(outcome, entry.line,
                 QCoreApplication::translate("Runner",
                                             "no output: give an output column or --output"));
            return std::nullopt;
        }
        job.path = m_options.mode == InputMode::Single
                       ? pattern
                       : ExpandOutputPattern(pattern, entry.number, largest, entry.text);
        if (!entry.output.isEmpty() && !m_options.anyOutputPaths && !StaysBelow(job.path)) {
            Fail(outcome, entry.line,
                 QCoreApplication::translate("Runner",
                                             "output \"%1\" is not below the current "
                                             "folder; give --output-paths any to allow it")
                     .arg(job.path));
            return std::nullopt;
        }
        const std::optional<OutputFormat> format =
            m_options.format ? m_options.format : FormatOfPath(job.path);
        if (!format) {
            Fail(outcome, entry.line,
                 QCoreApplication::translate("RenderOptions",
                                             "cannot tell the format of \"%1\"; name it %2, or "
                                             "give --format")
                     .arg(job.path, FormatNameList(QStringLiteral("."))));
            return std::nullopt;
        }
        request.format = *format;
        // The run's code-set choice decides what encodes.
        const CheckedText checked = CheckText(request.symbology, entry.text, m_options.dropInvalid,
                                              m_widths.codeSets, m_options.zeroFill);
        if (checked.refusal) {
            outcome.refused = true;
            Fail(outcome, entry.line, checked.refusal->reason);
            return std::nullopt;
        }
        request.text = checked.engineText;
        request.showText = m_options.showText;
        request.orientation = m_options.orientation;
        request.zoom = m_options.zoom;
        request.dpiX = m_options.dpi;
        request.dpiY = m_options.dpi;
        request.barReduction = m_options.barReduction;

        // Two entries of a batch must never write one file: the later would
        // silently replace the earlier. Whether the earlier one wrote it is
        // known once it is over, so the later one waits for it.
        if (!m_namesApart) {
            job.key = QDir::cleanPath(m_workingFolder.absoluteFilePath(job.path));
            job.afterEarlier = m_named.contains(job.key);
            m_named.insert(job.key);
        }
        return job;
    }

    // Draws and writes the entry, and reads it back when asked: on any thread.
    void Execute(const Job& job, Outcome& outcome) {
        const RenderResult symbol = RenderSymbol(job.request);
        if (symbol.needsFonts) {
            outcome.needsFonts = true; // nothing written: the run starts again with fonts
            return;
        }
        if (!symbol.error.isEmpty()) {
            Fail(outcome, job.line, symbol.error);
            return;
        }
        outcome.module = symbol.module;
        outcome.achievedModule = symbol.achievedModule;
        outcome.messages.push_back({0, {}, true});
        QString error;
        QString note;
        const bool written = m_committer.Write(job.path, symbol.bytes, &error, &note);
        if (!note.isEmpty()) {
            Say(outcome, job.line, QCoreApplication::translate("Runner", "note: %1").arg(note));
        }
        if (!written) {
            Fail(outcome, job.line, error);
            return;
        }
        outcome.written = true;
        if (m_options.verify) {
            Verify(job, outcome);
            AdviseOnStandard(job, outcome);
            if (m_options.gradePrintGain) {
                Say(outcome, job.line, PlannedGradeText(job.request, *m_options.gradePrintGain));
            }
        }
    }

    // The symbol read back at the output's resolution (the printer's for a
    // vector file): an entry that does not scan as its label fails, its file
    // kept for a look.
    static void Verify(const Job& job, Outcome& outcome) {
        const RenderRequest& request = job.request;
        const ScanResult result = CheckScan(MakeScanJob(request));
        if (result.verdict == ScanVerdict::NotChecked) {
            Fail(outcome, job.line,
                 QCoreApplication::translate("Runner",
                                             "cannot be read back: the symbol is too large for a "
                                             "bitmap at %1 dpi (at most %2 pixels a side)")
                     .arg(request.dpiX)
                     .arg(kMaxBitmapSide));
        } else if (result.verdict != ScanVerdict::Scans) {
            Fail(outcome, job.line, ScanStatusText(result));
        }
    }

    // A symbology with published ranges (the EAN/UPC family, ITF-14, GS1-128):
    // a note when the symbol as written falls outside them.
    static void AdviseOnStandard(const Job& job, Outcome& outcome) {
        const RenderRequest& request = job.request;
        if (outcome.module <= 0 || PublishedRange(request.symbology) == nullptr) {
            return;
        }
        const Encoding encoding =
            CreateBarcode(request.symbology, request.text, request.widths)->Encode();
        const double achieved =
            IsRaster(request.format) ? outcome.achievedModule : static_cast<double>(outcome.module);
        const double scale = achieved / outcome.module * request.zoom;
        bool meets = true;
        const QString advice = StandardsAdvice(
            {request.symbology, achieved * request.zoom,
             static_cast<double>(BarLengthOf(request.symbology, request.heightMils)) * request.zoom,
             CellMarginAlong(encoding) * scale},
            &meets);
        if (!meets) {
            Say(outcome, job.line, QCoreApplication::translate("Runner", "note: %1").arg(advice));
        }
    }

    // The device grid makes the narrow element whole dots; says so once per
    // module when that is far from the Density asked for.
    void NoteAchievedModule(std::int32_t module, double achievedModule) {
        if (module <= 0 || m_noted.contains(module)) {
            return;
        }
        m_noted.insert(module);
        if (std::abs(achievedModule - module) > kModuleTolerance * module) {
            Report(0, QCoreApplication::translate(
                          "Runner", "note: at %1 dpi the narrow element is %2 mils, not %3 "
                                    "(a whole number of dots)")
                          .arg(m_options.dpi * m_options.zoom)
                          .arg(MessageNumber(achievedModule, 2))
                          .arg(module));
        }
    }

    const RenderOptions& m_options;
    const BarWidths m_widths;
    const LabelSource m_labels;
    std::FILE* m_errors;
    CFileCommitter m_committer; // written through by the workers too
    CProgress* m_progress = nullptr;
    bool m_namesApart = false; // the pattern names every entry's file apart
    QSet<QString> m_named;     // the files entries so far are to write
    QSet<QString> m_written;   // of those, the ones written, as the entries are reported
    // Relative output paths are resolved against it, looked up once per run.
    const QDir m_workingFolder = QDir::current();
    QSet<std::int32_t> m_noted;
    bool m_failed = false;
    bool m_needsFonts = false;
    qsizetype m_failures = 0; // entries that failed
    bool m_refused = false;
};

} // namespace

BarWidths ResolveWidthSettings(const RenderOptions& options) {
    // The settings store is read only for what the command line leaves out.
    const bool given = options.density && options.ratio && options.codeSets && options.bearers &&
                       options.quietZoneMarks && options.addOnGap;
    const BarWidths stored = given ? BarWidths{} : ReadBarcodeSettings(*OpenSettingsStore());
    return {options.density.value_or(stored.density),
            options.ratio.value_or(stored.ratio),
            options.codeSets.value_or(stored.codeSets),
            options.bearers.value_or(stored.bearers),
            options.quietZoneMarks.value_or(stored.quietZoneMarks),
            options.addOnGap.value_or(stored.addOnGap)};
}

int RunRender(const RenderOptions& options, const LabelSource& labels, std::FILE* errors) {
    if (!options.design.isEmpty()) {
        return RunDesign(options, errors);
    }
    if (!options.density || !options.ratio) {
        if (const QString irregular = IrregularStoreFile(); !irregular.isEmpty()) {
            const QString note = QCoreApplication::translate(
                                     "Runner", "note: %1 is not a plain file and is not read; "
                                               "the default Density and Ratio are used")
                                     .arg(irregular);
            std::fprintf(errors, "quillmark-render: %s\n", note.toLocal8Bit().constData());
        }
    }
    // The settings store is read once for the whole run.
    return CRun(options, ResolveWidthSettings(options), labels, errors).Run();
}
