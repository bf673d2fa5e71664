#include "Batch.h"

#include <QCoreApplication>

namespace {

// Characters that Windows, macOS or Linux file systems refuse in a name, or
// that a shell or a path would read as something else.
constexpr QStringView kUnsafeCharacters = u"/\\:*?\"<>|";
// Well below the 255 bytes of a name on common file systems, leaving room for
// the rest of a pattern around it, in UTF-8 (up to 3 bytes per character).
constexpr qsizetype kMaxNameCharacters = 64;

const QString kNumberField = QStringLiteral("{n}");
const QString kTextField = QStringLiteral("{text}");

} // namespace

QList<BatchLine> SplitBatchLines(const QString& input) {
    QList<BatchLine> lines;
    const QStringList parts = input.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString text = parts[i];
        if (text.endsWith(QLatin1Char('\r'))) {
            text.chop(1);
        }
        if (!text.isEmpty()) {
            lines.append({static_cast<int>(i + 1), text});
        }
    }
    return lines;
}

QList<CsvRecord> ParseCsv(const QString& input) {
    QList<CsvRecord> records;
    CsvRecord record;
    QString field;
    int line = 1;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the current field was quoted and has closed
    bool recordStarted = false;

    const auto endField = [&] {
        record.fields.append(field);
        field.clear();
        wasQuoted = false;
    };
    const auto endRecord = [&] {
        endField();
        const bool blank =
            record.fields.size() == 1 && record.fields.front().isEmpty() && record.error.isEmpty();
        if (!blank) {
            records.append(record);
        }
        record = CsvRecord{};
        recordStarted = false;
    };

    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (!recordStarted) {
            record.line = line;
            recordStarted = true;
        }
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < input.size() && input[i + 1] == QLatin1Char('"')) {
                    field += c; // a doubled quote is one quote
                    ++i;
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                if (c == QLatin1Char('\n')) {
                    ++line;
                }
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < input.size() &&
                input[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            endRecord();
            ++line;
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            quoted = true;
        } else if (wasQuoted || c == QLatin1Char('"')) {
            if (record.error.isEmpty()) {
                record.error =
                    wasQuoted
                        ? QCoreApplication::translate("Batch", "text after a closing quote")
                        : QCoreApplication::translate("Batch", "a quote inside an unquoted field");
            }
            field += c;
        } else {
            field += c;
        }
    }
    if (quoted) {
        record.error = QCoreApplication::translate("Batch", "a quoted field is not closed");
    }
    if (recordStarted) {
        endRecord();
    }
    return records;
}

QString SafeFileName(const QString& text) {
    QString name;
    for (const QChar c : text) {
        const bool unsafe = c.unicode() < 0x20 || c.unicode() == 0x7F ||
                            kUnsafeCharacters.contains(c) || c.isSurrogate();
        name += unsafe ? QLatin1Char('_') : c;
        if (name.size() == kMaxNameCharacters) {
            break;
        }
    }
    for (qsizetype i = 0; i < name.size() && name[i] == QLatin1Char('.'); ++i) {
        name[i] = QLatin1Char('_');
    }
    for (qsizetype i = name.size() - 1;
         i >= 0 && (name[i] == QLatin1Char('.') || name[i] == QLatin1Char(' ')); --i) {
        name[i] = QLatin1Char('_');
    }
    return name.isEmpty() ? QStringLiteral("_") : name;
}

QString ExpandOutputPattern(const QString& pattern, int number, int largestNumber,
                            const QString& text) {
    const int width = static_cast<int>(QString::number(largestNumber).size());
    QString name = pattern;
    name.replace(kNumberField, QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0')));
    if (name.contains(kTextField)) {
        name.replace(kTextField, SafeFileName(text));
    }
    return name;
}

bool PatternNamesEachEntry(const QString& pattern) {
    return pattern.contains(kNumberField) || pattern.contains(kTextField);
}
