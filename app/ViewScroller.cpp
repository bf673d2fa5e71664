#include "ViewScroller.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>

namespace {

// Where the middle of the visible area lies along a view of the length, as a
// fraction of it; the middle when nothing is scrolled.
double MiddleFraction(const QScrollBar& bar, int visible, int length) {
    return length > 0 ? (bar.value() + visible / 2.0) / length : 0.5;
}

} // namespace

CViewScroller::CViewScroller(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setFocusPolicy(Qt::NoFocus); // the view inside takes the focus
    setBackgroundRole(QPalette::Base);
}

void CViewScroller::SetContentSize(QSize size) {
    if (size == m_content) {
        return;
    }
    m_content = size;
    FitView();
}

void CViewScroller::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    FitView();
}

QSize CViewScroller::VisibleSizeFor(QSize content) const {
    const QSize whole = maximumViewportSize(); // without scroll bars
    const int barExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QSize visible = whole;
    // One bar can take the room that makes the other one needed: look twice.
    for (int pass = 0; pass < 2; ++pass) {
        const bool needsHorizontal = content.width() > visible.width();
        const bool needsVertical = content.height() > visible.height();
        visible = QSize(whole.width() - (needsVertical ? barExtent : 0),
                        whole.height() - (needsHorizontal ? barExtent : 0));
    }
    return visible.expandedTo(QSize(0, 0));
}

void CViewScroller::FitView() {
    QWidget* view = widget();
    if (view == nullptr || m_bFitting) {
        return;
    }
    m_bFitting = true;
    const QSize oldVisible = viewport()->size();
    const double middleX =
        MiddleFraction(*horizontalScrollBar(), oldVisible.width(), view->width());
    const double middleY =
        MiddleFraction(*verticalScrollBar(), oldVisible.height(), view->height());

    const QSize content = m_content.isEmpty() ? QSize(0, 0) : m_content;
    const QSize visible = VisibleSizeFor(content);
    const QSize size = visible.expandedTo(content);
    view->resize(size);
    horizontalScrollBar()->setValue(qRound(middleX * size.width() - visible.width() / 2.0));
    verticalScrollBar()->setValue(qRound(middleY * size.height() - visible.height() / 2.0));
    m_bFitting = false;
}
