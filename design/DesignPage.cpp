#include "DesignPage.h"

#include "Barcode.h"
#include "MonoShapes.h"
#include "MonoSurface.h"
#include "ScanCheck.h"
#include "SheetText.h"
#include "SymbolPainter.h"
#include "VectorScene.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDotsPerMetrePerDpi = 39.3701;
constexpr int kHalfGrey = 128;

int Dots(double mils, int dpi) {
    return static_cast<int>(std::lround(mils * dpi / kMilsPerInch));
}

// A rectangle in mils as the dots it covers: edges rounded to whole dots,
// and never less than one dot across.
QRect DotRect(const QRectF& mils, int dpiX, int dpiY) {
    const int left = Dots(mils.left(), dpiX);
    const int top = Dots(mils.top(), dpiY);
    const int right = std::max(Dots(mils.right(), dpiX), left + 1);
    const int bottom = std::max(Dots(mils.bottom(), dpiY), top + 1);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// The bands a line or rectangle paints, in mils of its label: a line along
// its box's edge of length, centred on it; a rectangle's border inside its
// box, or the whole box filled.
std::vector<QRectF> ShapeBands(const PlacedObject& shape) {
    const QRectF& box = shape.box;
    const double s = shape.stroke;
    if (shape.kind == ObjectKind::Line) {
        return {box.height() == 0 ? QRectF(box.left(), box.top() - s / 2, box.width(), s)
                                  : QRectF(box.left() - s / 2, box.top(), s, box.height())};
    }
    if (shape.fill || 2 * s >= std::min(box.width(), box.height())) {
        return {box};
    }
    return {QRectF(box.left(), box.top(), box.width(), s),
            QRectF(box.left(), box.bottom() - s, box.width(), s),
            QRectF(box.left(), box.top() + s, s, box.height() - 2 * s),
            QRectF(box.right() - s, box.top() + s, s, box.height() - 2 * s)};
}

// A text drawn grey into a scratch image of its box (with room for glyphs
// that reach past it), then every dot darker than half set on the page.
void TextDots(QImage& page, const PlacedObject& text, QPointF labelOrigin, int dpiX, int dpiY) {
    const QRect box = DotRect(text.box.translated(labelOrigin), dpiX, dpiY);
    const int pad = dpiY / 8;
    const QRect area = box.adjusted(-pad, -pad, pad, pad);
    const QRect visible = area.intersected(page.rect());
    if (visible.isEmpty() || text.text.isEmpty()) {
        return;
    }
    QImage scratch(area.size(), QImage::Format_Grayscale8);
    scratch.setDotsPerMeterX(static_cast<int>(std::lround(dpiX * kDotsPerMetrePerDpi)));
    scratch.setDotsPerMeterY(static_cast<int>(std::lround(dpiY * kDotsPerMetrePerDpi)));
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        QFont font = text.font;
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(pad, pad), box.size()), text.flags, text.text);
    }
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const uchar* from = scratch.constScanLine(y - area.top());
        uchar* to = page.scanLine(y);
        for (int x = visible.left(); x <= visible.right(); ++x) {
            if (from[x - area.left()] < kHalfGrey) {
                to[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
            }
        }
    }
}

// A barcode on the device grid, as every sheet draws it: its centre on a
// whole dot, its module whole dots, its first edge on one.
void SymbolDots(QImage& page, const PlacedObject& symbol, QPointF labelOrigin, int dpiX, int dpiY,
                int barReduction) {
    const SymbolScene scene{*symbol.encoding, symbol.barLength, symbol.request.showText,
                            symbol.request.orientation, false};
    DeviceMapping mapping = PrepareMapping(1, dpiX, dpiY, page.rect());
    const QPointF centre = symbol.centre + labelOrigin;
    mapping.viewportOrigin = QPoint(Dots(centre.x(), dpiX), Dots(centre.y(), dpiY));
    const DeviceMapping grid = OnDeviceGrid(mapping, scene);
    MonoSurface surface(page, SymbolToDevice(grid, scene), scene.orientation,
                        symbol.request.labels);
    surface.SetBarReduction(barReduction);
    Point origin =
        SymbolOrigin(*symbol.encoding, symbol.barLength, scene.showText, scene.orientation);
    CBarcode::DrawEncoding(*symbol.encoding, surface, origin, symbol.barLength, scene.showText,
                           scene.orientation);
}

QPointF LabelOrigin(const DesignPages& pages, int place) {
    const LabelPlace label = LabelAt(pages.stock, place);
    return {label.x + pages.offsetX, label.y + pages.offsetY};
}

} // namespace

