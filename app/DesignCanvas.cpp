#include "DesignCanvas.h"

#include "DesignPage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMargin = 16;    // pixels around the label
constexpr double kHandle = 7;     // a handle's side in pixels
constexpr double kHitSlack = 4;   // pixels a click may miss a thin box by
constexpr double kOversample = 2; // the label is drawn this much finer than shown
constexpr int kLeastDpi = 24;
constexpr int kMostDpi = 1200;

// The arrow keys' steps in the unit: small, and with Shift.
double KeyStep(DesignUnit unit, bool large) {
    if (unit == DesignUnit::Inch) {
        return large ? 0.1 : 0.01;
    }
    return large ? 1.0 : 0.1;
}

// A length in the unit kept to what the unit's fields show.
double Tidy(DesignUnit unit, double value) {
    const double places = unit == DesignUnit::Inch ? 1000.0 : 100.0;
    return std::round(value * places) / places;
}

} // namespace

CDesignCanvas::CDesignCanvas(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(tr("Label"));
    setMinimumSize(200, 120);
}

void CDesignCanvas::Show(const LabelDesign& design, const SheetLayout& stock,
                         std::optional<LabelLayout> layout) {
    m_design = design;
    // One label as a page of its own, drawn as a sheet draws it.
    m_stock = stock;
    m_stock.pageWidth = stock.labelWidth;
    m_stock.pageHeight = stock.labelHeight;
    m_stock.columns = m_stock.rows = 1;
    m_stock.top = m_stock.left = 0;
    m_stock.pitchX = stock.labelWidth;
    m_stock.pitchY = stock.labelHeight;
    m_stock.moreGrids.clear();
    m_stock.continuous = false;
    m_layout = std::move(layout);
    if (m_selected >= static_cast<int>(m_design.objects.size())) {
        Select(-1);
    }
    RenderLabel();
    update();
}

void CDesignCanvas::Select(int index) {
    if (index != m_selected) {
        m_selected = index;
        m_dragging = false;
        update();
        emit SelectionChanged(index);
    }
}

QSize CDesignCanvas::sizeHint() const {
    return {640, 360};
}

double CDesignCanvas::Scale() const {
    if (m_stock.labelWidth <= 0 || m_stock.labelHeight <= 0) {
        return 0;
    }
    return std::max(0.0, std::min((width() - 2 * kMargin) / m_stock.labelWidth,
                                  (height() - 2 * kMargin) / m_stock.labelHeight));
}

QRectF CDesignCanvas::LabelRect() const {
    const QSizeF size(m_stock.labelWidth * Scale(), m_stock.labelHeight * Scale());
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

double CDesignCanvas::UnitPerPixel() const {
    const double scale = Scale();
    return scale > 0 ? 1.0 / (scale * MilsPer(m_design.unit)) : 0;
}

QRectF CDesignCanvas::BoxRect(const DesignBox& box) const {
    const double k = Scale() * MilsPer(m_design.unit);
    const QPointF origin = LabelRect().topLeft();
    return {origin + QPointF(box.x * k, box.y * k), QSizeF(box.width * k, box.height * k)};
}

QRectF CDesignCanvas::HandleRect(const QRectF& box, int handle) const {
    const QPointF corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    const QPointF c = corners[handle];
    return {c - QPointF(kHandle / 2, kHandle / 2), QSizeF(kHandle, kHandle)};
}

void CDesignCanvas::RenderLabel() {
    m_label = QImage();
    const double scale = Scale();
    if (scale <= 0 || !m_layout) {
        return;
    }
    const int dpi =
        std::clamp(static_cast<int>(std::lround(scale * 1000 * kOversample)), kLeastDpi, kMostDpi);
    DesignPages pages;
    pages.stock = m_stock;
    pages.labels = 1;
    const QImage page = RenderDesignPage(pages, {&*m_layout}, dpi, dpi);
    if (!page.isNull()) {
        m_label = page.convertToFormat(QImage::Format_Grayscale8);
    }
}

void CDesignCanvas::resizeEvent(QResizeEvent* /*event*/) {
    RenderLabel();
}

void CDesignCanvas::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    const QRectF label = LabelRect();
    painter.fillRect(label, Qt::white);
    if (!m_label.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(label, m_label);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < m_design.objects.size(); ++i) {
        const bool selected = static_cast<int>(i) == m_selected;
        DesignBox box = m_design.objects[i].box;
        if (selected && m_dragging) {
            box = m_dragBox;
        }
        const QRectF r = BoxRect(box);
        QPen pen(selected ? palette().highlight().color() : QColor(0, 120, 215, 90), 1,
                 selected ? Qt::SolidLine : Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
        if (selected) {
            painter.setBrush(palette().highlight());
            for (int h = 0; h < 4; ++h) {
                painter.drawRect(HandleRect(r, h));
            }
        }
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -2, -2));
    }
}

