// The readers module: ZXing and Qt's SVG renderer behind SymbolReaders.
#include "SymbolReaders.h"

#include <ZXing/ReadBarcode.h>

#include <QPainter>
#include <QSvgRenderer>

namespace {

ZXing::BarcodeFormat FormatOf(SymbologyId id) {
    switch (id) {
    case SymbologyId::Code39:
    case SymbologyId::Code39Extended:
    case SymbologyId::Code39Mod43:
        return ZXing::BarcodeFormat::Code39;
    case SymbologyId::Code93:
        return ZXing::BarcodeFormat::Code93;
    case SymbologyId::Code128:
    case SymbologyId::Gs1128:
        return ZXing::BarcodeFormat::Code128;
    case SymbologyId::Interleaved25:
    case SymbologyId::Itf14:
        return ZXing::BarcodeFormat::ITF;
    case SymbologyId::UpcA:
        return ZXing::BarcodeFormat::UPCA;
    case SymbologyId::UpcE:
        return ZXing::BarcodeFormat::UPCE;
    case SymbologyId::Ean13:
        return ZXing::BarcodeFormat::EAN13;
    case SymbologyId::Ean8:
        return ZXing::BarcodeFormat::EAN8;
    case SymbologyId::Postnet:
        break;
    }
    return ZXing::BarcodeFormat::None;
}

std::optional<std::string> ReadBars(const QImage& grey, SymbologyId id) {
    ZXing::DecodeHints hints;
    hints.setFormats(FormatOf(id));
    hints.setTryHarder(true);
    hints.setTryRotate(true); // the symbol may be turned a quarter
    hints.setTryCode39ExtendedMode(id == SymbologyId::Code39Extended);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) {
        return std::nullopt;
    }
    const auto& bytes = result.bytes();
    // GS1 data is told from plain Code 128 by its symbology identifier only.
    const std::string prefix = id == SymbologyId::Gs1128 ? result.symbologyIdentifier() : "";
    return prefix + std::string(bytes.begin(), bytes.end());
}

QRectF SvgViewBox(const QByteArray& svg) {
    const QSvgRenderer renderer(svg);
    return renderer.isValid() ? renderer.viewBoxF() : QRectF();
}

void PaintSvg(const QByteArray& svg, QPainter& painter, const QRectF& target) {
    QSvgRenderer renderer(svg);
    renderer.render(&painter, target);
}

} // namespace

extern "C" Q_DECL_EXPORT const SymbolReaders* QuillmarkSymbolReaders() {
    static const SymbolReaders readers{ReadBars, SvgViewBox, PaintSvg};
    return &readers;
}
