#include "Calibration.h"

#include "DeviceMapping.h"
#include "MonoShapes.h"
#include "SheetText.h"

#include <QCoreApplication>
#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kMilsPerMm = kMilsPerInch / 25.4;
// The crosshair's distance from the paper's edges: half an inch, less on a
// label too small for it.
constexpr double kOrigin = 500;
// What is kept clear beyond the last mark: a tenth of an inch.
constexpr double kEndRoom = 100;
// The scale a printer may be off by before a measure is taken as a slip.
constexpr double kMostScaleError = 0.1;

// Mark lengths tried, longest first, in their unit.
constexpr std::array<double, 5> kMillimetreMarks{100, 50, 25, 10, 5};
constexpr std::array<double, 5> kInchMarks{4, 2, 1, 0.5, 0.25};

int Dots(double mils, int dpi) {
    return static_cast<int>(std::lround(mils * dpi / kMilsPerInch));
}

double Origin(const SheetLayout& layout) {
    return std::min(kOrigin, std::min(layout.pageWidth, layout.pageHeight) / 4);
}

// The longest mark of the unit that fits from the crosshair to `room` mils.
double Longest(bool inches, double origin, double room) {
    const double perUnit = inches ? kMilsPerInch : kMilsPerMm;
    for (const double length : inches ? kInchMarks : kMillimetreMarks) {
        if (origin + length * perUnit + kEndRoom <= room) {
            return length * perUnit;
        }
    }
    return 0;
}

QString MarkName(double mils, bool inches) {
    return inches ? QStringLiteral("%1 in").arg(mils / kMilsPerInch)
                  : QStringLiteral("%1 mm").arg(std::lround(mils / kMilsPerMm));
}

// A ruler from the crosshair along one direction: ticks every unit step on
// one side of the line (millimetres before it, tenths of an inch after),
// longer at every fifth and tenth, and the end mark long and named.
void Ruler(QImage& page, const CalibrationMarks& marks, bool across, int dpiX, int dpiY) {
    const int dpi = across ? dpiX : dpiY;
    const int line = std::max(1, MarkLineDots(dpi) / 2);
    const double step = marks.inches ? kMilsPerInch / 10.0 : kMilsPerMm;
    const double length = across ? marks.across : marks.down;
    const int side = marks.inches ? 1 : -1; // inches below or right of the line
    const double em = kMarkTextPoints * std::min(dpiX, dpiY) / kPointsPerInch;
    const int steps = static_cast<int>(std::lround(length / step));
    for (int i = 0; i <= steps; ++i) {
        // The end mark reaches furthest, but for the millimetres down, whose
        // name needs the room between the line and the paper's edge.
        const double end = across || side > 0 ? 0.3 : 0.12;
        const double tick = (i == steps    ? end
                             : i % 10 == 0 ? 0.15
                             : i % 5 == 0  ? 0.1
                                           : 0.06) *
                            kMilsPerInch;
        const double along = marks.origin + i * step;
        QRect rect;
        if (across) {
            const int x = Dots(along, dpiX);
            const int y = Dots(marks.origin, dpiY);
            const int reach = Dots(tick, dpiY);
            rect = QRect(x, side > 0 ? y : y - reach, line, reach);
        } else {
            const int y = Dots(along, dpiY);
            const int x = Dots(marks.origin, dpiX);
            const int reach = Dots(tick, dpiX);
            rect = QRect(side > 0 ? x : x - reach, y, reach, line);
        }
        FillMonoRect(page, rect);
        if (i == steps) {
            // The name beyond the end mark: after it across; down, right of
            // the inch mark and under the millimetre one, where the ruler
            // has ended.
            const QString name = MarkName(length, marks.inches);
            const double width =
                QFontMetricsF(SheetFont(std::max(1, static_cast<int>(std::lround(em)))))
                    .horizontalAdvance(name);
            const double gap = line + em / 4;
            const QPointF at =
                across     ? QPointF(rect.right() + gap, rect.top())
                : side > 0 ? QPointF(rect.right() + gap, rect.top() - em / 2)
                           : QPointF(std::max(2.0, rect.right() - width), rect.bottom() + gap);
            PaintCaption(page, at, em, name);
        }
    }
}

} // namespace

