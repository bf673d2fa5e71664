#include "VectorScene.h"

#include "Barcode.h"

#include <algorithm>
#include <cmath>

QByteArray CompactNumber(double value, int decimals) {
    QByteArray text = QByteArray::number(value, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0')) {
            text.chop(1);
        }
        if (text.endsWith('.')) {
            text.chop(1);
        }
    }
    return text == "-0" ? QByteArray("0") : text;
}

namespace {

// The engine's surface that hands shapes on instead of drawing them. Lines
// arrive in the cell-centred frame; the offset moves them to the bottom-left
// one.
class VectorSurface : public Surface {
public:
    VectorSurface(VectorSink& sink, double offsetX, double offsetY)
        : m_sink(sink), m_offsetX(offsetX), m_offsetY(offsetY) {}

    // A line of flat caps is the band of its pen width centred on it.
    void Line(Point from, Point to, std::int32_t penWidth) override {
        const double half = penWidth / 2.0;
        VectorBar bar;
        if (from.x == to.x) {
            bar = {from.x - half, static_cast<double>(std::min(from.y, to.y)),
                   static_cast<double>(penWidth), std::abs(static_cast<double>(to.y) - from.y)};
        } else {
            bar = {static_cast<double>(std::min(from.x, to.x)), from.y - half,
                   std::abs(static_cast<double>(to.x) - from.x), static_cast<double>(penWidth)};
        }
        if (bar.width <= 0 || bar.height <= 0) {
            return;
        }
        bar.x += m_offsetX;
        bar.y += m_offsetY;
        m_sink.Bar(bar);
    }

    Extent MeasureText(const Font& font, std::string_view text) override {
        const double em = font.height;
        return {
            ClampToInt32(std::llround(kLabelAdvancePerEm * em * static_cast<double>(text.size()))),
            ClampToInt32(std::llround(kLabelLineHeightPerEm * em))};
    }

    void DrawText(const Font& font, Point topLeft, std::string_view text) override {
        if (text.empty()) {
            return;
        }
        const Extent extent = MeasureText(font, text);
        VectorText label;
        label.x = topLeft.x + m_offsetX;
        label.y = topLeft.y + m_offsetY;
        label.turn = font.escapement / 10; // positive turns clockwise on the output
        label.text = std::string(text);
        label.fontHeight = font.height;
        label.boxWidth = extent.cx;
        label.boxHeight = extent.cy;
        m_sink.Text(label);
    }

private:
    VectorSink& m_sink;
    double m_offsetX;
    double m_offsetY;
};

} // namespace

void WalkVectorShapes(const VectorJob& job, VectorSink& sink) {
    if (job.encoding == nullptr) {
        return;
    }
    VectorSurface surface(sink, static_cast<double>(job.cellWidth) / 2 + job.shiftX,
                          static_cast<double>(job.cellHeight) / 2 + job.shiftY);
    Point origin = job.origin;
    CBarcode::DrawEncoding(*job.encoding, surface, origin, job.barLength, job.showText,
                           job.orientation);
}
