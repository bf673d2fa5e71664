#include "DesignRun.h"

#include "DesignFile.h"
#include "DesignInput.h"
#include "DesignLayout.h"
#include "DesignPage.h"
#include "FileCommit.h"
#include "OrderedPool.h"
#include "OutputFormat.h"
#include "PrinterRun.h"
#include "SheetRun.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr qsizetype kShownFaults = 10;
// Items handed to the workers but not yet taken in order, per worker.
constexpr std::size_t kQueuedPerWorker = 4;
// Records laid out by one item of the check.
constexpr std::size_t kRecordsPerItem = 64;

void Report(std::FILE* errors, const QString& message) {
    std::fputs(QStringLiteral("quillmark-render: %1\n").arg(message).toLocal8Bit().constData(),
               errors);
}

// Threads that lay out labels beside the one that writes.
std::size_t Workers(const RenderOptions& options) {
    const int asked = options.jobs > 0 ? options.jobs : QThread::idealThreadCount();
    return static_cast<std::size_t>(std::clamp(asked, 1, kMaxJobs));
}

// What the check found: the first faults in input order, and how many
// records have any.
struct CheckResult {
    QStringList shown;
    std::int64_t failed = 0;
    std::int64_t labels = 0;  // records that are labels
    std::int64_t records = 0; // and those that are not
    void Add(const QStringList& faults) {
        ++failed;
        shown += faults.mid(0, std::max<qsizetype>(0, kShownFaults - shown.size()));
    }
};

// Reads every record once and lays it out on the workers, a run of records
// per item, holding no more of them than the items in flight.
CheckResult CheckEveryRecord(const CDesignRun& run, CDesignInput& input, std::size_t workers) {
    CheckResult result;
    COrderedPool pool(workers, kQueuedPerWorker);
    bool more = true;
    while (more) {
        auto records = std::make_shared<std::vector<DesignRecord>>();
        auto faults = std::make_shared<std::vector<QStringList>>();
        DesignRecord record;
        QString fault;
        while (records->size() < kRecordsPerItem && (more = input.Next(record, &fault))) {
            if (!fault.isEmpty()) {
                // A malformed record is named where it stands among the others.
                records->push_back({-1, record.line, {fault}});
            } else {
                records->push_back(std::move(record));
            }
        }
        pool.Add(
            [&run, records, faults] {
                faults->resize(records->size());
                for (std::size_t i = 0; i < records->size(); ++i) {
                    const DesignRecord& r = (*records)[i];
                    if (r.index < 0) {
                        (*faults)[i] = r.values;
                    } else {
                        run.LayOut(r, &(*faults)[i]);
                    }
                }
            },
            true,
            [&result, records, faults] {
                for (std::size_t i = 0; i < records->size(); ++i) {
                    result.labels += (*records)[i].index >= 0 ? 1 : 0;
                    ++result.records;
                    if (!(*faults)[i].isEmpty()) {
                        result.Add((*faults)[i]);
                    }
                }
            });
    }
    pool.Finish();
    return result;
}

void ReportFaults(std::FILE* errors, const CheckResult& check) {
    for (const QString& fault : check.shown) {
        Report(errors, fault);
    }
    if (check.failed > check.shown.size()) {
        Report(errors, QCoreApplication::translate("DesignRun", "%1 more faults like these")
                           .arg(check.failed - check.shown.size()));
    }
    Report(errors,
           QCoreApplication::translate(
               "DesignRun", "%1 of %2 labels cannot be printed as designed; nothing was written")
               .arg(check.failed)
               .arg(check.records));
}

// One page's records, and the labels laid out from them: each place points
// at its label's layout (copies of one label share it), or is empty.
struct PageOfLabels {
    std::vector<DesignRecord> records;
    std::vector<int> recordOfPlace; // -1: the place is left empty
    std::vector<std::optional<LabelLayout>> layouts;
    std::vector<const LabelLayout*> places;

    void LayOut(const CDesignRun& run) {
        layouts.resize(records.size());
        QStringList faults;
        for (std::size_t i = 0; i < records.size(); ++i) {
            layouts[i] = run.LayOut(records[i], &faults);
        }
        for (const int index : recordOfPlace) {
            places.push_back(index >= 0 && layouts[static_cast<std::size_t>(index)]
                                 ? &*layouts[static_cast<std::size_t>(index)]
                                 : nullptr);
            names.append(index >= 0 ? RecordName(records[static_cast<std::size_t>(index)])
                                    : QString());
        }
    }

    // --verify: the page drawn at a resolution read back barcode by barcode.
    QStringList Verify(const CDesignRun& run, const DesignPages& pages, std::int64_t page,
                       const QImage& image) const {
        return image.isNull() ? QStringList()
                              : VerifyDesignPage(pages, places, names, run.Design(), page, image);
    }
    QStringList names; // how each place's record is named
};

// Reads the records of the pages in turn: a label's copies may run on from
// one page to the next, so the last record read is kept.
class PageReader {
public:
    PageReader(CDesignInput& input, const DesignPages& pages) : m_input(input), m_pages(pages) {
        m_input.Rewind();
    }

    std::shared_ptr<PageOfLabels> Page(std::int64_t page) {
        auto out = std::make_shared<PageOfLabels>();
        for (int place = 0; place < m_pages.stock.LabelsPerSheet(); ++place) {
            const std::int64_t index = DesignLabelAt(m_pages, page, place);
            if (index < 0) {
                out->recordOfPlace.push_back(-1);
                continue;
            }
            QString fault;
            while (m_current.index < index && m_input.Next(m_current, &fault)) {
            }
            if (out->records.empty() || out->records.back().index != m_current.index) {
                out->records.push_back(m_current);
            }
            out->recordOfPlace.push_back(static_cast<int>(out->records.size()) - 1);
        }
        return out;
    }

private:
    CDesignInput& m_input;
    const DesignPages& m_pages;
    DesignRecord m_current{-1, 0, {}};
};

