#include "Inputs.h"

#include "Batch.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

// The largest batch or CSV input read: millions of lines, far below what
// would exhaust the memory of a small machine.
constexpr qint64 kBytesPerMegabyte = 1024LL * 1024;
constexpr qint64 kMaxInputBytes = 256 * kBytesPerMegabyte;

} // namespace

QList<int> LinesNotUtf8(const QByteArray& bytes) {
    QList<int> lines;
    int number = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        ++number;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(line);
        if (decoder.hasError()) {
            lines.append(number);
        }
    }
    return lines;
}

namespace {

// Every byte of a file or of standard input for "-", at most kMaxInputBytes;
// nothing, with *error set, on failure.
std::optional<QByteArray> ReadBytes(const QString& path, QString* error) {
    QFile file;
    const bool ok = path == QStringLiteral("-")
                        ? file.open(stdin, QIODevice::ReadOnly)
                        : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    // A standard input the caller closed (plugged write-only at the start).
    const bool closed =
        path == QStringLiteral("-") && (::fcntl(STDIN_FILENO, F_GETFL) & O_ACCMODE) == O_WRONLY;
    if (closed) {
        *error = QCoreApplication::translate("Inputs", "cannot read standard input: it is closed");
        return std::nullopt;
    }
    if (!ok) {
        *error = QCoreApplication::translate("Inputs", "cannot read %1: %2")
                     .arg(path, file.errorString());
        return std::nullopt;
    }
    // At most kMaxInputBytes and one more, so that an endless input (a
    // device, a FIFO fed forever) is refused rather than read without end.
    // A pipe gives what it holds at the time of each read: reading goes on
    // until it gives nothing, its end, not only its first part.
    QByteArray bytes;
    while (bytes.size() <= kMaxInputBytes) {
        const QByteArray part = file.read(kMaxInputBytes + 1 - bytes.size());
        if (part.isEmpty()) {
            break;
        }
        bytes += part;
    }
    if (file.error() != QFileDevice::NoError) {
        *error = QCoreApplication::translate("Inputs", "cannot read %1: %2")
                     .arg(path, file.errorString());
        return std::nullopt;
    }
    if (bytes.size() > kMaxInputBytes) {
        *error = QCoreApplication::translate(
                     "Inputs", "%1 holds more than %2 MB; split it into smaller batches")
                     .arg(path)
                     .arg(kMaxInputBytes / kBytesPerMegabyte);
        return std::nullopt;
    }
    return bytes;
}

constexpr char16_t kByteOrderMark = 0xFEFF;

} // namespace

QString ReadInput(const QString& path, QString* error, QList<int>* notUtf8) {
    const std::optional<QByteArray> bytes = ReadBytes(path, error);
    if (!bytes) {
        return {};
    }
    // Stateless: a sequence cut short at the end is an error, not a wait for
    // bytes that never come.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(*bytes);
    // Only an input with a fault is looked at line by line.
    *notUtf8 = decoder.hasError() ? LinesNotUtf8(*bytes) : QList<int>();
    if (text.startsWith(QChar(kByteOrderMark))) {
        text.remove(0, 1); // a byte order mark is no data
    }
    return text;
}

