#include "OwnerDrawMenu.h"

#include "MenuTemplate.h"
#include "OwnerDrawStyle.h"

#include <QAction>
#include <QStyleOptionMenuItem>

#include <algorithm>

COwnerDrawMenu::COwnerDrawMenu(QWidget* parent)
    : QMenu(parent), COwnerDrawnItems(static_cast<const QWidget&>(*this)),
      m_style(std::make_unique<COwnerDrawStyle>()) {
    setStyle(m_style.get());
}

COwnerDrawMenu::~COwnerDrawMenu() {
    DestroyMenu();
    setStyle(nullptr); // before the style goes with the members
}

bool COwnerDrawMenu::LoadMenu(int id) {
    const std::vector<res::MenuTemplateItem> items = res::MenuTemplate(id);
    return !items.empty() && LoadMenuIndirect(items);
}

bool COwnerDrawMenu::LoadMenu(const QString& name) {
    // A numeric identifier written as a name; the tables hold no named menus.
    if (!name.startsWith(u'#')) {
        return false;
    }
    bool number = false;
    const int id = name.mid(1).toInt(&number);
    return number && LoadMenu(id);
}

bool COwnerDrawMenu::LoadMenuIndirect(std::span<const res::MenuTemplateItem> items) {
    if (items.empty()) {
        return false;
    }
    DestroyMenu();
    AppendLevel(ReadMenuTemplate(items), *this);
    MakeTopLevelPlain();
    return true;
}

void COwnerDrawMenu::AppendLevel(const MenuTemplateNode& level, COwnerDrawMenu& owner) {
    for (const MenuTemplateNode& item : level.items) {
        if (!item.IsPopup()) {
            AppendItem(item.text, item.flags, item.command, nullptr, -1);
            continue;
        }
        // A popup is a window of its own; as a child of the top-level menu it
        // belongs to the same owner, which keeps it.
        auto submenu = std::make_unique<COwnerDrawMenu>(&owner);
        COwnerDrawMenu& popup = *submenu;
        AppendItem(item.text, item.flags, 0, &popup, -1);
        owner.m_submenus.push_back(std::move(submenu));
        popup.AppendLevel(item, owner);
    }
    // A level the template leaves open keeps its texts as they are.
    if (level.closed) {
        AlignAccelerators();
    }
}

void COwnerDrawMenu::AppendItem(const QString& text, unsigned flags, int command,
                                COwnerDrawMenu* submenu, int imageSource) {
    auto record = std::make_unique<CMenuItemData>();
    record->text = text;
    record->imageSource = imageSource;
    record->command = command;
    record->submenu = submenu;
    if (submenu != nullptr) {
        record->flags = flags | kOwnerDraw;
        submenu->setTitle(CommandPart(text));
        record->action = addMenu(submenu);
    } else if (command == 0) {
        record->flags = kSeparator | kOwnerDraw;
        record->action = addSeparator();
    } else {
        record->flags = flags | kOwnerDraw;
        record->action = addAction(CommandPart(text));
        record->action->setData(command);
    }
    record->action->setEnabled((flags & res::kMenuGrayed) == 0);
    if ((flags & res::kMenuChecked) != 0) {
        record->action->setCheckable(true);
        record->action->setChecked(true);
    }
    m_items.push_back(std::move(record));
}

void COwnerDrawMenu::AlignAccelerators() {
    const QFontMetrics metrics = fontMetrics();
    int widest = -1;
    for (const auto& item : m_items) {
        widest = std::max(widest, metrics.horizontalAdvance(CommandPart(item->text) + u' '));
    }
    for (const auto& item : m_items) {
        const qsizetype tab = item->text.indexOf(u'\t');
        if (tab < 0) {
            continue;
        }
        QString command = item->text.left(tab);
        while (metrics.horizontalAdvance(command) < widest) {
            command += u' ';
        }
        item->text = command + item->text.mid(tab);
    }
}

void COwnerDrawMenu::MakeTopLevelPlain() {
    for (const auto& item : m_items) {
        const bool popup = item->submenu != nullptr;
        item->flags = kByPosition | (popup ? res::kMenuPopup : 0U);
        item->action->setText(item->text);
    }
}

bool COwnerDrawMenu::LoadToolbarImages(int toolbarId) {
    const std::span<const int> buttons = res::Toolbar(toolbarId);
    if (buttons.empty()) {
        return false;
    }
    for (const int command : buttons) {
        if (command != 0 && FindItem(command).menu != nullptr) {
            SetItemImage(command, toolbarId);
        }
    }
    return true;
}

void COwnerDrawMenu::SetItemImage(int command, int toolbarId) {
    const ItemPlace place = FindItem(command);
    if (place.menu == nullptr) {
        return;
    }
    CMenuItemData& item = *place.menu->m_items[static_cast<std::size_t>(place.position)];
    // The button's image is the one at its place among the non-separator
    // buttons of the toolbar.
    int index = 0;
    for (const int button : res::Toolbar(toolbarId)) {
        if (button == command) {
            break;
        }
        if (button != 0) {
            ++index;
        }
    }
    item.imageSource = toolbarId;
    item.imageIndex = index;
    item.imageList.clear();
    for (const std::string_view image : res::ToolbarImages(toolbarId)) {
        item.imageList.push_back(res::RenderImage(image, {kImageWidth, kImageHeight}));
    }
    item.flags = kOwnerDraw;
}

COwnerDrawMenu::ItemPlace COwnerDrawMenu::FindItem(int command) {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const CMenuItemData& item = *m_items[i];
        if (item.submenu != nullptr) {
            if (const ItemPlace inner = item.submenu->FindItem(command); inner.menu != nullptr) {
                return inner;
            }
        } else if (item.command == command) {
            return {this, static_cast<int>(i)};
        }
    }
    return {};
}

void COwnerDrawMenu::DestroyMenu() {
    clear();
    while (!m_submenus.empty()) {
        m_submenus.pop_back();
    }
    m_items.clear();
}

COwnerDrawMenu* COwnerDrawMenu::GetSubMenu(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= m_items.size()) {
        return nullptr;
    }
    return m_items[static_cast<std::size_t>(position)]->submenu;
}

void COwnerDrawMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    if (const CMenuItemData* item = OwnerDrawData(action)) {
        option->text = item->text;
        option->styleObject = item->action;
    }
}

int COwnerDrawMenu::MenuLineHeight() const {
    return ::MenuLineHeight(fontMetrics());
}
