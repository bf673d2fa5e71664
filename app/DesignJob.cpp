#include "DesignJob.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <optional>

namespace {
// The grid the PDF's bar edges are placed on: a common printer's.
constexpr int kPdfGridDpi = 300;

// The layouts of the labels on one page, one per place (null: left empty).
struct PageLabels {
    std::vector<std::optional<LabelLayout>> layouts;
    std::vector<const LabelLayout*> places;
};

PageLabels LayOutPage(const DesignJob& job, std::int64_t page) {
    PageLabels out;
    const int count = job.pages.stock.LabelsPerSheet();
    out.layouts.resize(static_cast<std::size_t>(count));
    QStringList faults;
    for (int place = 0; place < count; ++place) {
        const std::int64_t label = DesignLabelAt(job.pages, page, place);
        if (label >= 0 && label < static_cast<std::int64_t>(job.records->size())) {
            out.layouts[static_cast<std::size_t>(place)] =
                job.run->LayOut((*job.records)[static_cast<std::size_t>(label)], &faults);
        }
        const auto& layout = out.layouts[static_cast<std::size_t>(place)];
        out.places.push_back(layout ? &*layout : nullptr);
    }
    return out;
}

} // namespace

QStringList CheckDesignJob(const DesignJob& job, int most) {
    QStringList shown;
    int failed = 0;
    for (const DesignRecord& record : *job.records) {
        QStringList faults;
        if (!job.run->LayOut(record, &faults)) {
            ++failed;
            if (shown.size() < most) {
                shown += faults;
            }
        }
    }
    if (failed > 0) {
        shown << QCoreApplication::translate("DesignJob",
                                             "%1 of %2 labels cannot be printed as designed.")
                     .arg(failed)
                     .arg(job.records->size());
    }
    return shown;
}

QImage DesignJobPage(const DesignJob& job, std::int64_t page, int dpi) {
    const PageLabels labels = LayOutPage(job, page);
    return RenderDesignPage(job.pages, labels.places, dpi, dpi);
}

bool ExportDesignPdf(const DesignJob& job, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QCoreApplication::translate("DesignJob", "%1 cannot be written: %2")
                     .arg(path, file.errorString());
        return false;
    }
    bool written = true;
    {
        CDesignPdf pdf(job.pages, kPdfGridDpi, [&file](const QByteArray& bytes) {
            return file.write(bytes) == bytes.size();
        });
        const std::int64_t pages = DesignPageCount(job.pages);
        for (std::int64_t page = 0; page < pages && written; ++page) {
            const PageLabels labels = LayOutPage(job, page);
            written = pdf.AddPage(labels.places);
        }
        written = pdf.Finish() && written;
    }
    if (!written || !file.commit()) {
        *error = QCoreApplication::translate("DesignJob", "%1 cannot be written: %2")
                     .arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}
