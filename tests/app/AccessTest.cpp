#include "AboutBox.h"
#include "AppFixture.h"
#include "BarcodeOutput.h"
#include "CalibrationDialog.h"
#include "DesignCanvas.h"
#include "DesignFile.h"
#include "DesignerWindow.h"
#include "LabelPrinterDialog.h"
#include "Mnemonics.h"
#include "PrintLabelsDialog.h"
#include "QuillmarkDoc.h"
#include "ResourceIds.h"
#include "SettingsDialog.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QTest>

namespace {

using AccessTest = ShownAppTest;

// What a screen reader calls a control: its own name, else its interface's
// unless that is only its value (a drop-down list on Linux), else its label's.
QString SpokenName(QWidget& control) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&control);
    const QString name = access->text(QAccessible::Name);
    if (!control.accessibleName().isEmpty() || name != access->text(QAccessible::Value)) {
        return control.accessibleName().isEmpty() ? name : control.accessibleName();
    }
    const auto labels = access->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

// The controls a user works or reads in a window: what takes the focus, every
// button and every image; not the parts of Qt's own composite controls.
QList<QWidget*> Controls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        bool part = widget->objectName().startsWith("qt_");
        for (QWidget* up = widget->parentWidget(); up != &window; up = up->parentWidget()) {
            part = part || qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractSpinBox*>(up);
        }
        const auto* label = qobject_cast<QLabel*>(widget);
        if (!part &&
            (widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(widget) ||
             (label != nullptr && !label->pixmap().isNull()))) {
            controls << widget;
        }
    }
    return controls;
}

// Every control has a name that is no sign and no value; the smallest window
// keeps the panel's controls whole.
TEST_F(AccessTest, EveryControlIsWholeAndNamed) {
    frame->resize(100, 100);
    Settle();
    CSettingsDialog settings(BarcodeSettings{}, host->CurrentSample(), frame);
    CAboutBox about(frame);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    CPrintLabelsDialog labels(RenderRequest{}, "ABC", printer, frame);
    DesignerStart shelf;
    shelf.design = *LoadDesignFile(QUILLMARK_EXAMPLES "/shelf-label.qmd", nullptr);
    CDesignerWindow designer(shelf); // a window of its own, not among the frame's children
    designer.show();
    designer.Canvas()->Select(3);
    Settle();
    const QWidget* width = panel->WidthDisplay();
    for (QWidget* window : {static_cast<QWidget*>(frame), static_cast<QWidget*>(&settings),
                            static_cast<QWidget*>(&about), static_cast<QWidget*>(&labels),
                            static_cast<QWidget*>(&designer)}) {
        QList<QWidget*> controls = Controls(*window);
        if (window == frame) {
            controls << panel->WidthDisplay();
        }
        for (QWidget* control : controls) {
            EXPECT_LT(control->mapTo(window, QPoint(control->width(), 0)).x(), window->width() + 1);
            const QString name = SpokenName(*control);
            EXPECT_TRUE(name.contains(QRegularExpression("[A-Za-z]{2}")))
                << control->metaObject()->className() << " in "
                << window->windowTitle().toStdString() << ": \"" << name.toStdString() << '"';
        }
    }
    EXPECT_EQ(width->accessibleName(), "Width: 2.07 inches");
}

// Alt and a letter reach one place in each window and each menu, in every
// language the program speaks.
TEST(Mnemonics, EachReachesOnePlaceInEveryLanguage) {
    for (const char* language : {"en", "de", "fr"}) {
        SCOPED_TRACE(language);
        const Translations translations{QLocale(QString::fromLatin1(language))};
        QStandardPaths::setTestModeEnabled(true);
        CQuillmarkApp app;
        ASSERT_TRUE(app.InitInstance(true));
        QWidget* frame = app.MainFrame();
        CSettingsDialog settings(BarcodeSettings{}, app.MainView()->CurrentSample(), frame);
        CAboutBox about(frame);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        CPrintLabelsDialog labels(RenderRequest{}, "ABC", printer, frame);
        std::string error;
        CCalibrationDialog calibration(*ParseSheetLayout("letter-3x10", &error), "PDF", frame);
        CLabelPrinterDialog labelPrinter(SheetJob{}, frame);
        for (const QWidget* window :
             {frame, static_cast<QWidget*>(&settings), static_cast<QWidget*>(&about),
              static_cast<QWidget*>(&labels), static_cast<QWidget*>(&calibration),
              static_cast<QWidget*>(&labelPrinter)}) {
            EXPECT_EQ(MnemonicClashes(*window), std::vector<std::string>{})
                << window->windowTitle().toStdString();
        }
        // The designer, with nothing selected and with each kind of object.
        DesignerStart shelf;
        shelf.design = *LoadDesignFile(QUILLMARK_EXAMPLES "/shelf-label.qmd", nullptr);
        CDesignerWindow designer(shelf, frame);
        for (const int selected : {-1, 0, 1, 3}) {
            designer.Canvas()->Select(selected);
            EXPECT_EQ(MnemonicClashes(designer), std::vector<std::string>{}) << selected;
        }
        frame->close();
    }
}

