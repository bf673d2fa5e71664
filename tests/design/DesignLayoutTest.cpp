#include "DesignLayout.h"
#include "Decode.h"
#include "DesignFile.h"
#include "DesignPage.h"
#include "PdfWords.h"
#include "QtImages.h"

#include "Batch.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList kColumns{QStringLiteral("name"), QStringLiteral("price"), QStringLiteral("sku")};
const QDate kToday(2026, 12, 9);

LabelDesign Example(const char* name) {
    QString error;
    std::optional<LabelDesign> design =
        LoadDesignFile(QStringLiteral(QUILLMARK_EXAMPLES "/%1").arg(QLatin1String(name)), &error);
    EXPECT_TRUE(design) << error.toStdString();
    return design.value_or(LabelDesign{});
}

// The example's products, one record each, numbered by their CSV line.
std::vector<DesignRecord> Products() {
    QFile file(QStringLiteral(QUILLMARK_EXAMPLES "/products.csv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<CsvRecord> rows = ParseCsv(QString::fromUtf8(file.readAll()));
    std::vector<DesignRecord> records;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        records.push_back({static_cast<std::int64_t>(i - 1), rows[i].line, rows[i].fields});
    }
    return records;
}

QString Expand(const QString& text, const DesignSequence& sequence, std::int64_t index) {
    QString error;
    std::optional<FieldTemplate> fields = ParseTemplate(text, &error);
    EXPECT_TRUE(fields && BindTemplate(*fields, kColumns, &error)) << error.toStdString();
    const DesignRecord record{index, 2, {"Apples", "$2.49", "40170725"}};
    return fields ? ExpandTemplate(*fields, record, sequence, kToday) : QString();
}

} // namespace

// Columns, the sequence number with its start, step and padding, and the date
// fill a template; braces doubled are braces.
TEST(DesignFields, ExpandPerRecord) {
    const struct {
        const char* text;
        DesignSequence sequence;
        std::int64_t index;
        const char* expected;
    } cases[] = {
        {"{name} at {price}", {}, 0, "Apples at $2.49"},
        {"SKU {sku}{sku}", {}, 0, "SKU 4017072540170725"},
        {"No. {n}", {}, 0, "No. 1"},
        {"No. {n}", {100, 5, 5}, 2, "No. 00110"},
        {"{n}", {-3, 1, 3}, 0, "-003"},
        {"{date}", {}, 0, "2026-12-09"},
        {"best before {date:dd.MM.yyyy}", {}, 0, "best before 09.12.2026"},
        {"{{n}} is { n }", {7, 1, 0}, 1, "{n} is 8"},
        {"{n:1000} {n:,10} {n:,,4} {n}", {1, 1, 0}, 3, "1003 31 0004 4"},
        {"{n: 5 , -1 , 2 }", {}, 7, "-02"},
        {"{n:1000000000000,1000000000000}", {}, 9'300'000, "9223372036854775807"},
        {"", {}, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Expand(QString::fromUtf8(c.text), c.sequence, c.index),
                  QString::fromUtf8(c.expected));
    }
    const std::pair<const char*, const char*> faults[] = {
        {"{name", "the field begun at character 1 is not closed"},
        {"a {b {c}", "the field begun at character 3 is not closed"},
        {"a}b", "a \"}\" at character 2 closes no field"},
        {"x{ }", "the field at character 2 names nothing"},
        {"{colour}", "the field {colour} names no column of the data (name, price, sku)"},
        {"#{n:1,2,3,4}", "at character 2 numbers with \"n:1,2,3,4\": it takes a start"},
        {"{n:x}", "numbers with \"x\": a whole number from -1000000000000 to 1000000000000"},
        {"{n:1,1,19}", "numbers with \"19\": a whole number from 0 to 18"},
    };
    for (const auto& [text, expected] : faults) {
        SCOPED_TRACE(text);
        QString error;
        std::optional<FieldTemplate> fields = ParseTemplate(QString::fromUtf8(text), &error);
        if (fields) {
            EXPECT_FALSE(BindTemplate(*fields, kColumns, &error));
        }
        EXPECT_TRUE(error.contains(QLatin1String(expected))) << error.toStdString();
    }
}

