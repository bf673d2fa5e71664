#include "LabelSheet.h"

#include "Barcode.h"
#include "DeviceGrid.h"
#include "FieldValues.h"
#include "InkExtent.h"
#include "MonoShapes.h"
#include "MonoSurface.h"
#include "Placement.h"
#include "SheetText.h"
#include "SymbolPainter.h"
#include "VectorScene.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Between the caption's line and the symbol below it.
constexpr double kCaptionGap = 20;
// A continuous label's length beyond its content, at each end: a tenth of an
// inch, which a roll printer's tear bar or cutter leaves clear.
constexpr double kContinuousMargin = 100;
// Sizes are compared to half a mil: millimetre stock is no whole mils.
constexpr double kFitSlack = 0.5;

double CaptionHeight() {
    return kLabelLineHeightPerEm * kLabelFontHeight;
}

double CaptionWidth(const QString& caption) {
    return kLabelAdvancePerEm * kLabelFontHeight * static_cast<double>(caption.size());
}

bool ReadsAlongX(int orientation) {
    return NormalOrientation(orientation) % 2 == 0;
}

// One label's symbol, built once for all its copies.
struct BuiltLabel {
    Encoding encoding;
    std::int32_t barLength = 0;
    InkExtent bars;
    InkExtent ink;
};

VectorJob VectorJobOf(const SheetJob& job, const BuiltLabel& built) {
    VectorJob vector;
    vector.encoding = &built.encoding;
    vector.barLength = built.barLength;
    vector.showText = job.symbol.showText;
    vector.orientation = job.symbol.orientation;
    vector.origin =
        SymbolOrigin(built.encoding, built.barLength, vector.showText, vector.orientation);
    return vector;
}

BuiltLabel Build(const SheetJob& job, const SheetLabel& label) {
    const RenderRequest request = LabelRequest(job, label);
    BuiltLabel built;
    built.encoding = CreateBarcode(request.symbology, request.text, request.widths)->Encode();
    built.barLength = BarLengthOf(request.symbology, request.heightMils);
    ExtentSink extent;
    WalkVectorShapes(VectorJobOf(job, built), extent);
    built.bars = extent.bars;
    built.ink = extent.ink;
    return built;
}

// Where one label's drawing goes on its page, in mils from the page's
// top-left corner (y downward), the printer's offset not yet applied.
struct LabelPlan {
    double centreX = 0; // the symbol's bar-area centre
    double centreY = 0;
    double captionLeft = 0;
    double captionTop = 0;
};

LabelPlan PlanLabel(const LabelPlace& place, const BuiltLabel& built, const QString& caption) {
    const double captionBlock = caption.isEmpty() ? 0 : CaptionHeight() + kCaptionGap;
    const double top = place.y + (place.height - captionBlock - built.ink.Height()) / 2;
    const double middle = place.x + place.width / 2;
    LabelPlan plan;
    plan.captionLeft = middle - CaptionWidth(caption) / 2;
    plan.captionTop = top;
    // The ink's centre on the label's middle, below the caption.
    const double inkCentreX = (built.ink.minX + built.ink.maxX) / 2;
    const double inkCentreY = (built.ink.minY + built.ink.maxY) / 2;
    plan.centreX = middle - inkCentreX;
    plan.centreY = top + captionBlock + built.ink.Height() / 2 + inkCentreY;
    return plan;
}

// Whether a box of this size, centred in the label, stays inside its shape
// and clear of its margin.
bool FitsLabel(const SheetLayout& layout, double width, double height) {
    const double across = layout.labelWidth - 2 * layout.margin + kFitSlack;
    const double down = layout.labelHeight - 2 * layout.margin + kFitSlack;
    if (width > across || height > down) {
        return false;
    }
    if (layout.shape == LabelShape::Rectangle) {
        return true;
    }
    // The box's corners on or inside the ellipse (a circle when round).
    const double x = width / across;
    const double y = height / down;
    return x * x + y * y <= 1;
}

