#include "LabelSheet.h"
#include "SheetReading.h"
#include "SheetText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList Texts(const QList<LabelText>& labels) {
    QStringList texts;
    for (const LabelText& label : labels) {
        texts << QStringLiteral("%1:%2|%3").arg(label.line).arg(label.text, label.caption);
    }
    return texts;
}

} // namespace

TEST(LabelData, SequencesLinesAndCsvColumnsGiveTheirLabels) {
    QString error;
    EXPECT_EQ(Texts(SequenceLabels({"A", 8, 2, 3, 3, "-X"}, &error)),
              QStringList({"1:A008-X|", "2:A010-X|", "3:A012-X|"}));
    EXPECT_EQ(Texts(SequenceLabels({{}, 1, -2, 2, 2, {}}, &error)),
              QStringList({"1:01|", "2:-01|"}));
    EXPECT_EQ(Texts(LineLabels("one\r\n\ntwo\n", "cap")), QStringList({"1:one|cap", "3:two|cap"}));
    const QString csv = "sku,name\nP-1,\"Bolt, M4\"\nP-2,Nut\n";
    EXPECT_EQ(CsvColumns(csv), QStringList({"sku", "name"}));
    EXPECT_EQ(Texts(CsvLabels(csv, "sku", "name", &error)),
              QStringList({"2:P-1|Bolt, M4", "3:P-2|Nut"}));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();

    const struct {
        LabelSequence sequence;
        const char* why;
    } refused[] = {
        {{{}, 1, 1, 0, 0, {}}, "count"},
        {{{}, INT64_MAX - 1, 1, 3, 0, {}}, "range"},
        {{{}, 1, 1, 1, 21, {}}, "width"},
    };
    for (const auto& row : refused) {
        error.clear();
        EXPECT_TRUE(SequenceLabels(row.sequence, &error).isEmpty());
        EXPECT_TRUE(error.contains(row.why)) << error.toStdString();
    }
    error.clear();
    EXPECT_TRUE(CsvLabels(csv, "code", {}, &error).isEmpty());
    EXPECT_TRUE(error.contains("\"code\"")) << error.toStdString();

    // Each line the symbology cannot draw is named by its line and character.
    const CheckedLabels checked = CheckLabels(SymbologyId::Ean13,
                                              LineLabels("590123412345\n12A4\n\n98x\n") +
                                                  CsvLabels("text,n\n,1\n", "text", {}, &error),
                                              CodeSetChoice::AsTyped);
    ASSERT_EQ(checked.labels.size(), 1U);
    EXPECT_EQ(checked.labels[0].text, "590123412345");
    ASSERT_EQ(checked.refused.size(), 3);
    EXPECT_EQ(checked.refused[2], "line 2: there is no text");
    EXPECT_TRUE(checked.refused[0].startsWith("line 2: character \"A\""))
        << checked.refused[0].toStdString();
    EXPECT_TRUE(checked.refused[1].startsWith("line 4: character \"x\""))
        << checked.refused[1].toStdString();
}

TEST(LabelSheet, StartAtAndCopiesPlaceLabelsInOrder) {
    const struct {
        int count, startAt, copies;
        int pages;
        std::vector<int> firstPage; // label index per place of page 1
    } rows[] = {
        {65, 1, 1, 3, {0, 1, 2}},
        {65, 5, 1, 3, {-1, -1, -1, -1, 0, 1}},
        {3, 29, 2, 2, {}},
        {2, 1, 3, 1, {0, 0, 0, 1, 1, 1, -1}},
    };
    for (const auto& row : rows) {
        const SheetJob job = NumberedJob("letter-3x10", row.count, row.startAt, row.copies);
        EXPECT_EQ(SheetPageCount(job), row.pages);
        for (std::size_t place = 0; place < row.firstPage.size(); ++place) {
            EXPECT_EQ(LabelIndexAt(job, 0, static_cast<int>(place)), row.firstPage[place]);
        }
    }
    // 65 labels: 30, 30 and 5; from place 29 with 2 copies: 0 0 | 1 1 2 2.
    const SheetJob full = NumberedJob("letter-3x10", 65);
    EXPECT_EQ(Expected(full, 2).size(), 5U);
    const SheetJob late = NumberedJob("letter-3x10", 3, 29, 2);
    EXPECT_EQ(Expected(late, 0), (std::vector<std::string>{"ITEM-001", "ITEM-001"}));
    EXPECT_EQ(Expected(late, 1).size(), 4U);
    EXPECT_TRUE(SheetJobFault(NumberedJob("letter-3x10", 3, 31)).contains("1 to 30"));
    EXPECT_TRUE(SheetJobFault(NumberedJob("letter-3x10", 3, 1, 0)).contains("copies"));
}

