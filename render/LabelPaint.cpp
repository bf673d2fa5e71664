#include "LabelPaint.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Pixels of a label's grey scratch image that nothing painted: mid grey, which
// neither the white box nor the black text (no antialiasing) can leave. A grey
// image, not a colour one: the painter sets glyphs on it without the slow
// masked stores of its 32-bit glyph blit, and it is a quarter of the bytes to
// scan.
constexpr uchar kUnpaintedGrey = 128;
constexpr int kGreyThreshold = 128; // as the threshold conversion to mono

// The masks of a label's scratch image, whose first pixel lies at origin from
// the label's corner. Each group of eight pixels becomes one byte of each mask
// without a branch per pixel, so the glyphs' many short strokes cost nothing
// extra; groups all unpainted or all white take one comparison.
LabelSprite ScanSprite(const QImage& scratch, QPoint origin) {
    LabelSprite sprite;
    sprite.origin = origin;
    sprite.SetSize(scratch.width(), scratch.height());
    const std::size_t bytes = sprite.RowStart(sprite.height);
    sprite.painted.assign(bytes, 0);
    sprite.ink.assign(bytes, 0);
    constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
    constexpr std::uint64_t kAllUnpainted = kEveryByte * kUnpaintedGrey;
    constexpr std::uint64_t kAllWhite = kEveryByte * kWholeByte;
    for (int y = 0; y < sprite.height; ++y) {
        const uchar* row = scratch.constScanLine(y);
        uchar* painted = sprite.painted.data() + sprite.RowStart(y);
        uchar* ink = sprite.ink.data() + sprite.RowStart(y);
        for (int byte = 0; byte < sprite.rowBytes; ++byte) {
            const int x = byte * kBitsPerByte;
            const int pixels = std::min(kBitsPerByte, sprite.width - x);
            if (pixels == kBitsPerByte) {
                // The margins and the box's blank stretches, eight at a time.
                std::uint64_t eight = 0;
                std::memcpy(&eight, row + x, sizeof eight);
                if (eight == kAllUnpainted) {
                    continue;
                }
                if (eight == kAllWhite) {
                    painted[byte] = static_cast<uchar>(kWholeByte);
                    continue;
                }
            }
            unsigned paintedBits = 0;
            unsigned inkBits = 0;
            for (int k = 0; k < kBitsPerByte; ++k) {
                const uchar value = k < pixels ? row[x + k] : kUnpaintedGrey;
                paintedBits = (paintedBits << 1U) | (value != kUnpaintedGrey ? 1U : 0U);
                inkBits = (inkBits << 1U) | (value < kGreyThreshold ? 1U : 0U);
            }
            painted[byte] = static_cast<uchar>(paintedBits);
            ink[byte] = static_cast<uchar>(inkBits);
        }
    }
    // Nothing to copy (a space), or a plain white rectangle (a label's box),
    // which is copied as white spans.
    const auto rowWhole = [&sprite](int y) {
        const uchar* first = sprite.painted.data() + sprite.RowStart(y);
        const int whole = sprite.width / kBitsPerByte;
        const int rest = sprite.width % kBitsPerByte;
        return std::all_of(first, first + whole, [](uchar b) { return b == kWholeByte; }) &&
               (rest == 0 || first[whole] == FirstPixels(rest));
    };
    sprite.blank =
        std::all_of(sprite.painted.begin(), sprite.painted.end(), [](uchar b) { return b == 0; });
    sprite.whiteBox =
        std::all_of(sprite.ink.begin(), sprite.ink.end(), [](uchar b) { return b == 0; });
    for (int y = 0; y < sprite.height && sprite.whiteBox; ++y) {
        sprite.whiteBox = rowWhole(y);
    }
    return sprite;
}

