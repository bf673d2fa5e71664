#include "AboutBox.h"
#include "BarcodeMainView.h"
#include "BarcodeView.h"
#include "FieldValues.h"
#include "InputPanel.h"
#include "InputRule.h"
#include "MainFrame.h"
#include "PoolThreads.h"
#include "QuillmarkApp.h"
#include "QuillmarkDoc.h"
#include "ResourceIds.h"
#include "SheetLayout.h"
#include "Symbologies.h"
#include "Translations.h"
#include "VersionReader.h"
#include "ViewScroller.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

// A started application, as the program starts it, without showing the window.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(app.InitInstance(false));
        frame = app.MainFrame();
        host = app.MainView();
        view = host->BarcodeView();
        panel = host->InputPanel();
    }
    void TearDown() override { QSettings().clear(); }

    CQuillmarkApp app;
    CMainFrame* frame = nullptr;
    CBarcodeMainView* host = nullptr;
    CBarcodeView* view = nullptr;
    CInputPanel* panel = nullptr;
};

TEST_F(AppTest, CaptionAndFirstSize) {
    EXPECT_EQ(frame->windowTitle(), "Corvane Quillmark");
    EXPECT_EQ(frame->size(), QSize(620, 490));
}

TEST_F(AppTest, SettingsLiveUnderTheCompanyAndApplicationKey) {
    EXPECT_TRUE(
        QSettings().fileName().endsWith("/Local AppWizard-Generated Applications/Quillmark.conf"))
        << QSettings().fileName().toStdString();
}

TEST_F(AppTest, ProfileReaderReadsTheSettingsStoreAtEveryConstruction) {
    struct Row {
        const char* name;
        QVariant density;
        std::int32_t width;
    };
    const Row rows[] = {
        {"absent", QVariant(), 320},
        {"15", 15, 480},
        {"text 15", QStringLiteral("15"), 480},
        {"not a number", QStringLiteral("abc"), 320},
        {"beyond 32 bits", QStringLiteral("99999999999"), 320},
        {"zero", 0, 320},
        {"INT_MIN", INT_MIN, 320},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QSettings settings;
        if (row.density.isValid()) {
            settings.setValue("Barcode/Density", row.density);
        } else {
            settings.remove("Barcode/Density");
        }
        settings.sync();
        EXPECT_EQ(CreateBarcode(SymbologyId::Code39, "")->TotalWidth(), row.width);
    }
}

TEST_F(AppTest, PanelStartsWithTheSampleValues) {
    EXPECT_EQ(panel->HeightEdit()->text(), "0.75");
    EXPECT_EQ(panel->TextEdit()->text(), "21898623818");
    EXPECT_TRUE(panel->ShowTextCheck()->isChecked());
    EXPECT_FALSE(panel->TileModeCheck()->isChecked());
    ASSERT_EQ(panel->SymbologyList()->count(), kSymbologyCount);
    EXPECT_EQ(panel->SymbologyList()->currentIndex(), 0);
    EXPECT_EQ(panel->SymbologyList()->itemText(5), "Code 39 (Mod43 Check Digit)");
}

TEST_F(AppTest, FirstDrawShowsTheSampleWidth) {
    host->resize(600, 300);
    view->grab(); // runs the paint path
    EXPECT_EQ(panel->WidthDisplay()->text(), "2.07");
}

TEST_F(AppTest, HostLaysOutPanelStripAndBarcodeView) {
    struct Row {
        int width, height;
    };
    for (const Row& row : {Row{600, 400}, Row{300, 51}, Row{200, 50}, Row{200, 10}}) {
        SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
        host->LayOut(row.width, row.height);
        EXPECT_EQ(panel->geometry().width(), row.width);
        EXPECT_EQ(panel->geometry().height(), CBarcodeMainView::kPanelHeight);
        // The barcode view's window is the frame that scrolls it.
        const QRect viewFrame = host->ViewScroller()->geometry();
        EXPECT_EQ(viewFrame.top(), CBarcodeMainView::kPanelHeight);
        // The part of the barcode view inside the host is the host below y = 50.
        const QRect visible = viewFrame.intersected(QRect(0, 0, row.width, row.height));
        if (row.height <= CBarcodeMainView::kPanelHeight) {
            EXPECT_TRUE(visible.isEmpty());
        } else {
            EXPECT_EQ(visible, QRect(0, 50, row.width, row.height - 50));
        }
    }
}

TEST_F(AppTest, EachTileModeClickReachesTheViewExactlyOnce) {
    QCheckBox* tile = panel->TileModeCheck();
    for (int click = 1; click <= 3; ++click) {
        tile->click();
        EXPECT_EQ(view->IsTileMode(), click % 2 == 1) << click;
        EXPECT_EQ(tile->isChecked(), view->IsTileMode()) << click;
    }
}

