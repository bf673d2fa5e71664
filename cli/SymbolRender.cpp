#include "SymbolRender.h"

#include "DeviceGrid.h"
#include "Placement.h"
#include "SymbolPainter.h"
#include "VectorScene.h"

QImage RenderCellBitmap(const Encoding& encoding, std::int32_t drawBarLength,
                        std::int32_t cellBarLength, bool showText, int orientation, int dpi,
                        int zoom) {
    // The very cell the desktop's Copy and Save render: byte for byte the same.
    return RenderSymbolCell({encoding, drawBarLength, showText, orientation, false}, cellBarLength,
                            dpi, dpi, zoom);
}

RenderedSymbol RenderSymbol(const SymbolRequest& request) {
    RenderedSymbol result;
    const Encoding encoding = CreateBarcode(request.symbology, request.text)->Encode();
    const std::int32_t drawBarLength = BarLengthOf(request.symbology, request.heightMils);
    if (IsRaster(request.format)) {
        result.module = encoding.module;
        if (encoding.module > 0) {
            result.achievedModule = AchievedModuleMils(
                encoding.module, static_cast<double>(request.dpi) * request.zoom);
        }
        const QImage bitmap =
            RenderCellBitmap(encoding, drawBarLength, request.heightMils, request.showText,
                             request.orientation, request.dpi, request.zoom);
        if (bitmap.isNull()) {
            result.error = QStringLiteral("the symbol is too large for a bitmap at %1 dpi "
                                          "(at most %2 pixels a side)")
                               .arg(request.dpi)
                               .arg(kMaxBitmapSide);
            return result;
        }
        result.bytes = EncodeBitmap(bitmap, request.format);
        if (result.bytes.isEmpty()) {
            result.error = QStringLiteral("the bitmap could not be encoded");
        }
        return result;
    }
    const CellSize cell =
        TileCellMils(encoding.totalWidth, request.heightMils, request.orientation);
    VectorJob job;
    job.encoding = &encoding;
    job.barLength = drawBarLength;
    job.showText = request.showText;
    job.orientation = request.orientation;
    job.cellWidth = cell.width;
    job.cellHeight = cell.height;
    job.origin = SymbolOrigin(encoding.totalWidth, drawBarLength, request.orientation);
    result.bytes = WriteVectorFile(job, request.zoom, request.format == OutputFormat::Pdf);
    return result;
}
