#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

// The letter after a text's "&" (lower case), or none; "&&" is an ampersand.
inline QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

// Adds one text to the letters seen in one scope; a letter seen before is a
// clash, named with both texts.
inline void NoteMnemonic(std::map<QChar, QString>& seen, const QString& text,
                         std::vector<std::string>& clashes) {
    const QChar letter = MnemonicOf(text);
    if (letter.isNull()) {
        return;
    }
    const auto [first, fresh] = seen.emplace(letter, text);
    if (!fresh) {
        clashes.push_back((first->second + " / " + text).toStdString());
    }
}

// The mnemonics that reach more than one place in a window: among its labels,
// buttons, group boxes and its menu bar's menus (which Alt and a letter reach
// alike), and among the items of each of its menus.
inline std::vector<std::string> MnemonicClashes(const QWidget& window) {
    std::vector<std::string> clashes;
    std::map<QChar, QString> seen;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() != &window || !control->isVisibleTo(&window)) {
            continue; // a menu, a tooltip: a window of its own; a page not shown
        }
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            NoteMnemonic(seen, label->text(), clashes);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            NoteMnemonic(seen, button->text(), clashes);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
            NoteMnemonic(seen, group->title(), clashes);
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(control)) {
            for (const QAction* menu : bar->actions()) {
                NoteMnemonic(seen, menu->text(), clashes);
                if (menu->menu() == nullptr) {
                    continue;
                }
                std::map<QChar, QString> items;
                for (const QAction* item : menu->menu()->actions()) {
                    NoteMnemonic(items, item->text(), clashes);
                }
            }
        }
    }
    return clashes;
}