TEST_F(AppTest, ChoosingASymbologyRedrawsWithIt) {
    host->resize(600, 300);
    QComboBox* list = panel->SymbologyList();
    list->setCurrentIndex(7);
    emit list->activated(7); // as a user's choice does
    EXPECT_EQ(view->Symbology(), 7);
    view->grab();
    ASSERT_NE(view->Barcode(), nullptr);
    EXPECT_EQ(panel->WidthDisplay()->text(),
              QString::number(
                  static_cast<double>(view->Barcode()->Encode().SymbolLength()) / 1000.0, 'f', 2));
    EXPECT_NE(panel->WidthDisplay()->text(), "2.07");
}

TEST_F(AppTest, PanelButtonsReachTheViewHandlers) {
    auto* zoomIn = qobject_cast<QAbstractButton*>(panel->Control(ids::kZoomInButton));
    auto* turnLeft = qobject_cast<QAbstractButton*>(panel->Control(ids::kTurnLeftButton));
    ASSERT_NE(zoomIn, nullptr);
    ASSERT_NE(turnLeft, nullptr);
    zoomIn->click();
    turnLeft->click();
    EXPECT_EQ(view->Zoom(), 2);
    EXPECT_EQ(view->Orientation(), 1);
    EXPECT_EQ(zoomIn->size(), QSize(24, 24));
}

TEST_F(AppTest, ViewCommandsAreFoundWhicheverViewIsActive) {
    frame->SetActiveView(host);
    EXPECT_TRUE(frame->RouteCommand(ids::kZoomIn));
    EXPECT_EQ(view->Zoom(), 2);
    EXPECT_TRUE(frame->QueryCommandState(ids::kFilePrint).enabled);
    frame->SetActiveView(view);
    EXPECT_TRUE(frame->RouteCommand(ids::kZoomOut));
    EXPECT_EQ(view->Zoom(), 1);
}

TEST_F(AppTest, CommandsWithoutHandlerAreDisabled) {
    frame->UpdateCommandStates();
    for (const int id :
         {ids::kEditUndo, ids::kEditCut, ids::kEditPaste, ids::kNextPane, ids::kPrevPane}) {
        ASSERT_NE(frame->Action(id), nullptr) << id;
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
        EXPECT_FALSE(frame->RouteCommand(id)) << id;
    }
    for (const int id :
         {ids::kFilePrint, ids::kAppAbout, ids::kHelpTopics, ids::kAppExit, ids::kViewToolbar}) {
        EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
    }
}

TEST_F(AppTest, MainMenuAcceleratorsAndToolbar) {
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[3]->text(), "T&ools");
    EXPECT_EQ(menus[4]->text(), "&Help");
    const QList<QAction*> file = menus[0]->menu()->actions();
    ASSERT_EQ(file.size(), 14); // the label design items first, then the program's own
    EXPECT_EQ(file[0]->text(), "New Label &Design");
    EXPECT_TRUE(file[5]->isSeparator());
    EXPECT_EQ(file[6]->text(), "&Save\tCtrl+S");
    EXPECT_TRUE(file[7]->isSeparator());
    EXPECT_EQ(file[10], frame->Action(ids::kFilePrintLabels)); // after Print Preview
    EXPECT_EQ(file[13]->text(), "E&xit");

    EXPECT_EQ(frame->Action(ids::kEditCopy)->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(frame->Action(ids::kHelpTopics)->shortcut(), QKeySequence("F1"));
    EXPECT_EQ(frame->Action(ids::kPrevPane)->shortcut(), QKeySequence("Shift+F6"));
    EXPECT_TRUE(frame->Action(ids::kEditUndo)->shortcut().isEmpty()); // shown, not bound
    EXPECT_EQ(frame->Action(ids::kFilePrint)->statusTip(), "Print the active document");
    EXPECT_EQ(frame->Action(ids::kFilePrint)->toolTip(), "Print");

    const QList<QAction*> buttons = frame->ToolBar()->actions();
    ASSERT_EQ(buttons.size(), 8);
    EXPECT_EQ(buttons[0], frame->Action(ids::kEditCut));
    EXPECT_TRUE(buttons[3]->isSeparator());
    EXPECT_EQ(buttons[7], frame->Action(ids::kAppAbout));
    EXPECT_FALSE(buttons[7]->icon().isNull());
}

