#include "MonoSurface.h"

#include "Barcode.h"

#include <QRgb>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

constexpr double kMetresPerInch = 0.0254;
// Colour-table index of white in the monochrome image (black is 1).
constexpr int kWhite = 0;

// Copies a sprite onto a monochrome image, its first pixel at (left, top):
// its painted pixels white, of those its ink black; what lies outside the
// image is cut.
void CopySprite(QImage& image, const LabelSprite& sprite, std::int64_t left, std::int64_t top) {
    const int width = image.width();
    const int height = image.height();
    if (sprite.blank || left >= width || left + sprite.width <= 0 || top >= height ||
        top + sprite.height <= 0) {
        return;
    }
    uchar* const bits = image.bits(); // detaches once, not per row
    const qsizetype stride = image.bytesPerLine();
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
    const auto firstRow = static_cast<int>(std::max<std::int64_t>(0, -top));
    const auto endRow = static_cast<int>(std::min<std::int64_t>(sprite.height, height - top));
    if (sprite.whiteBox) {
        const auto from = static_cast<int>(std::max<std::int64_t>(left, 0));
        const auto to = static_cast<int>(std::min<std::int64_t>(left + sprite.width, width));
        for (int row = firstRow; row < endRow; ++row) {
            FillMonoSpan(bits + (top + row) * stride, from, to, false);
        }
        return;
    }
    for (int row = firstRow; row < endRow; ++row) {
        const uchar* painted =
            sprite.painted.data() + static_cast<std::int64_t>(sprite.RowStart(row)) + firstIndex;
        const uchar* ink =
            sprite.ink.data() + static_cast<std::int64_t>(sprite.RowStart(row)) + firstIndex;
        uchar* line = bits + (top + row) * stride;
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

MonoSurface::MonoSurface(QImage& image, const QTransform& milsToDevice, int orientation,
                         const LabelSource& labels)
    : m_image(image), m_milsToDevice(milsToDevice), m_orientation(NormalOrientation(orientation)),
      // A monochrome bitmap: the text's edges as clean as the bars'.
      m_text(image, false, milsToDevice, QRectF(image.rect()), orientation), m_labels(labels) {
    if (!m_labels.Paints()) {
        // No fonts: texts are measured as the label store keeps their font.
        const int dpmX = image.dotsPerMeterX();
        const int dpmY = image.dotsPerMeterY();
        m_text.SetMeasurer([this, dpmX, dpmY](const QFont& font, const QString& text) {
            return m_labels.MeasureAsStored(font, text, dpmX, dpmY);
        });
    }
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
    const auto cornerX = static_cast<std::int64_t>(placement->local.dx());
    const auto cornerY = static_cast<std::int64_t>(placement->local.dy());
    for (const SpritePiece& piece :
         m_labels.Pieces(*placement, m_image.dotsPerMeterX(), m_image.dotsPerMeterY())) {
        CopySprite(m_image, *piece.sprite, cornerX + piece.at.x(), cornerY + piece.at.y());
    }
}
