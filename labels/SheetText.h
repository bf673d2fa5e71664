#pragma once

#include "VectorScene.h"

#include <QFont>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>

// Label texts on sheets in any character a font on the system has: captions
// painted on 1-bit pages, and every text of a PDF sheet written as real text
// in an embedded font by Qt's PDF engine.

// The label font (the face every label uses) with an em of `height` units of
// the painter it is drawn with.
QFont SheetFont(int height);

// Why a caption cannot be printed: its first character that no font on the
// system has, named with its code; empty when every character can be drawn.
QString CaptionFault(const QString& caption);

// Paints a caption black on a white 1-bit page (colour 0 white, 1 black):
// its line's top-left corner at `topLeft` in the page's dots, an em of
// `emDots` dots. What the page's edges cut off is left out.
void PaintCaption(QImage& page, QPointF topLeft, double emDots, const QString& caption);

// Hands a vector writer's shapes to a painter whose unit is the mil, its
// origin at the page's top-left corner and y downward: bars as black
// rectangles, texts on their white boxes in the label font.
class PainterShapeSink : public VectorSink {
public:
    PainterShapeSink(QPainter& painter, double pageHeight)
        : m_painter(painter), m_pageHeight(pageHeight) {}
    void Bar(const VectorBar& bar) override;
    void Text(const VectorText& text) override;
    // A text in any character, as Text draws an 8-bit one.
    void Text(const VectorText& box, const QString& text);

private:
    QPainter& m_painter;
    double m_pageHeight;
};

// A device that hands what Qt's PDF engine writes to a function: a false
// from it fails the write, and the writer stops. The engine stamps the time
// of writing into the document's information; that entry is blanked (its
// bytes become spaces, so no offset moves) and a file is the same bytes
// whenever it is written, as the program's PDF files have always been.
class PdfSinkDevice : public QIODevice {
public:
    explicit PdfSinkDevice(std::function<bool(const QByteArray&)> write);
    // Hands on what is still held back; false when a write failed.
    bool Finish();
    bool Failed() const { return m_failed; }

protected:
    qint64 readData(char* data, qint64 size) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool Pass(qsizetype size);

    std::function<bool(const QByteArray&)> m_write;
    QByteArray m_held; // the last bytes, where a date entry may be begun
    bool m_failed = false;
};
