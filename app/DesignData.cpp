#include "DesignData.h"

#include "Batch.h"
#include "LabelData.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("DesignData", text);
}

// The file's text, or an empty string with *error naming the fault.
QString ReadText(const QString& path, QString* error) {
    if (path.isEmpty()) {
        *error = Tr("Choose the file the records come from.");
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = Tr("%1 cannot be read: %2").arg(path, file.errorString());
        return {};
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        *error = Tr("%1 is not UTF-8 text.").arg(path);
        return {};
    }
    return text;
}

} // namespace

DesignData LoadDesignData(DesignSourceKind kind, const QString& path, int count) {
    DesignData data;
    if (kind == DesignSourceKind::Sequence) {
        const auto labels =
            static_cast<std::int64_t>(std::clamp<std::int64_t>(count, 0, kMaxSheetLabels));
        for (std::int64_t i = 0; i < labels; ++i) {
            data.records.push_back({i, 0, {}});
        }
        return data;
    }
    const QString text = ReadText(path, &data.error);
    if (!data.error.isEmpty()) {
        return data;
    }
    if (kind == DesignSourceKind::Lines) {
        data.columns = {QStringLiteral("text")};
        for (const BatchLine& line : SplitBatchLines(text)) {
            data.records.push_back(
                {static_cast<std::int64_t>(data.records.size()), line.line, {line.text}});
        }
        return data;
    }
    const QList<CsvRecord> records = ParseCsv(text);
    for (const CsvRecord& record : records) {
        if (!record.error.isEmpty()) {
            data.error = Tr("%1, line %2: %3").arg(path).arg(record.line).arg(record.error);
            data.records.clear();
            return data;
        }
        if (data.columns.isEmpty() && &record == &records.front()) {
            data.columns = record.fields;
            continue;
        }
        if (record.fields.size() != data.columns.size()) {
            data.error = Tr("%1, line %2: %3 fields where the header names %4")
                             .arg(path)
                             .arg(record.line)
                             .arg(record.fields.size())
                             .arg(data.columns.size());
            data.records.clear();
            return data;
        }
        data.records.push_back(
            {static_cast<std::int64_t>(data.records.size()), record.line, record.fields});
    }
    if (data.columns.isEmpty()) {
        data.error = Tr("%1 has no header row naming its columns.").arg(path);
    }
    return data;
}
