#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A push button drawn entirely by its two images: the normal one, and the
// pressed one while the button is held down. It takes the normal image's size.
class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBitmapButton(QWidget* parent = nullptr) : QAbstractButton(parent) {}

    void LoadBitmaps(const QPixmap& normal, const QPixmap& pressed);
    // Resizes the button to the size of its normal image.
    void SizeToContent();

    QSize sizeHint() const override { return m_normal.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_normal;
    QPixmap m_pressed;
};
