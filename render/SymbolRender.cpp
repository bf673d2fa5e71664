#include "SymbolRender.h"

#include "DeviceGrid.h"
#include "FieldValues.h"
#include "MonoSurface.h"
#include "PdfWriter.h"
#include "Placement.h"
#include "SvgWriter.h"
#include "SymbolPainter.h"
#include "VectorScene.h"

#include <algorithm>
#include <memory>

#include <QCoreApplication>

namespace {

// The symbol drawn with the request's bar length (Postnet keeps its own) in
// a cell sized by the Height field's.
struct Built {
    Encoding encoding;
    std::int32_t drawBarLength = 0;
};

// The largest cell any output holds, in mils at its zoom: 200 inches a side,
// the largest page a PDF reader takes (14,400 points). It is checked the same
// for every format: no file is cut at its page's edge, and no memory goes to
// a bitmap or a file that cannot be written.
constexpr std::int64_t kMaxCellMils = 200LL * kMilsPerInch;

// The encoded symbol, or why there is none: a cell larger than any page.
Built Build(const RenderRequest& request, QString* error) {
    Built built{CreateBarcode(request.symbology, request.text, request.widths)->Encode(),
                BarLengthOf(request.symbology, request.heightMils)};
    const CellSize cell = TileCellMils(built.encoding, request.heightMils, request.orientation);
    const std::int64_t zoom = std::max(request.zoom, 1);
    if (cell.width * zoom > kMaxCellMils || cell.height * zoom > kMaxCellMils) {
        const auto inches = [zoom](std::int64_t mils) {
            return MessageNumber(static_cast<double>(mils * zoom) / kMilsPerInch, 2);
        };
        *error = QCoreApplication::translate(
                     "SymbolRender", "the symbol takes %1 x %2 inches at zoom %3; no output holds "
                                     "more than %4 inches a side")
                     .arg(inches(cell.width), inches(cell.height))
                     .arg(zoom)
                     .arg(kMaxCellMils / kMilsPerInch);
        return {};
    }
    return built;
}

RenderResult Refusal(const QString& error) {
    RenderResult refused;
    refused.error = error;
    return refused;
}

bool ReadsAlongX(int orientation) {
    return NormalOrientation(orientation) % 2 == 0;
}

// The 1-bit bitmap of the symbol in its cell, and the module it achieves on
// the device's grid of dots along the reading direction.
RenderResult RasterOf(const RenderRequest& request, const Built& built) {
    RenderResult result;
    const Encoding& encoding = built.encoding;
    result.blank = encoding.Empty();
    result.module = encoding.module;
    if (encoding.module > 0) {
        const int dpi = ReadsAlongX(request.orientation) ? request.dpiX : request.dpiY;
        result.achievedModule =
            AchievedModuleMils(encoding.module, static_cast<double>(dpi) * request.zoom);
    }
    result.bitmap =
        RenderSymbolCell({encoding, built.drawBarLength, request.showText, request.orientation,
                          false, TileEdge::Overhang, request.barReduction},
                         request.heightMils, request.dpiX, request.dpiY, request.zoom,
                         request.labels, &result.needsFonts);
    if (result.bitmap.isNull()) {
        const QString dpi = request.dpiX == request.dpiY
                                ? QString::number(request.dpiX)
                                : QStringLiteral("%1 x %2").arg(request.dpiX).arg(request.dpiY);
        result.error = QCoreApplication::translate("SymbolRender",
                                                   "the symbol is too large for a bitmap at %1 dpi "
                                                   "(at most %2 pixels a side)")
                           .arg(dpi)
                           .arg(kMaxBitmapSide);
    }
    return result;
}

} // namespace

RenderResult RenderSymbolImage(const RenderRequest& request) {
    QString error;
    const Built built = Build(request, &error);
    return error.isEmpty() ? RasterOf(request, built) : Refusal(error);
}

RenderResult RenderSymbol(const RenderRequest& request) {
    QString error;
    const Built built = Build(request, &error);
    if (!error.isEmpty()) {
        return Refusal(error);
    }
    if (IsRaster(request.format)) {
        RenderResult result = RasterOf(request, built);
        if (result.error.isEmpty() && !result.needsFonts) {
            result.bytes = EncodeBitmap(result.bitmap, request.format);
            if (result.bytes.isEmpty()) {
                result.error =
                    QCoreApplication::translate("SymbolRender", "the bitmap could not be encoded");
            }
        }
        return result;
    }
    const Encoding& encoding = built.encoding;
    const CellSize cell = TileCellMils(encoding, request.heightMils, request.orientation);
    VectorJob job;
    job.encoding = &encoding;
    job.barLength = built.drawBarLength;
    job.showText = request.showText;
    job.orientation = request.orientation;
    job.cellWidth = cell.width;
    job.cellHeight = cell.height;
    job.origin = SymbolOrigin(encoding, built.drawBarLength, request.showText, request.orientation);
    RenderResult result;
    result.blank = encoding.Empty();
    switch (request.format) {
    case OutputFormat::Pdf:
        result.bytes = WritePdf(job, request.zoom, request.title);
        break;
    case OutputFormat::Svg:
        result.bytes = WriteSvg(job, request.zoom);
        break;
    case OutputFormat::Bmp:
    case OutputFormat::Png:
    case OutputFormat::Zpl:
        break; // written above
    }
    return result;
}
