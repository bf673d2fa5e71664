#include "DesignInput.h"

#include "Batch.h"
#include "Inputs.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;

QString LineFault(int line, const QString& why) {
    return QCoreApplication::translate("DesignRun", "line %1: %2").arg(line).arg(why);
}

QString NotUtf8() {
    return QCoreApplication::translate("DesignRun", "bytes that are not UTF-8");
}

} // namespace

bool CDesignInput::Open(QString* error) {
    m_columns.clear();
    if (m_options.mode == InputMode::Sequence) {
        return true;
    }
    m_input = OpenBatchInput(m_options.input, error);
    if (!m_input) {
        return false;
    }
    m_line = 0;
    m_firstLine = 0;
    m_firstRecord = 0;
    if (m_options.mode == InputMode::Batch) {
        m_columns = {QStringLiteral("text")};
        return true;
    }
    DesignRecord header;
    QString fault;
    if (!Next(header, &fault) || !fault.isEmpty()) {
        *error = fault.isEmpty()
                     ? QCoreApplication::translate("DesignRun",
                                                   "the CSV input has no header row naming its "
                                                   "columns")
                     : fault;
        return false;
    }
    m_columns = header.values;
    m_firstRecord = m_input->pos();
    m_firstLine = m_line;
    Rewind();
    return true;
}

void CDesignInput::Rewind() {
    m_next = 0;
    m_pending.clear();
    if (m_input) {
        m_input->seek(m_firstRecord);
    }
    m_line = m_firstLine;
}

bool CDesignInput::ReadLine(QString& text, bool& badBytes) {
    if (!m_input || m_input->atEnd()) {
        return false;
    }
    QByteArray bytes = m_input->readLine();
    ++m_line;
    if (bytes.endsWith('\n')) {
        bytes.chop(1);
    }
    if (bytes.endsWith('\r')) {
        bytes.chop(1);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    text = decoder.decode(bytes);
    if (m_line == 1 && text.startsWith(QChar(kByteOrderMark))) {
        text.remove(0, 1);
    }
    badBytes = decoder.hasError();
    return true;
}

bool CDesignInput::Next(DesignRecord& record, QString* fault) {
    if (m_options.mode == InputMode::Sequence) {
        if (m_next >= m_options.count) {
            return false;
        }
        record = {m_next++, 0, {}};
        fault->clear();
        return true;
    }
    while (m_pending.empty()) {
        QString text;
        bool badBytes = false;
        if (!ReadLine(text, badBytes)) {
            return false;
        }
        const int first = m_line;
        if (m_options.mode == InputMode::Batch) {
            if (!text.isEmpty()) {
                m_pending.push_back({{0, first, {text}}, badBytes ? NotUtf8() : QString()});
            }
            continue;
        }
        // A quoted field may hold line ends: lines are joined while a quote
        // is open (an odd count of quotes so far).
        QString more;
        bool moreBad = false;
        while (text.count(QLatin1Char('"')) % 2 != 0 && ReadLine(more, moreBad)) {
            text += QLatin1Char('\n') + more;
            badBytes = badBytes || moreBad;
        }
        for (const CsvRecord& row : ParseCsv(text)) {
            const int line = first + row.line - 1;
            QString why = row.error;
            if (why.isEmpty() && badBytes) {
                why = NotUtf8();
            } else if (why.isEmpty() && !m_columns.isEmpty() &&
                       row.fields.size() != m_columns.size()) {
                why =
                    QCoreApplication::translate("DesignRun", "%1 fields where the header names %2")
                        .arg(row.fields.size())
                        .arg(m_columns.size());
            }
            m_pending.push_back({{0, line, row.fields}, why});
        }
    }
    Pending next = std::move(m_pending.front());
    m_pending.pop_front();
    record = std::move(next.record);
    *fault = next.fault.isEmpty() ? QString() : LineFault(record.line, next.fault);
    if (fault->isEmpty()) {
        record.index = m_next++;
    }
    return true;
}
