#pragma once

#include "ResourceTables.h"

#include <QMenu>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <memory>
#include <span>
#include <vector>

class QPainter;
class COwnerDrawMenu;
struct MenuTemplateNode;

// What an owner-drawn menu keeps for one of its items.
struct CMenuItemData {
    // Command part, tab, accelerator part: "&Copy\t Ctrl+C". After the level
    // is aligned the command part carries trailing spaces.
    QString text;
    int imageIndex = -1;  // position of the item's image in imageList
    int imageSource = -1; // the toolbar the image comes from; -1 without image
    unsigned flags = 0;   // the menu flags the item was appended with
    int command = 0;
    COwnerDrawMenu* submenu = nullptr; // for a popup item
    // The whole button strip of the image's toolbar; empty when the item has
    // no image or the toolbar's images could not be read.
    std::vector<QPixmap> imageList;
    QAction* action = nullptr; // the item itself; null for a record of no item
};

// A menu loaded from a menu template whose items below the top level are
// measured and drawn here, not by the platform style: an image column at the
// left with the images of a toolbar's buttons, a highlight that leaves the
// image column alone, a right-aligned accelerator column, etched separators
// and embossed disabled items. The top level stays plain: it only holds the
// popups (take one with GetSubMenu and show it).
//
// A chosen item's QAction carries its command in data(); the menu's
// triggered() signal reports it.
class COwnerDrawMenu : public QMenu {
    Q_OBJECT

public:
    // Flags of the items, beside the template's own.
    static constexpr unsigned kOwnerDraw = 0x100;
    static constexpr unsigned kByPosition = 0x400;
    static constexpr unsigned kSeparator = 0x800;

    // The toolbar's button image size.
    static constexpr int kImageWidth = 16;
    static constexpr int kImageHeight = 15;

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
    // The records of this menu's items, in the order they were appended.
    const std::vector<std::unique_ptr<CMenuItemData>>& Items() const { return m_items; }
    // The record of an item of this menu, or null for an item not drawn here.
    const CMenuItemData* OwnerDrawData(const QAction* action) const;

    // The height of one menu line in the menu's font: the unit of item and
    // separator heights.
    int MenuLineHeight() const;

    struct MeasureItemRequest {
        const CMenuItemData* item = nullptr;
        int width = 0; // out
        int height = 0;
    };
    virtual void MeasureItem(MeasureItemRequest& request) const;

    struct DrawItemRequest {
        QPainter* painter = nullptr;
        QRect rect;
        const CMenuItemData* item = nullptr;
        bool selected = false;
        bool disabled = false;
        bool checked = false;
        bool exclusive = false; // a checked item of a radio group shows a dot
    };
    virtual void DrawItem(const DrawItemRequest& request) const;

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

    std::vector<std::unique_ptr<CMenuItemData>> m_items;
    std::vector<std::unique_ptr<COwnerDrawMenu>> m_submenus;
    std::unique_ptr<QStyle> m_style;
};