std::int64_t DesignPageCount(const DesignPages& pages) {
    const std::int64_t perSheet = std::max(pages.stock.LabelsPerSheet(), 1);
    const std::int64_t places =
        std::int64_t{std::max(pages.startAt, 1) - 1} + pages.labels * std::max(pages.copies, 1);
    return (places + perSheet - 1) / perSheet;
}

std::int64_t DesignLabelAt(const DesignPages& pages, std::int64_t page, int place) {
    const std::int64_t slot =
        page * pages.stock.LabelsPerSheet() + place - (std::max(pages.startAt, 1) - 1);
    if (slot < 0) {
        return -1;
    }
    const std::int64_t index = slot / std::max(pages.copies, 1);
    return index < pages.labels ? index : -1;
}

QImage RenderDesignPage(const DesignPages& pages, const std::vector<const LabelLayout*>& labels,
                        int dpiX, int dpiY) {
    QImage page = MakeMonoBitmap(
        QSize(Dots(pages.stock.pageWidth, dpiX), Dots(pages.stock.pageHeight, dpiY)), dpiX, dpiY);
    if (page.isNull()) {
        return page;
    }
    for (int place = 0; place < pages.stock.LabelsPerSheet(); ++place) {
        const QPointF origin = LabelOrigin(pages, place);
        if (pages.outlines) {
            const LabelPlace label = LabelAt(pages.stock, place);
            // A one-dot outline, as a sheet's, of the label's own shape.
            OutlineMonoShape(page,
                             DotRect(QRectF(origin, QSizeF(label.width, label.height)), dpiX, dpiY),
                             pages.stock.shape, 1);
        }
        const LabelLayout* layout =
            static_cast<std::size_t>(place) < labels.size() ? labels[place] : nullptr;
        for (const PlacedObject& object :
             layout != nullptr ? layout->objects : std::vector<PlacedObject>{}) {
            switch (object.kind) {
            case ObjectKind::Text:
                TextDots(page, object, origin, dpiX, dpiY);
                break;
            case ObjectKind::Barcode:
                if (object.encoding && !object.encoding->Empty()) {
                    SymbolDots(page, object, origin, dpiX, dpiY, pages.barReduction);
                }
                break;
            case ObjectKind::Line:
            case ObjectKind::Rectangle:
                for (const QRectF& band : ShapeBands(object)) {
                    FillMonoRect(page, DotRect(band.translated(origin), dpiX, dpiY));
                }
                break;
            }
        }
    }
    return page;
}

QStringList VerifyDesignPage(const DesignPages& pages,
                             const std::vector<const LabelLayout*>& labels,
                             const QStringList& names, const LabelDesign& design, std::int64_t page,
                             const QImage& image) {
    QStringList faults;
    const int dpiX = qRound(image.dotsPerMeterX() / kDotsPerMetrePerDpi);
    const int dpiY = qRound(image.dotsPerMeterY() / kDotsPerMetrePerDpi);
    const int quiet = dpiX / 4; // a quarter inch of white around the box
    for (std::size_t place = 0; place < labels.size() && place < std::size_t(names.size());
         ++place) {
        const std::vector<PlacedObject>& objects =
            labels[place] != nullptr ? labels[place]->objects : std::vector<PlacedObject>{};
        const QPointF origin = LabelOrigin(pages, static_cast<int>(place));
        for (std::size_t i = 0; i < objects.size() && i < design.objects.size(); ++i) {
            const PlacedObject& object = objects[i];
            if (object.kind != ObjectKind::Barcode || !object.encoding ||
                object.encoding->Empty()) {
                continue;
            }
            const QRect box =
                DotRect(object.box.translated(origin), dpiX, dpiY).intersected(image.rect());
            QImage field(box.width() + 2 * quiet, box.height() + 2 * quiet,
                         QImage::Format_Grayscale8);
            field.fill(Qt::white);
            {
                QPainter painter(&field);
                painter.drawImage(QPoint(quiet, quiet), image.copy(box));
            }
            const std::string expected = MakeScanJob(object.request).expected;
            const std::optional<std::string> read = ReadSymbol(field, object.request.symbology);
            if (read && *read == expected) {
                continue;
            }
            faults.append(
                QCoreApplication::translate("DesignPage", "%1 (page %2, label %3), %4: %5")
                    .arg(names[static_cast<qsizetype>(place)])
                    .arg(page + 1)
                    .arg(place + 1)
                    .arg(ObjectName(design.objects[i], i),
                         read ? QCoreApplication::translate("DesignPage", "reads as \"%1\"")
                                    .arg(QString::fromLatin1(read->c_str()))
                              : QCoreApplication::translate("DesignPage", "does not scan")));
        }
    }
    return faults;
}

