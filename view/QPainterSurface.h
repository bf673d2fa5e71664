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
// of the output stays clean. Like a geometric pen, a bar's width is rounded to
// whole device units (at least one) and centred on its place, so bars of one
// width in mils come out equally wide everywhere; its ends are rounded to the
// nearest unit. Every edge lies within one unit of where its mils put it.
// Text is drawn upright in its own frame and turned by the escapement with the
// symbol, so the y-up frame never mirrors it.
class QPainterSurface : public Surface {
public:
    QPainterSurface(QPainter& painter, const QTransform& milsToDevice);

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
    QRectF DeviceBounds() const;

    QPainter& m_painter;
    QTransform m_milsToDevice;
};