// A symbol that does not fit its label is named before anything is drawn.
TEST(LabelSheet, SymbolsThatDoNotFitTheirLabelAreNamed) {
    SheetJob job = NumberedJob("letter-4x20", 2);
    EXPECT_TRUE(LabelsThatDoNotFit(job).isEmpty() == false); // 0.75 in bars on 0.5 in labels
    job.symbol.heightMils = 250;
    EXPECT_TRUE(LabelsThatDoNotFit(job).isEmpty());
    job.labels[1].text = "A-MUCH-LONGER-PART-NUMBER";
    job.labels[1].line = 7;
    const QStringList faults = LabelsThatDoNotFit(job);
    ASSERT_EQ(faults.size(), 1);
    EXPECT_TRUE(faults[0].startsWith("line 7: the symbol takes")) << faults[0].toStdString();
    job.labels[1].text = "OK";
    job.labels[1].caption = "A caption far too long for the label";
    EXPECT_EQ(LabelsThatDoNotFit(job).size(), 1);
}

// Every label of every page, as the printer and as the PDF document draw it,
// reads back in its place and in order with both readers; a caption in any
// character is real text of the PDF, in a font it embeds.
TEST(LabelSheet, EveryLabelOfEveryPageScansInItsPlace) {
    SheetJob job = NumberedJob("letter-3x10", 65);
    job.labels[3].caption =
        QString::fromUtf8("Bin 4: 5 \u20AC \u03A9\u03BC\u03AD\u03B3\u03B1 \u00DF");
    EXPECT_EQ(CaptionFault(job.labels[3].caption), QString());
    EXPECT_TRUE(CaptionFault(QString::fromUtf8("A\u0378")).contains("U+0378")); // unassigned
    for (const int dpi : {300, 600}) {
        for (int page = 0; page < SheetPageCount(job); ++page) {
            SCOPED_TRACE(testing::Message() << dpi << " dpi, page " << page + 1);
            ExpectPageReads(job, page, RenderSheetPage(job, page, dpi, dpi), dpi);
        }
    }
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    QTemporaryDir dir;
    QFile pdf(dir.filePath("labels.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    ASSERT_TRUE(WriteSheetPdf(
        job, 300, [&pdf](const QByteArray& bytes) { return pdf.write(bytes) == bytes.size(); }));
    pdf.close();
    for (const int dpi : {300, 600}) {
        const QString stem = dir.filePath(QStringLiteral("p%1").arg(dpi));
        ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", QString::number(dpi), "-mono", "-png",
                                               pdf.fileName(), stem}),
                  0);
        for (int page = 0; page < SheetPageCount(job); ++page) {
            SCOPED_TRACE(testing::Message() << "PDF at " << dpi << " dpi, page " << page + 1);
            const QImage image(QStringLiteral("%1-%2.png").arg(stem).arg(page + 1));
            ASSERT_FALSE(image.isNull());
            ExpectPageReads(job, page, image, dpi);
        }
    }
    const auto run = [](const QString& tool, const QStringList& arguments) {
        QProcess process;
        process.start(QStandardPaths::findExecutable(tool), arguments);
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    EXPECT_TRUE(run("pdftotext", {pdf.fileName(), "-"}).contains(job.labels[3].caption));
    EXPECT_TRUE(
        run("pdffonts", {pdf.fileName()}).contains(QRegularExpression(" yes +(yes|no) +yes")));
}

// The printer's offset moves every dot of the page by exactly its amount.
TEST(LabelSheet, OffsetMovesEveryLabelByItsAmount) {
    SheetJob job = NumberedJob("a4-3x8", 24);
    job.outlines = true;
    const QImage plain = RenderSheetPage(job, 0, 300, 300);
    job.offsetX = 100; // 30 dots right
    job.offsetY = 50;  // 15 dots down
    const QImage moved = RenderSheetPage(job, 0, 300, 300);
    const QRect kept = plain.rect().adjusted(0, 0, -30, -15);
    EXPECT_EQ(moved.copy(kept.translated(30, 15)), plain.copy(kept));
}

// The alignment page outlines every label in lines a printer shows (a quarter
// point or more at every resolution), with a crosshair in each corner label
// and the ruler's zero where the offset puts the page's corner.
TEST(LabelSheet, AlignmentPageShowsEveryLabelInVisibleLines) {
    SheetJob job = NumberedJob("a4-3x8", 24);
    job.offsetX = 100;
    job.offsetY = 50;
    for (const int dpi : {203, 300, 600}) {
        SCOPED_TRACE(dpi);
        const QImage page = RenderAlignmentPage(job, dpi, dpi);
        const QRect first = LabelRectOnPage(job, 0, dpi, dpi);
        const int middle = first.center().y() + first.height() / 4; // off the crosshair
        int width = 0;
        while (IsInk(page, first.left() + width, middle)) {
            ++width;
        }
        EXPECT_GE(width, std::ceil(0.25 * dpi / 72)) << "outline";
        EXPECT_LT(width, first.width() / 10) << "outline";
        EXPECT_TRUE(IsInk(page, first.center().x(), first.center().y())) << "crosshair";
        const QPoint empty = LabelRectOnPage(job, 4, dpi, dpi).center();
        EXPECT_FALSE(IsInk(page, empty.x(), empty.y()));
        EXPECT_TRUE(IsInk(page, dpi / 10, dpi / 20)) << "ruler zero";
        EXPECT_FALSE(IsInk(page, dpi / 10 - 1, dpi / 20 - 1));
    }
}
