#include "MonoSurface.h"

#include "Barcode.h"
#include "LabelSprite.h"
#include "LabelStore.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QRgb>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numeric>
#include <optional>
#include <unordered_map>
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

// The first `count` (1 to 8) pixels of a byte.
constexpr unsigned FirstPixels(int count) {
    return (kWholeByte << (kBitsPerByte - count)) & kWholeByte;
}

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

// The label's frame turned about its corner, without the corner's position.
QTransform TurnOf(const TextPlacement& placement) {
    return {placement.local.m11(),
            placement.local.m12(),
            placement.local.m21(),
            placement.local.m22(),
            0,
            0};
}

// Paints onto a grey scratch image covering `area` (pixels about the label's
// corner) in the label's frame, turned by `turn`, and keeps the painted pixels.
template <typename Paint>
LabelSprite PaintArea(const QTransform& turn, const QRect& area, int dpmX, int dpmY,
                      const Paint& paint) {
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

// What is painted, in the label's upright frame (y down from its corner): a
// rectangle its pixels are expected within (from the font's ink bounds, a few
// pixels to spare for the rasteriser's rounding) and, should any pixel reach
// that area's edge (a font whose ink bounds fall short), a margin of the box's
// height around `reach`. The font's report is only a hint: for a control
// character (a tab, say) it can be absurdly large, so the expected area never
// passes the wide one.
template <typename Paint>
LabelSprite PaintInFrame(const QTransform& turn, const QRectF& expected, const QRectF& reach,
                         double boxHeight, int dpmX, int dpmY, const Paint& paint) {
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

// A part of a label drawn as one sprite: its first pixel lies `at` from the
// label's corner. Drawn in turn, the box and then each glyph, they set the
// pixels the whole label sets.
struct SpritePiece {
    const LabelSprite* sprite;
    QPoint at;
};

// Positions along the baseline in the painter's fixed point: 64ths of a pixel.
constexpr int kSubPixels = 64;

// The tables by which a face places a glyph by its neighbour: kerning
// pairs, positioning and substitution rules (OpenType's and AAT's).
constexpr std::array kNeighbourTables{"GPOS", "GSUB", "kern", "morx", "kerx"};

// Whether labels may be painted: a run that has no fonts (the tool's first
// attempt at one symbol, with no GUI application) takes them from the label
// store only.
std::atomic<bool> g_paintLabels{true};
// The thread drew a label it could neither take from the store nor paint.
thread_local bool t_labelMissed = false;

// The characters a label is set glyph by glyph with: printable ASCII and
// Latin-1 (a control character is laid out by the painter its own way).
bool IsGlyphCharacter(ushort code) {
    constexpr ushort kFirstPrintable = 0x20;
    constexpr ushort kLastAscii = 0x7e;
    constexpr ushort kFirstLatin1Printable = 0xa0;
    return code >= kFirstPrintable && (code <= kLastAscii || code >= kFirstLatin1Printable) &&
           code <= kWholeByte;
}

// Whether the painter sets a font's glyphs from images of them it keeps, as it
// does up to a size (64 pixels unless QT_MAX_CACHED_GLYPH_SIZE says
// otherwise): a copy moved by whole pixels then sets the very same pixels.
// A larger glyph is filled as its outline, and how its edges fall can depend
// on the image it is filled on, so such labels are painted whole. A couple of
// pixels to spare keep the rounding of the font's size off the border.
bool PainterKeepsGlyphs(const QFont& font, const QPaintDevice& device) {
    constexpr int kPainterLimit = 64;
    constexpr int kSpare = 2;
    const int set = qEnvironmentVariableIntValue("QT_MAX_CACHED_GLYPH_SIZE");
    const int limit = set > 0 ? set : kPainterLimit;
    return QFontInfo(QFont(font, &device)).pixelSize() <= limit - kSpare;
}

// Whether a face can place a glyph by its neighbour: it has kerning pairs
// or positioning or substitution rules (ligatures among them). A face with
// none advances every pair by the two advances.
bool PlacesByNeighbour(const QFont& font) {
    const QRawFont face = QRawFont::fromFont(font);
    return !face.isValid() ||
           std::any_of(kNeighbourTables.begin(), kNeighbourTables.end(),
                       [&face](const char* table) { return !face.fontTable(table).isEmpty(); });
}

// Which characters advance a text by their own advance (between two others
// as much as alone), and whether every pair of those advances by the sum of
// their advances: no kerning and no ligature, so any text of them advances by
// the sum. Every pair is measured only for a face that can place a glyph by
// its neighbour.
void MeasureSetting(const QFont& face, const QFontMetricsF& metrics, LabelFontMetrics& font) {
    const auto advance = [&font](int c) {
        return static_cast<double>(font.advance[static_cast<std::size_t>(c)]);
    };
    const QChar reference(u'X');
    const double around = metrics.horizontalAdvance(QString(2, reference)) * kSubPixels;
    QString text(3, reference);
    for (int c = 0; c <= static_cast<int>(kWholeByte); ++c) {
        text[1] = QChar(c);
        font.settable[static_cast<std::size_t>(c)] =
            IsGlyphCharacter(static_cast<ushort>(c)) &&
            metrics.horizontalAdvance(text) * kSubPixels == around + advance(c);
    }
    font.additive = true;
    if (!PlacesByNeighbour(face)) {
        return;
    }
    QString pair(2, QChar());
    for (int a = 0; a <= static_cast<int>(kWholeByte); ++a) {
        if (!font.settable[static_cast<std::size_t>(a)]) {
            continue;
        }
        pair[0] = QChar(a);
        for (int b = 0; b <= static_cast<int>(kWholeByte); ++b) {
            pair[1] = QChar(b);
            if (font.settable[static_cast<std::size_t>(b)] &&
                metrics.horizontalAdvance(pair) * kSubPixels != advance(a) + advance(b)) {
                font.additive = false;
                return;
            }
        }
    }
}

// What tells one font on one device from another, for the label store.
QString LabelFontKey(const QFont& font, int dpmX, int dpmY) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
        .arg(font.family())
        .arg(font.pointSizeF(), 0, 'g', 17)
        .arg(font.weight())
        .arg(font.style())
        .arg(font.styleHint())
        .arg(font.styleStrategy())
        .arg(dpmX)
        .arg(dpmY);
}

// The quarter turn a label's frame takes, 0 to 3, for the label store.
int TurnCode(const QTransform& turn) {
    constexpr double kHalf = 0.5;
    if (turn.m11() > kHalf) {
        return 0;
    }
    if (turn.m12() > kHalf) {
        return 1;
    }
    return turn.m11() < -kHalf ? 2 : 3;
}

// The label font measured at one size on one device: by the fonts where
// labels are painted (and kept in the store, if there is one), else as the
// store kept it; null when neither can say.
const LabelFontMetrics* MetricsOf(const QFont& font, int dpmX, int dpmY) {
    struct Memo {
        QFont font;
        int dpmX = 0;
        int dpmY = 0;
        bool painting = false;
        std::optional<LabelFontMetrics> metrics;
    };
    thread_local std::optional<Memo> memo;
    const bool painting = g_paintLabels.load();
    if (memo && memo->font == font && memo->dpmX == dpmX && memo->dpmY == dpmY &&
        memo->painting == painting) {
        return memo->metrics ? &*memo->metrics : nullptr;
    }
    CLabelStore* const store = CurrentLabelStore();
    std::optional<LabelFontMetrics> metrics;
    if (painting) {
        const QImage device = MetricsDevice(dpmX, dpmY);
        const QFontMetricsF measured(font, &device);
        metrics.emplace();
        metrics->height = measured.height();
        metrics->ascent = measured.ascent();
        for (std::size_t c = 0; c < metrics->advance.size(); ++c) {
            metrics->advance[c] = static_cast<std::int32_t>(std::lround(
                measured.horizontalAdvance(QChar(static_cast<ushort>(c))) * kSubPixels));
        }
        metrics->keptGlyphs = PainterKeepsGlyphs(font, device);
        if (store != nullptr) {
            const QString key = LabelFontKey(font, dpmX, dpmY);
            const std::optional<LabelFontMetrics> stored = store->Metrics(key);
            if (stored) {
                metrics->settable = stored->settable;
                metrics->additive = stored->additive;
            }
            if (stored != metrics) {
                MeasureSetting(font, measured, *metrics);
                store->SetMetrics(key, *metrics);
            }
        }
    } else if (store != nullptr) {
        metrics = store->Metrics(LabelFontKey(font, dpmX, dpmY));
    }
    memo = Memo{font, dpmX, dpmY, painting, metrics};
    return memo->metrics ? &*memo->metrics : nullptr;
}

// The label font at one size, resolution and turn, its glyphs set one at a
// time as the painter sets them. A glyph's pixels depend only on where its
// origin falls within a pixel: the label's corner is a whole pixel, the turn
// a quarter turn and the painter places glyphs in 64ths of a pixel, so each
// glyph is painted once for each 64th its origin takes and copied, moved by
// whole pixels, wherever it stands. The label's opaque box is painted once
// for each length of text. With a label store, what the set lacks is looked
// up there first, and what it paints is added, each glyph at every 64th a
// label can put it on.
class GlyphSet {
public:
    GlyphSet(const TextPlacement& placement, int dpmX, int dpmY, const LabelFontMetrics& metrics)
        : m_font(placement.font), m_dpmX(dpmX), m_dpmY(dpmY), m_turn(TurnOf(placement)),
          m_ascent(placement.ascent), m_height(placement.box.height()), m_metrics(metrics),
          m_fontKey(LabelFontKey(m_font, dpmX, dpmY)), m_turnCode(TurnCode(m_turn)),
          m_device(MetricsDevice(dpmX, dpmY)) {
        // Every 64th a label can put a glyph on: multiples of what the
        // advances have in common.
        m_originStep = kSubPixels;
        for (int c = 0; c <= static_cast<int>(kWholeByte); ++c) {
            if (IsGlyphCharacter(static_cast<ushort>(c))) {
                m_originStep = std::gcd(m_originStep, Advance(static_cast<uchar>(c)));
            }
        }
        m_originStep = std::max(m_originStep, 1);
    }

    bool Fits(const TextPlacement& placement, int dpmX, int dpmY) const {
        return dpmX == m_dpmX && dpmY == m_dpmY && TurnOf(placement) == m_turn &&
               placement.ascent == m_ascent && placement.box.height() == m_height &&
               placement.font == m_font;
    }

    // The label as its box and then its glyphs; false when the painter would
    // not set it glyph by glyph as this set does (glyphs filled as outlines, a
    // control character, or a text whose advance is not its characters'
    // advances added up, as a kerning font's).
    bool Pieces(const TextPlacement& placement, std::vector<SpritePiece>& pieces);

private:
    // A Latin-1 character's advance in 64ths of a pixel.
    int Advance(uchar c) const { return m_metrics.advance[c]; }
    const LabelSprite& Glyph(uchar c, int subPixel);
    const LabelSprite& Box(std::int64_t width64);
    LabelSprite PaintGlyph(uchar c, int subPixel);
    LabelSprite PaintBox(std::int64_t width64) const;
    // A piece from the set, else from the store, else painted (and stored);
    // a blank one, with the miss noted, when it cannot be painted.
    template <typename Paint> const LabelSprite& PieceOf(std::int64_t key, const Paint& paint);

    QFont m_font;
    int m_dpmX;
    int m_dpmY;
    QTransform m_turn;
    double m_ascent;
    double m_height;
    LabelFontMetrics m_metrics;
    QString m_fontKey;
    int m_turnCode;
    int m_originStep = 1;
    QImage m_device;
    // The font's ink bounds, for painting only (measured by the fonts).
    std::optional<QFontMetricsF> m_inkMetrics;
    // Keyed by character and 64th, and by BoxKey of the box's width in 64ths.
    std::unordered_map<std::int64_t, LabelSprite> m_pieces;
};

template <typename Paint>
const LabelSprite& GlyphSet::PieceOf(std::int64_t key, const Paint& paint) {
    if (const auto found = m_pieces.find(key); found != m_pieces.end()) {
        return found->second;
    }
    CLabelStore* const store = CurrentLabelStore();
    if (store != nullptr) {
        if (std::optional<LabelSprite> stored = store->Piece(m_fontKey, m_turnCode, key)) {
            return m_pieces.emplace(key, std::move(*stored)).first->second;
        }
    }
    if (!g_paintLabels.load()) {
        t_labelMissed = true;
        static const LabelSprite kNone;
        return kNone;
    }
    LabelSprite piece = paint();
    if (store != nullptr) {
        store->AddPiece(m_fontKey, m_turnCode, key, piece);
    }
    return m_pieces.emplace(key, std::move(piece)).first->second;
}

LabelSprite GlyphSet::PaintGlyph(uchar c, int subPixel) {
    if (!m_inkMetrics) {
        m_inkMetrics.emplace(m_font, &m_device);
    }
    const QString text(QChar{c});
    const QPointF origin(static_cast<double>(subPixel) / kSubPixels, m_ascent);
    const QRectF ink = m_inkMetrics->boundingRect(text).translated(origin);
    const QRectF cell(origin.x(), 0, Advance(c) / double{kSubPixels}, m_height);
    return PaintInFrame(m_turn, ink, cell, m_height, m_dpmX, m_dpmY,
                        [&](QPainter& painter, const QTransform& frame) {
                            painter.setTransform(frame, true);
                            painter.setFont(m_font);
                            painter.setPen(Qt::black);
                            painter.drawText(origin, text);
                        });
}

LabelSprite GlyphSet::PaintBox(std::int64_t width64) const {
    const QRectF box(0, 0, static_cast<double>(width64) / kSubPixels, m_height);
    return PaintInFrame(m_turn, box, box, m_height, m_dpmX, m_dpmY,
                        [&box](QPainter& painter, const QTransform& frame) {
                            painter.setTransform(frame, true);
                            painter.fillRect(box, Qt::white);
                        });
}

const LabelSprite& GlyphSet::Glyph(uchar c, int subPixel) {
    const std::int64_t key = std::int64_t{c} * kSubPixels + subPixel;
    if (CurrentLabelStore() != nullptr && g_paintLabels.load() && !m_pieces.contains(key)) {
        // A later run may put the glyph on any 64th a label gives it.
        for (int other = 0; other < kSubPixels; other += m_originStep) {
            if (other != subPixel) {
                PieceOf(std::int64_t{c} * kSubPixels + other, [&] { return PaintGlyph(c, other); });
            }
        }
    }
    return PieceOf(key, [&] { return PaintGlyph(c, subPixel); });
}

const LabelSprite& GlyphSet::Box(std::int64_t width64) {
    return PieceOf(BoxKey(width64), [&] { return PaintBox(width64); });
}

bool GlyphSet::Pieces(const TextPlacement& placement, std::vector<SpritePiece>& pieces) {
    pieces.clear();
    if (!m_metrics.keptGlyphs) {
        return false;
    }
    const std::int64_t width64 = std::llround(placement.box.width() * kSubPixels);
    const LabelSprite& box = Box(width64);
    pieces.push_back({&box, box.origin});
    std::int64_t along = 0; // the next glyph's origin, in 64ths
    for (const QChar ch : placement.text) {
        const ushort code = ch.unicode();
        if (!IsGlyphCharacter(code)) {
            return false;
        }
        const auto c = static_cast<uchar>(code);
        const LabelSprite& glyph = Glyph(c, static_cast<int>(along % kSubPixels));
        if (!glyph.blank) {
            const auto whole = static_cast<int>(along / kSubPixels);
            pieces.push_back({&glyph, glyph.origin + m_turn.map(QPoint(whole, 0))});
        }
        along += Advance(c);
    }
    return along == width64;
}

// The glyph set of a label's font, size, resolution and turn: a batch draws
// every label alike, a symbol of several label pieces draws them alike, so
// the sets of the last few are kept. Null when the font cannot be measured.
GlyphSet* GlyphSetOf(const TextPlacement& placement, int dpmX, int dpmY) {
    constexpr std::size_t kMaxSets = 4;
    thread_local std::vector<std::unique_ptr<GlyphSet>> sets;
    const auto found = std::find_if(sets.begin(), sets.end(), [&](const auto& set) {
        return set->Fits(placement, dpmX, dpmY);
    });
    if (found != sets.end()) {
        return found->get();
    }
    const LabelFontMetrics* metrics = MetricsOf(placement.font, dpmX, dpmY);
    if (metrics == nullptr) {
        return nullptr;
    }
    if (sets.size() >= kMaxSets) {
        sets.erase(sets.begin());
    }
    return sets.emplace_back(std::make_unique<GlyphSet>(placement, dpmX, dpmY, *metrics)).get();
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

// The label's pixels as pieces: from the glyph set where it can be, else the
// label painted whole, each distinct one once (kept for the thread's later
// ones). Valid until the next label.
const std::vector<SpritePiece>& PiecesOf(const TextPlacement& placement, int dpmX, int dpmY) {
    thread_local std::vector<SpritePiece> pieces;
    GlyphSet* const glyphs = GlyphSetOf(placement, dpmX, dpmY);
    if (glyphs != nullptr && glyphs->Pieces(placement, pieces)) {
        return pieces;
    }
    if (!g_paintLabels.load()) {
        // Neither stored nor paintable here: the run draws it with the fonts.
        t_labelMissed = true;
        pieces.clear();
        return pieces;
    }
    thread_local QHash<QString, LabelSprite> painted;
    const QString key = LabelKeyPrefix(placement, dpmX, dpmY) + placement.text;
    auto found = painted.constFind(key);
    if (found == painted.constEnd()) {
        if (painted.size() >= kMaxCachedLabels) {
            painted.clear();
        }
        found = painted.insert(key, PaintLabel(placement, dpmX, dpmY));
    }
    pieces.assign(1, {&*found, found->origin});
    return pieces;
}

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

void AllowLabelPainting(bool allowed) {
    g_paintLabels.store(allowed);
}

bool TakeLabelMiss() {
    return std::exchange(t_labelMissed, false);
}

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
      // A monochrome bitmap: the text's edges as clean as the bars'.
      m_text(image, false, milsToDevice, QRectF(image.rect()), orientation) {
    if (!g_paintLabels.load()) {
        // No fonts: texts are measured as the label store keeps their font.
        const int dpmX = image.dotsPerMeterX();
        const int dpmY = image.dotsPerMeterY();
        m_text.SetMeasurer(
            [dpmX, dpmY](const QFont& font, const QString& text) -> std::optional<TextMeasure> {
                const LabelFontMetrics* metrics = MetricsOf(font, dpmX, dpmY);
                std::int64_t advance = 0;
                for (const QChar ch : text) {
                    if (metrics == nullptr || !metrics->additive || ch.unicode() > kWholeByte ||
                        !metrics->settable[ch.unicode()]) {
                        t_labelMissed = true;
                        return std::nullopt;
                    }
                    advance += metrics->advance[ch.unicode()];
                }
                return TextMeasure{static_cast<double>(advance) / kSubPixels, metrics->height,
                                   metrics->ascent};
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
         PiecesOf(*placement, m_image.dotsPerMeterX(), m_image.dotsPerMeterY())) {
        CopySprite(m_image, *piece.sprite, cornerX + piece.at.x(), cornerY + piece.at.y());
    }
}