TEST_F(AppTest, ViewMenuTogglesBarsWithCheckMarks) {
    frame->RouteCommand(ids::kViewToolbar);
    EXPECT_TRUE(frame->ToolBar()->isHidden());
    EXPECT_FALSE(frame->Action(ids::kViewToolbar)->isChecked());
    frame->RouteCommand(ids::kViewToolbar);
    EXPECT_FALSE(frame->ToolBar()->isHidden());
    EXPECT_TRUE(frame->Action(ids::kViewToolbar)->isChecked());
    frame->RouteCommand(ids::kViewStatusBar);
    EXPECT_FALSE(frame->Action(ids::kViewStatusBar)->isChecked());
}

TEST_F(AppTest, ChoosingASymbologyFiltersTheTextFieldAndShowsItsRule) {
    const QString idle = frame->StatusText(); // no rule text at start-up
    QComboBox* list = panel->SymbologyList();
    list->setCurrentIndex(9);
    emit list->activated(9); // EAN 13: twelve digits
    EXPECT_EQ(frame->StatusText(), "Numeric character ( 0~9) only.");
    EXPECT_EQ(panel->TextEdit()->text(), "21898623818");
    panel->TextEdit()->end(false);
    QTest::keyClicks(panel->TextEdit(), "x56");
    EXPECT_EQ(panel->TextEdit()->text(), "218986238185");

    list->setCurrentIndex(0);
    emit list->activated(0);
    EXPECT_EQ(frame->StatusText(), "Alphanumeric characters(A-Z, 0-9, +-/%$*SPACE)");
    QTest::keyClicks(panel->TextEdit(), "{+");
    EXPECT_EQ(panel->TextEdit()->text(), "218986238185+");

    list->setCurrentIndex(-1);
    emit list->activated(-1);
    EXPECT_EQ(frame->StatusText(), "");
    EXPECT_FALSE(idle.contains("character")) << idle.toStdString();
}

TEST_F(AppTest, StatusTextSetsTheOnlyPane) {
    frame->SetStatusText("Numeric character ( 0~9) only.");
    EXPECT_EQ(frame->StatusText(), "Numeric character ( 0~9) only.");
}

TEST(QuillmarkApp, LeavingTheTextFieldRedrawsAndTheProgramClosesCleanly) {
    QStandardPaths::setTestModeEnabled(true);
    auto app = std::make_unique<CQuillmarkApp>();
    ASSERT_TRUE(app->InitInstance(true));
    app->MainFrame()->activateWindow();
    app->MainView()->InputPanel()->TextEdit()->setFocus();
    QApplication::processEvents();
    CInputPanel* panel = app->MainView()->InputPanel();
    ASSERT_EQ(QApplication::focusWidget(), panel->TextEdit());
    QApplication::processEvents();
    EXPECT_EQ(panel->WidthDisplay()->text(), "2.07");

    panel->TextEdit()->setText("ABC"); // typing alone does not redraw
    QApplication::processEvents();
    EXPECT_EQ(panel->WidthDisplay()->text(), "2.07");
    panel->HeightEdit()->setFocus(); // leaving the field does
    QApplication::processEvents();
    EXPECT_EQ(panel->WidthDisplay()->text(), "0.79");
    EXPECT_TRUE(app->MainFrame()->RouteCommand(ids::kAppExit));
    QApplication::processEvents();
    app->ExitInstance();
    app.reset(); // the focus leaves widgets as they go: nothing may reach a dead view
}

TEST(AboutBox, ShowsTheVersionTheProgramCarries) {
    ProgramVersion version;
    ASSERT_TRUE(QueryVersion(QUILLMARK_EXECUTABLE, version));
    EXPECT_EQ(VersionText(version.major, version.minor, version.build),
              "Corvane Quillmark V1.0, Build 29.");
    // The test program itself carries none.
    EXPECT_FALSE(QueryVersion(QCoreApplication::applicationFilePath(), version));

    CAboutBox about;
    about.SetVersionText(VersionText(1, 0, 29));
    EXPECT_EQ(about.windowTitle(), "About Quillmark");
    EXPECT_EQ(about.VersionLine(), "Quillmark Version 1.0"); // until it is shown
    about.show();
    EXPECT_EQ(about.VersionLine(), "Corvane Quillmark V1.0, Build 29.");
    about.accept();
}

// Help Topics opens the page in the user's language, which the translations
// name; each page describes every symbology the program draws.
TEST(QuillmarkDoc, EveryLanguageHasAHelpPageNamingEverySymbology) {
    for (const char* language : {"en", "de", "fr"}) {
        const Translations translations{QLocale(QString::fromLatin1(language))};
        const QString page =
            QFileInfo(QStringLiteral(QUILLMARK_EXECUTABLE))
                .dir()
                .filePath(QCoreApplication::translate("CQuillmarkDoc", "quillmark.htm"));
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("lang=\"%1\"").arg(language))) << language;
        for (const SymbologyFacts& facts : Symbologies()) {
            EXPECT_TRUE(text.contains(QString::fromLatin1(facts.name.data(), facts.name.size())))
                << language << ": " << facts.name;
        }
    }
}

