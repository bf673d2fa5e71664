#include "ResourceTables.h"

#include "ResourceIds.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

#include <array>

namespace res {
namespace {

using namespace ids;

constexpr std::array kFileMenu{
    MenuItem{kFileSave, QT_TRANSLATE_NOOP("Resources", "&Save\tCtrl+S")},
    MenuItem{0, {}},
    MenuItem{kFilePrint, QT_TRANSLATE_NOOP("Resources", "&Print...\tCtrl+P")},
    MenuItem{kFilePrintPreview, QT_TRANSLATE_NOOP("Resources", "Print Pre&view")},
    MenuItem{kFilePrintLabels, QT_TRANSLATE_NOOP("Resources", "Print &Labels...")},
    MenuItem{kFilePrintSetup, QT_TRANSLATE_NOOP("Resources", "P&rint Setup...")},
    MenuItem{0, {}},
    MenuItem{kAppExit, QT_TRANSLATE_NOOP("Resources", "E&xit")},
};
constexpr std::array kEditMenu{
    MenuItem{kEditUndo, QT_TRANSLATE_NOOP("Resources", "&Undo\tCtrl+Z")},
    MenuItem{0, {}},
    MenuItem{kEditCut, QT_TRANSLATE_NOOP("Resources", "Cu&t\tCtrl+X")},
    MenuItem{kEditCopy, QT_TRANSLATE_NOOP("Resources", "&Copy\tCtrl+C")},
    MenuItem{kEditPaste, QT_TRANSLATE_NOOP("Resources", "&Paste\tCtrl+V")},
};
constexpr std::array kViewMenu{
    MenuItem{kViewToolbar, QT_TRANSLATE_NOOP("Resources", "&Toolbar")},
    MenuItem{kViewStatusBar, QT_TRANSLATE_NOOP("Resources", "&Status Bar")},
    MenuItem{0, {}},
    MenuItem{kZoomIn, QT_TRANSLATE_NOOP("Resources", "Zoom &In\tCtrl++")},
    MenuItem{kZoomOut, QT_TRANSLATE_NOOP("Resources", "Zoom &Out\tCtrl+-")},
    MenuItem{kTurnLeft, QT_TRANSLATE_NOOP("Resources", "Turn &Left\tCtrl+[")},
    MenuItem{kTurnRight, QT_TRANSLATE_NOOP("Resources", "Turn &Right\tCtrl+]")},
    MenuItem{0, {}},
    MenuItem{kBarcodeSettings, QT_TRANSLATE_NOOP("Resources", "&Barcode Settings...")},
};
constexpr std::array kHelpMenu{
    MenuItem{kHelpTopics, QT_TRANSLATE_NOOP("Resources", "&Help Topics\tF1")},
    MenuItem{kAppAbout, QT_TRANSLATE_NOOP("Resources", "&About...")},
};
constexpr std::array kMainMenu{
    Popup{QT_TRANSLATE_NOOP("Resources", "&File"), kFileMenu},
    Popup{QT_TRANSLATE_NOOP("Resources", "&Edit"), kEditMenu},
    Popup{QT_TRANSLATE_NOOP("Resources", "&View"), kViewMenu},
    Popup{QT_TRANSLATE_NOOP("Resources", "&Help"), kHelpMenu},
};

constexpr std::array kBarcodeContextItems{
    MenuItem{kEditCopy, QT_TRANSLATE_NOOP("Resources", "&Copy\t Ctrl+C")},
    MenuItem{kFilePrint, QT_TRANSLATE_NOOP("Resources", "&Print\tCtrl+P")},
    MenuItem{0, {}},
    MenuItem{kZoomIn, QT_TRANSLATE_NOOP("Resources", "Zoom &In")},
    MenuItem{kZoomOut, QT_TRANSLATE_NOOP("Resources", "Zoom &Out")},
    MenuItem{0, {}},
    MenuItem{kFileSave, QT_TRANSLATE_NOOP("Resources", "&Save")},
};
constexpr std::array kContextMenuPopups{Popup{"Barcode Context", kBarcodeContextItems}};

// Ctrl+= is Ctrl++ without Shift, as on most keyboards.
constexpr std::array kMainAccelerators{
    Accelerator{"Ctrl+C", kEditCopy},   Accelerator{"Ctrl+P", kFilePrint},
    Accelerator{"Ctrl+S", kFileSave},   Accelerator{"Ctrl+V", kEditPaste},
    Accelerator{"F1", kHelpTopics},     Accelerator{"F6", kNextPane},
    Accelerator{"Shift+F6", kPrevPane}, Accelerator{"Ctrl++", kZoomIn},
    Accelerator{"Ctrl+=", kZoomIn},     Accelerator{"Ctrl+-", kZoomOut},
    Accelerator{"Ctrl+[", kTurnLeft},   Accelerator{"Ctrl+]", kTurnRight},
};

constexpr std::array kMainToolbar{kEditCut,          kEditCopy,  kEditPaste, 0,
                                  kFilePrintPreview, kFilePrint, 0,          kAppAbout};
constexpr std::array<std::string_view, 6> kMainToolbarImages{
    ":/images/cut.svg",     ":/images/copy.svg",  ":/images/paste.svg",
    ":/images/preview.svg", ":/images/print.svg", ":/images/about.svg",
};

struct StringEntry {
    int id;
    std::string_view text;
};
// The prompt and the tooltip of a command are marked for translation each on
// its own (Text() translates a table text line by line); unformatted, so that
// each entry reads as one row of the table.
// clang-format off
constexpr std::array kStrings{
    StringEntry{kMainResources, "Corvane Quillmark\n\nQuillm\n\n\nQuillmark.Document\nQuillm Document"},
    StringEntry{kAppNameString, "Quillmark"},
    StringEntry{kIdleMessageString, QT_TRANSLATE_NOOP("Resources", "Ready")},
    StringEntry{kFileSave, QT_TRANSLATE_NOOP("Resources", "Save the active document") "\n"
                QT_TRANSLATE_NOOP("Resources", "Save")},
    StringEntry{kFilePrint, QT_TRANSLATE_NOOP("Resources", "Print the active document") "\n"
                QT_TRANSLATE_NOOP("Resources", "Print")},
    StringEntry{kFilePrintPreview, QT_TRANSLATE_NOOP("Resources", "Display full pages") "\n"
                QT_TRANSLATE_NOOP("Resources", "Print Preview")},
    StringEntry{kFilePrintLabels, QT_TRANSLATE_NOOP("Resources", "Print the symbol on sheets or rolls of labels, one or many texts") "\n"
                QT_TRANSLATE_NOOP("Resources", "Print Labels")},
    StringEntry{kFilePrintSetup, QT_TRANSLATE_NOOP("Resources", "Change the printer and printing options") "\n"
                QT_TRANSLATE_NOOP("Resources", "Print Setup")},
    StringEntry{kAppExit, QT_TRANSLATE_NOOP("Resources", "Quit the application; prompts to save documents") "\n"
                QT_TRANSLATE_NOOP("Resources", "Exit")},
    StringEntry{kEditUndo, QT_TRANSLATE_NOOP("Resources", "Undo the last action") "\n"
                QT_TRANSLATE_NOOP("Resources", "Undo")},
    StringEntry{kEditCut, QT_TRANSLATE_NOOP("Resources", "Cut the selection and put it on the Clipboard") "\n"
                QT_TRANSLATE_NOOP("Resources", "Cut")},
    StringEntry{kEditCopy, QT_TRANSLATE_NOOP("Resources", "Copy the selection and put it on the Clipboard") "\n"
                QT_TRANSLATE_NOOP("Resources", "Copy")},
    StringEntry{kEditPaste, QT_TRANSLATE_NOOP("Resources", "Insert Clipboard contents") "\n"
                QT_TRANSLATE_NOOP("Resources", "Paste")},
    StringEntry{kViewToolbar, QT_TRANSLATE_NOOP("Resources", "Show or hide the toolbar") "\n"
                QT_TRANSLATE_NOOP("Resources", "Toggle ToolBar")},
    StringEntry{kViewStatusBar, QT_TRANSLATE_NOOP("Resources", "Show or hide the status bar") "\n"
                QT_TRANSLATE_NOOP("Resources", "Toggle StatusBar")},
    StringEntry{kHelpTopics, QT_TRANSLATE_NOOP("Resources", "List Help topics") "\n"
                QT_TRANSLATE_NOOP("Resources", "Help Topics")},
    StringEntry{kAppAbout, QT_TRANSLATE_NOOP("Resources", "Display program information, version number and copyright") "\n"
                QT_TRANSLATE_NOOP("Resources", "About")},
    // The View menu's zoom and turn rows share their texts with the panel's
    // buttons.
    StringEntry{kZoomIn, QT_TRANSLATE_NOOP("Resources", "Show the barcode one step larger") "\n"
                QT_TRANSLATE_NOOP("Resources", "Zoom In")},
    StringEntry{kZoomOut, QT_TRANSLATE_NOOP("Resources", "Show the barcode one step smaller") "\n"
                QT_TRANSLATE_NOOP("Resources", "Zoom Out")},
    StringEntry{kTurnLeft, QT_TRANSLATE_NOOP("Resources", "Turn the barcode a quarter turn counter-clockwise") "\n"
                QT_TRANSLATE_NOOP("Resources", "Turn Left")},
    StringEntry{kTurnRight, QT_TRANSLATE_NOOP("Resources", "Turn the barcode a quarter turn clockwise") "\n"
                QT_TRANSLATE_NOOP("Resources", "Turn Right")},
    StringEntry{kZoomInButton, QT_TRANSLATE_NOOP("Resources", "Show the barcode one step larger") "\n"
                QT_TRANSLATE_NOOP("Resources", "Zoom In (Ctrl++)")},
    StringEntry{kZoomOutButton, QT_TRANSLATE_NOOP("Resources", "Show the barcode one step smaller") "\n"
                QT_TRANSLATE_NOOP("Resources", "Zoom Out (Ctrl+-)")},
    StringEntry{kTurnLeftButton, QT_TRANSLATE_NOOP("Resources", "Turn the barcode a quarter turn counter-clockwise") "\n"
                QT_TRANSLATE_NOOP("Resources", "Turn Left (Ctrl+[)")},
    StringEntry{kTurnRightButton, QT_TRANSLATE_NOOP("Resources", "Turn the barcode a quarter turn clockwise") "\n"
                QT_TRANSLATE_NOOP("Resources", "Turn Right (Ctrl+])")},
    StringEntry{kBarcodeSettings, QT_TRANSLATE_NOOP("Resources", "Change the narrow bar width and the wide-to-narrow ratio") "\n"
                QT_TRANSLATE_NOOP("Resources", "Barcode Settings")},
};
// clang-format on

// Template 30727: the input panel strip.
constexpr std::array kInputPanelItems{
    DialogItem{-1, ControlKind::Static, QT_TRANSLATE_NOOP("Resources", "Hei&ght:"), 0, 3, 28, 12},
    DialogItem{kHeightEdit, ControlKind::Edit, {}, 30, 2, 45, 13},
    DialogItem{-1, ControlKind::Static, QT_TRANSLATE_NOOP("Resources", "inches"), 77, 3, 23, 12},
    DialogItem{-1, ControlKind::Static, QT_TRANSLATE_NOOP("Resources", "&Width:"), 1, 17, 28, 12},
    DialogItem{kWidthDisplay, ControlKind::Static, {}, 31, 19, 43, 12},
    DialogItem{-1, ControlKind::Static, QT_TRANSLATE_NOOP("Resources", "inches"), 77, 17, 24, 12},
    DialogItem{-1, ControlKind::EtchedFrame, {}, 106, 1, 2, 28},
    DialogItem{-1, ControlKind::Static, QT_TRANSLATE_NOOP("Resources", "&Symbology:"), 109, 3, 39,
               12, true},
    DialogItem{kSymbologyList, ControlKind::ComboBox, {}, 151, 3, 120, 89},
    DialogItem{-1, ControlKind::Static, QT_TRANSLATE_NOOP("Resources", "&Text:"), 127, 15, 19, 12,
               true},
    DialogItem{kTextEdit, ControlKind::Edit, {}, 152, 16, 122, 13},
    DialogItem{kZoomInButton, ControlKind::Button, "+", 279, 1, 16, 12},
    DialogItem{kZoomOutButton, ControlKind::Button, "--", 298, 0, 16, 13},
    DialogItem{kTurnLeftButton, ControlKind::Button, "--", 315, 0, 16, 13},
    DialogItem{kTurnRightButton, ControlKind::Button, "--", 333, 0, 16, 13},
    DialogItem{kShowTextCheck, ControlKind::CheckBox, QT_TRANSLATE_NOOP("Resources", "Show Te&xt"),
               279, 18, 48, 12},
    DialogItem{kTileModeCheck, ControlKind::CheckBox, QT_TRANSLATE_NOOP("Resources", "T&ile mode"),
               332, 18, 48, 12},
};
constexpr DialogTemplate kInputPanel{{}, 396, 31, "MS Shell Dlg", 8, kInputPanelItems};

// Template 100: the About box.
constexpr std::array kAboutBoxItems{
    DialogItem{kAppIcon, ControlKind::Icon, {}, 11, 17, 21, 20},
    DialogItem{kAboutVersionText, ControlKind::Static, "Quillmark Version 1.0", 40, 10, 119, 8},
    DialogItem{
        -1, ControlKind::Static,
        "Copyright \xA9 2026 Corvane.\n" QT_TRANSLATE_NOOP("Resources", "All rights reserved."), 40,
        25, 136, 17},
    DialogItem{kOkButton, ControlKind::DefaultButton, QT_TRANSLATE_NOOP("Resources", "OK"), 178, 7,
               50, 14},
};
constexpr DialogTemplate kAboutBox{
    QT_TRANSLATE_NOOP("Resources", "About Quillmark"), 235, 71, "MS Sans Serif", 8, kAboutBoxItems};

std::string_view Field(std::string_view text, bool second) {
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos) {
        return second ? std::string_view() : text;
    }
    return second ? text.substr(newline + 1) : text.substr(0, newline);
}

} // namespace

