#pragma once

#include <functional>
#include <memory>

class QMenu;
class QWidget;

// The barcode view's context menu (menu 219) with the toolbar's images beside
// its commands; choosing a command hands its id to raise.
std::unique_ptr<QMenu> BuildBarcodeContextMenu(QWidget* parent, std::function<void(int)> raise);
