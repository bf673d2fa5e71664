#pragma once

#include "LabelData.h"
#include "LabelSheet.h"
#include "QtImages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What both readers make of one label of a page image.
struct LabelReading {
    std::string zxing;
    std::string zbar;
};

// What both readers make of one label of a page image: the label's part of
// the image, one dot inside its edges, on a quarter inch of white.
inline LabelReading ReadLabelAt(const QImage& image, const QRect& label, int dpi,
                                Symbology symbology) {
    const QRect rect = label.adjusted(1, 1, -1, -1);
    QImage field(rect.size() + QSize(dpi / 2, dpi / 2), QImage::Format_Grayscale8);
    field.fill(Qt::white);
    {
        QPainter painter(&field);
        painter.drawImage(QPoint(dpi / 4, dpi / 4), image.copy(rect));
    }
    const GrayImage grey = ToGray(field);
    return {DecodeImage(grey, symbology).text, DecodeImageZbar(grey, symbology).text};
}

// Reads every place of a page that holds a label, in order: the label's part
// of the image, one dot inside its edges, on a quarter inch of white.
inline std::vector<LabelReading> ReadSheetPage(const SheetJob& job, int page, const QImage& image,
                                               int dpi, Symbology symbology) {
    std::vector<LabelReading> readings;
    for (int place = 0; place < job.layout.LabelsPerSheet(); ++place) {
        if (LabelIndexAt(job, page, place) < 0) {
            continue;
        }
        readings.push_back(
            ReadLabelAt(image, LabelRectOnPage(job, place, dpi, dpi), dpi, symbology));
    }
    return readings;
}

// A Code 128 job of `count` numbered labels on a sheet.
inline SheetJob NumberedJob(const char* sheet, int count, int startAt = 1, int copies = 1) {
    std::string error;
    SheetJob job;
    job.layout = *ParseSheetLayout(sheet, &error);
    job.symbol.symbology = SymbologyId::Code128;
    QString sequenceError;
    const CheckedLabels checked = CheckLabels(
        SymbologyId::Code128, SequenceLabels({"ITEM-", 1, 1, count, 3, {}}, &sequenceError),
        CodeSetChoice::AsTyped);
    job.labels = checked.labels;
    job.startAt = startAt;
    job.copies = copies;
    return job;
}

inline std::vector<std::string> Expected(const SheetJob& job, int page) {
    std::vector<std::string> texts;
    for (int place = 0; place < job.layout.LabelsPerSheet(); ++place) {
        if (const int index = LabelIndexAt(job, page, place); index >= 0) {
            texts.push_back(job.labels[static_cast<std::size_t>(index)].text);
        }
    }
    return texts;
}

inline void ExpectPageReads(const SheetJob& job, int page, const QImage& image, int dpi) {
    const std::vector<std::string> expected = Expected(job, page);
    const std::vector<LabelReading> read = ReadSheetPage(job, page, image, dpi, Symbology::Code128);
    ASSERT_EQ(read.size(), expected.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].zxing, expected[i]) << "label " << i + 1;
        EXPECT_EQ(read[i].zbar, expected[i]) << "label " << i + 1;
    }
}
