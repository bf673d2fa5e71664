// File > Print Labels: what reaches the printer, read back as a scanner
// would, the printer's offset, the reasons printing is refused, each
// printer's stored offset, and the dialog's mnemonics.
#include "AppFixture.h"
#include "CalibrationDialog.h"
#include "LabelCatalog.h"
#include "LabelPrinterDialog.h"
#include "LabelPrinterStore.h"
#include "LabelPrinting.h"
#include "PrintLabelsDialog.h"
#include "PrinterOffset.h"
#include "QtImages.h"
#include "ResourceIds.h"
#include "SettingsStore.h"
#include "Translations.h"
#include "ZplWriter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Controls = CPrintLabelsDialog::Controls;

class PrintLabelsTest : public EmptyStoreTest {
protected:
    void SetUp() override {
        EmptyStoreTest::SetUp();
        printer.setOutputFormat(QPrinter::PdfFormat); // no printer of this machine
    }

    // The main window's Code 128 symbol, a third of an inch of bars.
    static RenderRequest Symbol() {
        RenderRequest symbol;
        symbol.symbology = SymbologyId::Code128;
        symbol.heightMils = 333;
        return symbol;
    }
    static void ChooseLayout(const Controls& ui, const char* name) {
        ui.layout->setCurrentIndex(ui.layout->findData(QString::fromLatin1(name)));
    }

    QPrinter printer{QPrinter::HighResolution};
};

// The pages the print routine paints, each onto a white page of grey at the
// resolution, as a printer of that resolution receives them.
std::vector<QImage> PaintedPages(const SheetJob& job, int dpi) {
    const QSize size(qRound(job.layout.pageWidth * dpi / 1000),
                     qRound(job.layout.pageHeight * dpi / 1000));
    std::vector<QImage> pages;
    const auto addPage = [&pages, size] {
        pages.emplace_back(size, QImage::Format_Grayscale8);
        pages.back().fill(Qt::white);
        return &pages.back();
    };
    QPainter painter(addPage());
    const PrintRun run = PaintSheetJob(
        painter, job, dpi, 0, SheetPageCount(job) - 1,
        [&] { return painter.end() && painter.begin(addPage()); }, nullptr);
    painter.end();
    EXPECT_EQ(run, PrintRun::Printed);
    return pages;
}

// The bounding box of the ink on a page.
QRect InkBounds(const QImage& page) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* line = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            if (line[x] < 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST_F(PrintLabelsTest, EveryLabelScansInItsPlaceAtThePrintersResolution) {
    CPrintLabelsDialog dialog(Symbol(), QString(), printer);
    const Controls& ui = dialog.Widgets();
    ChooseLayout(ui, "letter-3x10");
    ui.fromSequence->setChecked(true);
    ui.prefix->setText("QM-");
    ui.first->setText("98");
    ui.count->setValue(3);
    ui.digits->setValue(4);
    ui.copies->setValue(2);
    ui.startAt->setValue(28); // the last three places of a used sheet, then a new one
    dialog.Refresh();
    ASSERT_TRUE(dialog.Problems().isEmpty()) << dialog.Problems().join('\n').toStdString();
    const SheetJob& job = dialog.Job();
    // Page and place (from 0) of each label, in order; every other place is empty.
    const std::map<std::pair<int, int>, std::string> expected{
        {{0, 27}, "QM-0098"}, {{0, 28}, "QM-0098"}, {{0, 29}, "QM-0099"},
        {{1, 0}, "QM-0099"},  {{1, 1}, "QM-0100"},  {{1, 2}, "QM-0100"}};
    for (const int dpi : {300, 600}) {
        const std::vector<QImage> pages = PaintedPages(job, dpi);
        ASSERT_EQ(pages.size(), 2U) << dpi << " dpi";
        int read = 0;
        for (int page = 0; page < 2; ++page) {
            for (int place = 0; place < 30; ++place) {
                SCOPED_TRACE(testing::Message()
                             << dpi << " dpi, page " << page + 1 << ", place " << place + 1);
                const QImage label = pages[page].copy(LabelRectOnPage(job, place, dpi, dpi));
                const auto text = expected.find({page, place});
                if (text == expected.end()) {
                    EXPECT_TRUE(InkBounds(label).isEmpty()) << "an empty place";
                    continue;
                }
                const GrayImage scanned = ToGray(label);
                EXPECT_EQ(DecodeImage(scanned, Symbology::Code128).text, text->second);
                EXPECT_EQ(DecodeImageZbar(scanned, Symbology::Code128).text, text->second);
                ++read;
            }
        }
        EXPECT_EQ(read, 6);
    }
}

TEST_F(PrintLabelsTest, ThePrinterGetsTheStockAsItsPaperAndEachDotAsOneBit) {
    struct Row {
        const char* layout;
        const char* mediaBox; // in points
        int pages;            // 3 labels
    };
    const Row rows[] = {{"letter-3x10", "/MediaBox [0 0 612.000000 792.000000]", 1},
                        {"roll-2x1in", "/MediaBox [0 0 144.000000 72.000000]", 3}};
    const QTemporaryDir folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.layout);
        CPrintLabelsDialog dialog(Symbol(), QString(), printer);
        ChooseLayout(dialog.Widgets(), row.layout);
        dialog.Widgets().fromSequence->setChecked(true);
        dialog.Widgets().count->setValue(3);
        dialog.Refresh();
        const QString path = folder.filePath(QString::fromLatin1(row.layout) + ".pdf");
        printer.setOutputFileName(path);
        printer.setResolution(300);
        SetUpSheetPrinter(printer, dialog.Job().layout);
        EXPECT_EQ(printer.width(), qRound(dialog.Job().layout.pageWidth * 300 / 1000));
        EXPECT_EQ(printer.height(), qRound(dialog.Job().layout.pageHeight * 300 / 1000));
        ASSERT_EQ(PrintSheetJob(printer, dialog.Job(), 0, row.pages - 1, nullptr),
                  PrintRun::Printed);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        EXPECT_EQ(pdf.count(row.mediaBox), row.pages);
        EXPECT_EQ(pdf.count("/BitsPerComponent 1\n"), row.pages);
        EXPECT_FALSE(pdf.contains("/DCTDecode")) << "a lossy image blurs the bars";
    }
}

