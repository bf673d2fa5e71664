#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

#include <vector>

class QAction;
class QPainter;
class COwnerDrawMenu;

// What an owner-drawn menu keeps for one of its items.
struct CMenuItemData {
    // Flags of the items, beside the template's own.
    static constexpr unsigned kOwnerDraw = 0x100;
    static constexpr unsigned kByPosition = 0x400;
    static constexpr unsigned kSeparator = 0x800;

    // The toolbar's button image size: the size of an item's image.
    static constexpr int kImageWidth = 16;
    static constexpr int kImageHeight = 15;

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

// Asks for the size of an owner-drawn item.
struct MeasureItemRequest {
    const CMenuItemData* item = nullptr;
    int width = 0; // out
    int height = 0;
};

// Asks for an owner-drawn item to be drawn into its rectangle.
struct DrawItemRequest {
    QPainter* painter = nullptr;
    QRect rect;
    const CMenuItemData* item = nullptr;
    bool selected = false;
    bool disabled = false;
    bool checked = false;
    bool exclusive = false; // a checked item of a radio group shows a dot
};
