#include "MonoSurface.h"

#include "Barcode.h"

#include <QFontMetricsF>
#include <QHash>
#include <QRgb>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr double kMetresPerInch = 0.0254;
// Colour-table index of white in the monochrome image (black is 1).
constexpr int kWhite = 0;
// Pixels of a label's grey scratch image that nothing painted: mid grey, which
// neither the white box nor the black text (no antialiasing) can leave. A grey
// image, not a colour one: the painter sets glyphs on it without the slow
// masked stores of its 32-bit glyph blit, and it is a quarter of the bytes to
// scan.
constexpr uchar kUnpaintedGrey = 128;
// Labels kept per thread; past this many distinct ones the set starts afresh.
constexpr qsizetype kMaxCachedLabels = 256;
constexpr int kGreyThreshold = 128; // as the threshold conversion to mono

// Pixels of a Format_Mono row, eight to a byte, the leftmost in the highest bit.
constexpr int kBitsPerByte = 8;
constexpr unsigned kWholeByte = 0xffU;
constexpr unsigned kLeftmostPixel = 0x80U;

// The bit of pixel x within its byte.
constexpr unsigned PixelBit(int x) {
    return kLeftmostPixel >> (x % kBitsPerByte);
}
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
    std::vector<uchar> painted;
    std::vector<uchar> ink;
    // Where row y's first byte lies in either mask. Each row has a zero byte
    // before and after it, so that a copy at any bit offset reads its
    // neighbours without a bounds check.
    std::size_t RowStart(int y) const {
        return static_cast<std::size_t>(y) * (static_cast<std::size_t>(rowBytes) + 2) + 1;
    }
    // Some pixel was painted on the scratch image's outermost rows or columns:
    // the glyphs may reach further than the image did.
    bool reachesEdge = false;
};

// How far past the label's box its glyphs may be looked for.
enum class LabelReach {
    Ink,  // the glyphs' own ink bounds, a few pixels to spare
    Wide, // a margin of the box's height on every side
};

// The label's frame turned about its corner, without the corner's position.
QTransform TurnOf(const TextPlacement& placement) {
    return {placement.local.m11(),
            placement.local.m12(),
            placement.local.m21(),
            placement.local.m22(),
            0,
            0};
}

// The pixels around the label's corner that are painted on.
QRect SpriteArea(const TextPlacement& placement, LabelReach reach, const QPaintDevice& device) {
    const QTransform turn = TurnOf(placement);
    const int margin = static_cast<int>(placement.box.height()) + 2;
    const QRect wide =
        turn.mapRect(placement.box).toAlignedRect().adjusted(-margin, -margin, margin, margin);
    if (reach == LabelReach::Wide) {
        return wide;
    }
    // The glyphs' ink as the font reports it, drawn on the baseline at the
    // ascent; the pixels to spare take in the rasteriser's rounding. The
    // report is only a hint: for a control character (a tab, say) it can be
    // absurdly large, so it never reaches past the wide margin.
    constexpr int kSpare = 3;
    const QRectF ink = QFontMetricsF(placement.font, &device)
                           .boundingRect(placement.text)
                           .translated(0, placement.ascent);
    return turn.mapRect(placement.box | ink)
               .toAlignedRect()
               .adjusted(-kSpare, -kSpare, kSpare, kSpare) &
           wide;
}

