#include "SheetVerify.h"

#include "ScanCheck.h"

#include <QCoreApplication>
#include <QPainter>

QStringList VerifySheetPage(const SheetJob& job, int page, const QImage& image) {
    QStringList faults;
    const int dpiX = qRound(image.dotsPerMeterX() * 0.0254);
    const int dpiY = qRound(image.dotsPerMeterY() * 0.0254);
    for (int place = 0; place < job.layout.LabelsPerSheet(); ++place) {
        const int index = LabelIndexAt(job, page, place);
        if (index < 0) {
            continue;
        }
        const SheetLabel& label = job.labels[static_cast<std::size_t>(index)];
        const RenderRequest request = LabelRequest(job, label);
        const std::string expected = MakeScanJob(request).expected;
        // The label alone on white, as a scanner aimed at it sees it.
        const QRect rect = LabelRectOnPage(job, place, dpiX, dpiY).adjusted(1, 1, -1, -1);
        const int quiet = dpiX / 4; // a quarter inch
        QImage field(rect.width() + 2 * quiet, rect.height() + 2 * quiet,
                     QImage::Format_Grayscale8);
        field.fill(Qt::white);
        {
            QPainter painter(&field);
            painter.drawImage(QPoint(quiet, quiet), image.copy(rect));
        }
        const std::optional<std::string> read = ReadSymbol(field, job.symbol.symbology);
        if (!read || *read != expected) {
            faults.append(
                QCoreApplication::translate("LabelSheet", "line %1 (page %2, label %3): %4")
                    .arg(label.line)
                    .arg(page + 1)
                    .arg(place + 1)
                    .arg(read ? QCoreApplication::translate("LabelSheet", "reads as \"%1\"")
                                    .arg(QString::fromLatin1(read->c_str()))
                              : QCoreApplication::translate("LabelSheet", "does not scan")));
        }
    }
    return faults;
}
