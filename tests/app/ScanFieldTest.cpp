// The scan field of the main window: what a scanner reads from the symbol as
// it is drawn, on the screen and, while the preview is open, on paper.
#include "AppFixture.h"
#include "ResourceIds.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

#include <tuple>

namespace {

class ScanFieldTest : public ShownAppTest {
protected:
    // Types the text into the Text field of the chosen symbology and leaves
    // the field with Enter, which draws; then lets the check finish.
    void Draw(int symbology, const QString& text) {
        QComboBox* list = panel->SymbologyList();
        list->setCurrentIndex(symbology);
        emit list->activated(symbology);
        panel->TextEdit()->clear();
        QTest::keyClicks(panel->TextEdit(), text);
        QTest::keyClick(panel->TextEdit(), Qt::Key_Return);
        SettleCheck();
    }
    // The check starts by itself once drawing pauses; the test does not wait
    // for the pause but starts it at once.
    void SettleCheck() {
        Settle(); // the paint
        host->StartScanCheck();
        host->ScanRunner().WaitForChecks();
        Settle(); // its result
    }
    std::string Field() const { return frame->ScanFieldText().toStdString(); }
};

TEST_F(ScanFieldTest, TellsWhatTheDrawnSymbolReadsAs) {
    for (int zoom = 1; zoom < 3; ++zoom) {
        frame->RouteCommand(ids::kZoomIn); // large enough for any screen
    }
    const struct {
        const char* name;
        SymbologyId id;
        const char* typed;
        const char* field;
    } rows[] = {
        {"Code 128 drops the braces of code set A", SymbologyId::Code128, "987654aZ{}",
         "Scans as 987654AZ \u2014 the label shows {} that the bars leave out"},
        {"a * in the middle of Code 39", SymbologyId::Code39, "AB*CD",
         "Does not scan at this size"},
        {"EAN-13 reads with its check digit", SymbologyId::Ean13, "400638133393",
         "\u2713 Scans: 4006381333931"},
    };
    for (const auto& row : rows) {
        Draw(static_cast<int>(row.id), QString::fromLatin1(row.typed));
        EXPECT_EQ(Field(), row.field) << row.name;
        // The size field's tip gives the published ranges where there are any.
        const QString tip = frame->findChild<QLabel*>("sizeField")->toolTip();
        EXPECT_EQ(tip.contains("GS1: X "), row.id == SymbologyId::Ean13) << tip.toStdString();
    }
    // No symbology chosen: nothing drawn, nothing to tell.
    panel->SymbologyList()->setCurrentIndex(-1);
    emit panel->SymbologyList()->activated(-1);
    SettleCheck();
    EXPECT_EQ(Field(), "");
}

// Bars 4 mils long are less than half a pixel on the 96-dpi screen at zoom
// 1 and do not scan; on the printer they are several dots long, and the
// preview's field says so until the preview closes.
TEST_F(ScanFieldTest, PrintPreviewChecksAtThePrintersResolution) {
    panel->HeightEdit()->setText("0.004");
    Draw(static_cast<int>(SymbologyId::Code128), "21898623818");
    ASSERT_EQ(view->logicalDpiX(), 96);
    const std::string screen = Field();
    EXPECT_EQ(screen.rfind("Does not scan at this size", 0), 0u) << screen;

    std::string inPreview;
    QString title; // with the planned print's grade
    WhenModalOpens([&](QWidget& dialog) {
        host->ScanRunner().WaitForChecks(); // started as the preview showed
        Settle();
        inPreview = Field();
        title = dialog.windowTitle();
        dialog.close();
    });
    frame->RouteCommand(ids::kFilePrintPreview);
    EXPECT_EQ(inPreview, "\u2713 Scans: 21898623818");
    EXPECT_TRUE(title.contains(QRegularExpression("^Print Preview: planned print at \\d+ dpi, bars "
                                                  "as drawn, 5-mil aperture: grade A \\(4.0\\)$")))
        << title.toStdString();
    SettleCheck();
    EXPECT_EQ(Field(), screen);
}

// At the window's first width the size and scan fields show as much of a
// long text as fits, ending in "…", and hold all of it in their tips; texts
// that fit are shown whole. A long reading neither squeezes the size field
// nor leaves the message field a few letters.
TEST_F(ScanFieldTest, LongTextsGiveWayWithAllOfItInTheTip) {
    const QString size = "X 10.4 mil = 1 px @ 96 dpi, ratio 3";
    const QString reading = "\u2713 Scans: ]C101095011015300031726123110ABC123\u241d21SERIAL0001";
    const struct {
        QString size;
        QString scan;
        bool sizeWhole;
        bool scanWhole;
    } rows[] = {
        {size + " \u2014 1 mil cannot be drawn within 10 % at this resolution",
         "Scans as 987654AZ \u2014 the label shows {} that the bars leave out", false, false},
        {size, "\u2713 Scans: 21898623818", true, true},
        {size, reading, true, false},
    };
    frame->SetStatusText("GS1 data: each Application Identifier is followed by its data");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.scan.toStdString());
        frame->SetAchievedSizeText(row.size);
        frame->SetScanField(row.scan, "checked for");
        frame->statusBar()->layout()->activate();
        for (const auto& [name, text, whole] : {std::tuple{"sizeField", row.size, row.sizeWhole},
                                                {"scanField", row.scan, row.scanWhole}}) {
            const auto* field = frame->findChild<QLabel*>(name);
            const QString shown = field->text();
            EXPECT_LE(field->mapTo(frame, QPoint(field->width(), 0)).x(), frame->width()) << name;
            EXPECT_LE(field->fontMetrics().horizontalAdvance(shown), field->contentsRect().width());
            EXPECT_TRUE(
                field->toolTip().startsWith(shown.endsWith(u'\u2026') ? shown.chopped(1) : shown));
            EXPECT_EQ(shown == text, whole) << name << ": " << shown.toStdString();
        }
        const auto* message = frame->statusBar()->findChildren<QLabel*>().constFirst();
        EXPECT_GE(message->width(), frame->width() / 5) << message->text().toStdString();
        EXPECT_EQ(frame->findChild<QLabel*>("scanField")->toolTip(), row.scan + "\nchecked for");
        EXPECT_EQ(frame->AchievedSizeText(), row.size);
    }
}

} // namespace
