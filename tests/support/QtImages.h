#pragma once

#include "Decode.h"

#include <QImage>

#include <cstring>

// An image as the decoders take it: 8-bit grey, row after row.
inline GrayImage ToGray(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    GrayImage out{grey.width(), grey.height(), {}};
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        std::memcpy(out.pixels.data() + static_cast<std::size_t>(y) * out.width,
                    grey.constScanLine(y), static_cast<std::size_t>(out.width));
    }
    return out;
}

// Whether a pixel is ink (darker than mid-grey).
inline bool IsInk(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}
