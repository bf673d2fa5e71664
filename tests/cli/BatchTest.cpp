// Batch inputs: lines, CSV records and the output names made from them.
#include "Batch.h"
#include "Inputs.h"
#include "Progress.h"

#include <QBuffer>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace {

TEST(BatchLines, SkipBlankLinesButKeepTheirNumbers) {
    const QList<BatchLine> lines = SplitBatchLines(QStringLiteral("A1\r\n\nB2\n  \nC3"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].line, 1);
    EXPECT_EQ(lines[0].text, QStringLiteral("A1")); // CR of CRLF not part of the text
    EXPECT_EQ(lines[1].line, 3);
    EXPECT_EQ(lines[2].text, QStringLiteral("  ")); // blanks are data
    EXPECT_EQ(lines[3].line, 5);
}

// A batch file is read line by line, standard input whole: both give the
// entries the whole text split into lines would, with the same faults named.
TEST(BatchEntries, AFileReadLineByLineGivesWhatTheWholeTextGives) {
    const QByteArray input = "\xEF\xBB\xBF"
                             "A1\r\n\nB2\n\xEF\xBB\xBF"
                             "C3\n\xff\xfe\n  \nD4\xe9"; // a sequence cut short at the end
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(input);
    file.close();
    for (const QString& path : {file.fileName(), QStringLiteral("-")}) {
        SCOPED_TRACE(path.toStdString());
        QString error;
        std::unique_ptr<QIODevice> device;
        if (path == QStringLiteral("-")) {
            device = std::make_unique<QBuffer>();
            static_cast<QBuffer*>(device.get())->setData(input);
            device->open(QIODevice::ReadOnly);
        } else {
            device = OpenBatchInput(path, &error);
        }
        ASSERT_TRUE(device) << error.toStdString();
        CBatchEntries entries(*device);
        EXPECT_EQ(entries.Count(), 6);
        EXPECT_EQ(entries.LastLine(), 7);
        QStringList seen;
        Entry entry;
        while (entries.Next(entry)) {
            seen << QStringLiteral("%1:%2:%3").arg(entry.line).arg(entry.text, entry.error);
        }
        EXPECT_EQ(
            seen,
            QStringList({"1:A1:", "3:B2:", "4:\uFEFFC3:", "5:\uFFFD\uFFFD:bytes that are not UTF-8",
                         "6:  :", "7:D4\uFFFD:bytes that are not UTF-8"}));
    }
}

TEST(Csv, SplitsRecordsAsRfc4180Says) {
    struct Row {
        const char* name;
        const char* input;
        QList<QStringList> fields;
        QList<int> lines;
    };
    const Row rows[] = {
        {"plain", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"CRLF and no final line end", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"quoted comma", "\"x,y\",z\n", {{"x,y", "z"}}, {1}},
        {"doubled quote", "\"say \"\"hi\"\"\",1\n", {{"say \"hi\"", "1"}}, {1}},
        {"line end inside quotes", "\"a\nb\",c\nd,e\n", {{"a\nb", "c"}, {"d", "e"}}, {1, 3}},
        {"empty fields", ",,\n", {{"", "", ""}}, {1}},
        {"blank lines skipped", "a\n\n\nb\n", {{"a"}, {"b"}}, {1, 4}},
    };
    for (const Row& row : rows) {
        const QList<CsvRecord> records = ParseCsv(QString::fromUtf8(row.input));
        ASSERT_EQ(records.size(), row.fields.size()) << row.name;
        for (qsizetype i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].fields, row.fields[i]) << row.name;
            EXPECT_EQ(records[i].line, row.lines[i]) << row.name;
            EXPECT_TRUE(records[i].error.isEmpty()) << row.name;
        }
    }
}

TEST(Csv, NamesTheFaultOfAMalformedRecordAndGoesOn) {
    const QList<CsvRecord> records = ParseCsv(QStringLiteral("\"a\"b,c\nok,1\nx\"y,2\n\"open,3\n"));
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0].error, QStringLiteral("text after a closing quote"));
    EXPECT_TRUE(records[1].error.isEmpty());
    EXPECT_EQ(records[2].error, QStringLiteral("a quote inside an unquoted field"));
    EXPECT_EQ(records[3].error, QStringLiteral("a quoted field is not closed"));
    EXPECT_EQ(records[3].line, 4);
}

TEST(OutputPattern, PadsTheNumberToTheBatchAndMakesTheTextSafe) {
    struct Row {
        const char* name;
        const char* pattern;
        int number, largest;
        const char* text;
        const char* expected;
    };
    const Row rows[] = {
        {"padded to 4 digits", "out/{n}.bmp", 7, 1000, "x", "out/0007.bmp"},
        {"no padding under 10", "{n}.png", 3, 9, "x", "3.png"},
        {"text as name", "labels/{text}.svg", 1, 1, "AB-12", "labels/AB-12.svg"},
        {"both", "{n}-{text}.pdf", 12, 120, "Q", "012-Q.pdf"},
        {"separators replaced", "{text}.bmp", 1, 1, "../../etc/passwd", "___.._etc_passwd.bmp"},
        {"reserved characters", "{text}.bmp", 1, 1, "a:b*c?d\"e<f>g|h\\i", "a_b_c_d_e_f_g_h_i.bmp"},
        {"leading dots", "{text}.bmp", 1, 1, "..hidden", "__hidden.bmp"},
        {"trailing dot and blank", "{text}.bmp", 1, 1, "name. ", "name__.bmp"},
        {"control character", "{text}.bmp", 1, 1, "a\tb", "a_b.bmp"},
        {"empty text", "{text}.bmp", 1, 1, "", "_.bmp"},
        {"Latin-1 kept", "{text}.bmp", 1, 1, "caf\xC3\xA9", "caf\xC3\xA9.bmp"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ExpandOutputPattern(QString::fromUtf8(row.pattern), row.number, row.largest,
                                      QString::fromUtf8(row.text)),
                  QString::fromUtf8(row.expected))
            << row.name;
    }
}

TEST(OutputPattern, CutsALongTextToANameEveryFileSystemTakes) {
    const QString name = SafeFileName(QString(1000, QLatin1Char('A')));
    EXPECT_LE(name.toUtf8().size(), 255);
    EXPECT_FALSE(name.isEmpty());
}

// A long batch's progress on a terminal counts a failed line as done, never
// as written.
TEST(BatchProgress, CountsFailedLinesApartFromWrittenOnes) {
    int terminal = -1;
    int device = -1;
    ASSERT_EQ(::openpty(&terminal, &device, nullptr, nullptr, nullptr), 0);
    std::FILE* stream = ::fdopen(device, "w");
    ASSERT_NE(stream, nullptr);
    {
        CProgress progress(stream, 150);
        progress.Update(149, 0);
        progress.Update(150, 1);
    }
    std::fclose(stream);
    ::fcntl(terminal, F_SETFL, O_NONBLOCK);
    QByteArray shown;
    char buffer[512];
    for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;) {
        shown.append(buffer, n);
    }
    ::close(terminal);
    EXPECT_TRUE(shown.contains("149 of 150 written")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("150 of 150 done, 1 failed")) << shown.toStdString();
}

} // namespace
