#include "Barcode.h"

#include "Frame.h"
#include "Profile.h"

#include <array>

namespace {

// Escapement of the label per orientation, in the platform's tenths of a degree.
constexpr std::array<std::int32_t, 4> kLabelEscapement{0, -900, 1800, 900};

int ReadSetting(std::string_view key, int defaultValue, int minValue, int maxValue) {
    const int value = GetProfileInt("Barcode", key, defaultValue);
    return value < minValue || value > maxValue ? defaultValue : value;
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

Font LabelFont(int orientation) {
    return Font{kLabelFontFace, kLabelFontHeight, kLabelFontWeight,
                kLabelEscapement[static_cast<std::size_t>(NormalOrientation(orientation))]};
}

CBarcode::CBarcode(std::string text) : m_strData(std::move(text)) {
    m_nRatio = ReadSetting("Ratio", kDefaultRatio, kMinRatio, kMaxRatio);
    m_nDensity = ReadSetting("Density", kDefaultDensity, kMinDensity, kMaxDensity);
}

void CBarcode::Advance(Point& origin, std::int64_t distance, int orientation) {
    origin = MoveInFrame(origin, distance, 0, orientation);
}

void CBarcode::DrawBar(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t length,
                       std::int32_t width, int orientation) const {
    const std::int32_t half = width / 2;
    const Point from = MoveInFrame({x, y}, half, 0, orientation);
    const Point to = MoveInFrame(from, 0, length, orientation);
    surface.Line(from, to, width);
}

void CBarcode::DrawElements(Surface& surface, std::string_view pattern, Point& origin,
                            std::int32_t length, int orientation) const {
    orientation = NormalOrientation(orientation);
    bool isBar = true;
    for (const char element : pattern) {
        const std::int32_t width = element == 'w' ? m_nRatio * m_nDensity : m_nDensity;
        if (isBar) {
            DrawBar(surface, origin.x, origin.y, length, width, orientation);
        }
        Advance(origin, width, orientation);
        isBar = !isBar;
    }
}

void CBarcode::DrawModules(Surface& surface, std::string_view pattern, Point& origin,
                           std::int32_t length, int orientation) const {
    orientation = NormalOrientation(orientation);
    for (const char module : pattern) {
        if (module == 'b') {
            DrawBar(surface, origin.x, origin.y, length, m_nDensity, orientation);
        }
        Advance(origin, m_nDensity, orientation);
    }
}

void CBarcode::DrawLabel(Surface& surface, std::int32_t x, std::int32_t y,
                         std::int32_t symbolLength, std::int32_t barLength, std::string_view text,
                         int orientation) const {
    if (text.empty()) {
        return;
    }
    orientation = NormalOrientation(orientation);
    const Font font = LabelFont(orientation);
    const Extent extent = surface.MeasureText(font, text);
    const std::int64_t centring = (std::int64_t{symbolLength} - extent.cx) / 2;
    const Point corner = MoveInFrame({x, y}, centring, barLength, orientation);
    surface.DrawText(font, corner, text);
}
