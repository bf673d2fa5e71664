#pragma once

#include <QScrollArea>

// The frame around the barcode view that scrolls it. The view always fills
// the visible area; where its content (the symbol at its zoom) is larger, the
// view grows to the content's size and scroll bars appear. The point at the
// middle of the visible area stays there when the content changes size, so a
// symbol that fits stays centred.
class CViewScroller : public QScrollArea {
    Q_OBJECT
public:
    explicit CViewScroller(QWidget* parent = nullptr);

    // The size the view needs to show its content whole; an empty size makes
    // the view fit the visible area exactly (no scrolling).
    void SetContentSize(QSize size);
    QSize ContentSize() const { return m_content; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Sizes the view to the visible area, grown to the content where that is
    // larger, keeping the middle of the visible area in place.
    void FitView();
    // The visible area the view gets, less the scroll bars it will need.
    QSize VisibleSizeFor(QSize content) const;

    QSize m_content;
    bool m_bFitting = false;
};
