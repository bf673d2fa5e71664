#pragma once

#include "DesignLayout.h"
#include "LabelDesign.h"
#include "SheetLayout.h"

#include <QImage>
#include <QWidget>

#include <optional>

// The label drawn large in the designer: zoomed to fit the widget, drawn by
// the same path that prints its pages, with every object's box outlined and
// the selected one's handles. A click selects, a drag moves, a handle
// resizes, the arrow keys move by a small step (Shift: a large one); each
// finished edit is offered as a new box for the designer to apply.
class CDesignCanvas : public QWidget {
    Q_OBJECT
public:
    // How a box was edited: dragged, resized by a handle, moved by a key.
    enum class BoxEdit { Drag, Resize, Key };

    explicit CDesignCanvas(QWidget* parent = nullptr);

    // The design, its stock and its layout for the record shown (nothing:
    // the record cannot be laid out whole; the boxes only).
    void Show(const LabelDesign& design, const SheetLayout& stock,
              std::optional<LabelLayout> layout);
    // The selected object's index, or -1.
    int Selected() const { return m_selected; }
    void Select(int index);

    // The label's rectangle in the widget, and the scale: pixels per mil.
    QRectF LabelRect() const;
    double Scale() const;
    // An object's box in widget pixels.
    QRectF BoxRect(const DesignBox& box) const;

    QSize sizeHint() const override;

signals:
    void SelectionChanged(int index);
    // A box moved or resized by the user, in the design's unit.
    void BoxEdited(int index, const DesignBox& box, CDesignCanvas::BoxEdit how);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The handle (0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left)
    // of the selected object under the point, or -1.
    int HandleAt(QPointF point) const;
    int ObjectAt(QPointF point) const;
    QRectF HandleRect(const QRectF& box, int handle) const;
    double UnitPerPixel() const;
    void RenderLabel();

    LabelDesign m_design;
    SheetLayout m_stock; // one label, as its own page
    std::optional<LabelLayout> m_layout;
    QImage m_label; // the label as printed, at the widget's scale or finer
    int m_selected = -1;
    // A drag under way: what it does, where it began, the box as it is now.
    int m_handle = -1; // -1: a move
    bool m_dragging = false;
    QPointF m_pressed;
    DesignBox m_startBox;
    DesignBox m_dragBox;
};
