// Tools > Grade a Scan: a scan's grade in a dialog marked as an estimate, and
// the reason when a file cannot be graded.
#include "AppFixture.h"
#include "GradeScanDialog.h"
#include "ModalDialogs.h"
#include "SymbolRender.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>

namespace {

TEST_F(ShownAppTest, GradeAScanShowsTheGradeOrWhyNot) {
    ASSERT_NE(frame->findChild<QAction*>("gradeScan"), nullptr);
    QTemporaryDir folder;
    RenderRequest request;
    request.symbology = SymbologyId::Code128;
    request.text = "Grade 38";
    request.dpiX = request.dpiY = 600;
    ASSERT_TRUE(RenderSymbolImage(request).bitmap.save(folder.filePath("scan.png")));
    QImage blank(200, 100, QImage::Format_Grayscale8);
    blank.fill(255);
    ASSERT_TRUE(blank.save(folder.filePath("blank.png")));
    QFile text(folder.filePath("text.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not an image") > 0);
    text.close();
    const struct {
        const char* file;
        const char* shown; // the dialog's heading, or the start of the message
    } cases[] = {
        {"scan.png", "grade A (4.0)"},
        {"blank.png", "No bars found in"},
        {"text.png", "Cannot read the image"},
        {"missing.png", "Cannot read the image"},
    };
    for (const auto& c : cases) {
        QString shown;
        QString quiet; // the first line's quiet zones, against what Code 128 asks
        int lines = 0;
        WhenModalOpens([&](QWidget& modal) {
            if (auto* dialog = qobject_cast<CGradeScanDialog*>(&modal)) {
                shown = dialog->Heading();
                lines = dialog->Table()->rowCount();
                quiet = dialog->Table()->item(0, 7)->text();
                const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
                EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
                    return label->text().startsWith("An estimate");
                }));
            } else if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                shown = box->text();
            }
            modal.close();
        });
        CGradeScanDialog::GradeFile(frame, folder.filePath(c.file));
        EXPECT_TRUE(shown.startsWith(c.shown)) << c.file << ": " << shown.toStdString();
        EXPECT_EQ(lines, c.file == std::string("scan.png") ? 10 : 0);
        EXPECT_EQ(quiet.endsWith("of 10.0 / 10.0"), lines > 0) << quiet.toStdString();
    }
}

} // namespace
