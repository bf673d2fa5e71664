// Label stock from the system's label catalog, continuous rolls and the
// printer's scale correction, read back as a scanner reads the page.
#include "LabelCatalog.h"
#include "Calibration.h"
#include "SheetReading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kMilsPerPoint = 1000.0 / 72;
constexpr double kMilsPerMm = 1000.0 / 25.4;

// The extent of the ink in a part of a 1-bit page across: first and last
// columns holding a black dot, or (-1, -1).
std::pair<int, int> InkAcross(const QImage& page, const QRect& part) {
    int first = -1;
    int last = -1;
    for (int x = part.left(); x <= part.right(); ++x) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            if (IsInk(page, x, y)) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

// Published layouts, as the installed catalog gives them (lengths in mils):
// each label read back in its place at 300 dpi, centred across to a hundredth
// of an inch.
TEST(LabelCatalog, StockKeepsItsPublishedLayout) {
    if (SystemLabelCatalog().stock.empty()) {
        GTEST_SKIP() << "no label catalog installed (Debian: glabels-data)";
    }
    const struct {
        const char* name;
        LabelShape shape;
        double pageWidth, pageHeight;
        int columns, rows;
        double labelWidth, labelHeight, left, top, pitchX, pitchY, margin;
    } rows[] = {
        // Avery's US address labels, 2 5/8 x 1 in, 30 a sheet.
        {"avery 5160", LabelShape::Rectangle, 8500, 11000, 3, 10, 2625, 1000, 156.25, 500, 2781.25,
         1000, 62.5},
        // Its A4 counterpart L7160, 21 a sheet, given in points as an
        // equivalent of 7160.
        {"Avery L7160", LabelShape::Rectangle, 210 * kMilsPerMm, 297 * kMilsPerMm, 3, 7,
         181.4 * kMilsPerPoint, 108 * kMilsPerPoint, 21.2 * kMilsPerPoint, 43.9 * kMilsPerPoint,
         187.2 * kMilsPerPoint, 108 * kMilsPerPoint, 5 * kMilsPerPoint},
        // Round labels of 1 5/8 in, 24 a sheet.
        {"Avery 5193", LabelShape::Round, 8500, 11000, 4, 6, 1625, 1625, 415.7, 549, 2014.5, 1655.4,
         62.5},
        // Oval labels of 2 x 1 in, 27 a sheet.
        {"Begalabel V-200", LabelShape::Ellipse, 8500, 11000, 3, 9, 2000, 1000, 1000, 500, 2250,
         1125, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string error;
        const std::optional<SheetLayout> layout = ParseStock(row.name, &error);
        ASSERT_TRUE(layout) << error;
        EXPECT_EQ(layout->shape, row.shape);
        EXPECT_EQ(layout->columns, row.columns);
        EXPECT_EQ(layout->rows, row.rows);
        const double got[] = {layout->pageWidth,   layout->pageHeight, layout->labelWidth,
                              layout->labelHeight, layout->left,       layout->top,
                              layout->pitchX,      layout->pitchY,     layout->margin};
        const double want[] = {row.pageWidth,   row.pageHeight, row.labelWidth,
                               row.labelHeight, row.left,       row.top,
                               row.pitchX,      row.pitchY,     row.margin};
        for (std::size_t i = 0; i < std::size(got); ++i) {
            EXPECT_NEAR(got[i], want[i], 0.01) << "length " << i;
        }
        SheetJob job = NumberedJob("letter-3x10", layout->LabelsPerSheet());
        job.layout = *layout;
        job.symbol.heightMils = 250;
        job.labels.resize(std::min<std::size_t>(job.labels.size(), 6)); // short enough for 5193
        for (SheetLabel& label : job.labels) {
            label.text = label.text.substr(5); // "001"
        }
        ASSERT_EQ(LabelsThatDoNotFit(job), QStringList());
        constexpr int kDpi = 300;
        const QImage page = RenderSheetPage(job, 0, kDpi, kDpi);
        ExpectPageReads(job, 0, page, kDpi);
        for (int place = 0; place < static_cast<int>(job.labels.size()); ++place) {
            const QRect label = LabelRectOnPage(job, place, kDpi, kDpi);
            const auto [first, last] = InkAcross(page, label.adjusted(2, 2, -2, -2));
            const double off = (first + last + 1) / 2.0 - (label.left() + label.width() / 2.0);
            EXPECT_LE(std::abs(off), 0.01 * kDpi) << "label " << place + 1;
        }
    }
}

// A damaged template, one of an unknown shape or size, or a damaged file,
// costs only what it holds, with a note naming the file and line; the
// search takes any words, in any case.
TEST(LabelCatalog, DamageCostsOnlyTheTemplateAndSearchFindsByAnyWords) {
    const QTemporaryDir folder;
    const auto write = [&folder](const char* name, const char* text) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("paper-sizes.xml", R"(<Glabels-paper-sizes>
  <Paper-size id="Tiny" width="4in" height="6in"/>
</Glabels-paper-sizes>)");
    write("a-templates.xml", R"(<Glabels-templates>
  <Template brand="Acme" part="A1" size="Tiny" _description="Shipping labels">
    <Label-rectangle width="4in" height="3in"><Layout nx="1" ny="2" x0="0" y0="0" dx="4in" dy="3in"/></Label-rectangle>
  </Template>
  <Template brand="Acme" part="A2" size="Tiny" _description="Bad">
    <Label-rectangle width="4in" height="3in"><Layout nx="1" ny="2" x0="" y0="0" dx="4in" dy="3in"/></Label-rectangle>
  </Template>
  <Template brand="Acme" part="A3" size="Huge" _description="Bad paper">
    <Label-rectangle width="1in" height="1in"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-rectangle>
  </Template>
  <Template brand="Acme" part="A4" size="Tiny"><Label-star/></Template>
  <Template brand="Acme" part="A5" equiv="A1"/>
  <Template brand="Acme" part="A6" size="Tiny" _description="Dots">
    <Label-round radius="10mm"><Markup-margin size="2pc"/><Layout nx="2" ny="1" x0="0.5cm" y0="1cm" dx="3cm"/></Label-round>
  </Template>
</Glabels-templates>)");
    write("b-templates.xml", R"(<Glabels-templates>
  <Template brand="Beta" part="B1" size="Tiny" _description="Fine">
    <Label-ellipse width="2in" height="1in"><Layout nx="1" ny="1" x0="1in" y0="1in"/></Label-ellipse>
  </Template>
  <Template brand="Beta" part="B2" size="Tiny">
    <Label-rectangle width="1in")");
    const LabelCatalog catalog = ReadLabelCatalog({folder.path()});
    QStringList names;
    for (const CatalogStock& stock : catalog.stock) {
        names << QString::fromStdString(stock.layout.name) + u'|' + stock.description;
    }
    EXPECT_EQ(names, QStringList({"Acme A1|Shipping labels", "Acme A5|Shipping labels",
                                  "Acme A6|Dots", "Beta B1|Fine"}));
    ASSERT_EQ(catalog.notes.size(), 4) << catalog.notes.join('\n').toStdString();
    EXPECT_TRUE(catalog.notes[0].endsWith("a-templates.xml: line 5: x0=\"\" is no length"));
    EXPECT_TRUE(catalog.notes[1].endsWith("line 8: unknown paper size \"Huge\""));
    EXPECT_TRUE(catalog.notes[2].endsWith("line 11: unknown element <Label-star>"));
    EXPECT_TRUE(catalog.notes[3].contains("b-templates.xml: line 6: "))
        << catalog.notes[3].toStdString();
    const SheetLayout& dots = catalog.stock[2].layout;
    EXPECT_NEAR(dots.labelWidth, 20 * kMilsPerMm, 0.01);
    EXPECT_NEAR(dots.left, 5 * kMilsPerMm, 0.01);
    EXPECT_NEAR(dots.pitchX, 30 * kMilsPerMm, 0.01);
    EXPECT_NEAR(dots.margin, 24 * kMilsPerPoint, 0.01);

    const struct {
        QStringList words;
        QStringList found;
    } searches[] = {
        {{"a1"}, {"Acme A1"}},
        {{"LABELS", "acme"}, {"Acme A1", "Acme A5"}},
        {{}, {"Acme A1", "Acme A5", "Acme A6", "Beta B1"}},
        {{"fine", "acme"}, {}},
    };
    for (const auto& search : searches) {
        QStringList found;
        for (const CatalogStock* stock : FindStock(catalog, search.words)) {
            found << QString::fromStdString(stock->layout.name);
        }
        EXPECT_EQ(found, search.found) << search.words.join(' ').toStdString();
    }
    EXPECT_EQ(StockNamed(catalog, "  beta   b1 "), &catalog.stock[3]);
    EXPECT_EQ(StockNamed(catalog, "Beta"), nullptr);
}

// A continuous roll's label is as long as its content and a tenth of an
// inch at each end; the printer's scale correction moves each label by the
// measured amount, its symbol still on whole dots and still read.
TEST(LabelSheet, ContinuousRollsAndScaleCorrection) {
    SheetJob roll = NumberedJob("continuous-62mm", 3);
    EXPECT_TRUE(roll.layout.continuous);
    FitContinuousLength(roll);
    EXPECT_NEAR(roll.layout.pageWidth, 62 * kMilsPerMm, 0.01);
    EXPECT_EQ(roll.layout.pageHeight, roll.layout.labelHeight);
    // 0.75 in of bars, the text below them, and two tenths.
    EXPECT_GT(roll.layout.pageHeight, 950);
    EXPECT_LT(roll.layout.pageHeight, 1150);
    EXPECT_EQ(SheetPageCount(roll), 3);
    ExpectPageReads(roll, 2, RenderSheetPage(roll, 2, 203, 203), 203);
    std::string error;
    EXPECT_FALSE(ParseSheetLayout("continuous-62", &error));
    EXPECT_NE(error.find("continuous-62mm"), std::string::npos) << error;

    SheetJob job = NumberedJob("letter-3x10", 30);
    constexpr int kDpi = 300;
    const QRect plain = LabelRectOnPage(job, 29, kDpi, kDpi);
    job.scaleX = 1.01; // the printer drew 100 mm as 99.01 mm across
    job.scaleY = 0.99;
    const QRect scaled = LabelRectOnPage(job, 29, kDpi, kDpi);
    const LabelPlace last = LabelAt(job.layout, 29);
    EXPECT_NEAR(scaled.left() - plain.left(), 0.01 * last.x * kDpi / 1000, 1);
    EXPECT_NEAR(scaled.top() - plain.top(), -0.01 * last.y * kDpi / 1000, 1);
    ExpectPageReads(job, 0, RenderSheetPage(job, 0, kDpi, kDpi), kDpi);
}

} // namespace

namespace {

// A printer that draws every length 1.5 % short and the page 1.2 mm right
// and 0.8 mm up: what is measured on its calibration page gives the
// correction that puts each mark back where it belongs, in either unit;
// measures a ruler cannot give are refused.
TEST(Calibration, MeasuresGiveTheCorrectionThatUndoesThePrinter) {
    std::string error;
    const SheetLayout letter = *ParseSheetLayout("letter-3x10", &error);
    const auto printed = [](double mils, double scale, double shift) {
        return mils * scale + shift;
    };
    constexpr double kScale = 0.985;
    const double shiftX = 1.2 * kMilsPerMm;
    const double shiftY = -0.8 * kMilsPerMm;
    for (const bool inches : {false, true}) {
        const CalibrationMarks marks = CalibrationMarksFor(letter, inches);
        EXPECT_NEAR(marks.across, inches ? 4000 : 100 * kMilsPerMm, 0.01);
        const CalibrationMeasures measured{printed(marks.origin, kScale, shiftX),
                                           printed(marks.origin, kScale, shiftY),
                                           marks.across * kScale, marks.down * kScale};
        const std::optional<PrintCorrection> correction = CorrectionFrom(marks, measured);
        ASSERT_TRUE(correction);
        for (const double x : {0.0, 1234.5, 8000.0}) {
            const double there = x * correction->scaleX + correction->offsetX;
            EXPECT_NEAR(printed(there, kScale, shiftX), x, 1e-6);
            const double down = x * correction->scaleY + correction->offsetY;
            EXPECT_NEAR(printed(down, kScale, shiftY), x, 1e-6);
        }
    }
    const CalibrationMarks marks = CalibrationMarksFor(letter, false);
    EXPECT_FALSE(CorrectionFrom(marks, {500, 500, marks.across * 0.8, marks.down}));
    EXPECT_FALSE(CorrectionFrom(marks, {0, 500, marks.across, marks.down}));
    // A small roll label gets shorter marks; the page shows the ones it has.
    const CalibrationMarks small =
        CalibrationMarksFor(*ParseSheetLayout("roll-2x1in", &error), true);
    EXPECT_GT(small.down, 0);
    const QImage page = RenderCalibrationPage(letter, 300, 300);
    EXPECT_TRUE(IsInk(page, 150, 150)) << "the crosshair";
    page.save("/tmp/calib.png");
}

} // namespace
