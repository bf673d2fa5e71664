#pragma once

#include "ResourceTables.h"

#include <QString>

#include <span>
#include <vector>

// One level of a menu template read into a tree: the items of a menu, each
// popup holding the items of its own level.
struct MenuTemplateNode {
    QString text;                        // "&Copy\tCtrl+C": command part, tab, accelerator part
    unsigned flags = 0;                  // the template's flags without the end-of-level mark
    int command = 0;                     // 0 for a popup or a separator
    std::vector<MenuTemplateNode> items; // a popup's items, in order
    // The template marked the level's last item. A template may end with
    // levels still open; they keep the items read so far.
    bool closed = false;

    bool IsPopup() const { return (flags & res::kMenuPopup) != 0; }
};

// Reads the flat template, where every popup is followed by its own items and
// the last item of each level carries kMenuEnd, into the tree of its levels;
// the returned node is the top level. Items after the top level's last are
// not read.
MenuTemplateNode ReadMenuTemplate(std::span<const res::MenuTemplateItem> items);

// The command part of an item's text: what comes before the first tab.
QString CommandPart(const QString& text);
