#include "SymbolPainter.h"

#include "Barcode.h"
#include "DeviceGrid.h"
#include "MonoSurface.h"
#include "Placement.h"
#include "QPainterSurface.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace {

bool ReadsAlongX(int orientation) {
    return NormalOrientation(orientation) % 2 == 0;
}

// Far beyond any device; keeps a bitmap's dots-per-metre field in range.
constexpr int kMaxImageDpi = 1'000'000;
// The largest side a size in device units reports, as a widget's may be.
constexpr std::int64_t kMaxSizeSide = (1 << 24) - 1;

// The reading direction per orientation, as a unit step in the mils frame.
constexpr std::array<QPointF, 4> kReadingStep{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};

void PaintOne(QPainter& painter, const DeviceMapping& gridMapping, const SymbolScene& scene) {
    QPainterSurface surface(painter, SymbolToDevice(gridMapping, scene), gridMapping.area,
                            scene.orientation);
    surface.SetBarReduction(scene.barReduction);
    Point origin = SymbolOrigin(scene.encoding, scene.barLength, scene.showText, scene.orientation);
    CBarcode::DrawEncoding(scene.encoding, surface, origin, scene.barLength, scene.showText,
                           scene.orientation);
}

// Where one symbol's ink can lie: its bars and its labels' boxes, in mils
// for the bars (mapped once at the end) and device units for the labels.
class ExtentSurface : public Surface {
public:
    ExtentSurface(QPainter& painter, const QTransform& milsToDevice, int orientation)
        : m_milsToDevice(milsToDevice),
          m_text(painter, milsToDevice, QRectF(-kFar, -kFar, 2 * kFar, 2 * kFar), orientation) {}

    void Line(Point from, Point to, std::int32_t penWidth) override {
        const std::int64_t pen = std::max(penWidth, 1);
        m_minX = std::min({m_minX, std::int64_t{from.x} - pen, std::int64_t{to.x} - pen});
        m_maxX = std::max({m_maxX, std::int64_t{from.x} + pen, std::int64_t{to.x} + pen});
        m_minY = std::min({m_minY, std::int64_t{from.y} - pen, std::int64_t{to.y} - pen});
        m_maxY = std::max({m_maxY, std::int64_t{from.y} + pen, std::int64_t{to.y} + pen});
    }
    Extent MeasureText(const Font& font, std::string_view text) override {
        return m_text.MeasureText(font, text);
    }
    void DrawText(const Font& font, Point topLeft, std::string_view text) override {
        if (const std::optional<TextPlacement> placed = m_text.PlaceText(font, topLeft, text)) {
            // Glyphs may reach a little past their box.
            const int margin = static_cast<int>(placed->box.height()) + 2;
            m_labels |= placed->local.mapRect(placed->box)
                            .toAlignedRect()
                            .adjusted(-margin, -margin, margin, margin);
        }
    }
    // The device rectangle holding all the ink, a unit to spare on each side.
    QRectF DeviceRect() const {
        QRectF bars;
        if (m_minX <= m_maxX) {
            bars = m_milsToDevice
                       .mapRect(QRectF(
                           QPointF(static_cast<double>(m_minX), static_cast<double>(m_minY)),
                           QPointF(static_cast<double>(m_maxX), static_cast<double>(m_maxY))))
                       .adjusted(-1, -1, 1, 1);
        }
        return bars | QRectF(m_labels);
    }

private:
    static constexpr double kFar = 1e12;
    QTransform m_milsToDevice;
    QPainterSurface m_text;
    std::int64_t m_minX = INT64_MAX;
    std::int64_t m_maxX = INT64_MIN;
    std::int64_t m_minY = INT64_MAX;
    std::int64_t m_maxY = INT64_MIN;
    QRect m_labels;
};

// The first and last of `count` cells, `step` apart from `first`, whose ink
// (from..to about a cell's centre) meets [low, high]; an empty range as
// first > last.
std::pair<std::int64_t, std::int64_t> CellsMeeting(double low, double high, std::int64_t first,
                                                   std::int64_t step, double from, double to,
                                                   std::int64_t count) {
    const double lowest =
        std::ceil((low - to - static_cast<double>(first)) / static_cast<double>(step));
    const double highest =
        std::floor((high - from - static_cast<double>(first)) / static_cast<double>(step));
    const double last = static_cast<double>(count - 1);
    return {static_cast<std::int64_t>(std::clamp(lowest, 0.0, last + 1)),
            static_cast<std::int64_t>(std::clamp(highest, -1.0, last))};
}

// Largest cell image a raster paint keeps, in pixels: beyond it (a long symbol
// seen through many, spread-out windows) each cell is drawn on its own.
constexpr double kMaxCellImagePixels = 16.0 * 1024 * 1024;

