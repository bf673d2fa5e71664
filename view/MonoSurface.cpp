#include "MonoSurface.h"

#include "Barcode.h"

#include <QFontMetricsF>
#include <QHash>
#include <QRgb>

#include <algorithm>
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

// A label's pixels relative to its whole-unit corner: its opaque box, a
// rectangle set white, then the runs along each row drawn over it.
struct LabelSprite {
    struct Run {
        int y = 0;
        int from = 0;
        int to = 0;
        bool black = false;
    };
    QRect box; // empty when the white pixels are kept as runs
    std::vector<Run> runs;
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
    if (reach == LabelReach::Wide) {
        const int margin = static_cast<int>(placement.box.height()) + 2;
        return turn.mapRect(placement.box)
            .toAlignedRect()
            .adjusted(-margin, -margin, margin, margin);
    }
    // The glyphs' ink as the font reports it, drawn on the baseline at the
    // ascent; the pixels to spare take in the rasteriser's rounding.
    constexpr int kSpare = 3;
    const QRectF ink = QFontMetricsF(placement.font, &device)
                           .boundingRect(placement.text)
                           .translated(0, placement.ascent);
    return turn.mapRect(placement.box | ink)
        .toAlignedRect()
        .adjusted(-kSpare, -kSpare, kSpare, kSpare);
}

// The painted pixels of a label's scratch image, whose top-left pixel lies at
// origin from the label's corner, as runs: the black ones always, the white
// ones only when keepWhite is set; otherwise sprite.box is the white pixels'
// bounding rectangle, and the white pixel count is left in whiteCount.
LabelSprite ScanSprite(const QImage& scratch, QPoint origin, bool keepWhite,
                       std::int64_t* whiteCount = nullptr) {
    LabelSprite sprite;
    const int width = scratch.width();
    const int height = scratch.height();
    int left = width;
    int right = -1;
    int top = height;
    int bottom = -1;
    std::int64_t white = 0;
    for (int y = 0; y < height; ++y) {
        const uchar* row = scratch.constScanLine(y);
        // Runs of one pixel value: each is classified once.
        int x = 0;
        while (x < width) {
            const uchar value = row[x];
            const int from = x;
            while (x < width && row[x] == value) {
                ++x;
            }
            if (value == kUnpaintedGrey) {
                continue;
            }
            sprite.reachesEdge =
                sprite.reachesEdge || y == 0 || y == height - 1 || from == 0 || x == width;
            const bool black = value < kGreyThreshold;
            if (!black && !keepWhite) {
                white += x - from;
                left = std::min(left, from);
                right = std::max(right, x - 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                continue;
            }
            LabelSprite::Run* last = sprite.runs.empty() ? nullptr : &sprite.runs.back();
            if (last != nullptr && last->y == y + origin.y() && last->to == from + origin.x() &&
                last->black == black) {
                last->to = x + origin.x(); // two greys of one side of the threshold
            } else {
                sprite.runs.push_back({y + origin.y(), from + origin.x(), x + origin.x(), black});
            }
        }
    }
    if (!keepWhite && right >= left) {
        sprite.box = QRect(QPoint(left, top), QPoint(right, bottom)).translated(origin);
    }
    if (whiteCount != nullptr) {
        *whiteCount = white;
    }
    return sprite;
}

// The black pixels of the runs that lie inside the box.
std::int64_t BlackWithin(const LabelSprite& sprite) {
    std::int64_t count = 0;
    for (const LabelSprite::Run& run : sprite.runs) {
        if (run.black && run.y >= sprite.box.top() && run.y <= sprite.box.bottom()) {
            count += std::max(0, std::min(run.to, sprite.box.right() + 1) -
                                     std::max(run.from, sprite.box.left()));
        }
    }
    return count;
}

// Paints the label in its own frame the painter's way and keeps the painted
// pixels as runs.
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
    // The white pixels are the box: when they and the black ones among them
    // fill a rectangle, the rectangle stands for them and only the black runs
    // are kept; otherwise the white runs are kept too.
    std::int64_t white = 0;
    LabelSprite sprite = ScanSprite(scratch, area.topLeft(), false, &white);
    if (!sprite.box.isEmpty() &&
        white + BlackWithin(sprite) != std::int64_t{sprite.box.width()} * sprite.box.height()) {
        sprite = ScanSprite(scratch, area.topLeft(), true);
    }
    return sprite;
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

const LabelSprite& CachedSprite(const TextPlacement& placement, int dpmX, int dpmY) {
    thread_local QHash<QString, LabelSprite> cache;
    const QString key = QStringLiteral("%1|%2|%3|%4,%5,%6,%7|%8")
                            .arg(placement.font.toString())
                            .arg(dpmX)
                            .arg(dpmY)
                            .arg(placement.local.m11())
                            .arg(placement.local.m12())
                            .arg(placement.local.m21())
                            .arg(placement.local.m22())
                            .arg(placement.text);
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
    constexpr int kBitsPerByte = 8;
    constexpr unsigned kAll = 0xffU;
    const int first = from / kBitsPerByte;
    const int last = (to - 1) / kBitsPerByte;
    const auto apply = [&](int index, unsigned mask) {
        const auto byte = static_cast<unsigned>(line[index]);
        line[index] = static_cast<uchar>(black ? (byte | mask) : (byte & ~mask));
    };
    const unsigned firstMask = kAll >> (from % kBitsPerByte);
    const unsigned lastMask = (kAll << (kBitsPerByte - 1 - (to - 1) % kBitsPerByte)) & kAll;
    if (first == last) {
        apply(first, firstMask & lastMask);
        return;
    }
    apply(first, firstMask);
    if (last - first > 1) {
        std::memset(line + first + 1, black ? static_cast<int>(kAll) : 0,
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
    const std::optional<QRect> bar =
        StraightBarRect(m_milsToDevice, m_orientation, from, to, penWidth, QRectF(m_image.rect()));
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
    constexpr int kBitsPerByte = 8;
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
    uchar* const bits = m_image.bits(); // detaches once, not per run
    const qsizetype stride = m_image.bytesPerLine();
    if (!sprite.box.isEmpty()) {
        // The opaque box, then the text's runs over it.
        const auto from =
            std::clamp<std::int64_t>(std::int64_t{sprite.box.left()} + cornerX, 0, width);
        const auto to =
            std::clamp<std::int64_t>(std::int64_t{sprite.box.right()} + 1 + cornerX, 0, width);
        const auto first =
            std::clamp<std::int64_t>(std::int64_t{sprite.box.top()} + cornerY, 0, height);
        const auto last =
            std::clamp<std::int64_t>(std::int64_t{sprite.box.bottom()} + 1 + cornerY, 0, height);
        for (std::int64_t y = first; y < last; ++y) {
            FillMonoSpan(bits + y * stride, static_cast<int>(from), static_cast<int>(to), false);
        }
    }
    for (const LabelSprite::Run& run : sprite.runs) {
        const std::int64_t y = std::int64_t{run.y} + cornerY;
        if (y < 0 || y >= height) {
            continue;
        }
        const auto from = std::clamp<std::int64_t>(std::int64_t{run.from} + cornerX, 0, width);
        const auto to = std::clamp<std::int64_t>(std::int64_t{run.to} + cornerX, 0, width);
        FillMonoSpan(bits + y * stride, static_cast<int>(from), static_cast<int>(to), run.black);
    }
}