// Shrinking to fit chooses the largest size, in its steps, whose measured
// width fits the box: the next step up is too wide. Without a floor, or below
// it, the text does not fit and the label is refused, naming record and object.
TEST(DesignFit, ShrinksToTheLargestSizeThatFits) {
    QString used;
    const QFont font = DesignFont(QStringLiteral("DejaVu Sans"), true, false, &used);
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter;
    const struct {
        const char* text;
        double width; // mils
        double size, floor;
        bool fits;
    } cases[] = {
        {"Apples", 2465, 12, 6, true},
        {"Extra Virgin Olive Oil 500 ml Cold Pressed Italian", 2465, 12, 6, true},
        {"Extra Virgin Olive Oil 500 ml Cold Pressed Italian", 2465, 12, 0, false},
        {"Extra Virgin Olive Oil 500 ml Cold Pressed Italian", 1000, 12, 6, false},
        {"W", 100, 40, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " in " << c.width << " mils");
        const QString text = QString::fromUtf8(c.text);
        const QSizeF box(c.width, 400);
        const std::optional<double> size = FittingSize(font, text, box, flags, c.size, c.floor);
        ASSERT_EQ(size.has_value(), c.fits);
        if (!size) {
            continue;
        }
        QFont sized = font;
        sized.setPointSizeF(*size);
        EXPECT_LE(TextExtent(sized, text, box.width(), flags).width(), c.width + 0.5);
        if (*size < c.size) {
            sized.setPointSizeF(*size + kShrinkStep);
            EXPECT_GT(TextExtent(sized, text, box.width(), flags).width(), c.width + 0.5);
        }
    }

    LabelDesign design = Example("shelf-label.qmd");
    design.objects[0].minSize = 11;    // the long name no longer fits
    design.objects[3].box.width = 0.5; // nor does any SKU's symbol
    design.objects[2].font = QStringLiteral("No Such Face Sans");
    const CDesignRun run(design, kColumns, kToday);
    ASSERT_TRUE(run.Fault().isEmpty()) << run.Fault().toStdString();
    ASSERT_EQ(run.Notes().size(), 1);
    EXPECT_TRUE(run.Notes()[0].startsWith(
        QStringLiteral("the font \"No Such Face Sans\" is not on this system; \"")));
    QStringList faults;
    EXPECT_FALSE(run.LayOut(Products()[5], &faults));
    ASSERT_EQ(faults.size(), 2);
    EXPECT_TRUE(faults[0].startsWith(
        QStringLiteral("line 7, object \"name\": \"Extra Virgin Olive Oil 500 ml Cold Pressed "
                       "Italian\" takes ")))
        << faults[0].toStdString();
    EXPECT_TRUE(faults[1].startsWith(
        QStringLiteral("line 7, object \"sku\": the symbol of \"40170770\" takes ")))
        << faults[1].toStdString();
    // Boxes stay inside the label's outline: an oval label has no corners to print in.
    std::string error;
    std::optional<SheetLayout> oval = ParseSheetLayout("letter-3x10", &error);
    ASSERT_TRUE(oval);
    oval->shape = LabelShape::Ellipse;
    const CDesignRun onOval(Example("shelf-label.qmd"), kColumns, kToday, oval);
    EXPECT_TRUE(onOval.Fault().startsWith(
        QStringLiteral("object \"name\": its box reaches past the label, 2.63 x 1.00 in")))
        << onOval.Fault().toStdString();
    // A character no font has is refused, not printed as an empty box.
    DesignRecord odd = Products()[0];
    const char32_t unknown = 0x10FFFD;
    odd.values[0] = QString::fromUcs4(&unknown, 1);
    faults.clear();
    EXPECT_FALSE(run.LayOut(odd, &faults));
    EXPECT_TRUE(faults.join('\n').contains(QStringLiteral("(U+10FFFD): no font here has it")));
    // A record without the barcode's data is refused, not printed without it.
    DesignRecord bare = Products()[0];
    bare.values[2].clear(); // sku
    faults.clear();
    EXPECT_FALSE(run.LayOut(bare, &faults));
    EXPECT_TRUE(faults.join('\n').contains(QStringLiteral("there is no data for the barcode")))
        << faults.join('\n').toStdString();
}

