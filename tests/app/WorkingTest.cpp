#include "AppFixture.h"
#include "PrintSetup.h"
#include "QuillmarkDoc.h"
#include "ResourceIds.h"
#include "ViewScroller.h"

#include <QPrinter>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>

namespace {

using WorkingTest = ShownAppTest;

// Pixels of a length in mils at zoom 1 on the view's screen, rounded.
int Pixels(const QWidget& widget, std::int32_t mils) {
    return qRound(mils * widget.logicalDpiY() / 1000.0);
}

// Where the symbol's ink reaches beyond the view's centre, in pixels.
struct Reach {
    int left, right, up, down;
};
Reach InkReach(CBarcodeView& view) {
    const QImage image = view.grab().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    const QPoint centre(image.width() / 2, image.height() / 2);
    return {centre.x() - ink.left(), ink.right() - centre.x(), centre.y() - ink.top(),
            ink.bottom() - centre.y()};
}

TEST_F(WorkingTest, AClickInTheViewLeavesTheFieldAndRedrawsWithTheNewHeight) {
    QLineEdit* height = panel->HeightEdit();
    height->setFocus();
    Settle();
    const int before = host->ViewScroller()->ContentSize().height();
    EXPECT_EQ(before, Pixels(*view, 750 + 277));
    height->setText("1.5"); // typing alone does not redraw
    Settle();
    EXPECT_EQ(host->ViewScroller()->ContentSize().height(), before);

    QTest::mouseClick(view, Qt::LeftButton, {}, view->rect().center());
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), view);
    EXPECT_EQ(host->ViewScroller()->ContentSize().height(), Pixels(*view, 1500 + 277));
}

TEST_F(WorkingTest, EnterInEitherFieldRedrawsAndKeepsTheFocusThere) {
    QLineEdit* height = panel->HeightEdit();
    height->setFocus();
    height->setText("0.3");
    QTest::keyClick(height, Qt::Key_Return);
    Settle();
    EXPECT_EQ(host->ViewScroller()->ContentSize().height(), Pixels(*view, 300 + 277));
    EXPECT_EQ(QApplication::focusWidget(), height);

    QLineEdit* text = panel->TextEdit();
    text->setFocus(); // leaving the Height field redraws; let that pass first
    Settle();
    text->setText("ABC");
    Settle();
    EXPECT_EQ(panel->WidthDisplay()->text(), "2.07");
    QTest::keyClick(text, Qt::Key_Enter); // the keypad's Enter too
    Settle();
    EXPECT_EQ(panel->WidthDisplay()->text(), "0.79");
    EXPECT_EQ(QApplication::focusWidget(), text);
}

TEST_F(WorkingTest, TurnKeysAndButtonsTurnTheWayTheirNamesSay) {
    // At orientation 0 the label lies under the bars.
    const Reach upright = InkReach(*view);
    EXPECT_GT(upright.down, upright.up);
    auto* leftButton = qobject_cast<QAbstractButton*>(panel->Control(ids::kTurnLeftButton));
    auto* rightButton = qobject_cast<QAbstractButton*>(panel->Control(ids::kTurnRightButton));
    ASSERT_NE(leftButton, nullptr);
    ASSERT_NE(rightButton, nullptr);
    EXPECT_TRUE(leftButton->toolTip().startsWith("Turn Left"))
        << leftButton->toolTip().toStdString();
    EXPECT_TRUE(rightButton->toolTip().startsWith("Turn Right"));
    EXPECT_TRUE(leftButton->statusTip().endsWith("counter-clockwise"));
    EXPECT_TRUE(rightButton->statusTip().endsWith(" clockwise"));

    struct Row {
        const char* name;
        std::function<void()> turn;
        std::function<void()> back;
        int orientation;
        bool labelOnTheRight; // a counter-clockwise turn takes the label to the right
    };
    const auto keys = [this](const char* sequence) {
        return [this, sequence] { QTest::keySequence(frame, QKeySequence(sequence)); };
    };
    const Row rows[] = {
        {"Ctrl+[ turns left", keys("Ctrl+["), keys("Ctrl+]"), 1, true},
        {"Ctrl+] turns right", keys("Ctrl+]"), keys("Ctrl+["), 3, false},
        {"the first button turns left", [&] { leftButton->click(); }, [&] { rightButton->click(); },
         1, true},
        {"the second button turns right", [&] { rightButton->click(); },
         [&] { leftButton->click(); }, 3, false},
        {"the View menu's Turn Left", [this] { frame->Action(ids::kTurnLeft)->trigger(); },
         [this] { frame->Action(ids::kTurnRight)->trigger(); }, 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.turn();
        Settle();
        EXPECT_EQ(view->Orientation(), row.orientation);
        const Reach turned = InkReach(*view);
        EXPECT_EQ(turned.right > turned.left, row.labelOnTheRight);
        EXPECT_NEAR(turned.up, turned.down, 2) << "the bars' length is centred";
        row.back();
        Settle();
        EXPECT_EQ(view->Orientation(), 0);
    }
}

TEST_F(WorkingTest, ViewMenuRowsFollowTheExistingOnesWithStandardKeys) {
    QMenu* viewMenu = frame->menuBar()->actions().at(2)->menu();
    ASSERT_NE(viewMenu, nullptr);
    const QList<QAction*> rows = viewMenu->actions();
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[0]->text(), "&Toolbar");
    EXPECT_EQ(rows[1]->text(), "&Status Bar");
    struct Row {
        int position;
        int command;
        const char* text;
        const char* keys;
    };
    const Row added[] = {
        {3, ids::kZoomIn, "Zoom &In\tCtrl++", "Ctrl++"},
        {4, ids::kZoomOut, "Zoom &Out\tCtrl+-", "Ctrl+-"},
        {5, ids::kTurnLeft, "Turn &Left\tCtrl+[", "Ctrl+["},
        {6, ids::kTurnRight, "Turn &Right\tCtrl+]", "Ctrl+]"},
        {8, ids::kBarcodeSettings, "&Barcode Settings...", nullptr},
    };
    for (const Row& row : added) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(rows[row.position], frame->Action(row.command));
        EXPECT_EQ(rows[row.position]->text(), row.text);
        EXPECT_FALSE(rows[row.position]->statusTip().isEmpty());
        if (row.keys != nullptr) {
            EXPECT_TRUE(rows[row.position]->shortcuts().contains(QKeySequence(row.keys)));
        }
    }
    EXPECT_TRUE(rows[7]->isSeparator());
    QTest::keySequence(frame, QKeySequence("Ctrl+="));
    EXPECT_EQ(view->Zoom(), 2) << "Ctrl+= is Ctrl++ without Shift";
    QTest::keySequence(frame, QKeySequence("Ctrl+-"));
    EXPECT_EQ(view->Zoom(), 1);
}

