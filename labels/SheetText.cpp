#include "SheetText.h"

#include "Barcode.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Whether a character can be drawn: the label font has it, or another font
// of the system does that the painter falls back to. Answers are kept: a
// batch asks for the same characters again and again.
bool SomeFontHas(char32_t c) {
    thread_local std::map<char32_t, bool> known;
    if (const auto it = known.find(c); it != known.end()) {
        return it->second;
    }
    bool found = QFontMetricsF(SheetFont(kLabelFontHeight)).inFontUcs4(c);
    const QStringList families = found ? QStringList() : QFontDatabase::families();
    for (const QString& family : families) {
        if (QFontMetricsF(QFont(family)).inFontUcs4(c)) {
            found = true;
            break;
        }
    }
    return known[c] = found;
}

} // namespace

QFont SheetFont(int height) {
    QFont font(QString::fromStdString(LabelFont(0).face));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(height);
    return font;
}

QString CaptionFault(const QString& caption) {
    for (const char32_t c : caption.toUcs4()) {
        // Blanks, control and format characters draw nothing and need no
        // font; every other one, unassigned ones too, needs a glyph.
        const QChar::Category category = QChar::category(c);
        const bool drawsNothing = QChar::isSpace(c) || category == QChar::Other_Control ||
                                  category == QChar::Other_Format;
        if (!drawsNothing && !SomeFontHas(c)) {
            const QString code =
                QStringLiteral("%1").arg(static_cast<unsigned>(c), 4, 16, QLatin1Char('0'));
            return QCoreApplication::translate("SheetText",
                                               "the caption's character \"%1\" (U+%2): no font "
                                               "here has it")
                .arg(QString::fromUcs4(&c, 1), code.toUpper());
        }
    }
    return {};
}

void PaintCaption(QImage& page, QPointF topLeft, double emDots, const QString& caption) {
    const int em = std::max(1, static_cast<int>(std::lround(emDots)));
    const QFont font = SheetFont(em);
    const QFontMetricsF metrics(font);
    // Drawn grey on a scratch image of the line, then every dot darker than
    // half set on the page: the page stays 1-bit, as printers take it.
    const QRect box(QPoint(static_cast<int>(std::floor(topLeft.x())),
                           static_cast<int>(std::floor(topLeft.y()))),
                    QSize(static_cast<int>(std::ceil(metrics.horizontalAdvance(caption))) + em,
                          static_cast<int>(std::ceil(metrics.height())) + 1));
    const QRect visible = box.intersected(page.rect());
    if (visible.isEmpty()) {
        return;
    }
    QImage scratch(box.size(), QImage::Format_Grayscale8);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(
            QPointF(topLeft.x() - box.left(), topLeft.y() - box.top() + kLabelAscentPerEm * em),
            caption);
    }
    constexpr int kHalfGrey = 128;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const uchar* from = scratch.constScanLine(y - box.top());
        for (int x = visible.left(); x <= visible.right(); ++x) {
            if (from[x - box.left()] < kHalfGrey) {
                page.setPixel(x, y, 1);
            }
        }
    }
}

void PainterShapeSink::Bar(const VectorBar& bar) {
    m_painter.fillRect(QRectF(bar.x, m_pageHeight - bar.y - bar.height, bar.width, bar.height),
                       Qt::black);
}

void PainterShapeSink::Text(const VectorText& text) {
    Text(text, QString::fromLatin1(text.text.data(), static_cast<qsizetype>(text.text.size())));
}

void PainterShapeSink::Text(const VectorText& box, const QString& text) {
    m_painter.save();
    m_painter.translate(box.x, m_pageHeight - box.y);
    m_painter.rotate(box.turn);
    m_painter.fillRect(QRectF(0, 0, box.boxWidth, box.boxHeight), Qt::white);
    m_painter.setFont(SheetFont(static_cast<int>(std::lround(box.fontHeight))));
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(0, kLabelAscentPerEm * box.fontHeight), text);
    m_painter.restore();
}

PdfSinkDevice::PdfSinkDevice(std::function<bool(const QByteArray&)> write)
    : m_write(std::move(write)) {}

qint64 PdfSinkDevice::readData(char* /*data*/, qint64 /*size*/) {
    return -1;
}

qint64 PdfSinkDevice::writeData(const char* data, qint64 size) {
    if (m_failed) {
        return -1;
    }
    m_held.append(data, size);
    static const QByteArray kDate = QByteArrayLiteral("/CreationDate (");
    // The entry ends with its string's ")"; one longer than any date keeps
    // the window from passing on a part of it.
    constexpr qsizetype kLongestEntry = 48;
    if (const qsizetype at = m_held.indexOf(kDate); at >= 0) {
        const qsizetype end = m_held.indexOf(')', at + kDate.size());
        if (end < 0) {
            return size; // held until the entry is whole
        }
        m_held.replace(at, end + 1 - at, QByteArray(end + 1 - at, ' '));
    }
    return Pass(std::max<qsizetype>(0, m_held.size() - kLongestEntry)) ? size : -1;
}

bool PdfSinkDevice::Pass(qsizetype size) {
    if (size > 0 && !m_failed) {
        m_failed = !m_write(m_held.left(size));
        m_held.remove(0, size);
    }
    return !m_failed;
}

bool PdfSinkDevice::Finish() {
    return Pass(m_held.size());
}
