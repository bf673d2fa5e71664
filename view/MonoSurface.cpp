#include "MonoSurface.h"

#include "Barcode.h"

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
// Pixels of a label's scratch image that nothing painted (neither its box nor
// its text, both black or white).
constexpr QRgb kUnpainted = qRgb(255, 0, 0);
// Labels kept per thread; past this many distinct ones the set starts afresh.
constexpr qsizetype kMaxCachedLabels = 256;
constexpr int kGreyThreshold = 128; // as the threshold conversion to mono

// A label's pixels relative to its whole-unit corner, as runs along each row.
struct LabelSprite {
    struct Run {
        int y = 0;
        int from = 0;
        int to = 0;
        bool black = false;
    };
    std::vector<Run> runs;
};

// Paints the label in its own frame on a colour image the painter's way and
// keeps the painted pixels as runs.
LabelSprite PaintSprite(const TextPlacement& placement, int dpmX, int dpmY) {
    const QTransform turn(placement.local.m11(), placement.local.m12(), placement.local.m21(),
                          placement.local.m22(), 0, 0);
    // Glyphs may reach past the box; a margin of the box's height keeps them.
    const int margin = static_cast<int>(placement.box.height()) + 2;
    const QRect area =
        turn.mapRect(placement.box).toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage scratch(area.size(), QImage::Format_RGB32);
    LabelSprite sprite;
    if (scratch.isNull()) {
        return sprite;
    }
    scratch.setDotsPerMeterX(dpmX);
    scratch.setDotsPerMeterY(dpmY);
    scratch.fill(kUnpainted);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        TextPlacement shifted = placement;
        shifted.local = turn * QTransform::fromTranslate(-area.x(), -area.y());
        QPainterSurface::PaintText(painter, shifted);
    }
    const int width = scratch.width();
    const int height = scratch.height();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        int x = 0;
        while (x < width) {
            if (row[x] == kUnpainted) {
                ++x;
                continue;
            }
            const bool black = qGray(row[x]) < kGreyThreshold;
            const int from = x;
            while (x < width && row[x] != kUnpainted && (qGray(row[x]) < kGreyThreshold) == black) {
                ++x;
            }
            sprite.runs.push_back({y + area.y(), from + area.x(), x + area.x(), black});
        }
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
    return *cache.insert(key, PaintSprite(placement, dpmX, dpmY));
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

void MonoSurface::Line(Point from, Point to, std::int32_t penWidth) {
    if (penWidth <= 0) {
        return;
    }
    const std::optional<QRect> bar =
        StraightBarRect(m_milsToDevice, m_orientation, from, to, penWidth, QRectF(m_image.rect()));
    if (!bar) {
        // The engine draws no slanted line; one is stroked by the painter onto a
        // colour copy and thresholded, as the colour path would.
        QImage colour = m_image.convertToFormat(QImage::Format_RGB32);
        {
            QPainter painter(&colour);
            QPainterSurface::PaintSlantedLine(painter, m_milsToDevice, from, to, penWidth);
        }
        m_image = colour.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
        return;
    }
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    for (int y = bar->top(); y <= bar->bottom(); ++y) {
        FillMonoSpan(bits + y * stride, bar->left(), bar->right() + 1, true);
    }
}

Extent MonoSurface::MeasureText(const Font& font, std::string_view text) {
    return m_text.MeasureText(font, text);
}

void MonoSurface::DrawText(const Font& font, Point topLeft, std::string_view text) {
    const std::optional<TextPlacement> placement = m_text.PlaceText(font, topLeft, text);
    if (!placement) {
        return;
    }
    const int cornerX = static_cast<int>(placement->local.dx());
    const int cornerY = static_cast<int>(placement->local.dy());
    const LabelSprite& sprite =
        CachedSprite(*placement, m_image.dotsPerMeterX(), m_image.dotsPerMeterY());
    const int width = m_image.width();
    const int height = m_image.height();
    for (const LabelSprite::Run& run : sprite.runs) {
        const std::int64_t y = std::int64_t{run.y} + cornerY;
        if (y < 0 || y >= height) {
            continue;
        }
        const auto from = std::clamp<std::int64_t>(std::int64_t{run.from} + cornerX, 0, width);
        const auto to = std::clamp<std::int64_t>(std::int64_t{run.to} + cornerX, 0, width);
        FillMonoSpan(m_image.scanLine(static_cast<int>(y)), static_cast<int>(from),
                     static_cast<int>(to), run.black);
    }
}
