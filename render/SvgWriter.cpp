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

} // namespace

QByteArray WriteSvg(const VectorScene& scene) {
    const double height = scene.cellHeight;
    // SVG's y grows downward: a point at y mils above the bottom edge lies
    // height - y below the top edge.
    const auto flip = [height](double y) { return height - y; };

    QByteArray svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           Number(scene.cellWidth * scene.zoom / kMilsPerInch) + "in\" height=\"" +
           Number(scene.cellHeight * scene.zoom / kMilsPerInch) + "in\" viewBox=\"0 0 " +
           Number(scene.cellWidth) + ' ' + Number(scene.cellHeight) + "\">\n";
    svg += "<rect width=\"" + Number(scene.cellWidth) + "\" height=\"" + Number(scene.cellHeight) +
           "\" fill=\"#fff\"/>\n";
    for (const VectorShape& shape : scene.shapes) {
        if (!shape.isText) {
            const VectorBar& bar = shape.bar;
            svg += "<rect x=\"" + Number(bar.x) + "\" y=\"" + Number(flip(bar.y + bar.height)) +
                   "\" width=\"" + Number(bar.width) + "\" height=\"" + Number(bar.height) +
                   "\"/>\n";
            continue;
        }
        const VectorText& text = shape.text;
        svg += "<g transform=\"translate(" + Number(text.x) + ' ' + Number(flip(text.y)) +
               ") rotate(" + QByteArray::number(text.turn) + ")\">";
        svg += "<rect width=\"" + Number(text.boxWidth) + "\" height=\"" + Number(text.boxHeight) +
               "\" fill=\"#fff\"/>";
        svg += "<text y=\"" + Number(kLabelAscentPerEm * text.fontHeight) +
               "\" font-family=\"'Courier New', 'Liberation Mono', Courier, monospace\" "
               "font-size=\"" +
               Number(text.fontHeight) + "\" xml:space=\"preserve\">" + XmlText(text.text) +
               "</text></g>\n";
    }
    svg += "</svg>\n";
    return svg;
}
