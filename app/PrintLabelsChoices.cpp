#include "PrintLabelsChoices.h"

#include "LabelSource.h"
#include "SettingsStore.h"
#include "ui_PrintLabelsDialog.h"

#include <QSettings>

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

void RestorePrintLabelsChoices(Ui::CPrintLabelsDialog& form, LabelSource& source) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    const auto text = [&store](const char* key, const QString& fallback = {}) {
        return store->value(StoreKey(key), fallback).toString();
    };
    const auto number = [&store](const char* key, int fallback) {
        return ReadProfileInt(*store, kSection, QLatin1String(key), fallback);
    };
    const QString layout = text("Layout");
    const int index = layout == kCustomKey ? form.layout->count() - 1
                      : layout.isEmpty()   ? 0
                                           : form.layout->findData(layout);
    form.layout->setCurrentIndex(std::max(index, 0));
    form.customLayout->setText(text("CustomLayout"));
    const int kind = number("Source", LabelSource::kFromText);
    source.Choose(kind == LabelSource::kFromSequence || kind == LabelSource::kFromFile
                      ? static_cast<LabelSource::Kind>(kind)
                      : LabelSource::kFromText);
    form.prefix->setText(text("Prefix"));
    form.suffix->setText(text("Suffix"));
    form.first->setText(text("First", QStringLiteral("1")));
    form.step->setText(text("Step", QStringLiteral("1")));
    form.count->setValue(number("Count", form.count->value()));
    form.digits->setValue(number("Digits", 0));
    form.file->setText(text("File"));
    // The columns are offered once the file is read: the chosen ones wait.
    if (const QString column = text("TextColumn"); !column.isEmpty()) {
        form.textColumn->addItem(column);
    }
    if (store->contains(StoreKey("CaptionColumn"))) {
        const QString column = text("CaptionColumn");
        form.captionColumn->addItem(column.isEmpty() ? LabelSource::NoColumn() : column);
    }
    form.caption->setText(text("Caption"));
    form.outlines->setChecked(number("Outlines", 0) != 0);
    form.offsetUnit->setCurrentIndex(number("OffsetUnit", 0) == kInches ? kInches : 0);
}

void RememberPrintLabelsChoices(const Ui::CPrintLabelsDialog& form, const LabelSource& source) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    const QString layout = form.layout->currentData().toString();
    const std::pair<const char*, QVariant> values[] = {
        {"Layout", layout.isEmpty() ? kCustomKey : layout},
        {"CustomLayout", form.customLayout->text()},
        {"Source", static_cast<int>(source.Chosen())},
        {"Prefix", form.prefix->text()},
        {"Suffix", form.suffix->text()},
        {"First", form.first->text()},
        {"Step", form.step->text()},
        {"Count", form.count->value()},
        {"Digits", form.digits->value()},
        {"File", form.file->text()},
        {"Caption", form.caption->text()},
        {"Outlines", form.outlines->isChecked() ? 1 : 0},
        {"OffsetUnit", form.offsetUnit->currentIndex()},
    };
    for (const auto& [key, value] : values) {
        store->setValue(StoreKey(key), value);
    }
    // The columns only once a CSV file has offered them.
    if (form.textColumn->isEnabled()) {
        store->setValue(StoreKey("TextColumn"), form.textColumn->currentText());
        store->setValue(StoreKey("CaptionColumn"), form.captionColumn->currentIndex() > 0
                                                       ? form.captionColumn->currentText()
                                                       : QString());
    }
}

PrinterOffset StoredPrinterOffset(const QString& printer) {
    return ReadPrinterOffset(*OpenSettingsStore(), printer);
}

void StorePrinterOffset(const QString& printer, const PrinterOffset& offset) {
    WritePrinterOffset(*OpenSettingsStore(), printer, offset);
}
