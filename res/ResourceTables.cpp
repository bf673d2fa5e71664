#include "ResourceTables.h"

#include "ResourceIds.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

#include <array>

namespace res {
namespace {

using namespace ids;

constexpr std::array kFileMenu{
    MenuItem{kFileSave, "&Save\tCtrl+S"},
    MenuItem{0, {}},
    MenuItem{kFilePrint, "&Print...\tCtrl+P"},
    MenuItem{kFilePrintPreview, "Print Pre&view"},
    MenuItem{kFilePrintLabels, "Print &Labels..."},
    MenuItem{kFilePrintSetup, "P&rint Setup..."},
    MenuItem{0, {}},
    MenuItem{kAppExit, "E&xit"},
};
constexpr std::array kEditMenu{
    MenuItem{kEditUndo, "&Undo\tCtrl+Z"},   MenuItem{0, {}},
    MenuItem{kEditCut, "Cu&t\tCtrl+X"},     MenuItem{kEditCopy, "&Copy\tCtrl+C"},
    MenuItem{kEditPaste, "&Paste\tCtrl+V"},
};
constexpr std::array kViewMenu{
    MenuItem{kViewToolbar, "&Toolbar"},
    MenuItem{kViewStatusBar, "&Status Bar"},
    MenuItem{0, {}},
    MenuItem{kZoomIn, "Zoom &In\tCtrl++"},
    MenuItem{kZoomOut, "Zoom &Out\tCtrl+-"},
    MenuItem{kTurnLeft, "Turn &Left\tCtrl+["},
    MenuItem{kTurnRight, "Turn &Right\tCtrl+]"},
    MenuItem{0, {}},
    MenuItem{kBarcodeSettings, "&Barcode Settings..."},
};
constexpr std::array kHelpMenu{
    MenuItem{kHelpTopics, "&Help Topics\tF1"},
    MenuItem{kOnlineSupport, "&Online Support"},
    MenuItem{kAppAbout, "&About..."},
};
constexpr std::array kMainMenu{
    Popup{"&File", kFileMenu},
    Popup{"&Edit", kEditMenu},
    Popup{"&View", kViewMenu},
    Popup{"&Help", kHelpMenu},
};

constexpr std::array kBarcodeContextItems{
    MenuItem{kEditCopy, "&Copy\t Ctrl+C"}, MenuItem{kFilePrint, "&Print\tCtrl+P"}, MenuItem{0, {}},
    MenuItem{kZoomIn, "Zoom &In"},         MenuItem{kZoomOut, "Zoom &Out"},        MenuItem{0, {}},
    MenuItem{kFileSave, "&Save"},
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
constexpr std::array kStrings{
    StringEntry{kMainResources,
                "Corvane Quillmark\n\nQuillm\n\n\nQuillmark.Document\nQuillm Document"},
    StringEntry{kAppNameString, "Quillmark"},
    StringEntry{kIdleMessageString, "Ready"},
    StringEntry{kFileSave, "Save the active document\nSave"},
    StringEntry{kFilePrint, "Print the active document\nPrint"},
    StringEntry{kFilePrintPreview, "Display full pages\nPrint Preview"},
    StringEntry{kFilePrintLabels,
                "Print the symbol on sheets or rolls of labels, one or many texts\nPrint Labels"},
    StringEntry{kFilePrintSetup, "Change the printer and printing options\nPrint Setup"},
    StringEntry{kAppExit, "Quit the application; prompts to save documents\nExit"},
    StringEntry{kEditUndo, "Undo the last action\nUndo"},
    StringEntry{kEditCut, "Cut the selection and put it on the Clipboard\nCut"},
    StringEntry{kEditCopy, "Copy the selection and put it on the Clipboard\nCopy"},
    StringEntry{kEditPaste, "Insert Clipboard contents\nPaste"},
    StringEntry{kViewToolbar, "Show or hide the toolbar\nToggle ToolBar"},
    StringEntry{kViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
    StringEntry{kHelpTopics, "List Help topics\nHelp Topics"},
    StringEntry{kOnlineSupport, "Visit Online Support\nOnline Support"},
    StringEntry{kAppAbout, "Display program information, version number and copyright\nAbout"},
    // The View menu's zoom and turn rows share their texts with the panel's
    // buttons.
    StringEntry{kZoomIn, "Show the barcode one step larger\nZoom In"},
    StringEntry{kZoomOut, "Show the barcode one step smaller\nZoom Out"},
    StringEntry{kTurnLeft, "Turn the barcode a quarter turn counter-clockwise\nTurn Left"},
    StringEntry{kTurnRight, "Turn the barcode a quarter turn clockwise\nTurn Right"},
    StringEntry{kZoomInButton, "Show the barcode one step larger\nZoom In (Ctrl++)"},
    StringEntry{kZoomOutButton, "Show the barcode one step smaller\nZoom Out (Ctrl+-)"},
    StringEntry{kTurnLeftButton,
                "Turn the barcode a quarter turn counter-clockwise\nTurn Left (Ctrl+[)"},
    StringEntry{kTurnRightButton, "Turn the barcode a quarter turn clockwise\nTurn Right (Ctrl+])"},
    StringEntry{kBarcodeSettings,
                "Change the narrow bar width and the wide-to-narrow ratio\nBarcode Settings"},
};

// Template 30727: the input panel strip.
constexpr std::array kInputPanelItems{
    DialogItem{-1, ControlKind::Static, "&Height:", 0, 3, 28, 12},
    DialogItem{kHeightEdit, ControlKind::Edit, {}, 30, 2, 45, 13},
    DialogItem{-1, ControlKind::Static, "inches", 77, 3, 23, 12},
    DialogItem{-1, ControlKind::Static, "&Width:", 1, 17, 28, 12},
    DialogItem{kWidthDisplay, ControlKind::Static, {}, 31, 19, 43, 12},
    DialogItem{-1, ControlKind::Static, "inches", 77, 17, 24, 12},
    DialogItem{-1, ControlKind::EtchedFrame, {}, 106, 1, 2, 28},
    DialogItem{-1, ControlKind::Static, "&Symbology:", 109, 3, 39, 12, true},
    DialogItem{kSymbologyList, ControlKind::ComboBox, {}, 151, 3, 120, 89},
    DialogItem{-1, ControlKind::Static, "&Text:", 127, 15, 19, 12, true},
    DialogItem{kTextEdit, ControlKind::Edit, {}, 152, 16, 122, 13},
    DialogItem{kZoomInButton, ControlKind::Button, "+", 279, 1, 16, 12},
    DialogItem{kZoomOutButton, ControlKind::Button, "--", 298, 0, 16, 13},
    DialogItem{kTurnLeftButton, ControlKind::Button, "--", 315, 0, 16, 13},
    DialogItem{kTurnRightButton, ControlKind::Button, "--", 333, 0, 16, 13},
    DialogItem{kShowTextCheck, ControlKind::CheckBox, "S&how Text", 279, 18, 48, 12},
    DialogItem{kTileModeCheck, ControlKind::CheckBox, "&Tile mode", 332, 18, 48, 12},
};
constexpr DialogTemplate kInputPanel{{}, 396, 31, "MS Shell Dlg", 8, kInputPanelItems};

// Template 100: the About box.
constexpr std::array kAboutBoxItems{
    DialogItem{kAppIcon, ControlKind::Icon, {}, 11, 17, 21, 20},
    DialogItem{kAboutVersionText, ControlKind::Static, "Quillmark Version 1.0", 40, 10, 119, 8},
    DialogItem{-1, ControlKind::Static, "Copyright \xA9 2026 Corvane.\nAll rights reserved.", 40,
               25, 136, 17},
    DialogItem{kOkButton, ControlKind::DefaultButton, "OK", 178, 7, 50, 14},
};
constexpr DialogTemplate kAboutBox{"About Quillmark", 235, 71, "MS Sans Serif", 8, kAboutBoxItems};

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
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QPixmap RenderImage(std::string_view path, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(Text(path));
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
