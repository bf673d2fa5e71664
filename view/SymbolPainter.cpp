#include "SymbolPainter.h"

#include "Barcode.h"
#include "Placement.h"
#include "QPainterSurface.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {

void PaintOne(QPainter& painter, const QTransform& milsToDevice, const SymbolScene& scene) {
    QPainterSurface surface(painter, milsToDevice);
    Point origin = SymbolOrigin(scene.encoding.totalWidth, scene.barLength, scene.orientation);
    CBarcode::DrawEncoding(scene.encoding, surface, origin, scene.barLength, scene.showText,
                           scene.orientation);
}

} // namespace

QSize SymbolCellSize(const DeviceMapping& mapping, const SymbolScene& scene) {
    const CellSize cell =
        LayOutTiles(TileCellMils(scene.encoding.totalWidth, scene.barLength, scene.orientation),
                    mapping)
            .cell;
    const auto side = [](std::int64_t units) {
        return static_cast<int>(std::clamp<std::int64_t>(units, 0, QWIDGETSIZE_MAX));
    };
    return {side(cell.width), side(cell.height)};
}

void PaintSymbol(QPainter& painter, const DeviceMapping& mapping, const SymbolScene& scene) {
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!scene.tiled) {
        PaintOne(painter, mapping.MilsToDevice(), scene);
    } else {
        const TileGrid grid = LayOutTiles(
            TileCellMils(scene.encoding.totalWidth, scene.barLength, scene.orientation), mapping);
        DeviceMapping cellMapping = mapping;
        for (std::int64_t column = 0; column < grid.columns; ++column) {
            for (std::int64_t row = 0; row < grid.rows; ++row) {
                cellMapping.viewportOrigin = grid.CellCentre(column, row);
                PaintOne(painter, cellMapping.MilsToDevice(), scene);
            }
        }
    }
    painter.restore();
}
