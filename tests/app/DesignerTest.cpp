#include "AppFixture.h"
#include "DesignCanvas.h"
#include "DesignDataPanel.h"
#include "DesignFile.h"
#include "DesignProperties.h"
#include "DesignerWindow.h"
#include "LabelPrinting.h"
#include "PdfWords.h"
#include "PrintLabelsDialog.h"
#include "RecentDesigns.h"
#include "SheetReading.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

const QString kShelfDesign = QStringLiteral(QUILLMARK_EXAMPLES "/shelf-label.qmd");
const QString kProducts = QStringLiteral(QUILLMARK_EXAMPLES "/products.csv");

using DesignerTest = ShownAppTest;

// A designer on the shelf example with its products, shown; its changes are
// never asked about when it closes.
struct ShelfDesigner {
    explicit ShelfDesigner(const QString& data = kProducts) {
        DesignerStart start;
        start.design = *LoadDesignFile(kShelfDesign, nullptr);
        start.path = kShelfDesign;
        start.source = DesignSourceKind::Csv;
        start.dataFile = data;
        window = std::make_unique<CDesignerWindow>(start);
        window->show();
        QApplication::processEvents();
    }
    ~ShelfDesigner() { window->Undo().setClean(); }
    std::unique_ptr<CDesignerWindow> window;
};

// The centre of a box, or its bottom-right corner, on the canvas.
QPoint CentreOf(const CDesignCanvas& canvas, const DesignObject& object) {
    return canvas.BoxRect(object.box).center().toPoint();
}
QPoint CornerOf(const CDesignCanvas& canvas, const DesignObject& object) {
    return canvas.BoxRect(object.box).bottomRight().toPoint();
}

void Drag(CDesignCanvas& canvas, QPoint from, QPoint by) {
    QTest::mousePress(&canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(&canvas, from + by / 2);
    QTest::mouseMove(&canvas, from + by);
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, from + by);
}

