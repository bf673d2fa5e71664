#pragma once

#include "DeviceMapping.h"
#include "MonoSurface.h"
#include "SheetLayout.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

// Shapes drawn straight into a 1-bit page (colour 1 black): label outlines
// and the marks of the alignment and calibration pages. What falls off the
// page is left out.

// The marks of those pages: lines of half a point (twice the thinnest line a
// printer is asked to show), words in 9 points.
inline constexpr double kPointsPerInch = 72;
inline constexpr double kMarkLinePoints = 0.5;
inline constexpr double kMarkTextPoints = 9;

// A mark line's width in dots at the resolution, at least one.
inline int MarkLineDots(int dpi) {
    return std::max(1, static_cast<int>(std::ceil(kMarkLinePoints * dpi / kPointsPerInch)));
}

// Sets (or clears) every dot of a rectangle that falls on the page.
inline void FillMonoRect(QImage& page, const QRect& rect, bool black = true) {
    const QRect visible = rect.intersected(page.rect());
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        FillMonoSpan(page.scanLine(y), visible.left(), visible.right() + 1, black);
    }
}

// The outline of a label of the shape filling `rect`, `width` dots wide,
// inside it: a rectangle's four edges, or the ring between the ellipse that
// touches the rectangle's sides and one `width` dots inside it.
inline void OutlineMonoShape(QImage& page, const QRect& rect, LabelShape shape, int width) {
    if (shape == LabelShape::Rectangle) {
        FillMonoRect(page, QRect(rect.left(), rect.top(), rect.width(), width));
        FillMonoRect(page, QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width));
        FillMonoRect(page, QRect(rect.left(), rect.top(), width, rect.height()));
        FillMonoRect(page, QRect(rect.right() - width + 1, rect.top(), width, rect.height()));
        return;
    }
    const double cx = rect.left() + rect.width() / 2.0;
    const double cy = rect.top() + rect.height() / 2.0;
    const double a = rect.width() / 2.0;
    const double b = rect.height() / 2.0;
    // Half the span of an ellipse of semi-axes (ra, rb) on the row whose
    // middle lies dy from the centre; none when the row misses it.
    const auto half = [](double ra, double rb, double dy) {
        const double t = 1 - (dy * dy) / (rb * rb);
        return t > 0 ? ra * std::sqrt(t) : -1.0;
    };
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const double dy = y + 0.5 - cy;
        const double outer = half(a, b, dy);
        if (outer < 0) {
            continue;
        }
        const double inner = half(a - width, b - width, dy);
        const auto dot = [](double x) { return static_cast<int>(std::lround(x)); };
        if (inner < 0) {
            FillMonoRect(page, QRect(QPoint(dot(cx - outer), y), QPoint(dot(cx + outer) - 1, y)));
            continue;
        }
        FillMonoRect(page, QRect(QPoint(dot(cx - outer), y), QPoint(dot(cx - inner) - 1, y)));
        FillMonoRect(page, QRect(QPoint(dot(cx + inner), y), QPoint(dot(cx + outer) - 1, y)));
    }
}

// A label's outline on a painter in mils (a PDF page): a mark line around
// the box of a rectangular label, inside the box of a round or oval one.
inline void PaintLabelOutline(QPainter& painter, const QRectF& box, LabelShape shape) {
    painter.setPen(QPen(Qt::black, kMarkLinePoints * kMilsPerInch / kPointsPerInch));
    painter.setBrush(Qt::NoBrush);
    if (shape == LabelShape::Rectangle) {
        painter.drawRect(box);
    } else {
        painter.drawEllipse(box);
    }
}
