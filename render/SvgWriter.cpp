#include "SvgWriter.h"

#include <QString>

namespace {

constexpr double kMilsPerInch = 1000.0;

// A length with at most three decimals and no trailing zeros: mils are whole
// numbers but a pen of odd width is centred on a half mil.
QByteArray Number(double value) {
    return CompactNumber(value, 3);
}

// 8-bit label text as XML character data. Characters that XML 1.0 cannot
// carry at all (the C0 controls) become the replacement character.
QByteArray XmlText(std::string_view text) {
    QString out;
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        switch (c) {
        case '&':
            out += QStringLiteral("&amp;");
            break;
        case '<':
            out += QStringLiteral("&lt;");
            break;
        case '>':
            out += QStringLiteral("&gt;");
            break;
        default:
            out += c < 0x20 ? QChar(0xFFFD) : QChar(c);
        }
    }
    return out.toUtf8();
}

// Writes each shape as it comes. SVG's y grows downward: a point at y mils
// above the bottom edge lies height - y below the top edge.
class SvgSink : public VectorSink {
public:
    SvgSink(QByteArray& svg, double height) : m_svg(svg), m_height(height) {}

    void Bar(const VectorBar& bar) override {
        m_svg += "<rect x=\"" + Number(bar.x) + "\" y=\"" + Number(Flip(bar.y + bar.height)) +
                 "\" width=\"" + Number(bar.width) + "\" height=\"" + Number(bar.height) + "\"/>\n";
    }
    void Text(const VectorText& text) override {
        m_svg += "<g transform=\"translate(" + Number(text.x) + ' ' + Number(Flip(text.y)) +
                 ") rotate(" + QByteArray::number(text.turn) + ")\">";
        m_svg += "<rect width=\"" + Number(text.boxWidth) + "\" height=\"" +
                 Number(text.boxHeight) + "\" fill=\"#fff\"/>";
        m_svg += "<text y=\"" + Number(kLabelAscentPerEm * text.fontHeight) +
                 "\" font-family=\"'Courier New', 'Liberation Mono', Courier, monospace\" "
                 "font-size=\"" +
                 Number(text.fontHeight) + "\" xml:space=\"preserve\">" + XmlText(text.text) +
                 "</text></g>\n";
    }

private:
    double Flip(double y) const { return m_height - y; }

    QByteArray& m_svg;
    double m_height;
};

} // namespace

QByteArray WriteSvg(const VectorJob& job, int zoom) {
    const auto width = static_cast<double>(job.cellWidth);
    const auto height = static_cast<double>(job.cellHeight);
    QByteArray svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           Number(width * zoom / kMilsPerInch) + "in\" height=\"" +
           Number(height * zoom / kMilsPerInch) + "in\" viewBox=\"0 0 " + Number(width) + ' ' +
           Number(height) + "\">\n";
    svg +=
        "<rect width=\"" + Number(width) + "\" height=\"" + Number(height) + "\" fill=\"#fff\"/>\n";
    SvgSink sink(svg, height);
    WalkVectorShapes(job, sink);
    svg += "</svg>\n";
    return svg;
}