// Each edit through the designer changes what it should; all of them undo to
// the design opened and redo to the edited one, which is saved and reopened
// equal.
TEST_F(DesignerTest, EditsUndoRedoSaveAndReopen) {
    ShelfDesigner shelf;
    CDesignerWindow& designer = *shelf.window;
    CDesignCanvas& canvas = *designer.Canvas();
    const LabelDesign original = designer.Design();
    using Check = std::function<bool(const LabelDesign& before, const LabelDesign& after)>;
    const auto box = [](const LabelDesign& d, std::size_t i) { return d.objects.at(i).box; };
    const struct {
        const char* name;
        std::function<void()> act;
        Check changed;
    } steps[] = {
        {"click and drag the barcode",
         [&] {
             Drag(canvas, CentreOf(canvas, designer.Design().objects[3]), {-30, 0});
         },
         [&](const LabelDesign& b, const LabelDesign& a) {
             return canvas.Selected() == 3 && box(a, 3).x < box(b, 3).x &&
                    box(a, 3).y == box(b, 3).y;
         }},
        {"add a text", [&] { designer.AddObject(ObjectKind::Text); },
         [](const LabelDesign& b, const LabelDesign& a) {
             return a.objects.size() == b.objects.size() + 1 &&
                    a.objects.back().kind == ObjectKind::Text;
         }},
        {"Right, after Select Next Object from the keyboard",
         [&] {
             canvas.Select(3);
             QTest::keyClick(&designer, Qt::Key_E, Qt::AltModifier);
             QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_N);
             QTest::keyClick(&canvas, Qt::Key_Right);
         },
         [&](const LabelDesign& b, const LabelDesign& a) {
             return qFuzzyCompare(box(a, 4).x, box(b, 4).x + 0.01);
         }},
        {"Shift+Down", [&] { QTest::keyClick(&canvas, Qt::Key_Down, Qt::ShiftModifier); },
         [&](const LabelDesign& b, const LabelDesign& a) {
             return qFuzzyCompare(box(a, 4).y, box(b, 4).y + 0.1);
         }},
        {"resize by the corner",
         [&] {
             Drag(canvas, CornerOf(canvas, designer.Design().objects[4]), {40, 20});
         },
         [&](const LabelDesign& b, const LabelDesign& a) {
             return box(a, 4).x == box(b, 4).x && box(a, 4).width > box(b, 4).width &&
                    box(a, 4).height > box(b, 4).height;
         }},
        {"size in the panel", [&] { designer.Properties()->Widgets().size->setValue(14); },
         [](const LabelDesign&, const LabelDesign& a) { return a.objects[4].size == 14; }},
        {"a line stays across",
         [&] {
             canvas.Select(1);
             Drag(canvas, CornerOf(canvas, designer.Design().objects[1]), {-40, 20});
         },
         [&](const LabelDesign& b, const LabelDesign& a) {
             return box(a, 1).height == 0 && box(a, 1).width < box(b, 1).width;
         }},
        {"and turns down for a height typed",
         [&] { designer.Properties()->Widgets().height->setValue(0.5); },
         [&](const LabelDesign&, const LabelDesign& a) {
             return box(a, 1).width == 0 && box(a, 1).height == 0.5;
         }},
        {"the barcode's narrow bar",
         [&] {
             canvas.Select(3);
             designer.Properties()->Widgets().density->setValue(13);
         },
         [](const LabelDesign&, const LabelDesign& a) { return a.objects[3].density == 13; }},
        {"millimetres", [&] { designer.SetUnit(DesignUnit::Millimetre); },
         [&](const LabelDesign& b, const LabelDesign& a) {
             return a.unit == DesignUnit::Millimetre &&
                    std::abs(box(a, 4).width - box(b, 4).width * 25.4) < 0.006;
         }},
        {"the numbers' start",
         [&] { designer.findChild<QDoubleSpinBox*>("sequenceStart")->setValue(1000); },
         [](const LabelDesign&, const LabelDesign& a) { return a.sequence.start == 1000; }},
    };
    for (const auto& step : steps) {
        const LabelDesign before = designer.Design();
        step.act();
        EXPECT_TRUE(step.changed(before, designer.Design())) << step.name;
    }
    const LabelDesign edited = designer.Design();
    EXPECT_EQ(designer.Undo().count(), 10); // the two key moves are one edit
    EXPECT_TRUE(designer.isWindowModified());
    // Ctrl+Z undoes; Ctrl+Shift+Z and Ctrl+Y redo.
    designer.activateWindow();
    for (int i = 0; i < designer.Undo().count(); ++i) {
        QTest::keySequence(&canvas, QKeySequence("Ctrl+Z"));
    }
    EXPECT_EQ(designer.Design(), original);
    for (int i = 0; i < designer.Undo().count(); ++i) {
        QTest::keySequence(&canvas, QKeySequence(i % 2 == 0 ? "Ctrl+Shift+Z" : "Ctrl+Y"));
    }
    EXPECT_EQ(designer.Design(), edited);

    // A stock no design file takes is refused where it is typed.
    auto* stock = designer.findChild<QLineEdit*>("stock");
    stock->setText("no-such-stock");
    WhenModalOpens([](QWidget& box) { box.close(); });
    emit stock->editingFinished();
    EXPECT_EQ(designer.Design(), edited);
    EXPECT_EQ(stock->text(), "letter-3x10");

    QTemporaryDir dir;
    const QString path = dir.filePath("edited.qmd");
    ASSERT_TRUE(designer.Save(path));
    EXPECT_FALSE(designer.isWindowModified());
    EXPECT_EQ(LoadDesignFile(path, nullptr), edited);
    CDesignerWindow reopened(DesignerStart{});
    ASSERT_TRUE(reopened.OpenFile(path));
    EXPECT_EQ(reopened.Design(), edited);

    // Closing with changes asks first: Cancel keeps the window, Save keeps the edit.
    designer.DeleteSelected();
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Save}) {
        WhenModalOpens(
            [answer](QWidget& box) { static_cast<QMessageBox&>(box).button(answer)->click(); });
        EXPECT_EQ(designer.close(), answer == QMessageBox::Save);
    }
    EXPECT_EQ(LoadDesignFile(path, nullptr), designer.Design());
    EXPECT_EQ(designer.Design().objects.size(), edited.objects.size() - 1);
}