CalibrationMarks CalibrationMarksFor(const SheetLayout& layout, bool inches) {
    CalibrationMarks marks;
    marks.inches = inches;
    marks.origin = Origin(layout);
    marks.across = Longest(inches, marks.origin, layout.pageWidth);
    marks.down = Longest(inches, marks.origin, layout.pageHeight);
    return marks;
}

QImage RenderCalibrationPage(const SheetLayout& layout, int dpiX, int dpiY) {
    QImage page = MakeMonoBitmap(QSize(Dots(layout.pageWidth, dpiX), Dots(layout.pageHeight, dpiY)),
                                 dpiX, dpiY);
    if (page.isNull()) {
        return page;
    }
    const CalibrationMarks millimetres = CalibrationMarksFor(layout, false);
    const CalibrationMarks inches = CalibrationMarksFor(layout, true);
    const int lineX = MarkLineDots(dpiX);
    const int lineY = MarkLineDots(dpiY);
    const double origin = millimetres.origin;
    // The crosshair, and the lines the rulers stand on.
    const int x0 = Dots(origin, dpiX);
    const int y0 = Dots(origin, dpiY);
    const double longest = std::max(millimetres.across, inches.across);
    const double deepest = std::max(millimetres.down, inches.down);
    FillMonoRect(page, QRect(QPoint(Dots(origin / 4, dpiX), y0),
                             QPoint(Dots(origin + longest, dpiX), y0 + lineY - 1)));
    FillMonoRect(page, QRect(QPoint(x0, Dots(origin / 4, dpiY)),
                             QPoint(x0 + lineX - 1, Dots(origin + deepest, dpiY))));
    for (const CalibrationMarks* marks : {&millimetres, &inches}) {
        if (marks->across > 0) {
            Ruler(page, *marks, true, dpiX, dpiY);
        }
        if (marks->down > 0) {
            Ruler(page, *marks, false, dpiX, dpiY);
        }
    }
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("Calibration", text);
    };
    const QStringList words = {
        tr("Calibration page for %1, printed without correction.")
            .arg(QString::fromStdString(layout.name)),
        tr("Measure from the paper's left and top edges to the crosshair's lines,"),
        tr("then from the crosshair to the last mark across and down;"),
        tr("enter what you measured in Print Labels, Calibrate."),
    };
    const double em = kMarkTextPoints * std::min(dpiX, dpiY) / kPointsPerInch;
    const QFontMetricsF metrics(SheetFont(std::max(1, static_cast<int>(std::lround(em)))));
    const double lineHeight = std::ceil(metrics.height());
    const double left = Dots(origin + kMilsPerInch / 4.0, dpiX);
    double top = Dots(origin + kMilsPerInch / 2.0, dpiY);
    for (const QString& text : words) {
        PaintCaption(page, QPointF(left, top), em, text);
        top += lineHeight;
    }
    return page;
}

std::optional<PrintCorrection> CorrectionFrom(const CalibrationMarks& marks,
                                              const CalibrationMeasures& measured) {
    // The printer draws a point p at p * s + o: the crosshair (at the
    // origin) at the measured edge distance, the mark a measured length on.
    const auto solve = [&marks](double edge, double nominal, double length, double& scale,
                                double& offset) {
        if (!(edge > 0 && length > 0 && nominal > 0) || !std::isfinite(edge + length)) {
            return false;
        }
        const double printerScale = length / nominal;
        if (std::abs(printerScale - 1) > kMostScaleError) {
            return false;
        }
        const double printerOffset = edge - marks.origin * printerScale;
        scale = 1 / printerScale;
        offset = -printerOffset / printerScale;
        return true;
    };
    PrintCorrection correction;
    if (!solve(measured.left, marks.across, measured.across, correction.scaleX,
               correction.offsetX) ||
        !solve(measured.top, marks.down, measured.down, correction.scaleY, correction.offsetY)) {
        return std::nullopt;
    }
    return correction;
}