// The masks of a label's scratch image, whose first pixel lies at origin from
// the label's corner. Each group of eight pixels becomes one byte of each mask
// without a branch per pixel, so the glyphs' many short strokes cost nothing
// extra; groups all unpainted or all white take one comparison.
LabelSprite ScanSprite(const QImage& scratch, QPoint origin) {
    LabelSprite sprite;
    sprite.origin = origin;
    sprite.width = scratch.width();
    sprite.height = scratch.height();
    sprite.rowBytes = (sprite.width + kBitsPerByte - 1) / kBitsPerByte;
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
    // Painted pixels on the outermost rows or columns.
    const auto paintedAt = [&sprite](int x, int y) {
        return (sprite.painted[sprite.RowStart(y) + x / kBitsPerByte] & PixelBit(x)) != 0;
    };
    const auto rowPainted = [&sprite](int y) {
        const uchar* first = sprite.painted.data() + sprite.RowStart(y);
        return std::any_of(first, first + sprite.rowBytes, [](uchar b) { return b != 0; });
    };
    if (sprite.height > 0 && sprite.width > 0) {
        sprite.reachesEdge = rowPainted(0) || rowPainted(sprite.height - 1);
        for (int y = 0; y < sprite.height && !sprite.reachesEdge; ++y) {
            sprite.reachesEdge = paintedAt(0, y) || paintedAt(sprite.width - 1, y);
        }
    }
    return sprite;
}

// Paints the label in its own frame the painter's way and keeps the painted
// pixels as masks.
LabelSprite PaintSprite(const TextPlacement& placement, int dpmX, int dpmY, LabelReach reach) {
    const QTransform turn = TurnOf(placement);
    // One scratch image per thread, reused while the labels keep their size (a
    // batch of texts of one length): no allocation and no fresh pages per label.
    thread_local QImage scratch;
    scratch.setDotsPerMeterX(dpmX);
    scratch.setDotsPerMeterY(dpmY);
    const QRect area = SpriteArea(placement, reach, scratch);
    if (scratch.size() != area.size()) {
        scratch = QImage(area.size(), QImage::Format_Grayscale8);
        scratch.setDotsPerMeterX(dpmX);
        scratch.setDotsPerMeterY(dpmY);
    }
    if (scratch.isNull()) {
        return {};
    }
    scratch.fill(kUnpaintedGrey);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        TextPlacement shifted = placement;
        shifted.local = turn * QTransform::fromTranslate(-area.x(), -area.y());
        QPainterSurface::PaintText(painter, shifted);
    }
    return ScanSprite(scratch, area.topLeft());
}

// The label painted on an image just large enough for its glyphs' ink, or,
// should a glyph reach that image's edge (a font whose ink bounds fall
// short), on one with a wide margin.
LabelSprite PaintLabel(const TextPlacement& placement, int dpmX, int dpmY) {
    LabelSprite sprite = PaintSprite(placement, dpmX, dpmY, LabelReach::Ink);
    if (sprite.reachesEdge) {
        sprite = PaintSprite(placement, dpmX, dpmY, LabelReach::Wide);
    }
    return sprite;
}

// What besides its text tells one label's pixels from another's: the font,
// the resolution and the turn, written out once while they stay the same (a
// batch draws every label alike).
const QString& LabelKeyPrefix(const TextPlacement& placement, int dpmX, int dpmY) {
    struct Memo {
        QFont font;
        int dpmX = 0;
        int dpmY = 0;
        QTransform turn;
        QString prefix;
    };
    thread_local Memo memo;
    const QTransform turn = TurnOf(placement);
    if (memo.prefix.isEmpty() || memo.dpmX != dpmX || memo.dpmY != dpmY || memo.turn != turn ||
        memo.font != placement.font) {
        memo = {placement.font, dpmX, dpmY, turn,
                QStringLiteral("%1|%2|%3|%4,%5,%6,%7|")
                    .arg(placement.font.toString())
                    .arg(dpmX)
                    .arg(dpmY)
                    .arg(turn.m11())
                    .arg(turn.m12())
                    .arg(turn.m21())
                    .arg(turn.m22())};
    }
    return memo.prefix;
}

const LabelSprite& CachedSprite(const TextPlacement& placement, int dpmX, int dpmY) {
    thread_local QHash<QString, LabelSprite> cache;
    const QString key = LabelKeyPrefix(placement, dpmX, dpmY) + placement.text;
    if (const auto found = cache.constFind(key); found != cache.constEnd()) {
        return *found;
    }
    if (cache.size() >= kMaxCachedLabels) {
        cache.clear();
    }
    return *cache.insert(key, PaintLabel(placement, dpmX, dpmY));
}

} // namespace

