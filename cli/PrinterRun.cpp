#include "PrinterRun.h"

#include "FileCommit.h"
#include "OrderedPool.h"
#include "PrinterLink.h"
#include "SheetVerify.h"
#include "ZplWriter.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Labels drawn ahead of the one being sent, per worker.
constexpr std::size_t kLabelsAheadPerWorker = 16;
// A thermal head of this resolution or less prints bars that run across the
// direction of travel (the symbol turned a quarter, "ladder") unevenly when
// the narrow bar has fewer dots than this.
constexpr int kLadderDpi = 203;
constexpr int kLadderDots = 3;

void Report(std::FILE* errors, const QString& message) {
    std::fputs(QStringLiteral("quillmark-render: %1\n").arg(message).toLocal8Bit().constData(),
               errors);
}

// One label on its way: drawn and encoded on a worker, sent in turn.
struct LabelSlot {
    QByteArray bytes;
    QStringList faults; // what --verify found
};

// Draws every page as a label and hands each to `put` in order; false when a
// label could not be drawn (`failed` says why) or `put` stopped the run.
bool ProduceLabels(const SheetJob& job, const RenderOptions& options, const ByteSink& put,
                   QStringList* faults, QString* failed) {
    const int pages = SheetPageCount(job);
    const int asked = options.jobs > 0 ? options.jobs : std::max(1, QThread::idealThreadCount());
    const auto workers = static_cast<std::size_t>(std::clamp(asked, 1, std::max(pages, 1)));
    bool going = true;
    COrderedPool pool(workers, kLabelsAheadPerWorker);
    for (int page = 0; page < pages && going; ++page) {
        auto slot = std::make_shared<LabelSlot>();
        auto work = [&job, &options, page, slot] {
            const int dpi = options.printer.dpi;
            const QImage image = RenderSheetPage(job, page, dpi, dpi);
            slot->bytes = ZplLabel(image, options.printer);
            if (options.verify && !slot->bytes.isEmpty()) {
                slot->faults = VerifySheetPage(job, page, image);
            }
        };
        pool.Add(work, true, [&, page, slot] {
            if (!going) {
                return;
            }
            if (slot->bytes.isEmpty()) {
                *failed = QCoreApplication::translate(
                              "PrinterRun", "label %1 is too large for the printer at %2 dpi")
                              .arg(page + 1)
                              .arg(options.printer.dpi);
                going = false;
                return;
            }
            going = put(slot->bytes);
            faults->append(slot->faults);
        });
    }
    pool.Finish();
    return going;
}

} // namespace

int SendSheetToPrinter(const SheetJob& job, const RenderOptions& options, std::FILE* errors) {
    if (const QString fault = ProfileFault(options.printer); !fault.isEmpty()) {
        Report(errors, fault);
        return kExitUsage;
    }
    // A label larger than a printer takes is refused before anything is sent.
    const int dpi = options.printer.dpi;
    const auto dots = [dpi](double mils) { return std::ceil(mils * dpi / 1000.0); };
    if (std::ceil(dots(job.layout.pageWidth) / 8) * dots(job.layout.pageHeight) >
        static_cast<double>(kMaxZplGraphicBytes)) {
        Report(errors, QCoreApplication::translate(
                           "PrinterRun", "a %1 label at %2 dpi is larger than a printer takes")
                           .arg(QString::fromStdString(job.layout.name))
                           .arg(dpi));
        return kExitUsage;
    }
    const int moduleDots = static_cast<int>(std::lround(job.symbol.widths.density * dpi / 1000.0));
    if (job.symbol.orientation % 2 == 1 && dpi <= kLadderDpi && moduleDots < kLadderDots) {
        Report(errors, QCoreApplication::translate(
                           "PrinterRun",
                           "note: the bars run across the direction of travel with narrow bars of "
                           "%1 dots at %2 dpi, which a thermal head prints unevenly below %3 "
                           "dots: give a larger --density, or --turn 0")
                           .arg(moduleDots)
                           .arg(dpi)
                           .arg(kLadderDots));
    }
    QStringList faults;
    QString failed;
    QString error;
    bool sent = false;
    if (!options.printerQueue.isEmpty() || IsSocketOutput(options.output)) {
        std::unique_ptr<CPrinterLink> link;
        if (!options.printerQueue.isEmpty()) {
            link = StartQueueJob(options.printerQueue,
                                 QStringLiteral("quillmark-render %1").arg(options.input), &error);
        } else if (const std::optional<SocketAddress> address =
                       ParseSocketOutput(options.output, &error)) {
            link = ConnectToPrinter(*address, &error);
        }
        sent =
            link != nullptr &&
            ProduceLabels(
                job, options, [&](const QByteArray& bytes) { return link->Write(bytes, &error); },
                &faults, &failed) &&
            link->Finish(&error);
    } else {
        CFileCommitter files;
        sent = files.Write(
                   options.output,
                   [&](const ByteSink& put) { ProduceLabels(job, options, put, &faults, &failed); },
                   &error) &&
               failed.isEmpty() && files.Sync(&error);
    }
    for (const QString& fault : std::as_const(faults)) {
        Report(errors, fault);
    }
    if (!failed.isEmpty()) {
        Report(errors, failed);
    }
    if (!sent) {
        if (!error.isEmpty()) {
            Report(errors, error);
        }
        return kExitSomeFailed;
    }
    return faults.isEmpty() ? kExitSuccess : kExitSomeFailed;
}