// The view's name follows the drawn symbol; a frame shows its focus, inside
// the quiet zones, and goes with it.
TEST_F(AccessTest, TheViewSaysWhatItDrawsAndShowsItsFocus) {
    EXPECT_EQ(view->accessibleName(), "Barcode: Code 39, 21898623818, 2.07 inches");
    panel->TextEdit()->setText("ABC");
    QTest::keyClick(panel->TextEdit(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(view->accessibleName(), "Barcode: Code 39, ABC, 0.79 inches");

    const auto framed = [this] { // at the middle of the visible part's left edge
        const QImage image = view->grab().toImage();
        const QRect visible = view->visibleRegion().boundingRect();
        return image.pixel(visible.left() + 1, visible.center().y()) ==
               view->palette().color(QPalette::Highlight).rgb();
    };
    view->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_TRUE(framed());
    panel->TextEdit()->setFocus();
    Settle();
    EXPECT_FALSE(framed());
}

// Undo, Cut, Copy and Paste act on the field that has the focus, from the
// Edit menu and from the frame's keys; Copy copies the barcode from anywhere else.
TEST_F(AccessTest, EditCommandsFollowTheFocus) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    QLineEdit* text = panel->TextEdit();
    QLineEdit* height = panel->HeightEdit();
    const QString commands = "UXCV"; // Undo, Cut, Copy, Paste
    struct Row {
        const char* name;
        QLineEdit* field;    // the view when null
        int selected;        // characters selected from the start; -1: the menu bar has the focus
        const char* enabled; // the commands' letters when enabled, else "-"
        const char* act;     // keys, or letters of commands
        const char* fieldAfter;
        const char* clipboardAfter; // null: the barcode's image
    };
    const Row rows[] = {
        {"Copy, all selected", text, 4, "-XCV", "C", "1234", "1234"},
        {"Copy, no selection", text, 0, "---V", "C", "1234", "held"},
        {"Ctrl+C in the field", text, 3, "-XCV", "Ctrl+C", "1234", "123"},
        {"Cut in the Height field", height, 4, "-XCV", "X", "", "0.75"},
        {"Paste, Undo, Paste", text, 0, "---V", "VUV", "1234held", "held"},
        {"Paste through the menu bar", text, -1, "---V", "V", "1234held", "held"},
        {"Ctrl+C in the view", nullptr, 0, "--C-", "Ctrl+C", "", nullptr},
    };
    const int commandIds[] = {ids::kEditUndo, ids::kEditCut, ids::kEditCopy, ids::kEditPaste};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        text->setText("1234");
        height->setText("0.75");
        clipboard.setText("held");
        (row.field != nullptr ? static_cast<QWidget*>(row.field) : view)->setFocus();
        if (row.selected > 0) {
            row.field->setSelection(0, row.selected);
        } else if (row.selected < 0) {
            frame->menuBar()->setFocus(Qt::MenuBarFocusReason);
        }
        Settle();
        QString enabled;
        for (int i = 0; i < 4; ++i) {
            enabled += frame->Action(commandIds[i])->isEnabled() ? commands[i] : QChar('-');
        }
        EXPECT_EQ(enabled, row.enabled);
        if (QString(row.act).startsWith("Ctrl+")) {
            QTest::keySequence(frame, QKeySequence(row.act));
        }
        for (const QChar letter : QString(row.act).startsWith("Ctrl+") ? QString() : row.act) {
            frame->Action(commandIds[commands.indexOf(letter)])->trigger();
        }
        Settle();
        EXPECT_EQ(row.field != nullptr ? row.field->text() : QString(), row.fieldAfter);
        EXPECT_EQ(clipboard.mimeData()->hasImage(), row.clipboardAfter == nullptr);
        EXPECT_EQ(clipboard.text(), row.clipboardAfter);
    }
}

// Save suggests the symbol's name; a name whose extension the program does not
// write gets the chosen format's.
TEST_F(AccessTest, SaveSuggestsANameAndKeepsExtensionsHonest) {
    EXPECT_EQ(SuggestedSaveName("Code 39", "21898623818"), "Code 39 21898623818");
    EXPECT_EQ(SuggestedSaveName("Code 128", "a/b:c*?\t."), "Code 128 a_b_c____");
    EXPECT_EQ(SuggestedSaveName("EAN-13", ""), "EAN-13");
    const struct {
        const char* typed;
        OutputFormat chosen;
        const char* path;
        OutputFormat format;
    } targets[] = {
        {"/t/label.png", OutputFormat::Bmp, "/t/label.png", OutputFormat::Png},
        {"/t/label.jpg", OutputFormat::Bmp, "/t/label.jpg.bmp", OutputFormat::Bmp},
        {"/t/v1.2/label", OutputFormat::Svg, "/t/v1.2/label.svg", OutputFormat::Svg},
        {"/t/label.", OutputFormat::Png, "/t/label.png", OutputFormat::Png},
    };
    for (const auto& row : targets) {
        const SaveTarget target = SaveTargetOf(row.typed, row.chosen);
        EXPECT_EQ(target.path, row.path);
        EXPECT_EQ(target.format, row.format) << row.typed;
    }
}

} // namespace
