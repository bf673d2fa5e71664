#pragma once

#include <QPoint>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Pixels of a Format_Mono row, eight to a byte, the leftmost in the highest bit.
inline constexpr int kBitsPerByte = 8;
inline constexpr unsigned kWholeByte = 0xffU;

// The first `count` (1 to 8) pixels of a byte.
constexpr unsigned FirstPixels(int count) {
    return (kWholeByte << (kBitsPerByte - count)) & kWholeByte;
}

// A label's pixels relative to its whole-unit corner as two 1-bit masks in the
// bitmap's own bit order (leftmost pixel in the highest bit): the pixels it
// paints (its opaque box and its glyphs, wherever they reach) and, of those,
// the black ones. Drawing it is a masked copy, eight pixels a step.
struct LabelSprite {
    QPoint origin; // the masks' first pixel, from the corner
    int width = 0;
    int height = 0;
    int rowBytes = 0;
    std::vector<unsigned char> painted;
    std::vector<unsigned char> ink;
    // Sizes the masks' rows for a width and height in pixels (the masks
    // themselves are then RowStart(height) bytes).
    void SetSize(int pixelsWide, int pixelsHigh) {
        width = pixelsWide;
        height = pixelsHigh;
        rowBytes = (pixelsWide + 7) / 8;
    }
    // Where row y's first byte lies in either mask. Each row has a zero byte
    // before and after it, so that a copy at any bit offset reads its
    // neighbours without a bounds check.
    std::size_t RowStart(int y) const {
        return static_cast<std::size_t>(y) * (static_cast<std::size_t>(rowBytes) + 2) + 1;
    }
    // Some pixel was painted on the scratch image's outermost rows or columns:
    // the glyphs may reach further than the image did.
    bool reachesEdge = false;
    bool blank = true;     // nothing painted
    bool whiteBox = false; // every pixel painted white (the masks are not needed)
};

// What the label font measures at one size on one device, in its pixels.
struct LabelFontMetrics {
    double height = 0; // the line's height: the opaque box's
    double ascent = 0;
    // Each Latin-1 character's advance in 64ths of a pixel, the painter's
    // fixed point.
    std::array<std::int32_t, 256> advance{};
    // The painter sets this size's glyphs from images of them it keeps (a
    // larger glyph is filled as its outline: labels are then painted whole).
    bool keptGlyphs = false;
    // The characters that advance a text by their own advance wherever they
    // stand (a soft hyphen, say, takes none within a text), and whether every
    // pair of them advances by the sum of their advances (no kerning, no
    // ligature): a text of them advances by their advances added up.
    std::array<bool, 256> settable{};
    bool additive = false;
    friend bool operator==(const LabelFontMetrics&, const LabelFontMetrics&) = default;
};
