// The alignment page: a page to hold over a sheet of labels against the light
// before printing on it. Every label's outline in lines heavy enough to see,
// rulers along the top and left edges to measure from, the feed direction,
// and the stock and the offset in force in words.
#include "DeviceMapping.h"
#include "FieldValues.h"
#include "LabelSheet.h"
#include "MonoShapes.h"
#include "SheetText.h"

#include <QCoreApplication>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kMillimetresPerInch = 25.4;
// Ruler ticks, in inches: a tenth, half and whole inch along the top; a
// millimetre, five and ten along the left.
constexpr double kShortTick = 0.06;
constexpr double kMiddleTick = 0.1;
constexpr double kLongTick = 0.16;

int Dots(double mils, int dpi) {
    return static_cast<int>(std::lround(mils * dpi / kMilsPerInch));
}

// Lines of text, each centred on `centreX`, the first with its top at `top`,
// on a white ground that clears what lies under them.
void CentredLines(QImage& page, const QStringList& lines, int centreX, int top, int dpi) {
    const double em = kMarkTextPoints * dpi / kPointsPerInch;
    const QFontMetricsF metrics(SheetFont(std::max(1, static_cast<int>(std::lround(em)))));
    const int lineHeight = static_cast<int>(std::ceil(metrics.height()));
    double widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int margin = lineHeight / 2;
    const int width = static_cast<int>(std::ceil(widest));
    FillMonoRect(page,
                 QRect(centreX - width / 2 - margin, top - margin, width + 2 * margin,
                       lineHeight * static_cast<int>(lines.size()) + 2 * margin),
                 false);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double left = centreX - metrics.horizontalAdvance(lines[i]) / 2;
        PaintCaption(page, QPointF(left, top + static_cast<double>(i) * lineHeight), em, lines[i]);
    }
}

// A ruler along the page's top edge in inches (ticks every tenth, numbers
// every inch) and one along its left edge in millimetres (ticks every one,
// numbers every ten), both placed with the printer's corrections like
// everything else: the ruler printed shows what the correction does.
void Rulers(QImage& page, const SheetJob& job, int dpiX, int dpiY) {
    const int line = std::max(1, MarkLineDots(std::min(dpiX, dpiY)) / 2);
    const double em = kMarkTextPoints * std::min(dpiX, dpiY) / kPointsPerInch;
    const int top = Dots(PrintedY(job, 0), dpiY);
    const int left = Dots(PrintedX(job, 0), dpiX);
    const auto tick = [](int count, int per) {
        return (count % per == 0         ? kLongTick
                : count % (per / 2) == 0 ? kMiddleTick
                                         : kShortTick) *
               kMilsPerInch;
    };
    for (int tenth = 0;; ++tenth) {
        const int x = Dots(PrintedX(job, tenth * kMilsPerInch / 10.0), dpiX);
        if (x >= page.width()) {
            break;
        }
        FillMonoRect(page, QRect(x, top, line, Dots(tick(tenth, 10), dpiY)));
        if (tenth % 10 == 0 && tenth > 0) {
            PaintCaption(page, QPointF(x + line + 1, top + Dots(kShortTick * kMilsPerInch, dpiY)),
                         em, tenth == 10 ? QStringLiteral("1 in") : QString::number(tenth / 10));
        }
    }
    for (int mm = 0;; ++mm) {
        const int y = Dots(PrintedY(job, mm * kMilsPerInch / kMillimetresPerInch), dpiY);
        if (y >= page.height()) {
            break;
        }
        FillMonoRect(page, QRect(left, y, Dots(tick(mm, 10), dpiX), line));
        if (mm % 10 == 0 && mm > 0) {
            PaintCaption(page, QPointF(left + Dots(kLongTick * kMilsPerInch, dpiX) + line, y), em,
                         mm == 10 ? QStringLiteral("1 cm") : QString::number(mm / 10));
        }
    }
}

// An arrow at the top edge's middle pointing off the page: the edge that
// enters the printer first.
void FeedArrow(QImage& page, QPoint tip, int dpi) {
    const int head = Dots(kMilsPerInch / 8.0, dpi);
    const int shaft = Dots(kMilsPerInch / 4.0, dpi);
    const int line = MarkLineDots(dpi);
    for (int row = 0; row < head; ++row) {
        FillMonoRect(page, QRect(tip.x() - row, tip.y() + row, 2 * row + 1, 1));
    }
    FillMonoRect(page, QRect(tip.x() - line, tip.y() + head, 2 * line + 1, shaft));
}

QString Inches(double mils) {
    return MessageNumber(mils / kMilsPerInch, 2);
}

QStringList Words(const SheetJob& job) {
    const SheetLayout& layout = job.layout;
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("AlignmentPage", text);
    };
    return {
        tr("Alignment page for %1: %2 x %3 in labels, %4 across, %5 down")
            .arg(QString::fromStdString(layout.name), Inches(layout.labelWidth),
                 Inches(layout.labelHeight))
            .arg(layout.columns)
            .arg(layout.rows),
        tr("Correction in force: %1 in right, %2 in down; scale %3 % across, %4 % down")
            .arg(Inches(job.offsetX), Inches(job.offsetY), MessageNumber(job.scaleX * 100, 2),
                 MessageNumber(job.scaleY * 100, 2)),
        tr("The arrow's edge goes into the printer first."),
        tr("Hold this page over a sheet of labels against the light:"),
        tr("every outline should lie on a label's edge."),
    };
}

} // namespace

QImage RenderAlignmentPage(const SheetJob& job, int dpiX, int dpiY) {
    QImage page = MakeMonoBitmap(
        QSize(Dots(job.layout.pageWidth, dpiX), Dots(job.layout.pageHeight, dpiY)), dpiX, dpiY);
    if (page.isNull()) {
        return page;
    }
    const int lineX = MarkLineDots(dpiX);
    const int lineY = MarkLineDots(dpiY);
    const int columns = job.layout.columns;
    const int last = job.layout.LabelsPerSheet() - 1;
    const int corners[] = {0, columns - 1, last - columns + 1, last};
    for (int place = 0; place <= last; ++place) {
        const QRect rect = LabelRectOnPage(job, place, dpiX, dpiY);
        OutlineMonoShape(page, rect, job.layout.shape, std::min(lineX, lineY));
        if (std::find(std::begin(corners), std::end(corners), place) != std::end(corners)) {
            const QPoint centre = rect.center();
            FillMonoRect(page, QRect(rect.left(), centre.y() - lineY / 2, rect.width(), lineY));
            FillMonoRect(page, QRect(centre.x() - lineX / 2, rect.top(), lineX, rect.height()));
        }
    }
    Rulers(page, job, dpiX, dpiY);
    const QPoint origin(Dots(PrintedX(job, 0), dpiX), Dots(PrintedY(job, 0), dpiY));
    const int quarterInch = Dots(kMilsPerInch / 4.0, dpiY);
    FeedArrow(page, QPoint(page.width() / 2, origin.y() + quarterInch), dpiX);
    CentredLines(page, Words(job), page.width() / 2, page.height() / 2 - 2 * quarterInch, dpiY);
    return page;
}
