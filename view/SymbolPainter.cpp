#include "SymbolPainter.h"

#include "Barcode.h"
#include "DeviceGrid.h"
#include "Placement.h"
#include "QPainterSurface.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

bool ReadsAlongX(int orientation) {
    return NormalOrientation(orientation) % 2 == 0;
}

constexpr double kMetresPerInch = 0.0254;
// Far beyond any device; keeps a bitmap's dots-per-metre field in range.
constexpr int kMaxImageDpi = 1'000'000;

// The reading direction per orientation, as a unit step in the mils frame.
constexpr std::array<QPointF, 4> kReadingStep{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};

void PaintOne(QPainter& painter, const DeviceMapping& gridMapping, const SymbolScene& scene) {
    QPainterSurface surface(painter, SymbolToDevice(gridMapping, scene), gridMapping.area,
                            scene.orientation);
    Point origin = SymbolOrigin(scene.encoding.totalWidth, scene.barLength, scene.orientation);
    CBarcode::DrawEncoding(scene.encoding, surface, origin, scene.barLength, scene.showText,
                           scene.orientation);
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
    const Point origin = SymbolOrigin(scene.encoding.totalWidth, scene.barLength, orientation);
    const double lead = scene.showText ? scene.encoding.leadSpace : 0;
    const QPointF step = kReadingStep[static_cast<std::size_t>(orientation)];
    const QPointF firstEdge = milsToDevice.map(QPointF(origin.x, origin.y) + lead * step);
    const bool alongX = ReadsAlongX(orientation);
    const double along = alongX ? firstEdge.x() : firstEdge.y();
    const double shift = std::round(along) - along;
    return milsToDevice * QTransform::fromTranslate(alongX ? shift : 0, alongX ? 0 : shift);
}

QSize SymbolCellSize(const DeviceMapping& mapping, const SymbolScene& scene) {
    const CellSize cell =
        LayOutTiles(TileCellMils(scene.encoding.totalWidth, scene.barLength, scene.orientation),
                    OnDeviceGrid(mapping, scene))
            .cell;
    const auto side = [](std::int64_t units) {
        return static_cast<int>(std::clamp<std::int64_t>(units, 0, QWIDGETSIZE_MAX));
    };
    return {side(cell.width), side(cell.height)};
}

QImage RenderSymbolCell(const SymbolScene& scene, std::int32_t cellBarLength, int dpiX, int dpiY,
                        int zoom) {
    if (dpiX <= 0 || dpiY <= 0 || dpiX > kMaxImageDpi || dpiY > kMaxImageDpi || zoom <= 0) {
        return {};
    }
    const DeviceMapping grid = OnDeviceGrid(PrepareMapping(zoom, dpiX, dpiY, QRect()), scene);
    const QSize size =
        BitmapPixelSize(TileCellMils(scene.encoding.totalWidth, cellBarLength, scene.orientation),
                        grid.ScaleX(), grid.ScaleY());
    if (size.isEmpty()) {
        return {};
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return image; // too large to allocate
    }
    image.setDotsPerMeterX(qRound(dpiX / kMetresPerInch));
    image.setDotsPerMeterY(qRound(dpiY / kMetresPerInch));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        // A monochrome bitmap: the text's edges as clean as the bars'.
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        PaintSymbol(painter, PrepareMapping(zoom, dpiX, dpiY, image.rect()), scene);
    }
    return image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
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
        const TileGrid tiles = LayOutTiles(
            TileCellMils(scene.encoding.totalWidth, scene.barLength, scene.orientation), grid);
        DeviceMapping cellMapping = grid;
        for (std::int64_t column = 0; column < tiles.columns; ++column) {
            for (std::int64_t row = 0; row < tiles.rows; ++row) {
                cellMapping.viewportOrigin = tiles.CellCentre(column, row);
                PaintOne(painter, cellMapping, scene);
            }
        }
    }
    painter.restore();
}
