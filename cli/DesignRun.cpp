#include "DesignRun.h"

#include "Batch.h"
#include "DesignFile.h"
#include "DesignLayout.h"
#include "DesignPage.h"
#include "FileCommit.h"
#include "Inputs.h"
#include "OrderedPool.h"
#include "OutputFormat.h"
#include "SheetRun.h"

#include <QCoreApplication>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <memory>

#include <optional>
#include <vector>

namespace {

constexpr qsizetype kShownFaults = 10;
// Items handed to the workers but not yet written, per worker.
constexpr std::size_t kQueuedPerWorker = 4;

void Report(std::FILE* errors, const QString& message) {
    std::fputs(QStringLiteral("quillmark-render: %1\n").arg(message).toLocal8Bit().constData(),
               errors);
}

// The run's data: the columns its fields may name and one record per label.
struct DesignData {
    QStringList columns;
    std::vector<DesignRecord> records;
    QStringList refused; // malformed records and lines of bytes that are no UTF-8
};

std::optional<DesignData> ReadData(const RenderOptions& options, QString* error) {
    DesignData data;
    if (options.mode == InputMode::Sequence) {
        data.records.resize(static_cast<std::size_t>(options.count));
        for (std::size_t i = 0; i < data.records.size(); ++i) {
            data.records[i].index = static_cast<std::int64_t>(i);
        }
        return data;
    }
    QList<int> notUtf8;
    const QString input = ReadInput(options.input, error, &notUtf8);
    if (!error->isEmpty()) {
        return std::nullopt;
    }
    const QSet<int> badLines(notUtf8.cbegin(), notUtf8.cend());
    const auto take = [&](int line, const QStringList& values, const QString& fault) {
        if (!fault.isEmpty() || badLines.contains(line)) {
            data.refused.append(
                QCoreApplication::translate("DesignRun", "line %1: %2")
                    .arg(line)
                    .arg(fault.isEmpty()
                             ? QCoreApplication::translate("DesignRun", "bytes that are not UTF-8")
                             : fault));
            return;
        }
        data.records.push_back({static_cast<std::int64_t>(data.records.size()), line, values});
    };
    if (options.mode == InputMode::Batch) {
        data.columns = {QStringLiteral("text")};
        for (const BatchLine& line : SplitBatchLines(input)) {
            take(line.line, {line.text}, {});
        }
        return data;
    }
    const QList<CsvRecord> rows = ParseCsv(input);
    if (rows.isEmpty() || !rows.front().error.isEmpty()) {
        *error = QCoreApplication::translate("DesignRun",
                                             "the CSV input has no header row naming its columns");
        return std::nullopt;
    }
    data.columns = rows.front().fields;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const CsvRecord& row = rows[i];
        const QString fault =
            !row.error.isEmpty() || row.fields.size() == data.columns.size()
                ? row.error
                : QCoreApplication::translate("DesignRun", "%1 fields where the header names %2")
                      .arg(row.fields.size())
                      .arg(data.columns.size());
        take(row.line, row.fields, fault);
    }
    return data;
}

// Reports the first faults, a count of the rest, and that nothing was written.
void ReportFaults(std::FILE* errors, const QStringList& faults, qsizetype labels) {
    for (const QString& fault : faults.mid(0, kShownFaults)) {
        Report(errors, fault);
    }
    if (faults.size() > kShownFaults) {
        Report(errors, QCoreApplication::translate("DesignRun", "%1 more faults like these")
                           .arg(faults.size() - kShownFaults));
    }
    Report(errors,
           QCoreApplication::translate(
               "DesignRun", "%1 of %2 labels cannot be printed as designed; nothing was written")
               .arg(faults.size())
               .arg(labels));
}

// One page's labels laid out, each place pointing at its label's layout:
// copies of one label follow each other and share it.
struct PageOfLabels {
    std::vector<std::optional<LabelLayout>> layouts;
    std::vector<const LabelLayout*> places;
};

std::shared_ptr<PageOfLabels> LayOutPage(const CDesignRun& run, const DesignData& data,
                                         const DesignPages& pages, std::int64_t page) {
    auto out = std::make_shared<PageOfLabels>();
    const int count = pages.stock.LabelsPerSheet();
    out->layouts.resize(static_cast<std::size_t>(count));
    out->places.assign(static_cast<std::size_t>(count), nullptr);
    std::int64_t last = -1;
    for (int place = 0; place < count; ++place) {
        const std::int64_t index = DesignLabelAt(pages, page, place);
        if (index < 0) {
            continue;
        }
        if (index != last) {
            QStringList faults;
            out->layouts[place] =
                run.LayOut(data.records[static_cast<std::size_t>(index)], &faults);
            last = index;
            out->places[place] = out->layouts[place] ? &*out->layouts[place] : nullptr;
        } else {
            out->places[place] = out->places[place - 1];
        }
    }
    return out;
}

// Threads that lay out labels beside the one that writes.
std::size_t Workers(const RenderOptions& options) {
    const int asked = options.jobs > 0 ? options.jobs : QThread::idealThreadCount();
    return static_cast<std::size_t>(std::clamp(asked, 1, kMaxJobs));
}