int CDesignCanvas::HandleAt(QPointF point) const {
    if (m_selected < 0) {
        return -1;
    }
    const QRectF box = BoxRect(m_design.objects[static_cast<std::size_t>(m_selected)].box);
    for (int h = 0; h < 4; ++h) {
        if (HandleRect(box, h).adjusted(-2, -2, 2, 2).contains(point)) {
            return h;
        }
    }
    return -1;
}

int CDesignCanvas::ObjectAt(QPointF point) const {
    // The topmost first: objects are drawn in order.
    for (auto i = static_cast<int>(m_design.objects.size()) - 1; i >= 0; --i) {
        const QRectF box = BoxRect(m_design.objects[static_cast<std::size_t>(i)].box)
                               .normalized()
                               .adjusted(-kHitSlack, -kHitSlack, kHitSlack, kHitSlack);
        if (box.contains(point)) {
            return i;
        }
    }
    return -1;
}

void CDesignCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPointF at = event->position();
    m_handle = HandleAt(at);
    if (m_handle < 0) {
        Select(ObjectAt(at));
    }
    if (m_selected >= 0) {
        m_dragging = true;
        m_pressed = at;
        m_startBox = m_dragBox = m_design.objects[static_cast<std::size_t>(m_selected)].box;
    }
}

void CDesignCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (!m_dragging) {
        const int handle = HandleAt(at);
        setCursor(handle < 0 ? (ObjectAt(at) >= 0 ? Qt::SizeAllCursor : Qt::ArrowCursor)
                             : (handle % 2 == 0 ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor));
        return;
    }
    const DesignUnit unit = m_design.unit;
    const double dx = Tidy(unit, (at.x() - m_pressed.x()) * UnitPerPixel());
    const double dy = Tidy(unit, (at.y() - m_pressed.y()) * UnitPerPixel());
    DesignBox box = m_startBox;
    if (m_handle < 0) {
        box.x += dx;
        box.y += dy;
    } else {
        // The corner dragged follows the mouse; the opposite one stays.
        double left = box.x;
        double top = box.y;
        double right = box.x + box.width;
        double bottom = box.y + box.height;
        (m_handle == 0 || m_handle == 3 ? left : right) += dx;
        (m_handle < 2 ? top : bottom) += dy;
        box = {Tidy(unit, std::min(left, right)), Tidy(unit, std::min(top, bottom)),
               Tidy(unit, std::abs(right - left)), Tidy(unit, std::abs(bottom - top))};
    }
    m_dragBox = box;
    update();
}

void CDesignCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging) {
        return;
    }
    m_dragging = false;
    if (!(m_dragBox == m_startBox)) {
        emit BoxEdited(m_selected, m_dragBox, m_handle >= 0 ? BoxEdit::Resize : BoxEdit::Drag);
    }
    update();
}

void CDesignCanvas::keyPressEvent(QKeyEvent* event) {
    if (m_selected < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double step = KeyStep(m_design.unit, event->modifiers().testFlag(Qt::ShiftModifier));
    DesignBox box = m_design.objects[static_cast<std::size_t>(m_selected)].box;
    switch (event->key()) {
    case Qt::Key_Left:
        box.x -= step;
        break;
    case Qt::Key_Right:
        box.x += step;
        break;
    case Qt::Key_Up:
        box.y -= step;
        break;
    case Qt::Key_Down:
        box.y += step;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    box.x = Tidy(m_design.unit, box.x);
    box.y = Tidy(m_design.unit, box.y);
    emit BoxEdited(m_selected, box, BoxEdit::Key);
}