// Tile mode. Only cells whose ink meets the area being painted (the paint
// event's region on a screen, the page on a printer) are drawn. On a raster
// device every cell is the same pixels moved by whole units (cells are whole
// units apart and each symbol's first edge snaps alike), so the part of a cell
// any visible cell shows is painted once into an image and copied into each.
void PaintTiles(QPainter& painter, const DeviceMapping& grid, const SymbolScene& scene) {
    const TileGrid tiles = LayOutTiles(
        TileCellMils(scene.encoding, scene.barLength, scene.orientation), grid, scene.tileEdge);
    if (tiles.IsEmpty()) {
        return;
    }
    QRect target = grid.area;
    QPaintEngine* engine = painter.paintEngine();
    const bool raster = engine != nullptr && engine->type() == QPaintEngine::Raster;
    if (engine != nullptr && !engine->systemClip().isEmpty()) {
        target &= engine->systemClip().boundingRect();
    }
    if (target.isEmpty()) {
        return;
    }
    // The first cell's ink, about its centre.
    DeviceMapping cellMapping = grid;
    const QPoint firstCentre = tiles.CellCentre(0, 0);
    cellMapping.viewportOrigin = firstCentre;
    QRectF ink;
    {
        ExtentSurface extent(painter, SymbolToDevice(cellMapping, scene), scene.orientation);
        Point origin =
            SymbolOrigin(scene.encoding, scene.barLength, scene.showText, scene.orientation);
        CBarcode::DrawEncoding(scene.encoding, extent, origin, scene.barLength, scene.showText,
                               scene.orientation);
        ink = extent.DeviceRect().translated(-QPointF(firstCentre));
    }
    if (ink.isEmpty()) {
        return;
    }
    const auto [firstColumn, lastColumn] =
        CellsMeeting(target.left(), target.right() + 1, firstCentre.x(), tiles.cell.width,
                     ink.left(), ink.right(), tiles.columns);
    const auto [firstRow, lastRow] =
        CellsMeeting(target.top(), target.bottom() + 1, firstCentre.y(), tiles.cell.height,
                     ink.top(), ink.bottom(), tiles.rows);
    if (firstColumn > lastColumn || firstRow > lastRow) {
        return;
    }
    // The part of the first cell that any visible cell shows of the target.
    const QPointF spanStart(static_cast<double>(firstColumn * tiles.cell.width),
                            static_cast<double>(firstRow * tiles.cell.height));
    const QPointF spanEnd(static_cast<double>(lastColumn * tiles.cell.width),
                          static_cast<double>(lastRow * tiles.cell.height));
    const QRectF seen =
        QRectF(QPointF(target.topLeft()) - spanEnd - QPointF(firstCentre),
               QPointF(target.bottomRight()) + QPointF(1, 1) - spanStart - QPointF(firstCentre)) &
        ink;
    const QRect part = seen.toAlignedRect();
    const double partPixels = static_cast<double>(part.width()) * part.height();
    if (raster && !part.isEmpty() && partPixels <= kMaxCellImagePixels) {
        QImage image(part.size(), QImage::Format_ARGB32_Premultiplied);
        if (!image.isNull()) {
            // The device's resolution, so the label font comes out alike.
            constexpr double kMetresPerInch = 0.0254;
            const QPaintDevice* device = painter.device();
            image.setDotsPerMeterX(qRound(device->logicalDpiX() / kMetresPerInch));
            image.setDotsPerMeterY(qRound(device->logicalDpiY() / kMetresPerInch));
            image.fill(Qt::transparent);
            {
                QPainter cellPainter(&image);
                // The same hints, those off included (text antialiasing).
                cellPainter.setRenderHints(~painter.renderHints(), false);
                cellPainter.setRenderHints(painter.renderHints(), true);
                DeviceMapping partMapping = grid;
                partMapping.viewportOrigin = -part.topLeft();
                partMapping.area = image.rect();
                PaintOne(cellPainter, partMapping, scene);
            }
            for (std::int64_t column = firstColumn; column <= lastColumn; ++column) {
                for (std::int64_t row = firstRow; row <= lastRow; ++row) {
                    painter.drawImage(tiles.CellCentre(column, row) + part.topLeft(), image);
                }
            }
            return;
        }
    }
    cellMapping.area = target;
    for (std::int64_t column = firstColumn; column <= lastColumn; ++column) {
        for (std::int64_t row = firstRow; row <= lastRow; ++row) {
            cellMapping.viewportOrigin = tiles.CellCentre(column, row);
            PaintOne(painter, cellMapping, scene);
        }
    }
}

} // namespace

