#pragma once

#include "MenuItem.h"
#include "OwnerDrawStyle.h"
#include "ResourceTables.h"

#include <QMenu>
#include <QString>

#include <memory>
#include <span>
#include <vector>

struct MenuTemplateNode;

// A menu loaded from a menu template whose items below the top level are
// measured and drawn here, not by the platform style: an image column at the
// left with the images of a toolbar's buttons, a highlight that leaves the
// image column alone, a right-aligned accelerator column, etched separators
// and embossed disabled items. The top level stays plain: it only holds the
// popups (take one with GetSubMenu and show it).
//
// A chosen item's QAction carries its command in data(); the menu's
// triggered() signal reports it.
class COwnerDrawMenu : public QMenu, public COwnerDrawnItems {
    Q_OBJECT

public:
    // Flags of the items, beside the template's own.
    static constexpr unsigned kOwnerDraw = CMenuItemData::kOwnerDraw;
    static constexpr unsigned kByPosition = CMenuItemData::kByPosition;
    static constexpr unsigned kSeparator = CMenuItemData::kSeparator;

    // The toolbar's button image size.
    static constexpr int kImageWidth = CMenuItemData::kImageWidth;
    static constexpr int kImageHeight = CMenuItemData::kImageHeight;

    // What the style asks of the menu for one of its items.
    using MeasureItemRequest = ::MeasureItemRequest;
    using DrawItemRequest = ::DrawItemRequest;

    explicit COwnerDrawMenu(QWidget* parent = nullptr);
    ~COwnerDrawMenu() override;
    COwnerDrawMenu(const COwnerDrawMenu&) = delete;
    COwnerDrawMenu& operator=(const COwnerDrawMenu&) = delete;

    // Builds the menu from menu template `id` of the resource tables; false,
    // with nothing built, if there is no such template.
    bool LoadMenu(int id);
    // The same by resource name: "#219" names template 219.
    bool LoadMenu(const QString& name);
    // Builds the menu from a template given in place.
    bool LoadMenuIndirect(std::span<const res::MenuTemplateItem> items);
    // Gives every item whose command has a button on toolbar `toolbarId` that
    // button's image; commands of the toolbar not in the menu are skipped.
    // False if there is no such toolbar.
    bool LoadToolbarImages(int toolbarId);
    // Frees the item records and submenus and empties the menu.
    void DestroyMenu();

    // The popup at `position` of this menu, or null.
    COwnerDrawMenu* GetSubMenu(int position) const;

    // The height of one menu line in the menu's font: the unit of item and
    // separator heights.
    int MenuLineHeight() const;

protected:
    // Hands the style this menu's own record of the item and its full text.
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

private:
    struct ItemPlace {
        COwnerDrawMenu* menu = nullptr;
        int position = -1;
    };

    // Appends the items of a template level to this menu; `owner`, the
    // top-level menu, keeps the popups.
    void AppendLevel(const MenuTemplateNode& level, COwnerDrawMenu& owner);
    void AppendItem(const QString& text, unsigned flags, int command, COwnerDrawMenu* submenu,
                    int imageSource);
    void SetItemImage(int command, int toolbarId);
    ItemPlace FindItem(int command);
    void AlignAccelerators();
    void MakeTopLevelPlain();
    bool HasCommand(int command) const;

    std::vector<std::unique_ptr<COwnerDrawMenu>> m_submenus;
    std::unique_ptr<QStyle> m_style;
};
