#include "FocusFrame.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

void DrawFocusFrame(QPainter& painter, const QWidget& widget) {
    // Within the visible part, so that it shows however the view is scrolled;
    // in the palette's highlight colour, two pixels wide, inside the quiet
    // zones of a symbol that fits.
    constexpr int kFrameWidth = 2;
    const QRect visible = widget.visibleRegion().boundingRect();
    if (visible.width() <= 2 * kFrameWidth || visible.height() <= 2 * kFrameWidth) {
        return;
    }
    painter.save();
    painter.resetTransform();
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen(widget.palette().color(QPalette::Highlight), kFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const int inset = kFrameWidth / 2;
    painter.drawRect(visible.adjusted(inset, inset, -inset - 1, -inset - 1));
    painter.restore();
}
