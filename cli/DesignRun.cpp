#include "DesignRun.h"

#include "Batch.h"
#include "DesignFile.h"
#include "DesignLayout.h"
#include "DesignPage.h"
#include "FileCommit.h"
#include "Inputs.h"
#include "OutputFormat.h"
#include "SheetRun.h"

#include <QCoreApplication>
#include <QSet>

#include <optional>
#include <vector>

namespace {

constexpr qsizetype kShownFaults = 10;

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

// The layouts of one page's places, laid out as the page needs them: copies
// of one label follow each other, so the last one is kept.
class PageLayouts {
public:
    PageLayouts(const CDesignRun& run, const DesignData& data, const DesignPages& pages)
        : m_run(run), m_data(data), m_pages(pages) {}

    std::vector<const LabelLayout*> Page(std::int64_t page) {
        const int places = m_pages.stock.LabelsPerSheet();
        m_layouts.assign(static_cast<std::size_t>(places), {});
        std::vector<const LabelLayout*> pointers(static_cast<std::size_t>(places), nullptr);
        std::int64_t last = -1;
        for (int place = 0; place < places; ++place) {
            const std::int64_t index = DesignLabelAt(m_pages, page, place);
            if (index < 0) {
                continue;
            }
            if (index != last || place == 0) {
                QStringList faults;
                m_layouts[place] =
                    m_run.LayOut(m_data.records[static_cast<std::size_t>(index)], &faults);
                last = index;
                pointers[place] = m_layouts[place] ? &*m_layouts[place] : nullptr;
            } else {
                pointers[place] = pointers[place - 1];
            }
        }
        return pointers;
    }

private:
    const CDesignRun& m_run;
    const DesignData& m_data;
    const DesignPages& m_pages;
    std::vector<std::optional<LabelLayout>> m_layouts;
};

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
    // Every label is laid out before anything is drawn: the labels are
    // printed whole or not at all.
    QStringList faults = data->refused;
    for (const DesignRecord& record : data->records) {
        run.LayOut(record, &faults);
    }
    if (!faults.isEmpty()) {
        ReportFaults(errors, faults,
                     static_cast<qsizetype>(data->records.size()) + data->refused.size());
        return kExitSomeFailed;
    }
    if (data->records.empty()) {
        Report(errors, QCoreApplication::translate("DesignRun", "there are no labels to print"));
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
    PageLayouts layouts(run, *data, pages);
    CFileCommitter files;
    for (std::int64_t page = 0; raster && page < pageCount; ++page) {
        const QImage image = RenderDesignPage(pages, layouts.Page(page), options.dpi, options.dpi);
        const QByteArray bytes = image.isNull() ? QByteArray() : EncodeBitmap(image, *format);
        if (bytes.isEmpty()) {
            Report(errors, QCoreApplication::translate(
                               "DesignRun", "page %1 is too large for a bitmap at %2 dpi")
                               .arg(page + 1)
                               .arg(options.dpi));
            return kExitSomeFailed;
        }
        if (!files.Write(
                PagePath(options.output, static_cast<int>(page), static_cast<int>(pageCount)),
                bytes, &error)) {
            Report(errors, error);
            return kExitSomeFailed;
        }
    }
    if (!raster) {
        const bool written = files.Write(
            options.output,
            [&](const ByteSink& put) {
                CDesignPdf pdf(pages, options.dpi, put);
                for (std::int64_t page = 0; page < pageCount; ++page) {
                    if (!pdf.AddPage(layouts.Page(page))) {
                        return;
                    }
                }
                pdf.Finish();
            },
            &error);
        if (!written) {
            Report(errors, error);
            return kExitSomeFailed;
        }
    }
    if (!files.Sync(&error)) {
        Report(errors, error);
        return kExitSomeFailed;
    }
    return kExitSuccess;
}