// What the designer prints and exports: every label's barcode read by both
// readers from the printed page, every product's name found in the PDF; the
// record stepper shows each record's label.
TEST_F(DesignerTest, PrintedPagesReadBack) {
    ShelfDesigner shelf;
    CDesignerWindow& designer = *shelf.window;
    designer.DataPanel()->SetRecord(1);
    EXPECT_EQ(designer.DataPanel()->Widgets().position->text(), "2/8");
    EXPECT_EQ(designer.Faults(), QStringList());
    // A record whose name cannot fit its box is named, and nothing is exported.
    designer.Canvas()->Select(0);
    designer.Properties()->Widgets().width->setValue(0.3);
    EXPECT_TRUE(designer.Faults().join('\n').startsWith("line 3, object \"name\""))
        << designer.Faults().join('\n').toStdString();
    QTemporaryDir dir;
    WhenModalOpens([](QWidget& box) { box.close(); });
    EXPECT_FALSE(designer.ExportPdf(dir.filePath("refused.pdf")));
    EXPECT_FALSE(QFile::exists(dir.filePath("refused.pdf")));
    designer.Undo().undo();
    const DesignJob job = designer.Job();
    ASSERT_NE(job.run, nullptr);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printer.setResolution(300);
    SetUpSheetPrinter(printer, job.pages.stock);
    ASSERT_EQ(PrintPageImages(
                  printer, job.pages.stock, 0, 0,
                  [&job](int page, int dpi) { return DesignJobPage(job, page, dpi); }, nullptr),
              PrintRun::Printed);
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", "300", "-mono", "-png", "-singlefile",
                                           dir.filePath("printed.pdf"), dir.filePath("page")}),
              0);
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    ASSERT_TRUE(designer.ExportPdf(dir.filePath("exported.pdf")));
    const std::vector<PdfWord> words = PdfWords(dir.filePath("exported.pdf"));
    for (std::size_t i = 0; i < job.records->size(); ++i) {
        const DesignRecord& record = (*job.records)[i];
        SCOPED_TRACE(record.values[0].toStdString());
        const LabelPlace at = LabelAt(job.pages.stock, static_cast<int>(i));
        const QRect rect = QRectF(at.x * 0.3, at.y * 0.3, at.width * 0.3, at.height * 0.3).toRect();
        const LabelReading read = ReadLabelAt(page, rect, 300, Symbology::Code128);
        EXPECT_EQ(read.zxing, record.values[2].toStdString());
        EXPECT_EQ(read.zbar, record.values[2].toStdString());
        for (const QString& word : record.values[0].split(' ', Qt::SkipEmptyParts)) {
            EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const PdfWord& w) {
                return w.text == word;
            })) << word.toStdString();
        }
    }
}

// Designs saved are listed newest first in the File menu, and one chosen
// there opens in a designer; Save Label Design acts on the designer open.
TEST_F(DesignerTest, RecentDesignsInTheFileMenu) {
    QTemporaryDir dir;
    ShelfDesigner shelf;
    ASSERT_TRUE(shelf.window->Save(dir.filePath("a.qmd")));
    ASSERT_TRUE(shelf.window->Save(dir.filePath("b.qmd")));
    EXPECT_EQ(RecentDesigns(), QStringList({dir.filePath("b.qmd"), dir.filePath("a.qmd")}));

    QMenu* file = frame->menuBar()->actions().first()->menu();
    QMenu* recent = file->findChild<QMenu*>("recentDesigns");
    ASSERT_NE(recent, nullptr);
    emit file->aboutToShow();
    EXPECT_TRUE(file->findChild<QAction*>("saveLabelDesign")->isEnabled());
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_TRUE(recent->actions()[0]->text().endsWith("b.qmd"));
    recent->actions()[1]->trigger();
    Settle();
    const auto designers = frame->findChildren<CDesignerWindow*>();
    ASSERT_EQ(designers.size(), 1);
    EXPECT_EQ(designers[0]->Path(), dir.filePath("a.qmd"));
    EXPECT_EQ(designers[0]->Design(), shelf.window->Design());

    // Closing the main window closes its designers first; one kept open keeps it open.
    designers[0]->Canvas()->Select(0);
    designers[0]->DeleteSelected();
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Discard}) {
        WhenModalOpens(
            [answer](QWidget& box) { static_cast<QMessageBox&>(box).button(answer)->click(); });
        EXPECT_EQ(frame->close(), answer == QMessageBox::Discard);
    }
}

