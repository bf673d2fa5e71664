#pragma once

#include "MenuItem.h"

#include <QProxyStyle>
#include <QSize>

#include <memory>
#include <vector>

class QAction;
class QFont;
class QFontMetrics;
class QPalette;
class QWidget;

// The items of a menu widget that are measured and drawn here, not by the
// platform style: their records, found by their actions, and the size and
// look of each. A widget that is one of these is an owner-drawn menu to
// COwnerDrawStyle, which finds an item's record by the action the menu puts
// into the style option's styleObject. An item takes the look of
// MeasureMenuItem and DrawMenuItem in the widget's font and palette unless the
// menu measures or draws it itself.
class COwnerDrawnItems {
public:
    // The records of the items, in the order they were appended.
    const std::vector<std::unique_ptr<CMenuItemData>>& Items() const { return m_items; }
    // The record of an item, or null for an item not drawn here.
    const CMenuItemData* OwnerDrawData(const QAction* action) const;

    virtual void MeasureItem(MeasureItemRequest& request) const;
    virtual void DrawItem(const DrawItemRequest& request) const;

protected:
    explicit COwnerDrawnItems(const QWidget& widget) : m_widget(&widget) {}
    ~COwnerDrawnItems() = default; // not owned through this base

    std::vector<std::unique_ptr<CMenuItemData>> m_items;

private:
    const QWidget* m_widget; // the menu the items are shown in
};

// Takes over the measuring and drawing of an owner-drawn menu's items, its
// background and its frame; everything else is the application style's. The
// items are measured and drawn by their menu (COwnerDrawnItems::MeasureItem
// and DrawItem), which puts the item's action into the style option.
class COwnerDrawStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

// The height of one menu line in a menu font: the unit of item and separator
// heights.
int MenuLineHeight(const QFontMetrics& metrics);
// The size an owner-drawn item takes in a menu font.
QSize MeasureMenuItem(const CMenuItemData& item, const QFontMetrics& metrics);
// Draws an owner-drawn item in the colours of the palette and the menu font.
void DrawMenuItem(const DrawItemRequest& request, const QPalette& palette, const QFont& font);
