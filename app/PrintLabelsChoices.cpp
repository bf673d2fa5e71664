#include "PrintLabelsChoices.h"

#include "LabelSourceBox.h"
#include "PrintLabelsControls.h"
#include "SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

const QString kSection = QStringLiteral("PrintLabels");
// The layout stored when the custom one is chosen.
const QString kCustomKey = QStringLiteral("custom");
constexpr int kInches = 1; // the offset unit's second choice

QString StoreKey(const char* key) {
    return kSection + QLatin1Char('/') + QLatin1String(key);
}

} // namespace

void RestorePrintLabelsChoices(const PrintLabelsControls& ui) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    const auto text = [&store](const char* key, const QString& fallback = {}) {
        return store->value(StoreKey(key), fallback).toString();
    };
    const auto number = [&store](const char* key, int fallback) {
        return ReadProfileInt(*store, kSection, QLatin1String(key), fallback);
    };
    const QString layout = text("Layout");
    const int index = layout == kCustomKey ? ui.layout->count() - 1
                      : layout.isEmpty()   ? 0
                                           : ui.layout->findData(layout);
    ui.layout->setCurrentIndex(std::max(index, 0));
    ui.customLayout->setText(text("CustomLayout"));
    switch (number("Source", CLabelSourceBox::kFromText)) {
    case CLabelSourceBox::kFromSequence:
        ui.fromSequence->setChecked(true);
        break;
    case CLabelSourceBox::kFromFile:
        ui.fromFile->setChecked(true);
        break;
    default:
        ui.fromText->setChecked(true);
        break;
    }
    ui.prefix->setText(text("Prefix"));
    ui.suffix->setText(text("Suffix"));
    ui.first->setText(text("First", QStringLiteral("1")));
    ui.step->setText(text("Step", QStringLiteral("1")));
    ui.count->setValue(number("Count", ui.count->value()));
    ui.digits->setValue(number("Digits", 0));
    ui.file->setText(text("File"));
    // The columns are offered once the file is read: the chosen ones wait.
    if (const QString column = text("TextColumn"); !column.isEmpty()) {
        ui.textColumn->addItem(column);
    }
    if (store->contains(StoreKey("CaptionColumn"))) {
        const QString column = text("CaptionColumn");
        ui.captionColumn->addItem(column.isEmpty() ? CLabelSourceBox::NoColumn() : column);
    }
    ui.caption->setText(text("Caption"));
    ui.outlines->setChecked(number("Outlines", 0) != 0);
    ui.offsetUnit->setCurrentIndex(number("OffsetUnit", 0) == kInches ? kInches : 0);
}

void RememberPrintLabelsChoices(const PrintLabelsControls& ui) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    const QString layout = ui.layout->currentData().toString();
    const std::pair<const char*, QVariant> values[] = {
        {"Layout", layout.isEmpty() ? kCustomKey : layout},
        {"CustomLayout", ui.customLayout->text()},
        {"Source", ui.fromSequence->isChecked() ? CLabelSourceBox::kFromSequence
                   : ui.fromFile->isChecked()   ? CLabelSourceBox::kFromFile
                                                : CLabelSourceBox::kFromText},
        {"Prefix", ui.prefix->text()},
        {"Suffix", ui.suffix->text()},
        {"First", ui.first->text()},
        {"Step", ui.step->text()},
        {"Count", ui.count->value()},
        {"Digits", ui.digits->value()},
        {"File", ui.file->text()},
        {"Caption", ui.caption->text()},
        {"Outlines", ui.outlines->isChecked() ? 1 : 0},
        {"OffsetUnit", ui.offsetUnit->currentIndex()},
    };
    for (const auto& [key, value] : values) {
        store->setValue(StoreKey(key), value);
    }
    // The columns only once a CSV file has offered them.
    if (ui.textColumn->isEnabled()) {
        store->setValue(StoreKey("TextColumn"), ui.textColumn->currentText());
        store->setValue(StoreKey("CaptionColumn"), ui.captionColumn->currentIndex() > 0
                                                       ? ui.captionColumn->currentText()
                                                       : QString());
    }
}

PrinterOffset StoredPrinterOffset(const QString& printer) {
    return ReadPrinterOffset(*OpenSettingsStore(), printer);
}

void StorePrinterOffset(const QString& printer, const PrinterOffset& offset) {
    WritePrinterOffset(*OpenSettingsStore(), printer, offset);
}
