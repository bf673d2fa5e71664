#pragma once

#include "OwnerDrawMenu.h"

#include <QProxyStyle>
#include <QSize>

class QFont;
class QFontMetrics;
class QPalette;

// Takes over the measuring and drawing of an owner-drawn menu's items, its
// background and its frame; everything else is the application style's. The
// items are measured and drawn by their menu (COwnerDrawMenu::MeasureItem and
// DrawItem), which puts its record of the item into the style option.
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
void DrawMenuItem(const COwnerDrawMenu::DrawItemRequest& request, const QPalette& palette,
                  const QFont& font);