// Design... in Print Labels goes on in the designer with the dialog's
// stock, symbol, data and caption, and the label it makes prints as it is.
TEST_F(DesignerTest, PrintLabelsSeedsTheDesigner) {
    using Controls = CPrintLabelsDialog::Controls;
    const struct {
        const char* name;
        std::function<void(CPrintLabelsDialog&)> choose;
        const char* data;
        const char* caption; // none: no text object
        DesignSourceKind source;
    } rows[] = {
        {"the Text field", [](CPrintLabelsDialog& d) { d.Widgets().caption->setText("Bin {3}"); },
         "QM-7", "Bin {{3}}", DesignSourceKind::Sequence},
        {"a sequence",
         [](CPrintLabelsDialog& d) {
             const Controls& ui = d.Widgets();
             ui.fromSequence->setChecked(true);
             ui.prefix->setText("ITEM-");
             ui.caption->clear(); // kept from the row before
         },
         "ITEM-{n}", nullptr, DesignSourceKind::Sequence},
        {"a CSV file",
         [](CPrintLabelsDialog& d) {
             const Controls& ui = d.Widgets();
             ui.fromFile->setChecked(true);
             ui.file->setText(kProducts);
             d.Refresh(); // reads the file's columns
             ui.textColumn->setCurrentText("sku");
             ui.captionColumn->setCurrentText("name");
         },
         "{sku}", "{name}", DesignSourceKind::Csv},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        RenderRequest symbol;
        symbol.symbology = SymbologyId::Code128;
        CPrintLabelsDialog dialog(symbol, "QM-7", printer);
        const Controls& ui = dialog.Widgets();
        ui.layout->setCurrentIndex(ui.layout->findData(QStringLiteral("letter-3x10")));
        row.choose(dialog);
        dialog.Refresh();
        ui.design->click();
        ASSERT_TRUE(dialog.DesignerWanted());
        const DesignerStart& start = *dialog.DesignerWanted();
        EXPECT_EQ(start.design.stock, "letter-3x10");
        EXPECT_EQ(start.source, row.source);
        ASSERT_EQ(start.design.objects.size(), row.caption != nullptr ? 2U : 1U);
        EXPECT_EQ(start.design.objects[0].symbology, SymbologyId::Code128);
        EXPECT_EQ(start.design.objects[0].data, row.data);
        if (row.caption != nullptr) {
            EXPECT_EQ(start.design.objects[1].text, row.caption);
        }
        CDesignerWindow designer(start);
        EXPECT_EQ(designer.Faults(), QStringList());
        EXPECT_TRUE(designer.Modified()); // in no file yet: closing asks
    }
}

// The designer's records: a CSV's header names the columns, a file's lines
// are one column "text"; a file that gives none says why, naming the line.
TEST(DesignData, RecordsOrWhyThereAreNone) {
    QTemporaryDir dir;
    const struct {
        DesignSourceKind kind;
        QByteArray bytes;
        const char* columns;
        int records;
        const char* error; // what the message holds; none: no error
    } rows[] = {
        {DesignSourceKind::Csv, "a,b\n1,2\n3,4\n", "a|b", 2, nullptr},
        {DesignSourceKind::Lines, "one\n\ntwo\n", "text", 2, nullptr},
        {DesignSourceKind::Csv, "a,b\n1,2\n3\n", "a|b", 0,
         "line 3: 1 fields where the header names 2"},
        {DesignSourceKind::Csv, "a,b\n\"1,2\n", "a|b", 0, "line 2: "},
        {DesignSourceKind::Csv, "", "", 0, "has no header row"},
        {DesignSourceKind::Lines, "caf\xe9\n", "", 0, "is not UTF-8 text"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.toStdString());
        QFile file(dir.filePath("data"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(row.bytes);
        file.close();
        const DesignData data = LoadDesignData(row.kind, file.fileName(), 1);
        EXPECT_EQ(data.records.size(), static_cast<std::size_t>(row.records));
        if (row.error == nullptr) {
            EXPECT_EQ(data.columns.join('|'), row.columns);
            EXPECT_EQ(data.error, QString());
        } else {
            EXPECT_TRUE(data.error.contains(row.error)) << data.error.toStdString();
        }
    }
    EXPECT_EQ(LoadDesignData(DesignSourceKind::Sequence, {}, 5).records.size(), 5U);
    EXPECT_TRUE(LoadDesignData(DesignSourceKind::Csv, dir.filePath("none"), 1)
                    .error.contains("cannot be read"));
}

} // namespace

namespace {

// No check: makes README's picture of the designer, docs/designer.png
// (app_tests --gtest_also_run_disabled_tests --gtest_filter=*Picture).
TEST_F(DesignerTest, DISABLED_Picture) {
    // From the checkout's top, so the data file reads as a reader's would.
    QDir::setCurrent(QStringLiteral(QUILLMARK_EXAMPLES "/.."));
    ShelfDesigner shelf(QStringLiteral("examples/products.csv"));
    shelf.window->resize(1280, 720);
    shelf.window->DataPanel()->SetRecord(1);
    shelf.window->Canvas()->Select(0);
    Settle();
    ASSERT_TRUE(
        shelf.window->grab().save(QStringLiteral(QUILLMARK_EXAMPLES "/../docs/designer.png")));
}

} // namespace
