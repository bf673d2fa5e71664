#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <vector>

// Runs a tool found on the PATH and gives what it wrote to standard output;
// empty when it is not installed.
inline QString ToolOutput(const QString& tool, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty()) {
        return {};
    }
    QProcess process;
    process.start(path, arguments);
    process.waitForFinished(120'000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One word of a PDF page as pdftotext -bbox finds it, its box in points from
// the page's top-left corner.
struct PdfWord {
    int page = 0; // from 0
    QString text;
    QRectF box;
};

// Every word of the document, page by page (nothing without pdftotext).
inline std::vector<PdfWord> PdfWords(const QString& pdf) {
    const QString html = ToolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                       R"re(yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = -1;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        QString text = match.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        words.push_back({page, text, QRectF(topLeft, bottomRight)});
    }
    return words;
}
