#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A point of the engine's coordinate frame: mils, x to the right, y upward.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Extent {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

// The font of a human-readable text. Height is in mils; escapement is in tenths
// of a degree as the y-down platforms count it, so in our y-up frame a positive
// escapement turns the text clockwise on the output (900 = quarter turn clockwise).
struct Font {
    std::string face;
    std::int32_t height = 0;
    std::int32_t weight = 0;
    std::int32_t escapement = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

// The only window of the symbology engine on an output device. All coordinates
// are mils in the y-up frame; the implementation scales them to its device.
class Surface {
public:
    virtual ~Surface() = default;

    // A straight line in solid black, with flat end caps: the ink is the band of
    // the given width centred on the segment, not extended past its ends.
    virtual void Line(Point from, Point to, std::int32_t penWidth) = 0;

    // The extent of 8-bit (Latin-1) text in the given font, in mils.
    virtual Extent MeasureText(const Font& font, std::string_view text) = 0;

    // Draws 8-bit text in black on an opaque white background, its top-left
    // corner (in its own upright frame) at topLeft, turned by the escapement.
    virtual void DrawText(const Font& font, Point topLeft, std::string_view text) = 0;
};