QImage MakeMonoBitmap(const QSize& size, int dpiX, int dpiY) {
    QImage image(size, QImage::Format_Mono);
    if (image.isNull()) {
        return image;
    }
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.setDotsPerMeterX(qRound(dpiX / kMetresPerInch));
    image.setDotsPerMeterY(qRound(dpiY / kMetresPerInch));
    // Every byte, the padding at each row's end too: a BMP carries it.
    std::memset(image.bits(), kWhite, static_cast<std::size_t>(image.sizeInBytes()));
    return image;
}

void FillMonoSpan(uchar* line, int from, int to, bool black) {
    if (from >= to) {
        return;
    }
    const int first = from / kBitsPerByte;
    const int last = (to - 1) / kBitsPerByte;
    const auto apply = [&](int index, unsigned mask) {
        const auto byte = static_cast<unsigned>(line[index]);
        line[index] = static_cast<uchar>(black ? (byte | mask) : (byte & ~mask));
    };
    const unsigned firstMask = kWholeByte >> (from % kBitsPerByte);
    const unsigned lastMask = FirstPixels((to - 1) % kBitsPerByte + 1);
    if (first == last) {
        apply(first, firstMask & lastMask);
        return;
    }
    apply(first, firstMask);
    if (last - first > 1) {
        std::memset(line + first + 1, black ? static_cast<int>(kWholeByte) : 0,
                    static_cast<std::size_t>(last - first - 1));
    }
    apply(last, lastMask);
}

MonoSurface::MonoSurface(QImage& image, const QTransform& milsToDevice, int orientation)
    : m_image(image), m_milsToDevice(milsToDevice), m_orientation(NormalOrientation(orientation)),
      m_probe(1, 1, QImage::Format_RGB32), m_probePainter(),
      m_text(m_probePainter, milsToDevice, QRectF(image.rect()), orientation) {
    m_probe.setDotsPerMeterX(image.dotsPerMeterX());
    m_probe.setDotsPerMeterY(image.dotsPerMeterY());
    m_probePainter.begin(&m_probe);
    // A monochrome bitmap: the text's edges as clean as the bars'.
    m_probePainter.setRenderHint(QPainter::TextAntialiasing, false);
}

MonoSurface::~MonoSurface() {
    FlushBars();
}

void MonoSurface::FlushBars() {
    if (m_maskBottom < m_maskTop) {
        return;
    }
    uchar* const bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    const uchar* const mask = m_rowMask.data() + m_maskFirstByte;
    const int bytes = m_maskLastByte - m_maskFirstByte + 1;
    for (int y = m_maskTop; y <= m_maskBottom; ++y) {
        uchar* const row = bits + y * stride + m_maskFirstByte;
        for (int i = 0; i < bytes; ++i) {
            row[i] = static_cast<uchar>(row[i] | mask[i]);
        }
    }
    std::fill(m_rowMask.begin() + m_maskFirstByte, m_rowMask.begin() + m_maskLastByte + 1, 0);
    m_maskBottom = m_maskTop - 1;
}

void MonoSurface::Line(Point from, Point to, std::int32_t penWidth) {
    if (penWidth <= 0) {
        return;
    }
    const std::optional<QRect> bar = StraightBarRect(
        m_milsToDevice, m_orientation, from, to, penWidth, QRectF(m_image.rect()), m_barReduction);
    if (!bar) {
        // The engine draws no slanted line; one is stroked by the painter onto a
        // colour copy and thresholded, as the colour path would.
        FlushBars();
        QImage colour = m_image.convertToFormat(QImage::Format_RGB32);
        {
            QPainter painter(&colour);
            QPainterSurface::PaintSlantedLine(painter, m_milsToDevice, from, to, penWidth);
        }
        m_image = colour.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
        return;
    }
    if (bar->isEmpty()) {
        return;
    }
    if (bar->top() != m_maskTop || bar->bottom() != m_maskBottom) {
        FlushBars();
        m_rowMask.resize(static_cast<std::size_t>(m_image.bytesPerLine()));
        m_maskTop = bar->top();
        m_maskBottom = bar->bottom();
        m_maskFirstByte = static_cast<int>(m_image.bytesPerLine());
        m_maskLastByte = -1;
    }
    m_maskFirstByte = std::min(m_maskFirstByte, bar->left() / kBitsPerByte);
    m_maskLastByte = std::max(m_maskLastByte, bar->right() / kBitsPerByte);
    FillMonoSpan(m_rowMask.data(), bar->left(), bar->right() + 1, true);
}

