#include "PdfWriter.h"

#include <QList>

#include <cmath>
#include <numbers>

namespace {

constexpr double kPointsPerMil = 72.0 / 1000.0;

// Four places of a point: finer than a hundredth of a mil.
QByteArray Number(double value) {
    return CompactNumber(value, 4);
}

QByteArray Points(double mils) {
    return Number(mils * kPointsPerMil);
}

// 8-bit text as a PDF literal string: delimiters escaped, everything outside
// printable ASCII as an octal escape (the font's encoding agrees with Latin-1
// on every printable code).
QByteArray PdfString(std::string_view text) {
    QByteArray out("(");
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c > 0x7E) {
            out += '\\';
            out += QByteArray::number(c, 8).rightJustified(3, '0');
        } else {
            out += static_cast<char>(c);
        }
    }
    out += ')';
    return out;
}

} // namespace

QByteArray PdfPoints(double mils) {
    return Points(mils);
}

void PdfShapeSink::Bar(const VectorBar& bar) {
    m_content += Points(bar.x) + ' ' + Points(bar.y) + ' ' + Points(bar.width) + ' ' +
                 Points(bar.height) + " re f\n";
}

void PdfShapeSink::Text(const VectorText& text) {
    const double radians = -text.turn * std::numbers::pi / 180.0;
    const double c = std::round(std::cos(radians) * 1e6) / 1e6;
    const double s = std::round(std::sin(radians) * 1e6) / 1e6;
    m_content += "q " + Number(c) + ' ' + Number(s) + ' ' + Number(-s) + ' ' + Number(c) + ' ' +
                 Points(text.x) + ' ' + Points(text.y) + " cm\n";
    m_content += "1 g 0 " + Points(-text.boxHeight) + ' ' + Points(text.boxWidth) + ' ' +
                 Points(text.boxHeight) + " re f 0 g\n";
    m_content += "BT /F1 " + Points(text.fontHeight) + " Tf 0 " +
                 Points(-kLabelAscentPerEm * text.fontHeight) + " Td " + PdfString(text.text) +
                 " Tj ET Q\n";
}

QByteArray WritePdf(const VectorJob& job, int zoom, const QString& title) {
    const auto width = static_cast<double>(job.cellWidth);
    const auto height = static_cast<double>(job.cellHeight);
    QByteArray pdf("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    QList<qsizetype> offsets;
    const auto object = [&](const QByteArray& body) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Points(width * zoom) + ' ' +
           Points(height * zoom) + "] /Resources << /Font << /F1 5 0 R >> >> /Contents 4 0 R >>");
    // The content stream goes straight into the file; its object's opening,
    // which states its length, is put in front of it once that is known.
    const qsizetype start = pdf.size();
    pdf += Number(zoom) + " 0 0 " + Number(zoom) + " 0 0 cm\n1 g 0 0 " + Points(width) + ' ' +
           Points(height) + " re f\n0 g\n";
    PdfShapeSink sink(pdf);
    WalkVectorShapes(job, sink);
    offsets.append(start);
    pdf.insert(start,
               "4 0 obj\n<< /Length " + QByteArray::number(pdf.size() - start) + " >>\nstream\n");
    pdf += "endstream\nendobj\n";
    object(kPdfCourierFont);
    QByteArray info;
    if (!title.isEmpty()) {
        // The title as a text string: UTF-16 with its byte order mark, in hex.
        QByteArray text = "<FEFF";
        for (const QChar c : title) {
            text += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
        }
        object("<< /Title " + text + "> >>");
        info = " /Info " + QByteArray::number(offsets.size()) + " 0 R";
    }
    const qsizetype xref = pdf.size();
    const QByteArray size = QByteArray::number(offsets.size() + 1);
    pdf += "xref\n0 " + size + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets) {
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + size + " /Root 1 0 R" + info + " >>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}