struct CDesignPdf::State {
    State(const DesignPages& p, int dpi, const std::function<bool(const QByteArray&)>& write)
        : pages(p), gridDpi(dpi), device(write), writer(&device) {}
    DesignPages pages;
    int gridDpi;
    PdfSinkDevice device;
    QPdfWriter writer;
    QPainter painter;
    bool begun = false;
    bool failed = false;
};

CDesignPdf::CDesignPdf(const DesignPages& pages, int gridDpi,
                       const std::function<bool(const QByteArray&)>& write)
    : m_state(std::make_unique<State>(pages, gridDpi, write)) {
    State& s = *m_state;
    s.device.open(QIODevice::WriteOnly);
    s.writer.setPageSize(QPageSize(
        QSizeF(pages.stock.pageWidth / kMilsPerInch, pages.stock.pageHeight / kMilsPerInch),
        QPageSize::Inch, QString(), QPageSize::ExactMatch));
    s.writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    s.writer.setResolution(static_cast<int>(kMilsPerInch));
    s.writer.setCreator(QStringLiteral("Quillmark"));
}

CDesignPdf::~CDesignPdf() {
    if (m_state->painter.isActive()) {
        m_state->painter.end();
    }
}

bool CDesignPdf::AddPage(const std::vector<const LabelLayout*>& labels) {
    State& s = *m_state;
    if (s.failed || s.device.Failed()) {
        return false;
    }
    if (!s.begun) {
        s.begun = true;
        if (!s.painter.begin(&s.writer)) {
            s.failed = true;
            return false;
        }
    } else if (!s.writer.newPage()) {
        s.failed = true;
        return false;
    }
    QPainter& painter = s.painter;
    const double pageHeight = s.pages.stock.pageHeight;
    const double grid = s.gridDpi > 0 ? kMilsPerInch / s.gridDpi : 0;
    const auto snap = [grid](double mils) {
        return grid > 0 ? std::round(mils / grid) * grid - mils : 0.0;
    };
    PainterShapeSink sink(painter, pageHeight);
    for (int place = 0; place < s.pages.stock.LabelsPerSheet(); ++place) {
        const QPointF origin = LabelOrigin(s.pages, place);
        if (s.pages.outlines) {
            const LabelPlace label = LabelAt(s.pages.stock, place);
            PaintLabelOutline(painter, QRectF(origin, QSizeF(label.width, label.height)),
                              s.pages.stock.shape);
        }
        const LabelLayout* layout =
            static_cast<std::size_t>(place) < labels.size() ? labels[place] : nullptr;
        for (const PlacedObject& object :
             layout != nullptr ? layout->objects : std::vector<PlacedObject>{}) {
            switch (object.kind) {
            case ObjectKind::Text:
                painter.setFont(object.font);
                painter.setPen(Qt::black);
                painter.drawText(object.box.translated(origin), object.flags, object.text);
                break;
            case ObjectKind::Barcode: {
                if (!object.encoding || object.encoding->Empty()) {
                    break;
                }
                VectorJob vector;
                vector.encoding = object.encoding.get();
                vector.barLength = object.barLength;
                vector.showText = object.request.showText;
                vector.orientation = object.request.orientation;
                vector.origin = SymbolOrigin(*object.encoding, object.barLength, vector.showText,
                                             vector.orientation);
                vector.shiftX = object.centre.x() + origin.x();
                vector.shiftY = pageHeight - object.centre.y() - origin.y();
                // The bars' leading edge on the grid's dots.
                if (vector.orientation % 2 == 0) {
                    vector.shiftX += snap(vector.shiftX + object.bars.minX);
                } else {
                    vector.shiftY += snap(vector.shiftY + object.bars.minY);
                }
                WalkVectorShapes(vector, sink);
                break;
            }
            case ObjectKind::Line:
            case ObjectKind::Rectangle:
                for (const QRectF& band : ShapeBands(object)) {
                    painter.fillRect(band.translated(origin), Qt::black);
                }
                break;
            }
        }
    }
    return !s.device.Failed();
}

bool CDesignPdf::Finish() {
    State& s = *m_state;
    if (!s.begun && !s.failed) {
        AddPage({});
    }
    const bool ended = !s.painter.isActive() || s.painter.end();
    return !s.failed && ended && s.device.Finish();
}
