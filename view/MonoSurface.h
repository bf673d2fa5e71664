#pragma once

#include "QPainterSurface.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

// The engine's drawing surface straight on a monochrome (Format_Mono) image:
// bars are set as whole device rectangles in the 1-bit buffer, with no colour
// image in between, so a bitmap of any size needs no more memory than itself.
//
// The pixels are exactly those a QPainterSurface on a white colour image of the
// same resolution gives once made monochrome: bars fill the very rectangles
// StraightBarRect gives; each distinct label (its text, font, resolution and
// turn) is painted once, by the painter, into a small image, and its pixels,
// opaque box and all, are copied wherever it is drawn. The labels painted are
// kept for the thread's later symbols (a batch draws the same font throughout).
class MonoSurface : public Surface {
public:
    // image is Format_Mono with colour 0 white and 1 black (see
    // MakeMonoBitmap); milsToDevice maps the engine's y-up mils frame onto its
    // pixels.
    MonoSurface(QImage& image, const QTransform& milsToDevice, int orientation);

    void Line(Point from, Point to, std::int32_t penWidth) override;
    Extent MeasureText(const Font& font, std::string_view text) override;
    void DrawText(const Font& font, Point topLeft, std::string_view text) override;

private:
    QImage& m_image;
    QTransform m_milsToDevice;
    int m_orientation;
    // A one-pixel image of the bitmap's resolution: the label font's size and
    // metrics come from it as they would from the bitmap itself.
    QImage m_probe;
    QPainter m_probePainter;
    QPainterSurface m_text;
};

// A white Format_Mono image (colour 0 white, 1 black, as a threshold
// conversion of a colour image makes it) at a resolution in dots per inch;
// null when it cannot be allocated.
QImage MakeMonoBitmap(const QSize& size, int dpiX, int dpiY);

// Sets pixels [from, to) of one Format_Mono scan line black or white.
void FillMonoSpan(uchar* line, int from, int to, bool black);