std::unique_ptr<QIODevice> OpenBatchInput(const QString& path, QString* error) {
    if (path != QStringLiteral("-") && QFileInfo(path).isFile()) {
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::ReadOnly)) {
            *error = QCoreApplication::translate("Inputs", "cannot read %1: %2")
                         .arg(path, file->errorString());
            return nullptr;
        }
        if (file->size() <= kMaxInputBytes) {
            return file;
        }
    }
    // What cannot be read twice is read once, whole (and an oversized file
    // is refused there with its size).
    std::optional<QByteArray> bytes = ReadBytes(path, error);
    if (!bytes) {
        return nullptr;
    }
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(*bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

CBatchEntries::CBatchEntries(QIODevice& input) : m_input(input) {
    Entry entry;
    while (Next(entry)) {
        ++m_count;
        m_lastLine = entry.line;
    }
    m_input.seek(0);
    m_line = 0;
}

bool CBatchEntries::Next(Entry& entry) {
    // Lines end with LF (a CR before it is no part of the text); blank lines
    // count but give no entry, as SplitBatchLines has it.
    while (!m_input.atEnd()) {
        QByteArray bytes = m_input.readLine();
        ++m_line;
        if (bytes.endsWith('\n')) {
            bytes.chop(1);
        }
        if (bytes.endsWith('\r')) {
            bytes.chop(1);
        }
        // A byte order mark is dropped at the start of the input only; each
        // line is decoded whole, so a sequence cut short at its end is an
        // error too.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless |
                                   (m_line == 1 ? QStringDecoder::Flag::Default
                                                : QStringDecoder::Flag::ConvertInitialBom));
        QString text = decoder.decode(bytes);
        if (m_line == 1 && text.startsWith(QChar(kByteOrderMark))) {
            text.remove(0, 1);
        }
        if (!text.isEmpty()) {
            entry = {m_line, m_line, text, {}, {}, {}, {}, {}};
            if (decoder.hasError()) {
                // Such a line's text holds U+FFFD, which its bytes do not.
                entry.error = QCoreApplication::translate("Runner", "bytes that are not UTF-8");
            }
            return true;
        }
    }
    return false;
}

QList<Entry> BatchEntries(const QString& input) {
    QList<Entry> entries;
    for (const BatchLine& line : SplitBatchLines(input)) {
        entries.append({line.line, line.line, line.text, {}, {}, {}, {}, {}});
    }
    return entries;
}

namespace {

// The columns a CSV header may name.
const QStringList kColumns{QStringLiteral("symbology"), QStringLiteral("text"),
                           QStringLiteral("height"), QStringLiteral("output"),
                           QStringLiteral("caption")};

} // namespace

QList<Entry> CsvEntries(const QString& input, QString* error, QStringList* notes) {
    QList<CsvRecord> records = ParseCsv(input);
    if (records.isEmpty()) {
        *error = QCoreApplication::translate("Inputs", "the CSV input has no header row");
        return {};
    }
    const CsvRecord header = records.takeFirst();
    QHash<QString, qsizetype> columns;
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const QString name = header.fields[i].trimmed().toLower();
        if (columns.contains(name)) {
            *error = QCoreApplication::translate(
                         "Inputs", "the CSV header names \"%1\" twice (columns %2 and %3)")
                         .arg(name)
                         .arg(columns.value(name) + 1)
                         .arg(i + 1);
            return {};
        }
        if (!kColumns.contains(name)) {
            notes->append(QCoreApplication::translate(
                              "Inputs",
                              "the CSV header's column %1, \"%2\", is none of "
                              "symbology, text, height, output and caption: it is not used")
                              .arg(i + 1)
                              .arg(header.fields[i]));
        }
        columns.insert(name, i);
    }
    if (!columns.contains(QStringLiteral("text"))) {
        *error = QCoreApplication::translate("Inputs", "the CSV header names no \"text\" column");
        return {};
    }
    const auto field = [&columns](const CsvRecord& record, const char* name) {
        const qsizetype column = columns.value(QString::fromLatin1(name), -1);
        return column >= 0 && column < record.fields.size() ? record.fields[column] : QString();
    };
    QList<Entry> entries;
    int number = 0;
    for (const CsvRecord& record : std::as_const(records)) {
        Entry entry{record.line,
                    ++number,
                    field(record, "text"),
                    field(record, "symbology"),
                    field(record, "height"),
                    field(record, "output"),
                    record.error,
                    field(record, "caption")};
        if (entry.error.isEmpty() && entry.text.isEmpty()) {
            entry.error = QCoreApplication::translate("Inputs", "no text");
        }
        entries.append(entry);
    }
    return entries;
}
