#include "ZbarDecode.h"

#include <zbar.h>

QStringList ZbarDecode(const QImage& image) {
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    for (int y = 0; y < gray.height(); ++y) {
        pixels.append(reinterpret_cast<const char*>(gray.constScanLine(y)), gray.width());
    }
    zbar::ImageScanner scanner;
    scanner.set_config(zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 1);
    zbar::Image frame(static_cast<unsigned>(gray.width()), static_cast<unsigned>(gray.height()),
                      "Y800", pixels.constData(), static_cast<unsigned long>(pixels.size()));
    scanner.scan(frame);
    QStringList found;
    for (auto symbol = frame.symbol_begin(); symbol != frame.symbol_end(); ++symbol) {
        // A symbol and its add-on come as one composite of the two.
        const zbar::SymbolSet parts = symbol->get_components();
        if (symbol->get_type() == zbar::ZBAR_COMPOSITE && parts.get_size() > 0) {
            for (auto part = parts.symbol_begin(); part != parts.symbol_end(); ++part) {
                found << QString::fromStdString(part->get_type_name() + ":" + part->get_data());
            }
            continue;
        }
        found << QString::fromStdString(symbol->get_type_name() + ":" + symbol->get_data());
    }
    return found;
}
