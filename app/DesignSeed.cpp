#include "DesignSeed.h"

#include "DeviceMapping.h"
#include "LabelSheet.h"
#include "LabelSourceBox.h"
#include "PrintLabelsControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {
// Inches kept clear inside the label's edge, at the least.
constexpr double kEdge = 0.06;
// The caption's box height in inches and its type size in points.
constexpr double kCaptionHeight = 0.18;
constexpr double kCaptionSize = 8;
constexpr double kCaptionFloor = 5;
} // namespace

QString LiteralTemplate(const QString& text) {
    QString out = text;
    out.replace(u'{', QStringLiteral("{{")).replace(u'}', QStringLiteral("}}"));
    return out;
}

DesignerStart SeedDesign(const PrintLabelsControls& ui, const SheetJob& job,
                         const QString& fieldText) {
    DesignerStart start;
    LabelDesign& design = start.design;
    const QString stock = ui.layout->currentData().toString();
    design.stock = stock.isEmpty() ? ui.customLayout->text().trimmed() : stock;
    design.unit = DesignUnit::Inch;

    QString data;
    QString caption = LiteralTemplate(ui.caption->text());
    if (ui.fromSequence->isChecked()) {
        data = LiteralTemplate(ui.prefix->text()) + QStringLiteral("{n}") +
               LiteralTemplate(ui.suffix->text());
        design.sequence = {ui.first->text().toLongLong(), ui.step->text().toLongLong(),
                           ui.digits->value()};
        start.count = ui.count->value();
    } else if (ui.fromFile->isChecked()) {
        start.dataFile = ui.file->text();
        if (start.dataFile.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
            start.source = DesignSourceKind::Csv;
            data = u'{' + ui.textColumn->currentText() + u'}';
            if (ui.captionColumn->currentIndex() > 0) {
                caption = u'{' + ui.captionColumn->currentText() + u'}';
            }
        } else {
            start.source = DesignSourceKind::Lines;
            data = QStringLiteral("{text}");
        }
    } else {
        data = LiteralTemplate(fieldText);
    }

    const double width = job.layout.labelWidth / kMilsPerInch;
    const double height = job.layout.labelHeight / kMilsPerInch;
    const double edge = std::max(kEdge, job.layout.margin / kMilsPerInch);
    const double captionRoom = caption.isEmpty() ? 0 : kCaptionHeight;
    DesignObject barcode;
    barcode.kind = ObjectKind::Barcode;
    barcode.name = QStringLiteral("barcode");
    barcode.box = {edge, edge, std::max(0.0, width - 2 * edge),
                   std::max(0.0, height - 2 * edge - captionRoom)};
    barcode.symbology = job.symbol.symbology;
    barcode.data = data;
    // The bar length Print Labels had, or bars that fill the box where that
    // is longer than the box.
    const double bars = static_cast<double>(job.symbol.heightMils) / kMilsPerInch;
    barcode.barHeight = bars < barcode.box.height ? bars : 0;
    barcode.showText = job.symbol.showText;
    barcode.turn = job.symbol.orientation;
    barcode.density = job.symbol.widths.density;
    barcode.ratio = job.symbol.widths.ratio;
    design.objects.push_back(barcode);
    if (!caption.isEmpty()) {
        DesignObject text;
        text.kind = ObjectKind::Text;
        text.name = QStringLiteral("caption");
        text.box = {edge, height - edge - kCaptionHeight, barcode.box.width, kCaptionHeight};
        text.text = caption;
        text.size = kCaptionSize;
        text.minSize = kCaptionFloor;
        text.align = TextAlign::Centre;
        design.objects.push_back(text);
    }
    return start;
}