// The box a label's drawing takes, in mils: the bars with the clear space a
// saved bitmap keeps on each side (their quiet zones), the text beyond them
// if it reaches further, and the caption above.
QSizeF ContentSize(const SheetJob& job, const SheetLabel& label) {
    const BuiltLabel built = Build(job, label);
    const double captionBlock = label.caption.isEmpty() ? 0 : CaptionHeight() + kCaptionGap;
    InkExtent clear = built.ink;
    const double quiet = CellMarginAlong(built.encoding);
    if (!built.bars.Empty()) {
        if (ReadsAlongX(job.symbol.orientation)) {
            clear.Add(built.bars.minX - quiet, built.bars.minY);
            clear.Add(built.bars.maxX + quiet, built.bars.maxY);
        } else {
            clear.Add(built.bars.minX, built.bars.minY - quiet);
            clear.Add(built.bars.maxX, built.bars.maxY + quiet);
        }
    }
    return {std::max(clear.Width(), CaptionWidth(label.caption)), clear.Height() + captionBlock};
}

// A length in mils as whole dots, rounded.
int Dots(double mils, int dpi) {
    return static_cast<int>(std::lround(mils * dpi / kMilsPerInch));
}

// The labels' built symbols as a page walks its places: copies of one label
// follow each other, so only the last one is kept.
class LabelCache {
public:
    explicit LabelCache(const SheetJob& job) : m_job(job) {}
    const BuiltLabel& Get(int index) {
        if (index != m_index) {
            m_built = Build(m_job, m_job.labels[static_cast<std::size_t>(index)]);
            m_index = index;
        }
        return m_built;
    }

private:
    const SheetJob& m_job;
    int m_index = -1;
    BuiltLabel m_built;
};

QImage BlankPage(const SheetJob& job, int dpiX, int dpiY) {
    return MakeMonoBitmap(
        QSize(Dots(job.layout.pageWidth, dpiX), Dots(job.layout.pageHeight, dpiY)), dpiX, dpiY);
}

// The caption in the label font, upright, its top-left corner at a page
// point in mils (y downward) mapped by milsToDevice's scale and offset.
void DrawCaption(QImage& page, const QTransform& pageToDevice, double left, double top,
                 const QString& caption) {
    PaintCaption(page, pageToDevice.map(QPointF(left, -top)),
                 kLabelFontHeight * std::abs(pageToDevice.m22()), caption);
}

QString Inches(double mils) {
    return MessageNumber(mils / kMilsPerInch, 2);
}

// The label's size, and its shape and margin where it has them.
QString LabelInWords(const SheetLayout& layout) {
    const QString size = QCoreApplication::translate("LabelSheet", "%1 x %2 in")
                             .arg(Inches(layout.labelWidth), Inches(layout.labelHeight));
    if (layout.shape == LabelShape::Rectangle && layout.margin <= 0) {
        return QCoreApplication::translate("LabelSheet", "the label is %1").arg(size);
    }
    const QString shape = layout.shape == LabelShape::Round
                              ? QCoreApplication::translate("LabelSheet", "round")
                          : layout.shape == LabelShape::Ellipse
                              ? QCoreApplication::translate("LabelSheet", "elliptic")
                              : QCoreApplication::translate("LabelSheet", "rectangular");
    return QCoreApplication::translate(
               "LabelSheet", "it must stay inside the %1 label of %2, %3 in from its edge")
        .arg(shape, size, Inches(layout.margin));
}

} // namespace

RenderRequest LabelRequest(const SheetJob& job, const SheetLabel& label) {
    RenderRequest request = job.symbol;
    request.text = label.text;
    request.zoom = 1;
    return request;
}

QString SheetJobFault(const SheetJob& job) {
    const int perSheet = job.layout.LabelsPerSheet();
    if (job.startAt < 1 || job.startAt > perSheet) {
        const QString layout = QString::fromStdString(job.layout.name);
        return perSheet == 1 ? QCoreApplication::translate(
                                   "LabelSheet", "the first label must be 1: %1 holds one label")
                                   .arg(layout)
                             : QCoreApplication::translate("LabelSheet",
                                                           "the first label must be 1 to %1 on %2")
                                   .arg(perSheet)
                                   .arg(layout);
    }
    if (job.copies < 1 || job.copies > kMaxCopies) {
        return QCoreApplication::translate("LabelSheet", "copies must be 1 to %1").arg(kMaxCopies);
    }
    if (static_cast<std::int64_t>(job.labels.size()) * job.copies > kMaxSheetLabels) {
        return QCoreApplication::translate(
                   "LabelSheet", "%1 labels of %2 copies each are more than the %3 one run takes")
            .arg(job.labels.size())
            .arg(job.copies)
            .arg(kMaxSheetLabels);
    }
    if (job.labels.empty()) {
        return QCoreApplication::translate("LabelSheet", "there are no labels to print");
    }
    return {};
}

