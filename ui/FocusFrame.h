#pragma once

class QPainter;
class QWidget;

// A focus frame just inside the visible part of a widget (however it is
// scrolled), in the palette's highlight colour, for a widget that paints its
// whole area itself.
void DrawFocusFrame(QPainter& painter, const QWidget& widget);