// The smallest rectangle holding every painted pixel of a scratch image.
QRect PaintedBounds(const QImage& scratch) {
    int left = scratch.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < scratch.height(); ++y) {
        const uchar* row = scratch.constScanLine(y);
        const uchar* end = row + scratch.width();
        const auto unpainted = [](uchar value) { return value == kUnpaintedGrey; };
        const uchar* first = std::find_if_not(row, end, unpainted);
        if (first == end) {
            continue;
        }
        const auto last = std::find_if_not(std::make_reverse_iterator(end),
                                           std::make_reverse_iterator(first), unpainted);
        left = std::min(left, static_cast<int>(first - row));
        right = std::max(right, static_cast<int>(last.base() - row) - 1);
        top = top < 0 ? y : top;
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Paints onto a grey scratch image covering `area` (pixels about the label's
// corner) in the label's frame, turned by `turn`, and keeps the painted pixels.
LabelSprite PaintArea(const QTransform& turn, const QRect& area, int dpmX, int dpmY,
                      const LabelPaint& paint) {
    // One scratch image per thread, reused while the sprites keep their size
    // (a batch's glyphs, or labels of one length): no allocation per sprite.
    thread_local QImage scratch;
    if (scratch.size() != area.size()) {
        scratch = QImage(area.size(), QImage::Format_Grayscale8);
    }
    if (scratch.isNull()) {
        return {};
    }
    scratch.setDotsPerMeterX(dpmX);
    scratch.setDotsPerMeterY(dpmY);
    scratch.fill(kUnpaintedGrey);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        paint(painter, turn * QTransform::fromTranslate(-area.x(), -area.y()));
    }
    // Only the pixels painted are kept: a glyph's sprite is then no larger
    // than its ink, and each copy of it as short as it can be.
    const QRect painted = PaintedBounds(scratch);
    if (painted.isEmpty()) {
        return {};
    }
    LabelSprite sprite = ScanSprite(painted == scratch.rect() ? scratch : scratch.copy(painted),
                                    area.topLeft() + painted.topLeft());
    sprite.reachesEdge = painted.left() == 0 || painted.top() == 0 ||
                         painted.right() == scratch.width() - 1 ||
                         painted.bottom() == scratch.height() - 1;
    return sprite;
}

} // namespace

QTransform TurnOf(const TextPlacement& placement) {
    return {placement.local.m11(),
            placement.local.m12(),
            placement.local.m21(),
            placement.local.m22(),
            0,
            0};
}

LabelSprite PaintInFrame(const QTransform& turn, const QRectF& expected, const QRectF& reach,
                         double boxHeight, int dpmX, int dpmY, const LabelPaint& paint) {
    constexpr int kSpare = 3;
    const int margin = static_cast<int>(boxHeight) + 2;
    const QRect wideArea =
        turn.mapRect(reach).toAlignedRect().adjusted(-margin, -margin, margin, margin);
    const QRect area =
        turn.mapRect(expected).toAlignedRect().adjusted(-kSpare, -kSpare, kSpare, kSpare) &
        wideArea;
    LabelSprite sprite = PaintArea(turn, area, dpmX, dpmY, paint);
    if (sprite.reachesEdge) {
        sprite = PaintArea(turn, wideArea, dpmX, dpmY, paint);
    }
    return sprite;
}

// A device for the label font's metrics at a resolution.
QImage MetricsDevice(int dpmX, int dpmY) {
    QImage device(1, 1, QImage::Format_Grayscale8);
    device.setDotsPerMeterX(dpmX);
    device.setDotsPerMeterY(dpmY);
    return device;
}

// The whole label painted the painter's way, box and text at once.
LabelSprite PaintLabel(const TextPlacement& placement, int dpmX, int dpmY) {
    const QImage device = MetricsDevice(dpmX, dpmY);
    const QRectF ink = QFontMetricsF(placement.font, &device)
                           .boundingRect(placement.text)
                           .translated(0, placement.ascent);
    return PaintInFrame(TurnOf(placement), placement.box | ink, placement.box,
                        placement.box.height(), dpmX, dpmY,
                        [&placement](QPainter& painter, const QTransform& frame) {
                            TextPlacement shifted = placement;
                            shifted.local = frame;
                            QPainterSurface::PaintText(painter, shifted);
                        });
}