Extent MonoSurface::MeasureText(const Font& font, std::string_view text) {
    return m_text.MeasureText(font, text);
}

void MonoSurface::DrawText(const Font& font, Point topLeft, std::string_view text) {
    const std::optional<TextPlacement> placement = m_text.PlaceText(font, topLeft, text);
    if (!placement) {
        return;
    }
    FlushBars(); // the opaque box covers the bars drawn before it
    const int cornerX = static_cast<int>(placement->local.dx());
    const int cornerY = static_cast<int>(placement->local.dy());
    const LabelSprite& sprite =
        CachedSprite(*placement, m_image.dotsPerMeterX(), m_image.dotsPerMeterY());
    const int width = m_image.width();
    const int height = m_image.height();
    uchar* const bits = m_image.bits(); // detaches once, not per row
    const qsizetype stride = m_image.bytesPerLine();
    // The sprite's first pixel on the bitmap; far-off labels are clipped whole.
    const std::int64_t left = std::int64_t{sprite.origin.x()} + cornerX;
    const std::int64_t top = std::int64_t{sprite.origin.y()} + cornerY;
    if (left >= width || left + sprite.width <= 0) {
        return;
    }
    // The bitmap bytes the sprite meets.
    const auto firstByte = static_cast<int>(std::max<std::int64_t>(left, 0) / kBitsPerByte);
    const auto lastByte =
        static_cast<int>((std::min<std::int64_t>(left + sprite.width, width) - 1) / kBitsPerByte);
    // The bitmap's last byte holds only its last pixels; its padding stays.
    const int lastImageByte = (width - 1) / kBitsPerByte;
    const unsigned lastMask = FirstPixels((width - 1) % kBitsPerByte + 1);
    // The first byte's pixels start `offset` pixels into the sprite's rows:
    // mask byte firstIndex (-1 is the zero byte before a row), `shift` bits on.
    const std::int64_t offset = std::int64_t{firstByte} * kBitsPerByte - left;
    const std::int64_t firstIndex =
        offset >= 0 ? offset / kBitsPerByte : -((kBitsPerByte - 1 - offset) / kBitsPerByte);
    const auto shift = static_cast<int>(offset - firstIndex * kBitsPerByte);
    for (int row = 0; row < sprite.height; ++row) {
        const std::int64_t y = top + row;
        if (y < 0 || y >= height) {
            continue;
        }
        const uchar* painted =
            sprite.painted.data() + static_cast<std::int64_t>(sprite.RowStart(row)) + firstIndex;
        const uchar* ink =
            sprite.ink.data() + static_cast<std::int64_t>(sprite.RowStart(row)) + firstIndex;
        uchar* line = bits + y * stride;
        for (int byte = firstByte; byte <= lastByte; ++byte, ++painted, ++ink) {
            // The eight sprite pixels this byte shows, from two mask bytes.
            unsigned clear = unsigned{painted[0]} << shift;
            unsigned set = unsigned{ink[0]} << shift;
            if (shift != 0) {
                clear |= unsigned{painted[1]} >> (kBitsPerByte - shift);
                set |= unsigned{ink[1]} >> (kBitsPerByte - shift);
            }
            const unsigned within = byte == lastImageByte ? lastMask : kWholeByte;
            clear &= within;
            set &= within;
            line[byte] = static_cast<uchar>((line[byte] & ~clear) | set);
        }
    }
}
