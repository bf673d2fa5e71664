#include "MenuTemplate.h"

#include <stack>

MenuTemplateNode ReadMenuTemplate(std::span<const res::MenuTemplateItem> items) {
    MenuTemplateNode top;
    // The levels whose items are being read, innermost on top. A level is
    // left once its last item is read; a level whose last item is a popup is
    // left together with that popup's level.
    std::stack<MenuTemplateNode*> levels;
    levels.push(&top);
    for (std::size_t i = 0; i < items.size() && !levels.empty(); ++i) {
        const res::MenuTemplateItem& item = items[i];
        const bool lastOfLevel = (item.flags & res::kMenuEnd) != 0;
        MenuTemplateNode& level = *levels.top();
        MenuTemplateNode& node = level.items.emplace_back();
        node.text = res::Text(item.text); // in the user's language
        node.flags = item.flags & ~res::kMenuEnd;
        if (lastOfLevel) {
            level.closed = true;
        }
        if (node.IsPopup()) {
            // The items that follow are the popup's own.
            levels.push(&node);
            continue;
        }
        node.command = item.command;
        while (!levels.empty() && levels.top()->closed) {
            levels.pop();
        }
    }
    return top;
}

QString CommandPart(const QString& text) {
    const qsizetype tab = text.indexOf(u'\t');
    return tab < 0 ? text : text.left(tab);
}
