#pragma once

#include "Surface.h"

#include <QRectF>
#include <QTransform>

class QFont;
class QPainter;

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

    void Line(Point from, Point to, std::int32_t penWidth) override;
    Extent MeasureText(const Font& font, std::string_view text) override;
    void DrawText(const Font& font, Point topLeft, std::string_view text) override;

private:
    // Fills a band given in device units; widthAlongX tells which of its sides
    // is the pen width (kept at least one unit).
    void FillBand(const QRectF& band, bool widthAlongX);
    void DrawSlantedLine(Point from, Point to, std::int32_t penWidth);
    // Device units per mil along the text's baseline and across it.
    double ScaleAlongBaseline(const Font& font) const;
    double ScaleAcrossBaseline(const Font& font) const;
    // The platform font of a Font, sized for the painter's device.
    QFont DeviceFont(const Font& font) const;

    QPainter& m_painter;
    QTransform m_milsToDevice;
    QRectF m_bounds;
    int m_orientation;
};