TEST_F(WorkingTest, AtZoomEightTheViewScrollsAndTheStatusBarSaysSo) {
    CViewScroller* scroller = host->ViewScroller();
    QScrollBar* across = scroller->horizontalScrollBar();
    QScrollBar* down = scroller->verticalScrollBar();
    EXPECT_EQ(frame->ZoomIndicatorText(), "Zoom 1\u00d7");
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(view->size(), scroller->viewport()->size());

    for (int step = 0; step < 7; ++step) {
        frame->RouteCommand(ids::kZoomIn);
    }
    Settle();
    EXPECT_EQ(frame->ZoomIndicatorText(), "Zoom 8\u00d7");
    ASSERT_TRUE(across->isVisible());
    ASSERT_TRUE(down->isVisible());
    EXPECT_GT(across->maximum(), 0);
    // The symbol is still centred in what is visible...
    const auto symbolCentre = [&] {
        return view->mapTo(scroller->viewport(), view->rect().center());
    };
    const QPoint middle(scroller->viewport()->width() / 2, scroller->viewport()->height() / 2);
    EXPECT_NEAR(symbolCentre().x(), middle.x(), 2);
    EXPECT_NEAR(symbolCentre().y(), middle.y(), 2);
    // ...and scrolling moves it.
    const QPoint before = symbolCentre();
    across->setValue(across->value() + 40);
    EXPECT_EQ(symbolCentre(), before - QPoint(40, 0));
    panel->TileModeCheck()->click(); // tiles fill the area: nothing to scroll
    Settle();
    EXPECT_FALSE(across->isVisible());
    panel->TileModeCheck()->click();
    for (int step = 0; step < 7; ++step) {
        frame->RouteCommand(ids::kZoomOut);
    }
    Settle();
    EXPECT_EQ(frame->ZoomIndicatorText(), "Zoom 1\u00d7");
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(view->size(), scroller->viewport()->size());
}

TEST_F(WorkingTest, AMissingHelpFileIsSaidInAMessage) {
    const QString help = HelpFilePath(QCoreApplication::applicationFilePath());
    ASSERT_FALSE(QFileInfo::exists(help)) << "the test program has no help file";
    QString message;
    WhenModalOpens([&message](QWidget& modal) {
        if (auto* box = qobject_cast<QMessageBox*>(&modal); box != nullptr) {
            message = box->text();
        }
        modal.close();
    });
    EXPECT_TRUE(frame->RouteCommand(ids::kHelpTopics));
    EXPECT_TRUE(message.contains(QFileInfo(help).fileName())) << message.toStdString();
}

TEST(PrintSetup, ChoosesThePrinterAndPageWithoutPrinting) {
    QPrinter printer;
    const auto dialog = MakePrintSetupDialog(printer, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Print Setup");
    EXPECT_EQ(dialog->printer(), &printer) << "the printer the print commands use";
    EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
    EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintShowPageSize));
    for (auto* button : dialog->findChildren<QAbstractButton*>()) {
        EXPECT_NE(button->text().remove('&'), "Print") << "it sets up, it does not print";
    }
}

} // namespace

namespace {

// The status bar says what the screen makes of the symbol's sizes, and the
// printer behind the print commands works at its own resolution.
TEST_F(WorkingTest, StatusBarShowsTheAchievedSizeAndPrintingIsNotAt96Dpi) {
    Settle();
    EXPECT_EQ(frame->AchievedSizeText(), "X 10.4 mil = 1 px @ 96 dpi, ratio 3");
    frame->RouteCommand(ids::kZoomIn);
    Settle();
    EXPECT_EQ(frame->AchievedSizeText(), "X 10.4 mil = 2 px @ 96 dpi \u00d72, ratio 3");
    QPrinter& printer = view->Output().Printer();
    EXPECT_EQ(printer.resolution(), QPrinter(QPrinter::HighResolution).resolution());
    EXPECT_GT(printer.resolution(), 96);
    EXPECT_TRUE(view->Output().PrinterSizeText(printer).startsWith("X 10.0 mil = "))
        << view->Output().PrinterSizeText(printer).toStdString();
}

} // namespace