DeviceMapping OnDeviceGrid(const DeviceMapping& mapping, const SymbolScene& scene) {
    DeviceMapping grid = mapping;
    const bool alongX = ReadsAlongX(scene.orientation);
    const double dotsPerInch =
        static_cast<double>(alongX ? mapping.ViewportExtentX() : mapping.ViewportExtentY());
    if (dotsPerInch > 0) {
        (alongX ? grid.gridScaleX : grid.gridScaleY) = AlongDotsPerMil(scene.encoding, dotsPerInch);
    }
    return grid;
}

QTransform SymbolToDevice(const DeviceMapping& gridMapping, const SymbolScene& scene) {
    const QTransform milsToDevice = gridMapping.MilsToDevice();
    const int orientation = NormalOrientation(scene.orientation);
    const Point origin = SymbolOrigin(scene.encoding, scene.barLength, scene.showText, orientation);
    const double lead = scene.showText ? scene.encoding.leadSpace : 0;
    const Encoding::Span bars = scene.encoding.Bars();
    const QPointF step = kReadingStep[static_cast<std::size_t>(orientation)];
    const bool alongX = ReadsAlongX(orientation);
    const auto along = [&](QPointF mils) {
        const QPointF device = milsToDevice.map(mils);
        return alongX ? device.x() : device.y();
    };
    // The origin puts the bars' middle on the mapping's origin to within a
    // mil; measured from that origin instead, the first bar's edge lands half
    // the bars' length before it and snaps to the nearest dot. Whichever way
    // the symbol reads, the gaps either side then differ by one dot at most.
    const double firstBar =
        along(QPointF(origin.x, origin.y) + (lead + static_cast<double>(bars.start)) * step);
    const double centre = along(QPointF(0, 0));
    const double halfBars = (along(static_cast<double>(bars.Length()) * step) - centre) / 2;
    const double shift = SnapToUnit(centre - halfBars) - firstBar;
    return milsToDevice * QTransform::fromTranslate(alongX ? shift : 0, alongX ? 0 : shift);
}

QSize SymbolCellSize(const DeviceMapping& mapping, const SymbolScene& scene) {
    const CellSize cell =
        LayOutTiles(TileCellMils(scene.encoding, scene.barLength, scene.orientation),
                    OnDeviceGrid(mapping, scene))
            .cell;
    const auto side = [](std::int64_t units) {
        return static_cast<int>(std::clamp<std::int64_t>(units, 0, kMaxSizeSide));
    };
    return {side(cell.width), side(cell.height)};
}

QImage RenderSymbolCell(const SymbolScene& scene, std::int32_t cellBarLength, int dpiX, int dpiY,
                        int zoom, const LabelSource& labels, bool* labelMissed) {
    if (dpiX <= 0 || dpiY <= 0 || dpiX > kMaxImageDpi || dpiY > kMaxImageDpi || zoom <= 0) {
        return {};
    }
    const DeviceMapping grid = OnDeviceGrid(PrepareMapping(zoom, dpiX, dpiY, QRect()), scene);
    const QSize size =
        BitmapPixelSize(TileCellMils(scene.encoding, cellBarLength, scene.orientation),
                        grid.ScaleX(), grid.ScaleY());
    if (size.isEmpty()) {
        return {};
    }
    // Straight into the 1-bit buffer: the bitmap is the whole of the memory.
    QImage image = MakeMonoBitmap(size, dpiX, dpiY);
    if (image.isNull()) {
        return image; // too large to allocate
    }
    // Always the one symbol centred in its cell, tile mode or not.
    const DeviceMapping cellGrid =
        OnDeviceGrid(PrepareMapping(zoom, dpiX, dpiY, image.rect()), scene);
    {
        // The surface sets its last bars when it goes.
        MonoSurface surface(image, SymbolToDevice(cellGrid, scene), scene.orientation, labels);
        surface.SetBarReduction(scene.barReduction);
        Point origin =
            SymbolOrigin(scene.encoding, scene.barLength, scene.showText, scene.orientation);
        CBarcode::DrawEncoding(scene.encoding, surface, origin, scene.barLength, scene.showText,
                               scene.orientation);
        if (labelMissed != nullptr) {
            *labelMissed = surface.LabelMissed();
        }
    }
    return image;
}

void PaintSymbol(QPainter& painter, const DeviceMapping& mapping, const SymbolScene& scene) {
    painter.save();
    // The painter counts in device pixels (a doubling screen's real ones).
    const double ratio = mapping.devicePixelRatio > 0 ? mapping.devicePixelRatio : 1.0;
    painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Labels are clipped with their bars: nothing reaches a printer's margin.
    painter.setClipRect(mapping.area);
    const DeviceMapping grid = OnDeviceGrid(mapping, scene);
    if (!scene.tiled) {
        PaintOne(painter, grid, scene);
    } else {
        PaintTiles(painter, grid, scene);
    }
    painter.restore();
}
