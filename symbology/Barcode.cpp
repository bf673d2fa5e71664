#include "Barcode.h"

#include "Profile.h"

#include <algorithm>
#include <array>

namespace {

// Escapement of the label per orientation, in the platform's tenths of a degree.
constexpr std::array<std::int32_t, 4> kLabelEscapement{0, -900, 1800, 900};

// A nudged label piece moves this many mils in x and y per orientation (in
// orientation 2 only x moves). In orientations 2 and 3 that is 1 mil back over
// the last guard bar, too little to matter to a scanner.
constexpr std::array<Point, 4> kLabelNudge{{{1, 1}, {1, 1}, {1, 0}, {1, 1}}};

int ReadSetting(std::string_view key, int defaultValue, int minValue, int maxValue) {
    const int value = GetProfileInt("Barcode", key, defaultValue);
    return value < minValue || value > maxValue ? defaultValue : value;
}

// Reading direction per orientation; the bar direction is the reading
// direction turned a quarter clockwise: (x, y) -> (y, -x).
constexpr std::array<int, 4> kReadX{1, 0, -1, 0};
constexpr std::array<int, 4> kReadY{0, 1, 0, -1};

// Moves p by along mils in the reading direction and by across mils in the bar
// direction of the orientation, saturating to the 32-bit frame.
Point MoveInFrame(Point p, std::int64_t along, std::int64_t across, int orientation) {
    const auto o = static_cast<std::size_t>(NormalOrientation(orientation));
    return {ClampToInt32(p.x + along * kReadX[o] + across * kReadY[o]),
            ClampToInt32(p.y + along * kReadY[o] - across * kReadX[o])};
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
    Point corner = MoveInFrame(entry, along, std::int64_t{barLength} - piece.inset, orientation);
    if (piece.nudged) {
        const Point nudge = kLabelNudge[static_cast<std::size_t>(orientation)];
        corner = {ClampToInt32(std::int64_t{corner.x} + nudge.x),
                  ClampToInt32(std::int64_t{corner.y} + nudge.y)};
    }
    return corner;
}

void DrawPiece(Surface& surface, const Font& font, const LabelPiece& piece, Point entry,
               std::int32_t barLength, int orientation) {
    const std::int64_t width =
        piece.align == LabelAlign::Start ? 0 : surface.MeasureText(font, piece.text).cx;
    surface.DrawText(font, LabelCorner(piece, entry, barLength, width, orientation), piece.text);
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

CBarcode::CBarcode(std::string text) : m_strData(std::move(text)) {
    m_nRatio = ReadSetting("Ratio", kDefaultRatio, kMinRatio, kMaxRatio);
    m_nDensity = ReadSetting("Density", kDefaultDensity, kMinDensity, kMaxDensity);
}

Encoding CBarcode::Unencodable() const {
    Encoding encoding;
    encoding.totalWidth = TotalWidth();
    encoding.module = m_nDensity;
    return encoding;
}

EncodingBuilder CBarcode::Builder() const {
    return {m_nDensity, m_nRatio * m_nDensity};
}

void CBarcode::CentredLabel(EncodingBuilder& builder, std::string_view text,
                            std::int32_t totalWidth) {
    builder.Label(text, 0, LabelAlign::Centre, 0, totalWidth);
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
    // Every point is worked out from the entry point in 64 bits and saturated
    // once: the same as moving step by step with saturation, since each axis
    // only ever moves one way along a symbol.
    const auto o = static_cast<std::size_t>(orientation);
    const std::int64_t readX = kReadX[o];
    const std::int64_t readY = kReadY[o];
    const auto at = [&](std::int64_t along, std::int64_t across) {
        return Point{ClampToInt32(entry.x + along * readX + across * readY),
                     ClampToInt32(entry.y + along * readY - across * readX)};
    };
    auto piece = encoding.label.begin();
    const auto pieceDue = [&](std::size_t drawn) {
        return showText && piece != encoding.label.end() && piece->afterElements <= drawn;
    };
    for (; pieceDue(0); ++piece) {
        DrawPiece(surface, font, *piece, entry, barLength, orientation);
    }
    std::int64_t along = showText ? encoding.leadSpace : 0;
    for (std::size_t i = 0; i < encoding.elements.size(); ++i) {
        const Element& element = encoding.elements[i];
        if (element.bar) {
            // As DrawBar: a line of the bar's width along its middle (half
            // the width truncated), flat ends at the bar's two ends.
            const std::int64_t middle = along + element.width / 2;
            const std::int64_t length = element.length > 0 ? element.length : barLength;
            surface.Line(at(middle, element.lift), at(middle, element.lift + length),
                         element.width);
        }
        along += element.width;
        for (; pieceDue(i + 1); ++piece) {
            DrawPiece(surface, font, *piece, entry, barLength, orientation);
        }
    }
    origin = at(along, 0);
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
