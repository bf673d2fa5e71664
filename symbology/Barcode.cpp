#include "Barcode.h"

#include "Profile.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Escapement of the label per orientation, in the platform's tenths of a degree.
constexpr std::array<std::int32_t, 4> kLabelEscapement{0, -900, 1800, 900};

// A nudged label piece moves this many mils in x and y per orientation (in
// orientation 2 only x moves). In orientations 2 and 3 that is 1 mil back over
// the last guard bar, too little to matter to a scanner.
constexpr std::array<Point, 4> kLabelNudge{{{1, 1}, {1, 1}, {1, 0}, {1, 1}}};

// Reading direction per orientation; the bar direction is the reading
// direction turned a quarter clockwise: (x, y) -> (y, -x).
constexpr std::array<int, 4> kReadX{1, 0, -1, 0};
constexpr std::array<int, 4> kReadY{0, 1, 0, -1};

// Moves p by along mils in the reading direction (readX, readY) and by across
// mils in the bar direction, worked out in 64 bits and saturated once to the
// 32-bit frame: the same as moving step by step with saturation, since each
// axis only ever moves one way along a symbol.
constexpr Point MoveAlong(Point p, std::int64_t along, std::int64_t across, std::int64_t readX,
                          std::int64_t readY) {
    return {ClampToInt32(p.x + along * readX + across * readY),
            ClampToInt32(p.y + along * readY - across * readX)};
}

// MoveAlong in the orientation's directions.
Point MoveInFrame(Point p, std::int64_t along, std::int64_t across, int orientation) {
    const auto o = static_cast<std::size_t>(NormalOrientation(orientation));
    return MoveAlong(p, along, across, kReadX[o], kReadY[o]);
}

// MoveAlong in a fixed orientation, so the directions are known at compile time.
template <int O> Point InFrame(Point p, std::int64_t along, std::int64_t across) {
    return MoveAlong(p, along, across, kReadX[O], kReadY[O]);
}

// The top-left corner of a label piece's text of the given width.
Point LabelCorner(const LabelPiece& piece, Point entry, std::int32_t barLength,
                  std::int64_t textWidth, int orientation) {
    std::int64_t along = piece.along;
    if (piece.align == LabelAlign::End) {
        along -= textWidth;
    } else if (piece.align == LabelAlign::Centre) {
        along += (piece.span - textWidth) / 2;
    }
    const std::int64_t across = piece.top ? piece.inset : std::int64_t{barLength} - piece.inset;
    Point corner = MoveInFrame(entry, along, across, orientation);
    if (piece.nudged) {
        const Point nudge = kLabelNudge[static_cast<std::size_t>(orientation)];
        corner = {ClampToInt32(std::int64_t{corner.x} + nudge.x),
                  ClampToInt32(std::int64_t{corner.y} + nudge.y)};
    }
    return corner;
}

void DrawPiece(Surface& surface, const Font& labelFont, const LabelPiece& piece, Point entry,
               std::int32_t barLength, int orientation) {
    Font font = labelFont;
    font.height = piece.height > 0 ? piece.height : font.height;
    const std::int64_t width =
        piece.align == LabelAlign::Start ? 0 : surface.MeasureText(font, piece.text).cx;
    surface.DrawText(font, LabelCorner(piece, entry, barLength, width, orientation), piece.text);
}

// Draws the elements [first, last) from `along` mils past the entry point and
// returns where the last one ends. Each bar is, as DrawBar draws it, a line of
// the bar's width along its middle (half the width truncated) with flat ends.
// The orientation is a template argument, so the long walk of a long symbol
// has no per-bar direction arithmetic.
template <int O>
std::int64_t DrawElementsIn(Surface& surface, const Element* first, const Element* last,
                            Point entry, std::int64_t along, std::int32_t barLength) {
    for (; first != last; ++first) {
        if (first->bar) {
            const std::int64_t middle = along + first->width / 2;
            const std::int64_t length =
                first->length > 0 ? first->length
                : first->length < 0
                    ? std::max<std::int64_t>(0, std::int64_t{barLength} + first->length)
                    : barLength;
            surface.Line(InFrame<O>(entry, middle, first->lift),
                         InFrame<O>(entry, middle, std::int64_t{first->lift} + length),
                         first->width);
        }
        along += first->width;
    }
    return along;
}

std::int64_t DrawElements(int orientation, Surface& surface, const Element* first,
                          const Element* last, Point entry, std::int64_t along,
                          std::int32_t barLength) {
    switch (orientation) {
    case 1:
        return DrawElementsIn<1>(surface, first, last, entry, along, barLength);
    case 2:
        return DrawElementsIn<2>(surface, first, last, entry, along, barLength);
    case 3:
        return DrawElementsIn<3>(surface, first, last, entry, along, barLength);
    default:
        return DrawElementsIn<0>(surface, first, last, entry, along, barLength);
    }
}

} // namespace

std::string UpperCaseAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

bool IsAllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