int SheetPageCount(const SheetJob& job) {
    const std::int64_t perSheet = std::max(job.layout.LabelsPerSheet(), 1);
    const std::int64_t places = std::int64_t{std::max(job.startAt, 1) - 1} +
                                static_cast<std::int64_t>(job.labels.size()) * job.copies;
    return static_cast<int>((places + perSheet - 1) / perSheet);
}

int LabelIndexAt(const SheetJob& job, int page, int place) {
    const std::int64_t slot =
        std::int64_t{page} * job.layout.LabelsPerSheet() + place - (std::max(job.startAt, 1) - 1);
    if (slot < 0 || job.copies < 1) {
        return -1;
    }
    const std::int64_t index = slot / job.copies;
    return index < static_cast<std::int64_t>(job.labels.size()) ? static_cast<int>(index) : -1;
}

QStringList LabelsThatDoNotFit(const SheetJob& job) {
    QStringList faults;
    for (const SheetLabel& label : job.labels) {
        const QSizeF size = ContentSize(job, label);
        if (!FitsLabel(job.layout, size.width(), size.height())) {
            const QString takes =
                QCoreApplication::translate("LabelSheet",
                                            "line %1: the symbol takes %2 x %3 in with its quiet "
                                            "zones%4; ")
                    .arg(label.line)
                    .arg(Inches(size.width()), Inches(size.height()),
                         label.caption.isEmpty()
                             ? QString()
                             : QCoreApplication::translate("LabelSheet", " and caption"));
            faults.append(takes + LabelInWords(job.layout));
        }
    }
    return faults;
}

void FitContinuousLength(SheetJob& job) {
    if (!job.layout.continuous) {
        return;
    }
    double longest = 0;
    for (const SheetLabel& label : job.labels) {
        longest = std::max(longest, ContentSize(job, label).height());
    }
    const double length = std::ceil(longest + 2 * kContinuousMargin);
    job.layout.labelHeight = job.layout.pageHeight = job.layout.pitchY = length;
}

QRect LabelRectOnPage(const SheetJob& job, int place, int dpiX, int dpiY) {
    const LabelPlace label = LabelAt(job.layout, place);
    const int left = Dots(PrintedX(job, label.x), dpiX);
    const int top = Dots(PrintedY(job, label.y), dpiY);
    return QRect(QPoint(left, top), QPoint(Dots(PrintedX(job, label.x + label.width), dpiX) - 1,
                                           Dots(PrintedY(job, label.y + label.height), dpiY) - 1));
}

QImage RenderSheetPage(const SheetJob& job, int page, int dpiX, int dpiY) {
    QImage image = BlankPage(job, dpiX, dpiY);
    if (image.isNull()) {
        return image;
    }
    const QTransform pageToDevice(dpiX / 1000.0, 0, 0, -dpiY / 1000.0, 0, 0);
    LabelCache cache(job);
    for (int place = 0; place < job.layout.LabelsPerSheet(); ++place) {
        const QRect labelRect = LabelRectOnPage(job, place, dpiX, dpiY);
        if (job.outlines) {
            OutlineMonoShape(image, labelRect, job.layout.shape, 1);
        }
        const int index = LabelIndexAt(job, page, place);
        if (index < 0) {
            continue;
        }
        const SheetLabel& label = job.labels[static_cast<std::size_t>(index)];
        const BuiltLabel& built = cache.Get(index);
        const LabelPlan plan = PlanLabel(LabelAt(job.layout, place), built, label.caption);
        if (!label.caption.isEmpty()) {
            DrawCaption(image, pageToDevice, PrintedX(job, plan.captionLeft),
                        PrintedY(job, plan.captionTop), label.caption);
        }
        if (built.encoding.Empty()) {
            continue;
        }
        // The symbol's centre on a whole dot; the device grid then sets its
        // module to whole dots and its first edge on one, as every output does.
        const SymbolScene scene{built.encoding, built.barLength, job.symbol.showText,
                                job.symbol.orientation, false};
        DeviceMapping mapping = PrepareMapping(1, dpiX, dpiY, labelRect);
        mapping.viewportOrigin = QPoint(Dots(PrintedX(job, plan.centreX), dpiX),
                                        Dots(PrintedY(job, plan.centreY), dpiY));
        const DeviceMapping grid = OnDeviceGrid(mapping, scene);
        MonoSurface surface(image, SymbolToDevice(grid, scene), scene.orientation,
                            job.symbol.labels);
        surface.SetBarReduction(job.symbol.barReduction);
        Point origin =
            SymbolOrigin(built.encoding, built.barLength, scene.showText, scene.orientation);
        CBarcode::DrawEncoding(built.encoding, surface, origin, built.barLength, scene.showText,
                               scene.orientation);
    }
    return image;
}

