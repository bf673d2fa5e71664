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
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}
