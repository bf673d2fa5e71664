#pragma once

#include "LabelSheet.h"
#include "QtImages.h"

#include <QPainter>

#include <string>
#include <vector>

// What both readers make of one label of a page image.
struct LabelReading {
    std::string zxing;
    std::string zbar;
};

// Reads every place of a page that holds a label, in order: the label's part
// of the image, one dot inside its edges, on a quarter inch of white.
inline std::vector<LabelReading> ReadSheetPage(const SheetJob& job, int page, const QImage& image,
                                               int dpi, Symbology symbology) {
    std::vector<LabelReading> readings;
    for (int place = 0; place < job.layout.LabelsPerSheet(); ++place) {
        if (LabelIndexAt(job, page, place) < 0) {
            continue;
        }
        const QRect rect = LabelRectOnPage(job, place, dpi, dpi).adjusted(1, 1, -1, -1);
        QImage field(rect.size() + QSize(dpi / 2, dpi / 2), QImage::Format_Grayscale8);
        field.fill(Qt::white);
        {
            QPainter painter(&field);
            painter.drawImage(QPoint(dpi / 4, dpi / 4), image.copy(rect));
        }
        const GrayImage grey = ToGray(field);
        readings.push_back(
            {DecodeImage(grey, symbology).text, DecodeImageZbar(grey, symbology).text});
    }
    return readings;
}
