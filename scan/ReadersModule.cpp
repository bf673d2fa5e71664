// The readers module: ZXing, zbar and Qt's SVG renderer behind SymbolReaders.
// zbar's C++ wrappers come first: macros of the other headers break them.
#include <zbar.h>

#include "SymbolReaders.h"

#include <ZXing/ReadBarcode.h>

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

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

zbar::zbar_symbol_type_t ZbarTypeOf(ReaderFamily family) {
    switch (family) {
    case ReaderFamily::Code39:
    case ReaderFamily::Code39FullAscii:
        return zbar::ZBAR_CODE39;
    case ReaderFamily::Code93:
        return zbar::ZBAR_CODE93;
    case ReaderFamily::Code128:
    case ReaderFamily::Gs1128:
        return zbar::ZBAR_CODE128;
    case ReaderFamily::Interleaved25:
        return zbar::ZBAR_I25;
    case ReaderFamily::UpcA:
        return zbar::ZBAR_UPCA;
    case ReaderFamily::UpcE:
        return zbar::ZBAR_UPCE;
    case ReaderFamily::Ean13:
        return zbar::ZBAR_EAN13;
    case ReaderFamily::Ean8:
        return zbar::ZBAR_EAN8;
    case ReaderFamily::Postnet:
        break;
    }
    return zbar::ZBAR_NONE;
}

// The smallest rectangle holding every dark pixel (none: empty).
QRect InkBounds(const QImage& grey) {
    constexpr uchar kDark = 128;
    int left = grey.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        int first = 0;
        while (first < grey.width() && line[first] >= kDark) {
            ++first;
        }
        if (first == grey.width()) {
            continue;
        }
        int last = grey.width() - 1;
        while (line[last] >= kDark) {
            --last;
        }
        left = std::min(left, first);
        right = std::max(right, last);
        top = top < 0 ? y : top;
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

std::optional<std::string> ReadBarsZbar(const QImage& grey, ReaderFamily family) {
    const zbar::zbar_symbol_type_t type = ZbarTypeOf(family);
    if (type == zbar::ZBAR_NONE) {
        return std::nullopt;
    }
    zbar::zbar_image_scanner_t* scanner = zbar::zbar_image_scanner_create();
    zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 0);
    zbar::zbar_image_scanner_set_config(scanner, type, zbar::ZBAR_CFG_ENABLE, 1);
    if (type == zbar::ZBAR_UPCA) {
        // UPC-A is found by the EAN-13 decoder, then reported as itself.
        zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_EAN13, zbar::ZBAR_CFG_ENABLE, 1);
    }
    // Add-ons are symbols of their own to zbar: asked for after the number.
    const bool retail = family == ReaderFamily::UpcA || family == ReaderFamily::UpcE ||
                        family == ReaderFamily::Ean13 || family == ReaderFamily::Ean8;
    for (const zbar::zbar_symbol_type_t addOn : {zbar::ZBAR_EAN2, zbar::ZBAR_EAN5}) {
        zbar::zbar_image_scanner_set_config(scanner, addOn, zbar::ZBAR_CFG_ENABLE, retail ? 1 : 0);
    }
    // Lines both ways (the symbol may be turned), about 32 across the ink
    // each way: every line of a large bitmap cost four times the whole
    // check for nothing, but lines wider apart than short bars miss them.
    constexpr int kLinesEachWay = 32;
    const QRect ink = InkBounds(grey);
    zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_NONE, zbar::ZBAR_CFG_X_DENSITY,
                                        std::max(1, ink.width() / kLinesEachWay));
    zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_NONE, zbar::ZBAR_CFG_Y_DENSITY,
                                        std::max(1, ink.height() / kLinesEachWay));
    // zbar wants the rows packed: copied when the image pads them.
    QByteArray packed;
    packed.reserve(static_cast<qsizetype>(grey.width()) * grey.height());
    for (int y = 0; y < grey.height(); ++y) {
        packed.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
    }
    zbar::zbar_image_t* image = zbar::zbar_image_create();
    zbar::zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar::zbar_image_set_size(image, static_cast<unsigned>(grey.width()),
                              static_cast<unsigned>(grey.height()));
    zbar::zbar_image_set_data(image, packed.constData(), static_cast<unsigned long>(packed.size()),
                              nullptr);
    std::optional<std::string> read;
    if (zbar::zbar_scan_image(scanner, image) > 0) {
        std::string addOn;
        const zbar::zbar_symbol_t* main = nullptr;
        for (const zbar::zbar_symbol_t* symbol = zbar::zbar_image_first_symbol(image);
             symbol != nullptr; symbol = zbar::zbar_symbol_next(symbol)) {
            const zbar::zbar_symbol_type_t found = zbar::zbar_symbol_get_type(symbol);
            if (found == zbar::ZBAR_EAN2 || found == zbar::ZBAR_EAN5) {
                addOn = " " + std::string(zbar::zbar_symbol_get_data(symbol));
            } else if (found == type && main == nullptr) {
                main = symbol;
            }
        }
        if (main != nullptr) {
            read = std::string(zbar::zbar_symbol_get_data(main),
                               zbar::zbar_symbol_get_data_length(main)) +
                   addOn;
        }
    }
    zbar::zbar_image_destroy(image);
    zbar::zbar_image_scanner_destroy(scanner);
    return read;
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
    static const SymbolReaders readers{ReadBars, ReadBarsZbar, SvgViewBox, PaintSvg};
    return &readers;
}