std::span<const Popup> Menu(int id) {
    if (id == kMainResources) {
        return kMainMenu;
    }
    if (id == kContextMenu) {
        return kContextMenuPopups;
    }
    return {};
}

std::vector<MenuTemplateItem> MenuTemplate(int id) {
    std::vector<MenuTemplateItem> items;
    const std::span<const Popup> popups = Menu(id);
    for (std::size_t p = 0; p < popups.size(); ++p) {
        const bool lastPopup = p + 1 == popups.size();
        items.push_back({kMenuPopup | (lastPopup ? kMenuEnd : 0U), 0, popups[p].title});
        const std::span<const MenuItem> level = popups[p].items;
        for (std::size_t i = 0; i < level.size(); ++i) {
            const bool lastItem = i + 1 == level.size();
            items.push_back({lastItem ? kMenuEnd : 0U, level[i].command, level[i].text});
        }
    }
    return items;
}

std::span<const Accelerator> Accelerators(int id) {
    return id == kMainResources ? std::span<const Accelerator>(kMainAccelerators)
                                : std::span<const Accelerator>();
}

std::span<const int> Toolbar(int id) {
    return id == kMainResources ? std::span<const int>(kMainToolbar) : std::span<const int>();
}

std::span<const std::string_view> ToolbarImages(int id) {
    return id == kMainResources ? std::span<const std::string_view>(kMainToolbarImages)
                                : std::span<const std::string_view>();
}

QString Text(std::string_view text) {
    // Line by line: a command's string holds its prompt and its tooltip, each
    // translated on its own. A text without translation (a key sequence, a
    // face name, the copyright line) comes back as written.
    const QByteArray bytes =
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
    QStringList lines;
    for (const QByteArray& line : bytes.split('\n')) {
        lines << QCoreApplication::translate("Resources", line.constData());
    }
    return lines.join(QLatin1Char('\n'));
}

QPixmap RenderImage(std::string_view path, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(path.data(), static_cast<qsizetype>(path.size())));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

std::string_view String(int id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

std::string_view Prompt(int command) {
    return Field(String(command), false);
}
std::string_view Tooltip(int command) {
    return Field(String(command), true);
}

const DialogTemplate* Dialog(int id) {
    switch (id) {
    case kInputPanelTemplate:
        return &kInputPanel;
    case kAboutBoxTemplate:
        return &kAboutBox;
    default:
        return nullptr;
    }
}

} // namespace res

// Registers the compiled-in images; a static library's resources are not
// registered by themselves.
static void RegisterImages() {
    Q_INIT_RESOURCE(images);
}

void res::RegisterResources() {
    RegisterImages();
}
