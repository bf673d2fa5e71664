#include "LabelData.h"

#include "Batch.h"
#include "InputRule.h"
#include "SheetText.h"

#include <utility>

#include <QCoreApplication>

namespace {

// The largest count of digits a padded number is given: more than any 64-bit
// number has.
constexpr int kMaxPadding = 20;

} // namespace

QList<LabelText> SequenceLabels(const LabelSequence& sequence, QString* error) {
    if (sequence.count < 1 || sequence.count > kMaxSheetLabels) {
        *error = QCoreApplication::translate("LabelData", "the count must be 1 to %1")
                     .arg(kMaxSheetLabels);
        return {};
    }
    if (sequence.width < 0 || sequence.width > kMaxPadding) {
        *error =
            QCoreApplication::translate("LabelData", "the number's width must be 0 to %1 digits")
                .arg(kMaxPadding);
        return {};
    }
    // The last number, checked before any is made: no run wraps around.
    std::int64_t last = 0;
    if (__builtin_mul_overflow(sequence.step, std::int64_t{sequence.count - 1}, &last) ||
        __builtin_add_overflow(sequence.first, last, &last)) {
        *error = QCoreApplication::translate(
            "LabelData", "the sequence's numbers leave the range of whole numbers");
        return {};
    }
    QList<LabelText> labels;
    labels.reserve(sequence.count);
    for (int i = 0; i < sequence.count; ++i) {
        // Between the first and the last number: no overflow.
        const std::int64_t number = sequence.first + sequence.step * i;
        // Zero-padded after the sign, as a counter on a label is read.
        QString digits = QString::number(number < 0 ? -static_cast<quint64>(number)
                                                    : static_cast<quint64>(number))
                             .rightJustified(sequence.width, QLatin1Char('0'));
        if (number < 0) {
            digits.prepend(QLatin1Char('-'));
        }
        labels.append({i + 1, sequence.prefix + digits + sequence.suffix, {}});
    }
    return labels;
}

QList<LabelText> LineLabels(const QString& input, const QString& caption) {
    QList<LabelText> labels;
    for (const BatchLine& line : SplitBatchLines(input)) {
        labels.append({line.line, line.text, caption});
    }
    return labels;
}

QStringList CsvColumns(const QString& input) {
    const QList<CsvRecord> records = ParseCsv(input);
    return records.isEmpty() ? QStringList() : records.front().fields;
}

QList<LabelText> CsvLabels(const QString& input, const QString& textColumn,
                           const QString& captionColumn, QString* error) {
    const QList<CsvRecord> records = ParseCsv(input);
    if (records.isEmpty()) {
        *error = QCoreApplication::translate("LabelData", "the CSV file has no header row");
        return {};
    }
    const QStringList& header = records.front().fields;
    const qsizetype textAt = header.indexOf(textColumn);
    const qsizetype captionAt = captionColumn.isEmpty() ? -1 : header.indexOf(captionColumn);
    for (const auto& [name, at] : {std::pair{textColumn, textAt}, {captionColumn, captionAt}}) {
        if (!name.isEmpty() && at < 0) {
            *error = QCoreApplication::translate("LabelData", "the CSV file has no column \"%1\"")
                         .arg(name);
            return {};
        }
    }
    QList<LabelText> labels;
    for (qsizetype i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        if (!record.error.isEmpty()) {
            *error = QCoreApplication::translate("LabelData", "line %1: %2")
                         .arg(record.line)
                         .arg(record.error);
            return {};
        }
        const auto field = [&record](qsizetype at) {
            return at >= 0 && at < record.fields.size() ? record.fields[at] : QString();
        };
        labels.append({record.line, field(textAt), field(captionAt)});
    }
    return labels;
}

CheckedLabels CheckLabels(SymbologyId symbology, const QList<LabelText>& texts,
                          CodeSetChoice codeSets) {
    CheckedLabels checked;
    checked.labels.reserve(static_cast<std::size_t>(texts.size()));
    for (const LabelText& label : texts) {
        // A label of no data would print a symbol of nothing (or of padding).
        if (label.text.isEmpty()) {
            checked.refused.append(
                QCoreApplication::translate("LabelData", "line %1: there is no text")
                    .arg(label.line));
            continue;
        }
        CheckedText text = CheckText(symbology, label.text, false, codeSets);
        if (const QString fault = CaptionFault(label.caption); !text.refusal && !fault.isEmpty()) {
            text.refusal = TextRefusal{fault};
        }
        if (text.refusal) {
            checked.refused.append(QCoreApplication::translate("LabelData", "line %1: %2")
                                       .arg(label.line)
                                       .arg(text.refusal->reason));
        } else {
            checked.labels.push_back({label.line, std::move(text.engineText), label.caption});
        }
    }
    return checked;
}
