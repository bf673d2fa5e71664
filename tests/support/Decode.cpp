#include "Decode.h"

#include <zbar.h>

using namespace zbar; // the C interface lives in this namespace under C++

#include "Barcode.h"

#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A line of the recorder as the rectangle of ink it covers, in mils.
struct Band {
    double left, bottom, right, top;
};

Band BandOf(const RecordedLine& line) {
    const double half = line.width / 2.0;
    if (line.from.x == line.to.x) { // vertical: width spans x
        return {line.from.x - half, static_cast<double>(std::min(line.from.y, line.to.y)),
                line.from.x + half, static_cast<double>(std::max(line.from.y, line.to.y))};
    }
    return {static_cast<double>(std::min(line.from.x, line.to.x)), line.from.y - half,
            static_cast<double>(std::max(line.from.x, line.to.x)), line.from.y + half};
}

// The opaque box of a text: from its reference corner, its width along the
// baseline and its height in the direction its glyphs hang, both turned by the
// escapement (0, -900, 1800, 900 for orientations 0 to 3).
Band TextBox(const RecordedText& text, std::int32_t charWidth) {
    const double w = static_cast<double>(text.text.size()) * charWidth;
    const double h = text.font.height;
    const double x = text.topLeft.x;
    const double y = text.topLeft.y;
    switch (text.font.escapement) {
    case -900:
        return {x, y, x + h, y + w};
    case 1800:
        return {x - w, y, x, y + h};
    case 900:
        return {x - h, y - w, x, y};
    default:
        return {x, y - h, x + w, y};
    }
}

ZXing::BarcodeFormat FormatOf(Symbology s) {
    switch (s) {
    case Symbology::Code39:
    case Symbology::Code39Extended:
        return ZXing::BarcodeFormat::Code39;
    case Symbology::Code93:
        return ZXing::BarcodeFormat::Code93;
    case Symbology::Code128:
        return ZXing::BarcodeFormat::Code128;
    case Symbology::Itf:
        return ZXing::BarcodeFormat::ITF;
    case Symbology::UpcA:
        return ZXing::BarcodeFormat::UPCA;
    case Symbology::UpcE:
        return ZXing::BarcodeFormat::UPCE;
    case Symbology::Ean13:
        return ZXing::BarcodeFormat::EAN13;
    case Symbology::Ean8:
        return ZXing::BarcodeFormat::EAN8;
    }
    return ZXing::BarcodeFormat::None;
}

} // namespace

GrayImage RasteriseBars(const std::vector<RecordedLine>& lines, double pixelsPerMil,
                        std::int32_t quietMils, const std::vector<RecordedText>& texts,
                        std::int32_t charWidth) {
    GrayImage image;
    if (lines.empty()) {
        return image;
    }
    Band box{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
             std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    for (const auto& line : lines) {
        const Band b = BandOf(line);
        box = {std::min(box.left, b.left), std::min(box.bottom, b.bottom),
               std::max(box.right, b.right), std::max(box.top, b.top)};
    }
    box = {box.left - quietMils, box.bottom - quietMils, box.right + quietMils,
           box.top + quietMils};
    // Pixel edges are rounded from mils, so every edge lands on the nearest pixel.
    auto column = [&](double x) {
        return static_cast<int>(std::lround((x - box.left) * pixelsPerMil));
    };
    auto row = [&](double y) {
        return static_cast<int>(std::lround((box.top - y) * pixelsPerMil));
    };
    image.width = column(box.right);
    image.height = row(box.bottom);
    image.pixels.assign(
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 255);
    for (const auto& line : lines) {
        const Band b = BandOf(line);
        for (int r = row(b.top); r < row(b.bottom); ++r) {
            for (int c = column(b.left); c < column(b.right); ++c) {
                image.pixels[static_cast<std::size_t>(r) * static_cast<std::size_t>(image.width) +
                             static_cast<std::size_t>(c)] = 0;
            }
        }
    }
    for (const auto& text : texts) {
        const Band b = TextBox(text, charWidth);
        for (int r = std::max(0, row(b.top)); r < std::min(image.height, row(b.bottom)); ++r) {
            for (int c = std::max(0, column(b.left)); c < std::min(image.width, column(b.right));
                 ++c) {
                image.pixels[static_cast<std::size_t>(r) * static_cast<std::size_t>(image.width) +
                             static_cast<std::size_t>(c)] = 255;
            }
        }
    }
    return image;
}

Decoded DecodeImage(const GrayImage& image, Symbology symbology) {
    if (image.width == 0 || image.height == 0) {
        return {};
    }
    ZXing::DecodeHints hints;
    hints.setFormats(FormatOf(symbology));
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setTryCode39ExtendedMode(symbology == Symbology::Code39Extended);
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read); // "number addon" when there is one
    const ZXing::ImageView view(image.pixels.data(), image.width, image.height,
                                ZXing::ImageFormat::Lum);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) {
        return {};
    }
    const auto& bytes = result.bytes();
    return {true, std::string(bytes.begin(), bytes.end()), result.symbologyIdentifier()};
}

