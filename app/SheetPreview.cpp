#include "SheetPreview.h"

#include "LabelSheet.h"

#include <QPainter>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The preview's page is drawn at a printer's common resolution, where every
// usual Density is a whole number of dots (at a screen's resolution modules
// would round to whole pixels and symbols grow past their labels), then
// shrunk by averaging each block of dots into one grey pixel.
constexpr int kPreviewDpi = 300;
constexpr int kPreviewShrink = 3;

// A 1-bit page (colour 1 ink) shrunk by a whole factor into shades of grey:
// each pixel the share of ink in its block of dots, so that a bar thinner
// than a pixel stays visible, in its true weight.
QImage ShrinkPage(const QImage& page, int factor) {
    QImage grey((page.width() + factor - 1) / factor, (page.height() + factor - 1) / factor,
                QImage::Format_Grayscale8);
    if (grey.isNull()) {
        return grey;
    }
    std::vector<int> ink(static_cast<std::size_t>(grey.width()));
    const int blockDots = factor * factor;
    for (int row = 0; row < grey.height(); ++row) {
        std::fill(ink.begin(), ink.end(), 0);
        for (int y = row * factor; y < std::min(page.height(), (row + 1) * factor); ++y) {
            const uchar* line = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x) {
                if ((x & 7) == 0 && line[x >> 3] == 0 && x + 8 <= page.width()) {
                    x += 7; // eight white dots at once
                    continue;
                }
                if ((line[x >> 3] & (0x80 >> (x & 7))) != 0) {
                    ++ink[static_cast<std::size_t>(x / factor)];
                }
            }
        }
        uchar* out = grey.scanLine(row);
        for (int x = 0; x < grey.width(); ++x) {
            out[x] = static_cast<uchar>(255 - ink[static_cast<std::size_t>(x)] * 255 / blockDots);
        }
    }
    return grey;
}

} // namespace

CSheetPreview::CSheetPreview(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CSheetPreview::SetSheet(const QImage& page, const QList<QRect>& labels) {
    m_sheet = page.isNull() ? QImage() : ShrinkPage(page, kPreviewShrink);
    m_labels.clear();
    const double scale = 1.0 / kPreviewShrink;
    for (const QRect& label : labels) {
        m_labels.append(QRectF(label.x() * scale, label.y() * scale, label.width() * scale,
                               label.height() * scale));
    }
    update();
}

void CSheetPreview::ShowFirstSheet(SheetJob& job) {
    const double offsetX = std::exchange(job.offsetX, 0.0);
    const double offsetY = std::exchange(job.offsetY, 0.0);
    QList<QRect> labels;
    for (int place = 0; place < job.layout.LabelsPerSheet(); ++place) {
        labels.append(LabelRectOnPage(job, place, kPreviewDpi, kPreviewDpi));
    }
    SetSheet(RenderSheetPage(job, 0, kPreviewDpi, kPreviewDpi), labels);
    m_round = job.layout.shape != LabelShape::Rectangle;
    job.offsetX = offsetX;
    job.offsetY = offsetY;
}

QSize CSheetPreview::sizeHint() const {
    return {360, 460};
}

void CSheetPreview::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_sheet.isNull()) {
        return;
    }
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double scale = std::min(area.width() / m_sheet.width(), area.height() / m_sheet.height());
    const QSizeF size(m_sheet.width() * scale, m_sheet.height() * scale);
    const QRectF paper(area.center() - QPointF(size.width(), size.height()) / 2, size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(paper, m_sheet);
    // The stock's labels, faintly: never printed.
    painter.setPen(QPen(QColor(200, 200, 200), 0));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& label : std::as_const(m_labels)) {
        const QRectF drawn(paper.topLeft() + label.topLeft() * scale, label.size() * scale);
        if (m_round) {
            painter.drawEllipse(drawn);
        } else {
            painter.drawRect(drawn);
        }
    }
    painter.setPen(QPen(palette().color(QPalette::Dark), 0));
    painter.drawRect(paper);
}
