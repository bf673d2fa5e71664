// The command-line tool's parsing with any input: the arguments (split at NUL
// bytes), a batch file and a CSV file. Parsing never fails hard; every batch
// line and CSV record keeps a line number within the input; an output name
// made from any text names one file in its folder.
#include "FuzzInput.h"

#include "Batch.h"
#include "RenderOptions.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    // The first byte chooses what the rest is.
    const std::uint8_t kind = input.Byte() % 3;
    const std::string_view rest = input.Rest();
    const QString text = QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));
    // An upper bound of the lines: a CSV record may also end at a bare CR.
    const int lines =
        static_cast<int>(text.count(QLatin1Char('\n')) + text.count(QLatin1Char('\r'))) + 1;
    if (kind == 0) {
        QStringList arguments{QStringLiteral("quillmark-render")};
        arguments += text.split(QChar(u'\0'));
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        FUZZ_CHECK(parsed.action != CommandAction::UsageError || !parsed.message.isEmpty());
        if (parsed.action == CommandAction::Render) {
            const RenderOptions& o = parsed.options;
            FUZZ_CHECK(o.zoom >= 1 && o.zoom <= 8);
            FUZZ_CHECK(o.orientation >= 0 && o.orientation <= 3);
            FUZZ_CHECK(o.dpi >= kMinDpi && o.dpi <= kMaxDpi);
            FUZZ_CHECK(o.heightMils >= 1);
        }
    } else if (kind == 1) {
        for (const BatchLine& line : SplitBatchLines(text)) {
            FUZZ_CHECK(line.line >= 1 && line.line <= lines);
            FUZZ_CHECK(!line.text.isEmpty()); // blank lines are skipped
            const QString name = ExpandOutputPattern(QStringLiteral("out/{n}-{text}.bmp"),
                                                     line.line, lines, line.text);
            FUZZ_CHECK(name.startsWith(QStringLiteral("out/")));
            FUZZ_CHECK(name.count(QLatin1Char('/')) == 1);
        }
    } else {
        for (const CsvRecord& record : ParseCsv(text)) {
            FUZZ_CHECK(record.line >= 1 && record.line <= lines);
        }
    }
    return 0;
}