Decoded DrawAndDecode(const CBarcode& barcode, int orientation, Symbology symbology, bool showText,
                      int pixelsPerModule) {
    RecordingSurface surface;
    Point origin{0, 0};
    constexpr std::int32_t kBarLength = 400;
    barcode.Draw(surface, origin, kBarLength, showText, orientation);
    const double pixelsPerMil = static_cast<double>(pixelsPerModule) / barcode.Density();
    // Ten modules of quiet zone: the symbols carry none of their own.
    return DecodeImage(
        RasteriseBars(surface.lines, pixelsPerMil, 10 * barcode.Density(), surface.texts),
        symbology);
}

namespace {

zbar::zbar_symbol_type_t ZbarTypeOf(Symbology symbology) {
    switch (symbology) {
    case Symbology::Code39:
    case Symbology::Code39Extended:
        return ZBAR_CODE39;
    case Symbology::Code93:
        return ZBAR_CODE93;
    case Symbology::Code128:
        return ZBAR_CODE128;
    case Symbology::Itf:
        return ZBAR_I25;
    case Symbology::UpcA:
        return ZBAR_UPCA;
    case Symbology::UpcE:
        return ZBAR_UPCE;
    case Symbology::Ean13:
        return ZBAR_EAN13;
    case Symbology::Ean8:
        return ZBAR_EAN8;
    }
    return ZBAR_NONE;
}

} // namespace

Decoded DecodeImageZbar(const GrayImage& image, Symbology symbology) {
    if (image.width == 0 || image.height == 0) {
        return {};
    }
    const zbar_symbol_type_t type = ZbarTypeOf(symbology);
    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    zbar_image_scanner_set_config(scanner, type, ZBAR_CFG_ENABLE, 1);
    if (type == ZBAR_UPCA) {
        // UPC-A is read by the EAN-13 decoder, then reported as itself.
        zbar_image_scanner_set_config(scanner, ZBAR_EAN13, ZBAR_CFG_ENABLE, 1);
    }
    // EAN and UPC add-ons are reported as symbols of their own.
    const bool retail =
        type == ZBAR_UPCA || type == ZBAR_UPCE || type == ZBAR_EAN13 || type == ZBAR_EAN8;
    for (const zbar_symbol_type_t addOn : {ZBAR_EAN2, ZBAR_EAN5}) {
        zbar_image_scanner_set_config(scanner, addOn, ZBAR_CFG_ENABLE, retail ? 1 : 0);
    }
    // Every line in both directions: the symbol may be turned.
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_X_DENSITY, 1);
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_Y_DENSITY, 1);
    zbar_image_t* zimage = zbar_image_create();
    zbar_image_set_format(zimage, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(zimage, static_cast<unsigned>(image.width),
                        static_cast<unsigned>(image.height));
    zbar_image_set_data(zimage, image.pixels.data(), image.pixels.size(), nullptr);
    Decoded decoded;
    std::string addOn;
    if (zbar_scan_image(scanner, zimage) > 0) {
        for (const zbar_symbol_t* symbol = zbar_image_first_symbol(zimage); symbol != nullptr;
             symbol = zbar_symbol_next(symbol)) {
            const zbar_symbol_type_t found = zbar_symbol_get_type(symbol);
            if (found == ZBAR_EAN2 || found == ZBAR_EAN5) {
                addOn = " " + std::string(zbar_symbol_get_data(symbol));
            }
        }
        for (const zbar_symbol_t* symbol = zbar_image_first_symbol(zimage); symbol != nullptr;
             symbol = zbar_symbol_next(symbol)) {
            if (zbar_symbol_get_type(symbol) == type) {
                const bool gs1 = (zbar_symbol_get_modifiers(symbol) & (1u << ZBAR_MOD_GS1)) != 0;
                decoded = {
                    true,
                    std::string(zbar_symbol_get_data(symbol), zbar_symbol_get_data_length(symbol)) +
                        addOn,
                    gs1 ? "]C1" : ""};
                break;
            }
        }
    }
    zbar_image_destroy(zimage);
    zbar_image_scanner_destroy(scanner);
    return decoded;
}
