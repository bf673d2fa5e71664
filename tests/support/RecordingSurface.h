#pragma once

#include "Surface.h"

#include <string>
#include <vector>

// A Surface that keeps every line and text as numbers in mils, so geometry can
// be asserted exactly. Text is measured as a fixed-pitch face: every character
// is charWidth mils wide and the font's height high.
struct RecordedLine {
    Point from;
    Point to;
    std::int32_t width;
};
struct RecordedText {
    Font font;
    Point topLeft;
    std::string text;
};

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(std::int32_t charWidth = 67) : m_charWidth(charWidth) {}

    void Line(Point from, Point to, std::int32_t penWidth) override {
        lines.push_back({from, to, penWidth});
    }
    Extent MeasureText(const Font& font, std::string_view text) override {
        return {static_cast<std::int32_t>(text.size()) * m_charWidth, font.height};
    }
    void DrawText(const Font& font, Point topLeft, std::string_view text) override {
        texts.push_back({font, topLeft, std::string(text)});
    }

    std::vector<RecordedLine> lines;
    std::vector<RecordedText> texts;

private:
    std::int32_t m_charWidth;
};