TEST(QuillmarkDoc, HelpFileIsNamedAfterTheExecutable) {
    struct Row {
        const char* executable;
        const char* help;
    };
    const Row rows[] = {
        // Installed: no page beside the program, which is in a folder named bin.
        {"/usr/local/bin/quillmark", "/usr/local/share/doc/quillmark/quillmark.htm"},
        {"/usr/bin/quillmark", "/usr/share/doc/quillmark/quillmark.htm"},
        {"/opt/q/bin/q.v2.exe", "/opt/q/share/doc/quillmark/q.v2.htm"},
        // The build tree: the page is beside the program, also in bin/.
        {QUILLMARK_EXECUTABLE, QUILLMARK_EXECUTABLE ".htm"},
        // Any other folder: beside the program.
        {"/opt/q/Quillmark.exe", "/opt/q/Quillmark.htm"},
        {"/opt/my tools/q.v2.exe", "/opt/my tools/q.v2.htm"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(HelpFilePath(row.executable).toStdString(), row.help) << row.executable;
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests' settings store (test mode: ~/.qttest) is this process's
    // own: ctest runs tests side by side, and one test's store must never be
    // another's. Fonts keep the user's cache.
    const QByteArray home = qgetenv("HOME");
    if (qEnvironmentVariableIsEmpty("XDG_CACHE_HOME") && !home.isEmpty()) {
        qputenv("XDG_CACHE_HOME", home + "/.cache");
    }
    QTemporaryDir ownHome;
    if (ownHome.isValid()) {
        qputenv("HOME", QFile::encodeName(ownHome.path()));
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    EndPoolThreads();
    return status;
}

// Menus, dialogs and messages follow the user's language, Qt's own buttons
// with them; where English comes first the texts stay as written.
TEST(Translations, MenusDialogsAndMessagesFollowTheLanguage) {
    const struct {
        QLocale locale;
        const char* language;
        const char* fileMenu;
        const char* aboutCaption;
        const char* heightRefusal;
        const char* cancel;
        const char* gs1Refusal; // an engine message, with a byte named inside it
        const char* sheet;
    } rows[] = {
        {QLocale(QLocale::German, QLocale::Austria), "de", "&Datei", "\u00dcber Quillmark",
         "H\u00f6he \u201eabc\u201c ist keine Zahl von Zoll", "Abbrechen",
         "GS1-128: (10): Byte 0x09 an Position 2 seiner Daten geh\u00f6rt nicht zum "
         "GS1-Zeichensatz",
         "3 x 10 Etiketten zu 2.625 x 1 in"},
        {QLocale(QLocale::French), "fr", "&Fichier", "\u00c0 propos de Quillmark",
         "La hauteur \u00ab abc \u00bb n\u2019est pas un nombre de pouces", "Annuler",
         "GS1-128: (10) : octet 0x09 en position 2 de ses donn\u00e9es n\u2019est pas dans le jeu "
         "de caract\u00e8res GS1",
         "3 x 10 \u00e9tiquettes de 2.625 x 1 in"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "", "&File", "About Quillmark",
         "Height \"abc\" is not a number of inches", "Cancel",
         "GS1-128: (10): byte 0x09 at position 2 of its data is not in the GS1 character set",
         "3 x 10 labels of 2.625 x 1 in"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale.name().toStdString());
        const Translations translations(row.locale);
        EXPECT_EQ(translations.Language(), row.language);
        const CMainFrame frame;
        EXPECT_EQ(frame.menuBar()->actions().value(0)->text(), row.fileMenu);
        EXPECT_EQ(CAboutBox().windowTitle(), row.aboutCaption);
        EXPECT_TRUE(HeightRefusal("abc").startsWith(row.heightRefusal))
            << HeightRefusal("abc").toStdString();
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), row.cancel);
        const CheckedText gs1 = CheckText(SymbologyId::Gs1128, QStringLiteral("(10)A\tB"), false,
                                          CodeSetChoice::AsTyped);
        EXPECT_EQ(gs1.refusal.value_or(TextRefusal{}).reason, row.gs1Refusal);
        EXPECT_TRUE(DescribeSheet(BuiltInSheets().front()).starts_with(row.sheet));
        const CInputPanel panel;
        for (const QLabel* label : panel.findChildren<QLabel*>()) {
            const QString shown = QString(label->text()).remove(QLatin1Char('&'));
            EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->contentsRect().width())
                << shown.toStdString();
        }
    }
}