// Lays out every record on the workers, a run of them per item: the faults
// in record order.
QStringList CheckEveryRecord(const CDesignRun& run, const DesignData& data, std::size_t workers) {
    constexpr std::size_t kRecordsPerItem = 64;
    QStringList faults = data.refused;
    COrderedPool pool(workers, kQueuedPerWorker);
    for (std::size_t first = 0; first < data.records.size(); first += kRecordsPerItem) {
        auto found = std::make_shared<QStringList>();
        const std::size_t end = std::min(first + kRecordsPerItem, data.records.size());
        pool.Add(
            [&run, &data, found, first, end] {
                for (std::size_t i = first; i < end; ++i) {
                    run.LayOut(data.records[i], found.get());
                }
            },
            true, [&faults, found] { faults += *found; });
    }
    pool.Finish();
    return faults;
}

} // namespace

int RunDesign(const RenderOptions& options, std::FILE* errors) {
    QString error;
    const std::optional<LabelDesign> design = LoadDesignFile(options.design, &error);
    if (!design) {
        Report(errors, error);
        return kExitUsage;
    }
    const std::optional<DesignData> data = ReadData(options, &error);
    if (!data) {
        Report(errors, error);
        return kExitUsage;
    }
    const CDesignRun run(*design, data->columns, QDate::currentDate(), options.sheet);
    if (!run.Fault().isEmpty()) {
        Report(errors, QCoreApplication::translate("DesignRun", "the design \"%1\": %2")
                           .arg(options.design, run.Fault()));
        return kExitUsage;
    }
    for (const QString& note : run.Notes()) {
        Report(errors, QCoreApplication::translate("DesignRun", "note: %1").arg(note));
    }
    DesignPages pages;
    pages.stock = run.Stock();
    pages.labels = static_cast<std::int64_t>(data->records.size());
    pages.startAt = options.startAt;
    pages.copies = options.copies;
    pages.outlines = options.outlines;
    if (options.startAt > pages.stock.LabelsPerSheet()) {
        Report(errors,
               QCoreApplication::translate("DesignRun", "the first label must be 1 to %1 on %2")
                   .arg(pages.stock.LabelsPerSheet())
                   .arg(QString::fromStdString(pages.stock.name)));
        return kExitUsage;
    }
    const std::optional<OutputFormat> format =
        options.format ? options.format : FormatOfPath(options.output);
    const std::int64_t pageCount = DesignPageCount(pages);
    bool raster = false;
    switch (format.value_or(OutputFormat::Svg)) {
    case OutputFormat::Bmp:
    case OutputFormat::Png:
        raster = true;
        break;
    case OutputFormat::Pdf:
        break;
    case OutputFormat::Svg:
        Report(errors,
               QCoreApplication::translate(
                   "DesignRun", "designed labels are written as one PDF document, or as BMP or PNG "
                                "pages"));
        return kExitUsage;
    }
    if (raster && pageCount > 1 && !options.output.contains(QStringLiteral("{page}"))) {
        Report(errors,
               QCoreApplication::translate(
                   "DesignRun", "the labels fill %1 pages: name the pages with {page} in --output")
                   .arg(pageCount));
        return kExitUsage;
    }
    // Every label is laid out before anything is drawn: the labels are
    // printed whole or not at all.
    const std::size_t workers = Workers(options);
    const QStringList faults = CheckEveryRecord(run, *data, workers);
    if (!faults.isEmpty()) {
        ReportFaults(errors, faults,
                     static_cast<qsizetype>(data->records.size()) + data->refused.size());
        return kExitSomeFailed;
    }
    if (data->records.empty()) {
        Report(errors, QCoreApplication::translate("DesignRun", "there are no labels to print"));
        return kExitUsage;
    }

    // The workers lay out pages (and draw the bitmap ones) ahead of the
    // writer, which takes them in order.
    CFileCommitter files;
    bool failed = false;
    if (raster) {
        COrderedPool pool(workers, kQueuedPerWorker);
        for (std::int64_t page = 0; page < pageCount && !failed; ++page) {
            auto bytes = std::make_shared<QByteArray>();
            pool.Add(
                [&, bytes, page] {
                    const QImage image =
                        RenderDesignPage(pages, LayOutPage(run, *data, pages, page)->places,
                                         options.dpi, options.dpi);
                    *bytes = image.isNull() ? QByteArray() : EncodeBitmap(image, *format);
                },
                true,
                [&, bytes, page] {
                    if (failed) {
                        return;
                    }
                    if (bytes->isEmpty()) {
                        Report(errors,
                               QCoreApplication::translate(
                                   "DesignRun", "page %1 is too large for a bitmap at %2 dpi")
                                   .arg(page + 1)
                                   .arg(options.dpi));
                        failed = true;
                    } else if (!files.Write(PagePath(options.output, static_cast<int>(page),
                                                     static_cast<int>(pageCount)),
                                            *bytes, &error)) {
                        Report(errors, error);
                        failed = true;
                    }
                });
        }
        pool.Finish();
    } else {
        const bool written = files.Write(
            options.output,
            [&](const ByteSink& put) {
                CDesignPdf pdf(pages, options.dpi, put);
                COrderedPool pool(workers, kQueuedPerWorker);
                bool stopped = false;
                for (std::int64_t page = 0; page < pageCount && !stopped; ++page) {
                    auto laid = std::make_shared<std::shared_ptr<PageOfLabels>>();
                    pool.Add([&, laid, page] { *laid = LayOutPage(run, *data, pages, page); }, true,
                             [&, laid] { stopped = stopped || !pdf.AddPage((*laid)->places); });
                }
                pool.Finish();
                pdf.Finish();
            },
            &error);
        if (!written) {
            Report(errors, error);
            failed = true;
        }
    }
    if (failed) {
        return kExitSomeFailed;
    }
    if (!files.Sync(&error)) {
        Report(errors, error);
        return kExitSomeFailed;
    }
    return kExitSuccess;
}