std::optional<bool> IsRaster(const std::optional<OutputFormat>& format) {
    switch (format.value_or(OutputFormat::Svg)) {
    case OutputFormat::Bmp:
    case OutputFormat::Png:
        return true;
    case OutputFormat::Pdf:
        return false;
    case OutputFormat::Svg:
    case OutputFormat::Zpl: // sent label by label, not as pages
        break;
    }
    return std::nullopt;
}

} // namespace

int RunDesign(const RenderOptions& options, std::FILE* errors) {
    QString error;
    const std::optional<LabelDesign> design = LoadDesignFile(options.design, &error);
    if (!design) {
        Report(errors, error);
        return kExitUsage;
    }
    CDesignInput input(options);
    if (!input.Open(&error)) {
        Report(errors, error);
        return kExitUsage;
    }
    const CDesignRun run(*design, input.Columns(), QDate::currentDate(), options.sheet);
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
    pages.startAt = options.startAt;
    pages.copies = options.copies;
    pages.outlines = options.outlines;
    pages.barReduction = options.barReduction;
    if (options.startAt > pages.stock.LabelsPerSheet()) {
        Report(errors,
               QCoreApplication::translate("DesignRun", "the first label must be 1 to %1 on %2")
                   .arg(pages.stock.LabelsPerSheet())
                   .arg(QString::fromStdString(pages.stock.name)));
        return kExitUsage;
    }
    const std::optional<OutputFormat> format =
        options.format ? options.format : FormatOfPath(options.output);
    // A label printer's language takes every label as its own image.
    const bool toPrinter = format == OutputFormat::Zpl;
    const std::optional<bool> raster = toPrinter ? std::optional<bool>(true) : IsRaster(format);
    if (!raster) {
        Report(errors, QCoreApplication::translate(
                           "DesignRun", "designed labels are written as one PDF document, as BMP "
                                        "or PNG pages, or in ZPL to a label printer"));
        return kExitUsage;
    }

    // Every label is laid out before anything is drawn: the labels are
    // printed whole or not at all.
    const std::size_t workers = Workers(options);
    const CheckResult check = CheckEveryRecord(run, input, workers);
    if (check.failed > 0) {
        ReportFaults(errors, check);
        return kExitSomeFailed;
    }
    if (check.labels == 0) {
        Report(errors, QCoreApplication::translate("DesignRun", "there are no labels to print"));
        return kExitUsage;
    }
    pages.labels = check.labels;
    const std::int64_t pageCount = DesignPageCount(pages);
    if (toPrinter) {
        // The input is read again label by label on this thread; the
        // workers lay each out and draw it at the printer's dots.
        PageReader labels(input, pages);
        const int dots = options.printer.dpi;
        return SendLabelsToPrinter(
            static_cast<int>(std::min<std::int64_t>(pageCount, std::numeric_limits<int>::max())),
            [&](int page) -> PrinterLabelWork {
                return [&run, &pages, &options, dots, page, placed = labels.Page(page)] {
                    placed->LayOut(run);
                    PrinterLabel label{RenderDesignPage(pages, placed->places, dots, dots), {}};
                    if (options.verify) {
                        label.faults = placed->Verify(run, pages, page, label.dots);
                    }
                    return label;
                };
            },
            options, errors);
    }
    if (*raster && pageCount > 1 && !options.output.contains(QStringLiteral("{page}"))) {
        Report(errors,
               QCoreApplication::translate(
                   "DesignRun", "the labels fill %1 pages: name the pages with {page} in --output")
                   .arg(pageCount));
        return kExitUsage;
    }

    // The input is read again page by page; the workers lay out the pages
    // (and draw the bitmap ones) ahead of the writer, which takes them in order.
    PageReader reader(input, pages);
    CFileCommitter files;
    bool failed = false;
    bool unreadable = false; // --verify found a barcode that does not scan
    const auto reportUnread = [&](const QStringList& faults) {
        for (const QString& fault : faults) {
            Report(errors, fault);
            unreadable = true;
        }
    };
    if (*raster) {
        COrderedPool pool(workers, kQueuedPerWorker);
        for (std::int64_t page = 0; page < pageCount && !failed; ++page) {
            auto labels = reader.Page(page);
            auto bytes = std::make_shared<QByteArray>();
            auto unread = std::make_shared<QStringList>();
            pool.Add(
                [&, labels, bytes, unread, page] {
                    labels->LayOut(run);
                    const QImage image =
                        RenderDesignPage(pages, labels->places, options.dpi, options.dpi);
                    *bytes = image.isNull() ? QByteArray() : EncodeBitmap(image, *format);
                    if (options.verify) {
                        *unread = labels->Verify(run, pages, page, image);
                    }
                },
                true,
                [&, bytes, unread, page] {
                    if (failed) {
                        return;
                    }
                    reportUnread(*unread);
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
                    auto labels = reader.Page(page);
                    auto unread = std::make_shared<QStringList>();
                    pool.Add(
                        [&, labels, unread, page] {
                            labels->LayOut(run);
                            // The page as a printer of --dpi draws it.
                            if (options.verify) {
                                *unread =
                                    labels->Verify(run, pages, page,
                                                   RenderDesignPage(pages, labels->places,
                                                                    options.dpi, options.dpi));
                            }
                        },
                        true,
                        [&, labels, unread] {
                            reportUnread(*unread);
                            stopped = stopped || !pdf.AddPage(labels->places);
                        });
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
    return unreadable ? kExitSomeFailed : kExitSuccess;
}
