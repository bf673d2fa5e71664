#pragma once

#include "LabelSprite.h"
#include "QPainterSurface.h"

#include <QImage>
#include <QRectF>
#include <QTransform>

#include <functional>

class QPainter;

// Paints part of a label (in the label's upright frame, y down from its
// corner, mapped by `frame`) onto a painter.
using LabelPaint = std::function<void(QPainter& painter, const QTransform& frame)>;

// The label's frame turned about its corner, without the corner's position.
QTransform TurnOf(const TextPlacement& placement);

// What is painted, in the label's upright frame (y down from its corner), as a
// sprite: the pixels are expected within `expected` (from the font's ink
// bounds, a few pixels to spare for the rasteriser's rounding) and, should any
// pixel reach that area's edge (a font whose ink bounds fall short), a margin
// of the box's height around `reach` is painted instead. The font's report is
// only a hint: for a control character (a tab, say) it can be absurdly large,
// so the expected area never passes the wide one.
LabelSprite PaintInFrame(const QTransform& turn, const QRectF& expected, const QRectF& reach,
                         double boxHeight, int dpmX, int dpmY, const LabelPaint& paint);

// A device for the label font's metrics at a resolution (dots per metre).
QImage MetricsDevice(int dpmX, int dpmY);

// The whole label painted the painter's way, box and text at once.
LabelSprite PaintLabel(const TextPlacement& placement, int dpmX, int dpmY);
