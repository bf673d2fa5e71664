// The readers module: ZXing and Qt's SVG renderer behind SymbolReaders.
#include "SymbolReaders.h"

#include <ZXing/ReadBarcode.h>

#include <QPainter>
#include <QSvgRenderer>

namespace {

ZXing::BarcodeFormat FormatOf(ReaderFamily family) {
    switch (family) {
    case ReaderFamily::Code39:
    case ReaderFamily::Code39FullAscii:
        return ZXing::BarcodeFormat::Code39;
    case ReaderFamily::Code93:
        return ZXing::BarcodeFormat::Code93;
    case ReaderFamily::Code128:
    case ReaderFamily::Gs1128:
        return ZXing::BarcodeFormat::Code128;
    case ReaderFamily::Interleaved25:
        return ZXing::BarcodeFormat::ITF;
    case ReaderFamily::UpcA:
        return ZXing::BarcodeFormat::UPCA;
    case ReaderFamily::UpcE:
        return ZXing::BarcodeFormat::UPCE;
    case ReaderFamily::Ean13:
        return ZXing::BarcodeFormat::EAN13;
    case ReaderFamily::Ean8:
        return ZXing::BarcodeFormat::EAN8;
    case ReaderFamily::Postnet:
        break;
    }
    return ZXing::BarcodeFormat::None;
}

std::optional<std::string> ReadBars(const QImage& grey, ReaderFamily family) {
    ZXing::DecodeHints hints;
    hints.setFormats(FormatOf(family));
    hints.setTryHarder(true);
    hints.setTryRotate(true); // the symbol may be turned a quarter
    hints.setTryCode39ExtendedMode(family == ReaderFamily::Code39FullAscii);
    // An EAN/UPC add-on reads after the number and a space.
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) {
        return std::nullopt;
    }
    const auto& bytes = result.bytes();
    // GS1 data is told from plain Code 128 by its symbology identifier only.
    const std::string prefix = family == ReaderFamily::Gs1128 ? result.symbologyIdentifier() : "";
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
