// A batch file and a CSV file as whole inputs, as the tool reads them: every
// entry keeps a line number within the input and is either a text to draw or
// an error to report, and a CSV input is refused only with a reason.
#include "FuzzInput.h"

#include "Inputs.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool csv = (input.Byte() & 1) != 0;
    const std::string_view rest = input.Rest();
    const QString text = QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));
    // An upper bound of the lines: a CSV record may also end at a bare CR.
    const int lines =
        static_cast<int>(text.count(QLatin1Char('\n')) + text.count(QLatin1Char('\r'))) + 1;
    QString error;
    QStringList notes;
    const QList<Entry> entries = csv ? CsvEntries(text, &error, &notes) : BatchEntries(text);
    FUZZ_CHECK(error.isEmpty() || entries.isEmpty());
    int number = 0;
    for (const Entry& entry : entries) {
        FUZZ_CHECK(entry.line >= 1 && entry.line <= lines);
        FUZZ_CHECK(entry.number > number); // numbered in order
        number = entry.number;
        FUZZ_CHECK(!entry.text.isEmpty() || !entry.error.isEmpty());
    }
    return 0;
}
