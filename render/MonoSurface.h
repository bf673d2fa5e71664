#pragma once

#include "LabelTypesetter.h"
#include "QPainterSurface.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <vector>

// The engine's drawing surface straight on a monochrome (Format_Mono) image:
// bars are set as whole device rectangles in the 1-bit buffer, with no colour
// image in between, so a bitmap of any size needs no more memory than itself.
//
// The pixels are exactly those a QPainterSurface on a white colour image of the
// same resolution gives once made monochrome: bars fill the very rectangles
// StraightBarRect gives; labels are the typesetter's sprites (their opaque box
// and their glyphs), copied eight pixels a step.
class MonoSurface : public Surface {
public:
    // image is Format_Mono with colour 0 white and 1 black (see
    // MakeMonoBitmap); milsToDevice maps the engine's y-up mils frame onto its
    // pixels.
    // labels: where the labels' pixels come from (the fonts, without a store,
    // unless given).
    MonoSurface(QImage& image, const QTransform& milsToDevice, int orientation,
                const LabelSource& labels = {});
    // Sets the bars still held back (see m_rowMask).
    ~MonoSurface() override;
    MonoSurface(const MonoSurface&) = delete;
    MonoSurface& operator=(const MonoSurface&) = delete;

    void Line(Point from, Point to, std::int32_t penWidth) override;
    // Printers that spread ink: every bar this many dots narrower.
    void SetBarReduction(int dots) { m_barReduction = dots; }
    Extent MeasureText(const Font& font, std::string_view text) override;
    void DrawText(const Font& font, Point topLeft, std::string_view text) override;
    // A label could be neither taken from the label store nor painted: the
    // bitmap lacks it.
    bool LabelMissed() const { return m_labels.Missed(); }

private:
    // Sets the held-back bars into every row of their span.
    void FlushBars();

    QImage& m_image;
    QTransform m_milsToDevice;
    int m_orientation;
    int m_barReduction = 0;
    // Places the labels for the bitmap (their font sized for its resolution).
    QPainterSurface m_text;
    CLabelTypesetter m_labels;
    // Bars that span the same rows (every full bar of a symbol read across the
    // bitmap) are collected in one row's mask and set row by row at once: a
    // word-wide OR per row instead of a span per bar per row. Anything else
    // drawn (a label's opaque box, a slanted line) sets them first, so the
    // pixels come out as if every bar had been set when it was drawn.
    std::vector<uchar> m_rowMask;
    int m_maskTop = 0;
    int m_maskBottom = -1; // no bars held back while bottom < top
    int m_maskFirstByte = 0;
    int m_maskLastByte = -1;
};

// A white Format_Mono image (colour 0 white, 1 black, as a threshold
// conversion of a colour image makes it) at a resolution in dots per inch;
// null when it cannot be allocated.
QImage MakeMonoBitmap(const QSize& size, int dpiX, int dpiY);

// Sets pixels [from, to) of one Format_Mono scan line black or white.
void FillMonoSpan(uchar* line, int from, int to, bool black);
