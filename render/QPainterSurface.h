#pragma once

#include "Surface.h"

#include <QFont>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <functional>
#include <optional>

#include <cmath>

class QPainter;

// The nearest device unit boundary, halves up. A coordinate a whole number of
// units away rounds alike: the slack absorbs the last bits floating point
// leaves on an exact half, so a cell draws the same pixels wherever it lies.
inline double SnapToUnit(double v) {
    constexpr double kHalfSlack = 1e-7;
    return std::floor(v + 0.5 + kHalfSlack);
}

// The device rectangle a straight bar from `from` to `to` fills, clipped to
// bounds (empty when none of it shows); nullopt for a slanted line. Across the
// bar each edge is rounded to the nearest unit on its own (a bar keeps at least
// one unit); along it both ends are rounded. orientation is the symbol's: a bar
// of odd width in mils is a line half a mil off its band's centre, put back
// where its elements put it. Every surface on whole device units fills these.
//
// A bar reduction of r units makes a bar that crosses the reading direction
// r units narrower at its trailing edge (still one unit at least): its
// leading edge, and so the module pitch, stays where the grid put it.
std::optional<QRect> StraightBarRect(const QTransform& milsToDevice, int orientation, Point from,
                                     Point to, std::int32_t penWidth, const QRectF& bounds,
                                     int barReduction = 0);

// A label piece as a painter draws it: the device font, the string, its opaque
// box in its own upright frame and that frame on the device (a whole-unit
// corner turned by the escapement).
struct TextPlacement {
    QFont font;
    QString text;
    QRectF box;
    QTransform local;
    double ascent = 0;
};

// A text's advance and its font's line height and ascent, in device units.
struct TextMeasure {
    double advance = 0;
    double height = 0;
    double ascent = 0;
};
// Measures a text in a device font; nullopt when it cannot be measured.
using TextMeasurer = std::function<std::optional<TextMeasure>(const QFont&, const QString&)>;

// The engine's drawing surface on a QPainter. The painter works in device units
// (no world transform of its own); milsToDevice maps the engine's y-up mils
// frame onto them.
//
// Bars are filled as device rectangles, never antialiased, so a monochrome copy
// of the output stays clean. Each edge of a bar is rounded to the nearest device
// unit on its own (a bar keeps at least one unit): on the device grid the edges
// of whole modules are whole units already, so abutting bars meet exactly and
// every bar of one width in modules comes out equally wide.
// Text is drawn upright in its own frame and turned by the escapement with the
// symbol, so the y-up frame never mirrors it.
class QPainterSurface : public Surface {
public:
    // orientation is the symbol's, which tells the reading direction: a bar of
    // odd width in mils is a line half a mil off its band's centre (its centre
    // is a whole mil), and the band is put back where its elements put it.
    // bounds is the output area in device units; nothing outside it is drawn.
    QPainterSurface(QPainter& painter, const QTransform& milsToDevice, const QRectF& bounds,
                    int orientation = 0);
    // A surface that measures and places text for a device and draws nothing
    // (a surface that sets the pixels itself places its labels with it).
    QPainterSurface(const QPaintDevice& device, bool antialiasedText,
                    const QTransform& milsToDevice, const QRectF& bounds, int orientation = 0);

    void Line(Point from, Point to, std::int32_t penWidth) override;
    // Printers that spread ink: every bar this many device units narrower.
    void SetBarReduction(int units) { m_barReduction = units; }
    Extent MeasureText(const Font& font, std::string_view text) override;
    void DrawText(const Font& font, Point topLeft, std::string_view text) override;

    // Texts are measured by the measurer instead of the painter's fonts.
    void SetMeasurer(TextMeasurer measurer) { m_measurer = std::move(measurer); }

    // Where DrawText puts the text; nullopt when nothing would be drawn (no
    // text, no size, or the box wholly outside the bounds).
    std::optional<TextPlacement> PlaceText(const Font& font, Point topLeft,
                                           std::string_view text) const;
    // Draws a placed text onto a painter in device units: the box filled white,
    // the text in black.
    static void PaintText(QPainter& painter, const TextPlacement& placement);
    // Strokes a slanted line (the engine draws none) onto a painter in device
    // units, as a pen would with flat caps.
    static void PaintSlantedLine(QPainter& painter, const QTransform& milsToDevice, Point from,
                                 Point to, std::int32_t penWidth);

private:
    void DrawSlantedLine(Point from, Point to, std::int32_t penWidth);
    // Device units per mil along the text's baseline and across it.
    double ScaleAlongBaseline(const Font& font) const;
    double ScaleAcrossBaseline(const Font& font) const;
    // The platform font of a Font, sized for the painter's device.
    QFont DeviceFont(const Font& font) const;
    // The advance of a text in device units. A centred label is measured and
    // then placed; the last text's advance is kept so it is laid out once.
    double Advance(const QFont& font, const QString& text) const;
    // The measurer's measure, or the painter's fonts'.
    std::optional<TextMeasure> Measure(const QFont& font, const QString& text) const;

    // The device text is measured for and whether it is antialiased: the
    // painter's (read when needed: it may begin after this surface is made),
    // else the device's.
    const QPaintDevice* Device() const;
    bool AntialiasedText() const;

    QPainter* m_painter = nullptr; // none when the surface only measures
    const QPaintDevice* m_device = nullptr;
    bool m_antialiasedText = false;
    QTransform m_milsToDevice;
    QRectF m_bounds;
    int m_orientation;
    int m_barReduction = 0;
    TextMeasurer m_measurer;
    mutable QFont m_measuredFont;
    mutable QString m_measuredText;
    mutable double m_measuredAdvance = -1; // none kept while negative
};
