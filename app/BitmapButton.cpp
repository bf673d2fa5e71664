#include "BitmapButton.h"

#include <QPainter>

void CBitmapButton::LoadBitmaps(const QPixmap& normal, const QPixmap& pressed) {
    m_normal = normal;
    m_pressed = pressed;
    update();
}

void CBitmapButton::SizeToContent() {
    resize(m_normal.size());
}

void CBitmapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& image = isDown() && !m_pressed.isNull() ? m_pressed : m_normal;
    painter.drawPixmap(0, 0, image);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        // A dotted frame just inside the image's raised edge.
        constexpr int kFocusInset = 2;
        painter.drawRect(
            rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
    }
}