Font LabelFont(int orientation) {
    return Font{kLabelFontFace, kLabelFontHeight, kLabelFontWeight,
                kLabelEscapement[static_cast<std::size_t>(NormalOrientation(orientation))]};
}

BarWidths SettingsWidths() {
    BarWidths widths;
    widths.ratio = GetProfileInt("Barcode", "Ratio", kDefaultRatio);
    widths.density = GetProfileInt("Barcode", "Density", kDefaultDensity);
    widths.codeSets = CodeSetChoiceOrDefault(
        GetProfileInt("Barcode", "CodeSets", static_cast<int>(CodeSetChoice::AsTyped)));
    widths.bearers = BearerBarsOrDefault(
        GetProfileInt("Barcode", "BearerBars", static_cast<int>(BearerBars::Frame)));
    widths.quietZoneMarks = GetProfileInt("Barcode", "QuietZoneMarks", 0) == 1;
    widths.addOnGap = AddOnGapOrDefault(GetProfileInt("Barcode", "AddOnGap", kDefaultAddOnGap));
    return widths;
}

CBarcode::CBarcode(std::string text, const BarWidths& widths)
    : m_strData(std::move(text)), m_nDensity(DensityOrDefault(widths.density)),
      m_nRatio(RatioOrDefault(widths.ratio)), m_codeSets(widths.codeSets),
      m_bearers(widths.bearers), m_quietZoneMarks(widths.quietZoneMarks),
      m_addOnGap(AddOnGapOrDefault(widths.addOnGap)) {}

Encoding CBarcode::Unencodable() const {
    Encoding encoding;
    encoding.totalWidth = TotalWidth();
    encoding.module = m_nDensity;
    encoding.quietBefore = std::max(m_quietZone.mils, m_quietZone.before * m_nDensity);
    encoding.quietAfter = std::max(m_quietZone.mils, m_quietZone.after * m_nDensity);
    return encoding;
}

EncodingBuilder CBarcode::Builder() const {
    EncodingBuilder builder(m_nDensity, m_nRatio * m_nDensity);
    builder.QuietZone(m_quietZone.before, m_quietZone.after, m_quietZone.mils);
    return builder;
}

void CBarcode::CentredLabel(EncodingBuilder& builder, std::string_view text) {
    builder.Label(text, 0, LabelAlign::Centre, 0, builder.Position());
}

void CBarcode::Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
                    int orientation) const {
    DrawEncoding(Encode(), surface, origin, barLength, showText, orientation);
}

void CBarcode::DrawEncoding(const Encoding& encoding, Surface& surface, Point& origin,
                            std::int32_t barLength, bool showText, int orientation) {
    if (encoding.Empty()) {
        return;
    }
    orientation = NormalOrientation(orientation);
    const Point entry = origin;
    const Font font = LabelFont(orientation);
    const std::vector<Element>& elements = encoding.elements;
    const std::size_t count = elements.size();
    auto piece = encoding.label.begin();
    const auto end = showText ? encoding.label.end() : encoding.label.begin();
    std::int64_t along = showText ? encoding.leadSpace : 0;
    if (encoding.bearer > 0) {
        // Bearer bars first: the label pieces lie beyond the bars, never on them.
        const std::int64_t end = along + encoding.DrawnWidth();
        const std::int64_t half = encoding.bearer / 2;
        for (const std::int64_t across : {half, std::int64_t{barLength} - encoding.bearer + half}) {
            surface.Line(MoveInFrame(entry, along, across, orientation),
                         MoveInFrame(entry, end, across, orientation), encoding.bearer);
        }
    }
    // The elements between two label pieces are drawn in one straight run.
    for (std::size_t drawn = 0;;) {
        for (; piece != end && piece->afterElements <= drawn; ++piece) {
            DrawPiece(surface, font, *piece, entry, barLength, orientation);
        }
        if (drawn == count) {
            break;
        }
        const std::size_t until = piece != end ? std::min(count, piece->afterElements) : count;
        along = DrawElements(orientation, surface, elements.data() + drawn, elements.data() + until,
                             entry, along, barLength);
        drawn = until;
    }
    origin = MoveInFrame(entry, along, 0, orientation);
}

void CBarcode::DrawBar(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t length,
                       std::int32_t width, int orientation) {
    const std::int32_t half = width / 2;
    const Point from = MoveInFrame({x, y}, half, 0, orientation);
    const Point to = MoveInFrame(from, 0, length, orientation);
    surface.Line(from, to, width);
}

void CBarcode::DrawLabel(Surface& surface, std::int32_t x, std::int32_t y,
                         std::int32_t symbolLength, std::int32_t barLength, std::string_view text,
                         int orientation) {
    if (text.empty()) {
        return;
    }
    orientation = NormalOrientation(orientation);
    const LabelPiece piece{std::string(text), 0, LabelAlign::Centre, symbolLength};
    DrawPiece(surface, LabelFont(orientation), piece, {x, y}, barLength, orientation);
}
