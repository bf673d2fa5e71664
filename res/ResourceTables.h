#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <span>
#include <string_view>
#include <vector>

// The program's menus, accelerators, toolbar, strings and dialog layouts, as
// tables keyed by their numeric identifiers.
namespace res {

// One menu item; a separator has command 0 and no text. Text is stored as the
// menu shows it: "&" marks the mnemonic, "\t" starts the shortcut column.
struct MenuItem {
    int command;
    std::string_view text;
};
struct Popup {
    std::string_view title;
    std::span<const MenuItem> items;
};

// Menu 128 (the main menu) and menu 219 (the context menu).
std::span<const Popup> Menu(int id);

// A menu in the standard menu-template form: the items of all levels in one
// sequence, each popup followed by its own items, and the last item of every
// level marked with kMenuEnd. A separator has command 0 and no text.
inline constexpr unsigned kMenuGrayed = 0x01;
inline constexpr unsigned kMenuChecked = 0x08;
inline constexpr unsigned kMenuPopup = 0x10;
inline constexpr unsigned kMenuEnd = 0x80;
struct MenuTemplateItem {
    unsigned flags;
    int command; // 0 for a popup or a separator
    std::string_view text;
};
// The template of menu `id`; empty if there is no such menu.
std::vector<MenuTemplateItem> MenuTemplate(int id);

// Accelerator table 128: a key sequence in portable text form and its command.
struct Accelerator {
    std::string_view keys;
    int command;
};
std::span<const Accelerator> Accelerators(int id);

// Toolbar 128: button commands in order, 0 for a separator. The buttons take
// the toolbar bitmap's images in order, separators take none.
std::span<const int> Toolbar(int id);
// The image files of toolbar 128's buttons, in the order of its bitmap.
std::span<const std::string_view> ToolbarImages(int id);
inline constexpr int kToolbarImageWidth = 16;
inline constexpr int kToolbarImageHeight = 15;

// A table text (Latin-1) as a QString, in the user's language where a
// translation is installed (see Translations.h).
QString Text(std::string_view text);

// Paints one of our images at exactly the given pixel size.
QPixmap RenderImage(std::string_view path, QSize size);

// A string of the string table; empty for an unknown id. A command's string is
// its status-bar prompt, a newline, and its tooltip.
std::string_view String(int id);
std::string_view Prompt(int command);
std::string_view Tooltip(int command);

// Dialog template items, positions and sizes in dialog units.
enum class ControlKind {
    Static,
    Edit,
    ComboBox,
    Button,
    CheckBox,
    EtchedFrame,
    Icon,
    DefaultButton
};
struct DialogItem {
    int id; // -1 for an item without identifier
    ControlKind kind;
    std::string_view text;
    int x, y, cx, cy;
    bool rightAligned = false;
};
struct DialogTemplate {
    std::string_view caption; // empty for a child dialog
    int cx, cy;               // size in dialog units
    std::string_view font;    // face name
    int pointSize;
    std::span<const DialogItem> items;
};
const DialogTemplate* Dialog(int id);

// Makes the compiled-in images available under ":/images/"; call once at start.
void RegisterResources();

} // namespace res
