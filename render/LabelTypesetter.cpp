#include "LabelTypesetter.h"

#include "LabelPaint.h"
#include "LabelStore.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <array>
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

// Labels kept per thread; past this many distinct ones the set starts afresh.
constexpr qsizetype kMaxCachedLabels = 256;

// Positions along the baseline in the painter's fixed point: 64ths of a pixel.
constexpr int kSubPixels = 64;

// The tables by which a face places a glyph by its neighbour: kerning
// pairs, positioning and substitution rules (OpenType's and AAT's).
constexpr std::array kNeighbourTables{"GPOS", "GSUB", "kern", "morx", "kerx"};

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
const LabelFontMetrics* MetricsOf(const QFont& font, int dpmX, int dpmY,
                                  const LabelSource& source) {
    struct Memo {
        QFont font;
        int dpmX = 0;
        int dpmY = 0;
        LabelSource source;
        std::optional<LabelFontMetrics> metrics;
    };
    thread_local std::optional<Memo> memo;
    const bool painting = source.paint;
    if (memo && memo->font == font && memo->dpmX == dpmX && memo->dpmY == dpmY &&
        memo->source == source) {
        return memo->metrics ? &*memo->metrics : nullptr;
    }
    CLabelStore* const store = source.store;
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
    memo = Memo{font, dpmX, dpmY, source, metrics};
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
    GlyphSet(const TextPlacement& placement, int dpmX, int dpmY, const LabelFontMetrics& metrics,
             const LabelSource& source)
        : m_source(source), m_font(placement.font), m_dpmX(dpmX), m_dpmY(dpmY),
          m_turn(TurnOf(placement)), m_ascent(placement.ascent), m_height(placement.box.height()),
          m_metrics(metrics), m_fontKey(LabelFontKey(m_font, dpmX, dpmY)),
          m_turnCode(TurnCode(m_turn)), m_device(MetricsDevice(dpmX, dpmY)) {
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

    bool Fits(const TextPlacement& placement, int dpmX, int dpmY, const LabelSource& source) const {
        return source == m_source && dpmX == m_dpmX && dpmY == m_dpmY &&
               TurnOf(placement) == m_turn && placement.ascent == m_ascent &&
               placement.box.height() == m_height && placement.font == m_font;
    }

    // The label as its box and then its glyphs; false when the painter would
    // not set it glyph by glyph as this set does (glyphs filled as outlines, a
    // control character, or a text whose advance is not its characters'
    // advances added up, as a kerning font's).
    // A piece neither in the set or the store nor paintable sets `missed`.
    bool Pieces(const TextPlacement& placement, std::vector<SpritePiece>& pieces, bool& missed);

private:
    // A Latin-1 character's advance in 64ths of a pixel.
    int Advance(uchar c) const { return m_metrics.advance[c]; }
    const LabelSprite& Glyph(uchar c, int subPixel, bool& missed);
    const LabelSprite& Box(std::int64_t width64, bool& missed);
    LabelSprite PaintGlyph(uchar c, int subPixel);
    LabelSprite PaintBox(std::int64_t width64) const;
    // A piece from the set, else from the store, else painted (and stored);
    // a blank one, with the miss noted, when it cannot be painted.
    template <typename Paint>
    const LabelSprite& PieceOf(std::int64_t key, const Paint& paint, bool& missed);

    LabelSource m_source;
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
const LabelSprite& GlyphSet::PieceOf(std::int64_t key, const Paint& paint, bool& missed) {
    if (const auto found = m_pieces.find(key); found != m_pieces.end()) {
        return found->second;
    }
    CLabelStore* const store = m_source.store;
    if (store != nullptr) {
        if (std::optional<LabelSprite> stored = store->Piece(m_fontKey, m_turnCode, key)) {
            return m_pieces.emplace(key, std::move(*stored)).first->second;
        }
    }
    if (!m_source.paint) {
        missed = true;
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

const LabelSprite& GlyphSet::Glyph(uchar c, int subPixel, bool& missed) {
    const std::int64_t key = std::int64_t{c} * kSubPixels + subPixel;
    if (m_source.store != nullptr && m_source.paint && !m_pieces.contains(key)) {
        // A later run may put the glyph on any 64th a label gives it.
        for (int other = 0; other < kSubPixels; other += m_originStep) {
            if (other != subPixel) {
                PieceOf(
                    std::int64_t{c} * kSubPixels + other, [&] { return PaintGlyph(c, other); },
                    missed);
            }
        }
    }
    return PieceOf(
        key, [&] { return PaintGlyph(c, subPixel); }, missed);
}

const LabelSprite& GlyphSet::Box(std::int64_t width64, bool& missed) {
    return PieceOf(
        BoxKey(width64), [&] { return PaintBox(width64); }, missed);
}

bool GlyphSet::Pieces(const TextPlacement& placement, std::vector<SpritePiece>& pieces,
                      bool& missed) {
    pieces.clear();
    if (!m_metrics.keptGlyphs) {
        return false;
    }
    const std::int64_t width64 = std::llround(placement.box.width() * kSubPixels);
    const LabelSprite& box = Box(width64, missed);
    pieces.push_back({&box, box.origin});
    std::int64_t along = 0; // the next glyph's origin, in 64ths
    for (const QChar ch : placement.text) {
        const ushort code = ch.unicode();
        if (!IsGlyphCharacter(code)) {
            return false;
        }
        const auto c = static_cast<uchar>(code);
        const LabelSprite& glyph = Glyph(c, static_cast<int>(along % kSubPixels), missed);
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
GlyphSet* GlyphSetOf(const TextPlacement& placement, int dpmX, int dpmY,
                     const LabelSource& source) {
    constexpr std::size_t kMaxSets = 4;
    thread_local std::vector<std::unique_ptr<GlyphSet>> sets;
    const auto found = std::find_if(sets.begin(), sets.end(), [&](const auto& set) {
        return set->Fits(placement, dpmX, dpmY, source);
    });
    if (found != sets.end()) {
        return found->get();
    }
    const LabelFontMetrics* metrics = MetricsOf(placement.font, dpmX, dpmY, source);
    if (metrics == nullptr) {
        return nullptr;
    }
    if (sets.size() >= kMaxSets) {
        sets.erase(sets.begin());
    }
    return sets.emplace_back(std::make_unique<GlyphSet>(placement, dpmX, dpmY, *metrics, source))
        .get();
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

} // namespace

std::optional<TextMeasure> CLabelTypesetter::MeasureAsStored(const QFont& font, const QString& text,
                                                             int dpmX, int dpmY) {
    const LabelFontMetrics* metrics = MetricsOf(font, dpmX, dpmY, m_source);
    std::int64_t advance = 0;
    for (const QChar ch : text) {
        if (metrics == nullptr || !metrics->additive || ch.unicode() > kWholeByte ||
            !metrics->settable[ch.unicode()]) {
            m_missed = true;
            return std::nullopt;
        }
        advance += metrics->advance[ch.unicode()];
    }
    return TextMeasure{static_cast<double>(advance) / kSubPixels, metrics->height, metrics->ascent};
}

// The label's pixels as pieces: from the glyph set where it can be, else the
// label painted whole, each distinct one once (kept for the thread's later
// ones).
const std::vector<SpritePiece>& CLabelTypesetter::Pieces(const TextPlacement& placement, int dpmX,
                                                         int dpmY) {
    thread_local std::vector<SpritePiece> pieces;
    GlyphSet* const glyphs = GlyphSetOf(placement, dpmX, dpmY, m_source);
    if (glyphs != nullptr && glyphs->Pieces(placement, pieces, m_missed)) {
        return pieces;
    }
    if (!m_source.paint) {
        // Neither stored nor paintable here: the run draws it with the fonts.
        m_missed = true;
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
