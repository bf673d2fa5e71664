#include "ContextMenu.h"

#include "ResourceIds.h"
#include "ResourceTables.h"

#include <QMenu>

std::unique_ptr<QMenu> BuildBarcodeContextMenu(QWidget* parent, std::function<void(int)> raise) {
    auto menu = std::make_unique<QMenu>(parent);
    const auto popups = res::Menu(ids::kContextMenu);
    if (popups.empty()) {
        return menu;
    }
    const QSize imageSize(res::kToolbarImageWidth, res::kToolbarImageHeight);
    for (const res::MenuItem& item : popups.front().items) {
        if (item.command == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(res::Text(item.text));
        if (const std::string_view image = res::ToolbarImageFor(item.command); !image.empty()) {
            action->setIcon(QIcon(res::RenderImage(image, imageSize)));
        }
        const int id = item.command;
        QObject::connect(action, &QAction::triggered, menu.get(), [raise, id] { raise(id); });
    }
    return menu;
}