bool WriteSheetPdf(const SheetJob& job, int gridDpi,
                   const std::function<bool(const QByteArray&)>& write) {
    // Qt's PDF engine writes the pages as they are done and embeds the
    // glyphs the texts use, so every caption and label is real text in any
    // character its font has. Its unit here is the mil, y downward.
    PdfSinkDevice device(write);
    device.open(QIODevice::WriteOnly);
    QPdfWriter writer(&device);
    writer.setPageSize(
        QPageSize(QSizeF(job.layout.pageWidth / kMilsPerInch, job.layout.pageHeight / kMilsPerInch),
                  QPageSize::Inch, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(static_cast<int>(kMilsPerInch));
    writer.setCreator(QStringLiteral("Quillmark"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    const int pages = SheetPageCount(job);
    const double pageHeight = job.layout.pageHeight;
    const double grid = gridDpi > 0 ? kMilsPerInch / gridDpi : 0;
    const auto snap = [grid](double mils) {
        return grid > 0 ? std::round(mils / grid) * grid - mils : 0.0;
    };
    LabelCache cache(job);
    PainterShapeSink sink(painter, pageHeight);
    for (int page = 0; page < pages && !device.Failed(); ++page) {
        if (page > 0 && !writer.newPage()) {
            return false;
        }
        for (int place = 0; place < job.layout.LabelsPerSheet(); ++place) {
            const LabelPlace label = LabelAt(job.layout, place);
            if (job.outlines) {
                PaintLabelOutline(painter,
                                  QRectF(QPointF(PrintedX(job, label.x), PrintedY(job, label.y)),
                                         QPointF(PrintedX(job, label.x + label.width),
                                                 PrintedY(job, label.y + label.height))),
                                  job.layout.shape);
            }
            const int index = LabelIndexAt(job, page, place);
            if (index < 0) {
                continue;
            }
            const SheetLabel& data = job.labels[static_cast<std::size_t>(index)];
            const BuiltLabel& built = cache.Get(index);
            const LabelPlan plan = PlanLabel(label, built, data.caption);
            if (!data.caption.isEmpty()) {
                VectorText caption;
                caption.x = PrintedX(job, plan.captionLeft);
                caption.y = pageHeight - PrintedY(job, plan.captionTop);
                caption.fontHeight = kLabelFontHeight;
                caption.boxWidth = CaptionWidth(data.caption);
                caption.boxHeight = CaptionHeight();
                sink.Text(caption, data.caption);
            }
            if (built.encoding.Empty()) {
                continue;
            }
            VectorJob vector = VectorJobOf(job, built);
            vector.shiftX = PrintedX(job, plan.centreX);
            vector.shiftY = pageHeight - PrintedY(job, plan.centreY);
            // The bars' leading edge on the grid's dots, across the reading
            // direction left as it is.
            if (ReadsAlongX(vector.orientation)) {
                vector.shiftX += snap(vector.shiftX + built.bars.minX);
            } else {
                vector.shiftY += snap(vector.shiftY + built.bars.minY);
            }
            WalkVectorShapes(vector, sink);
        }
    }
    return painter.end() && device.Finish();
}