TEST_F(PrintLabelsTest, TheOffsetMovesEveryLabelByExactlyItsDots) {
    struct Row {
        int unit; // 0 mm, 1 in
        double right;
        double down;
        QPoint dots; // at 300 dpi
    };
    const Row rows[] = {
        {1, 0.1, 0.1, {30, 30}}, {0, -1.27, 2.54, {-15, 30}}, {1, 0, -0.05, {0, -15}}};
    CPrintLabelsDialog dialog(Symbol(), QStringLiteral("QM-7"), printer);
    const Controls& ui = dialog.Widgets();
    ChooseLayout(ui, "letter-3x10");
    ui.copies->setValue(30); // a whole sheet
    dialog.Refresh();
    const QRect unmoved = InkBounds(PaintedPages(dialog.Job(), 300).front());
    for (const Row& row : rows) {
        ui.offsetUnit->setCurrentIndex(row.unit);
        ui.offsetX->setValue(row.right);
        ui.offsetY->setValue(row.down);
        EXPECT_EQ(InkBounds(PaintedPages(dialog.Job(), 300).front()), unmoved.translated(row.dots))
            << row.right << ", " << row.down;
    }
}

TEST_F(PrintLabelsTest, PrintingWaitsUntilEveryLabelCanBeDrawnAndSaysWhy) {
    const QTemporaryDir folder;
    const auto file = [&folder](const char* name, const char* text) {
        QFile out(folder.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
        return out.fileName();
    };
    struct Row {
        const char* name;
        std::function<void(const Controls&)> set;
        const char* reason; // empty: printable
        const char* firstLine;
    };
    const Row rows[] = {
        {"lines", [&](const Controls& ui) { ui.file->setText(file("a.txt", "A1\nA\xc4\x80\n")); },
         "1 of 2", "line 2: character \"\xc4\x80\" (U+0100) at position 2"},
        {"an empty CSV text",
         [&](const Controls& ui) { ui.file->setText(file("b.csv", "text,caption\nA1,x\n,y\n")); },
         "1 of 2", "line 3: there is no text"},
        {"a symbol wider than its roll label",
         [](const Controls& ui) {
             ui.fromSequence->setChecked(true);
             ui.prefix->setText("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
             ChooseLayout(ui, "roll-2x1in");
         },
         "larger than its label: 10 of 10", "line 1: the symbol takes"},
        {"a caption over bars too tall for letter-3x10",
         [](const Controls& ui) {
             ui.fromSequence->setChecked(true);
             ui.caption->setText("Shelf 4");
             ChooseLayout(ui, "letter-3x10");
             ui.barHeight->setValue(0.75);
         },
         "larger than its label: 10 of 10", "line 1: the symbol takes"},
        {"the same with the bars lowered",
         [](const Controls& ui) {
             ui.fromSequence->setChecked(true);
             ui.caption->setText("Shelf 4");
             ChooseLayout(ui, "letter-3x10");
             ui.barHeight->setValue(0.5);
         },
         "", nullptr},
        {"a layout off its page",
         [](const Controls& ui) {
             ui.layout->setCurrentIndex(ui.layout->count() - 1);
             ui.customLayout->setText("page=4x6in,grid=1x1,label=5x1in");
         },
         "The layout cannot be used", nullptr},
        {"a file that is not there",
         [&](const Controls& ui) { ui.file->setText(folder.filePath("none.txt")); },
         "No labels: ", nullptr},
        {"good lines",
         [&](const Controls& ui) { ui.file->setText(file("c.txt", "A1\r\n\r\nB2\n")); }, "",
         nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QSettings().clear();
        CPrintLabelsDialog dialog(Symbol(), QString(), printer);
        const Controls& ui = dialog.Widgets();
        ui.fromFile->setChecked(true);
        row.set(ui);
        dialog.Refresh();
        const bool printable = *row.reason == '\0';
        EXPECT_EQ(ui.print->isEnabled(), printable);
        EXPECT_EQ(ui.printPreview->isEnabled(), printable);
        EXPECT_EQ(ui.reason->isHidden(), printable);
        EXPECT_TRUE(ui.reason->text().contains(row.reason)) << ui.reason->text().toStdString();
        EXPECT_EQ(ui.print->toolTip(), ui.reason->text());
        ASSERT_EQ(ui.refused->count() > 0, row.firstLine != nullptr);
        if (row.firstLine != nullptr) {
            EXPECT_TRUE(ui.refused->item(0)->text().startsWith(QString::fromUtf8(row.firstLine)))
                << ui.refused->item(0)->text().toStdString();
        }
    }
}

// A label file is read again at every check, and each CSV file keeps the
// columns chosen for it when the user switches to another and back.
TEST_F(PrintLabelsTest, LabelFilesAreReadAgainAndKeepTheirColumns) {
    const QTemporaryDir folder;
    const auto write = [&folder](const char* name, const char* text) {
        QFile out(folder.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
        return out.fileName();
    };
    QSettings().clear();
    CPrintLabelsDialog dialog(Symbol(), QString(), printer);
    const Controls& ui = dialog.Widgets();
    ui.fromFile->setChecked(true);
    const QString first = write("a.csv", "text,note\nA1,x\n");
    ui.file->setText(first);
    dialog.Refresh();
    ui.captionColumn->setCurrentText("note");
    write("a.csv", "text,note\nA1,x\nB2,y\n"); // edited after it was chosen
    dialog.Refresh();
    EXPECT_EQ(dialog.Job().labels.size(), 2U);
    ui.file->setText(write("b.csv", "text\nC3\n"));
    dialog.Refresh();
    ui.file->setText(first);
    dialog.Refresh();
    EXPECT_EQ(ui.captionColumn->currentText(), "note");
    ASSERT_FALSE(dialog.Job().labels.empty());
    EXPECT_EQ(dialog.Job().labels.front().caption, "x");
}

TEST_F(PrintLabelsTest, EachPrinterKeepsItsOwnOffset) {
    const std::pair<QString, PrinterOffset> printers[] = {
        {"Office Laser", {100, -50}},
        {"Office Laser 2", {0, 3.5}},
        {"lab/roll printer", {-1000, 1000}},
        {"", {12.5, 0}}, // PDF output
    };
    {
        QSettings store;
        for (const auto& [name, offset] : printers) {
            WritePrinterOffset(store, name, offset);
        }
        WritePrinterOffset(store, "far off", {5000, -1e9});
        store.setValue("PrinterOffset/hand-edited/X", "wide");
        store.setValue("PrinterOffset/hand-edited/Y", 1001);
    }
    QSettings store;
    for (const auto& [name, offset] : printers) {
        EXPECT_EQ(ReadPrinterOffset(store, name), offset) << name.toStdString();
    }
    EXPECT_EQ(ReadPrinterOffset(store, "far off"), (PrinterOffset{1000, -1000}));
    EXPECT_EQ(ReadPrinterOffset(store, "hand-edited"), PrinterOffset{});
    EXPECT_EQ(ReadPrinterOffset(store, "never set"), PrinterOffset{});
    // The dialog shows its printer's, in the unit chosen, and keeps its edits.
    CPrintLabelsDialog dialog(Symbol(), QString(), printer);
    const Controls& ui = dialog.Widgets();
    EXPECT_DOUBLE_EQ(ui.offsetX->value(), 0.318); // mm
    ui.offsetUnit->setCurrentIndex(1);
    EXPECT_DOUBLE_EQ(ui.offsetX->value(), 0.0125); // in
    ui.offsetY->setValue(-0.25);
    EXPECT_EQ(ReadPrinterOffset(store, QString()), (PrinterOffset{12.5, -250}));
}

// The stock list finds the built-in stock and the system's catalog by any
// words, and keeps the stock chosen while it is still found.
TEST_F(PrintLabelsTest, FindStockByPartNumberOrWords) {
    CPrintLabelsDialog dialog(Symbol(), QStringLiteral("QM-7"), printer);
    const Controls& ui = dialog.Widgets();
    ChooseLayout(ui, "a4-3x8");
    const auto listed = [&ui] {
        QStringList names;
        for (int i = 0; i < ui.layout->count(); ++i) {
            names << ui.layout->itemData(i).toString();
        }
        return names;
    };
    ui.findStock->setText("210 x 297 3 x 8");
    EXPECT_EQ(listed().first(), "a4-3x8");
    EXPECT_EQ(ui.layout->currentData().toString(), "a4-3x8");
    EXPECT_EQ(listed().last(), QString()) << "Custom stays last";
    if (SystemLabelCatalog().stock.empty()) {
        GTEST_SKIP() << "no label catalog installed (Debian: glabels-data)";
    }
    ui.findStock->setText("avery 5160");
    EXPECT_EQ(listed().first(), "Avery 5160");
    ui.layout->setCurrentIndex(0);
    dialog.Refresh();
    EXPECT_EQ(dialog.Job().layout.name, "Avery 5160");
    EXPECT_EQ(dialog.Job().layout.LabelsPerSheet(), 30);
    ui.findStock->setText("L7160");
    EXPECT_EQ(listed(), QStringList({"Avery L7160", QString()}));
}

// To label printer: every label's own dots in ZPL, the first alone and
// outlined as a test label, the settings kept as that printer's profile.
TEST_F(PrintLabelsTest, LabelPrinterGetsEachLabelsDotsInItsLanguage) {
    CPrintLabelsDialog dialog(Symbol(), QStringLiteral("QM-7"), printer);
    const Controls& ui = dialog.Widgets();
    ui.fromSequence->setChecked(true);
    ui.count->setValue(3);
    ChooseLayout(ui, "roll-2x1in");
    dialog.Refresh();
    ASSERT_TRUE(ui.labelPrinter->isEnabled());
    const QTemporaryDir folder;
    const QString path = folder.filePath("labels.zpl");
    CLabelPrinterDialog send(dialog.Job(), nullptr);
    send.DestinationKind()->setCurrentIndex(CLabelPrinterDialog::kFile);
    send.Target()->setCurrentText("");
    EXPECT_FALSE(send.Send(false));
    EXPECT_TRUE(send.LastError().contains("Name the printer")) << send.LastError().toStdString();
    send.Target()->setCurrentText(path);
    send.Resolution()->setCurrentIndex(1); // 300 dpi
    send.Darkness()->setValue(20);
    const PrinterProfile profile = send.Profile();
    for (const bool test : {false, true}) {
        SCOPED_TRACE(test ? "test label" : "labels");
        ASSERT_TRUE(send.Send(test)) << send.LastError().toStdString();
        SheetJob job = dialog.Job();
        if (test) {
            job.labels.resize(1);
            job.outlines = true;
        }
        QByteArray expected;
        for (int page = 0; page < SheetPageCount(job); ++page) {
            expected += ZplLabel(RenderSheetPage(job, page, 300, 300), profile);
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), expected);
        EXPECT_EQ(expected.count("^XA"), test ? 1 : 3);
    }
    QSettings store;
    const std::optional<PrinterProfile> kept = ReadLabelPrinter(store, path);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->dpi, 300);
    EXPECT_EQ(kept->darkness, 20);
}

// What is measured on the calibration page becomes the printer's offset and
// scale, kept for it and shown beside its offset.
TEST_F(PrintLabelsTest, CalibrationMeasuresBecomeThePrintersCorrection) {
    CPrintLabelsDialog dialog(Symbol(), QStringLiteral("QM-7"), printer);
    const Controls& ui = dialog.Widgets();
    ChooseLayout(ui, "letter-3x10");
    dialog.Refresh();
    // Lengths drawn 1.5 % short across, the crosshair (12.7 mm in) at 13.5 mm.
    WhenModalOpens([](QWidget& modal) {
        auto& calibration = dynamic_cast<CCalibrationDialog&>(modal);
        const double measures[] = {13.5, 12.7, 98.5, 100.0};
        for (int field = 0; field < 4; ++field) {
            calibration.Measure(field)->setValue(measures[field]);
        }
        calibration.accept();
    });
    ui.calibrate->click();
    QSettings store;
    const PrinterOffset stored = ReadPrinterOffset(store, QString());
    EXPECT_NEAR(stored.scaleX, 1 / 0.985, 1e-6);
    EXPECT_NEAR(stored.x, -(13.5 - 12.7 * 0.985) / 0.985 * 1000 / 25.4, 0.01); // mils
    EXPECT_NEAR(stored.scaleY, 1, 1e-6);
    EXPECT_NEAR(stored.y, 0, 0.1);
    EXPECT_TRUE(ui.offsetPrinter->text().contains("101.52 %"))
        << ui.offsetPrinter->text().toStdString();
}

TEST_F(PrintLabelsTest, ThePreviewLeavesTheProgramsPrinterAsItWas) {
    printer.setPageSize(QPageSize(QPageSize::A5));
    const QPageLayout before = printer.pageLayout();
    CPrintLabelsDialog dialog(Symbol(), QStringLiteral("QM-1"), printer);
    dialog.Widgets().copies->setValue(31); // two sheets
    QSizeF previewed;
    WhenModalOpens([&](QWidget& preview) {
        previewed = printer.pageLayout().fullRect(QPageLayout::Inch).size();
        preview.close();
    });
    dialog.PrintPreview();
    EXPECT_EQ(previewed, QSizeF(8.5, 11)) << "the stock's paper while it shows";
    EXPECT_TRUE(printer.pageLayout().isEquivalentTo(before));
    EXPECT_FALSE(printer.fullPage());
}

// A preview keeps its sheets in memory: a long run is drawn coarser to show
// every sheet, and only one too long even at 100 dpi shows its first ones.
TEST(PrintPreviewPlan, ShowsEverySheetItCanHold) {
    const struct {
        const char* stock;
        int sheets;
        int printerDpi;
        PreviewPlan plan;
    } rows[] = {
        {"letter-3x10", 1, 600, {300, 1}},      {"letter-3x10", 1, 96, {96, 1}},
        {"letter-3x10", 50, 300, {300, 50}},    {"letter-3x10", 334, 600, {131, 334}},
        {"letter-3x10", 5000, 600, {100, 574}}, {"roll-4x6in", 10000, 203, {100, 2236}},
    };
    for (const auto& row : rows) {
        const SheetLayout* stock = nullptr;
        for (const SheetLayout& layout : BuiltInSheets()) {
            stock = layout.name == row.stock ? &layout : stock;
        }
        ASSERT_NE(stock, nullptr) << row.stock;
        const PreviewPlan plan = PlanPreview(*stock, row.sheets, row.printerDpi);
        EXPECT_EQ(plan.dpi, row.plan.dpi) << row.stock << " " << row.sheets;
        EXPECT_EQ(plan.sheets, row.plan.sheets) << row.stock << " " << row.sheets;
    }
}

// File > Print Labels takes the main window's symbol and Text field.
class PrintLabelsCommandTest : public ShownAppTest {};

TEST_F(PrintLabelsCommandTest, OpensOnTheMainWindowsSymbol) {
    panel->TextEdit()->setText("QM-42");
    std::optional<SheetJob> job;
    WhenModalOpens([&job](QWidget& modal) {
        if (auto* dialog = qobject_cast<CPrintLabelsDialog*>(&modal); dialog != nullptr) {
            job = dialog->Job();
        }
        modal.close();
    });
    EXPECT_TRUE(frame->QueryCommandState(ids::kFilePrintLabels).enabled);
    EXPECT_TRUE(frame->RouteCommand(ids::kFilePrintLabels));
    ASSERT_TRUE(job.has_value());
    EXPECT_EQ(static_cast<int>(job->symbol.symbology), view->Symbology());
    EXPECT_EQ(job->symbol.zoom, 1);
    ASSERT_EQ(job->labels.size(), 1U);
    EXPECT_EQ(job->labels.front().text, "QM-42");
}

} // namespace
