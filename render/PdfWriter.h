#pragma once

#include "VectorScene.h"

#include <QByteArray>
#include <QString>

// One symbol as a one-page PDF document at true size: the page is the cell
// (1000 mils = 72 points), each bar one filled rectangle, each label piece a
// text in the standard Courier font on its opaque white box. The file carries
// no dates or identifiers, so the same symbol always gives the same bytes.
// Each shape is written as the walk of the encoding gives it, every length
// zoom times its size: the file is the only copy of the drawing.
// A title, if given, goes into the document's information (a reader shows it
// in its window).
QByteArray WritePdf(const VectorJob& job, int zoom, const QString& title = {});

// Writes shapes into a PDF content stream in points (1000 mils = 72 points):
// each bar a filled rectangle, each text in the standard Courier font (the
// resource /F1) on its opaque white box, turned clockwise by its turn about
// its top-left corner.
class PdfShapeSink : public VectorSink {
public:
    explicit PdfShapeSink(QByteArray& content) : m_content(content) {}
    void Bar(const VectorBar& bar) override;
    void Text(const VectorText& text) override;

private:
    QByteArray& m_content;
};

// A length in mils as the content stream writes it, in points.
QByteArray PdfPoints(double mils);

// The font resource every page's /F1 names.
inline constexpr const char* kPdfCourierFont =
    "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>";