// The shelf example merged with its CSV: in the PDF every text is found by
// pdftotext inside its own box, and on a 300-dpi page every barcode reads as
// its SKU with both readers in its label, and OCR reads every price.
TEST(DesignExample, ShelfLabelsReadBackFromPdfAndBitmap) {
    const CDesignRun run(Example("shelf-label.qmd"), kColumns, kToday);
    ASSERT_TRUE(run.Fault().isEmpty());
    const std::vector<DesignRecord> records = Products();
    std::vector<LabelLayout> layouts;
    std::vector<const LabelLayout*> places;
    layouts.reserve(records.size());
    for (const DesignRecord& record : records) {
        QStringList faults;
        layouts.push_back(run.LayOut(record, &faults).value_or(LabelLayout{}));
        ASSERT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
        places.push_back(&layouts.back());
    }
    DesignPages pages;
    pages.stock = run.Stock();
    pages.labels = static_cast<std::int64_t>(records.size());
    ASSERT_EQ(DesignPageCount(pages), 1);

    const QImage page = RenderDesignPage(pages, places, 300, 300);
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(records[i].values[0].toStdString());
        const LabelPlace place = LabelAt(pages.stock, static_cast<int>(i));
        const QRect rect(qRound(place.x * 0.3) + 1, qRound(place.y * 0.3) + 1,
                         qRound(place.width * 0.3) - 2, qRound(place.height * 0.3) - 2);
        QImage field(rect.size() + QSize(150, 150), QImage::Format_Grayscale8);
        field.fill(Qt::white);
        QPainter(&field).drawImage(QPoint(75, 75), page.copy(rect));
        const GrayImage grey = ToGray(field);
        EXPECT_EQ(DecodeImage(grey, Symbology::Code128).text, records[i].values[2].toStdString());
        EXPECT_EQ(DecodeImageZbar(grey, Symbology::Code128).text,
                  records[i].values[2].toStdString());
    }

    QTemporaryDir dir;
    QFile pdf(dir.filePath(QStringLiteral("shelf.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    CDesignPdf writer(pages, 300, [&pdf](const QByteArray& b) { return pdf.write(b) == b.size(); });
    ASSERT_TRUE(writer.AddPage(places));
    ASSERT_TRUE(writer.Finish());
    pdf.close();
    const std::vector<PdfWord> words = PdfWords(pdf.fileName());
    if (words.empty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    constexpr double kPointsPerMil = 72.0 / 1000;
    constexpr double kSlackPoints = 1.5; // the font's ascent and descent past the line
    for (std::size_t i = 0; i < records.size(); ++i) {
        const LabelPlace place = LabelAt(pages.stock, static_cast<int>(i));
        for (const PlacedObject& object : layouts[i].objects) {
            if (object.kind != ObjectKind::Text) {
                continue;
            }
            const QRectF box = object.box.translated(place.x, place.y);
            const QRectF points(box.topLeft() * kPointsPerMil, box.size() * kPointsPerMil);
            const QRectF allowed =
                points.adjusted(-kSlackPoints, -kSlackPoints, kSlackPoints, kSlackPoints);
            for (const QString& expected : object.text.split(' ', Qt::SkipEmptyParts)) {
                SCOPED_TRACE(expected.toStdString());
                EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const PdfWord& word) {
                    return word.text == expected && allowed.contains(word.box);
                }));
            }
        }
    }

    if (QStandardPaths::findExecutable(QStringLiteral("tesseract")).isEmpty()) {
        GTEST_SKIP() << "tesseract (tesseract-ocr) is not installed: the page is not read by OCR";
    }
    const QString png = dir.filePath(QStringLiteral("page.png"));
    ASSERT_TRUE(page.save(png));
    // Sparse text: labels are words scattered over the page, not a column.
    const QString read =
        ToolOutput(QStringLiteral("tesseract"),
                   {png, QStringLiteral("-"), QStringLiteral("--dpi"), QStringLiteral("300"),
                    QStringLiteral("--psm"), QStringLiteral("11")});
    for (const DesignRecord& record : records) {
        EXPECT_TRUE(read.contains(record.values[1])) << record.values[1].toStdString() << " in\n"
                                                     << read.toStdString();
    }
    for (const char* name : {"Apples", "Sourdough Bread", "Bananas", "Whole Milk 1 gal"}) {
        EXPECT_TRUE(read.contains(QLatin1String(name))) << name;
    }
}
