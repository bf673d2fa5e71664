#include "OwnerDrawStyle.h"

#include "MenuTemplate.h"

#include <QAction>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidget>

#include <algorithm>
#include <array>

namespace {

// The colours the menu is drawn in, named as the platform names them, and the
// palette role each is read from. Read at every draw, so a palette change
// shows at once.
enum class SysColor {
    Menu,          // the menu's background
    MenuText,      // an item's text and check mark
    Highlight,     // a selected item's background
    HighlightText, // a selected item's text
    ButtonFace,    // the face of a button: the background of a disabled image
    ButtonLight,   // the lit edge of a raised box, the emboss of disabled items
    ButtonShadow,  // the shaded edge of a raised box, a disabled image's shape
    Light3D,       // between face and lit edge: the inside of a pressed box
    DarkShadow3D,  // the outer shaded edge of the menu's frame
    GrayText,      // disabled text
};
struct ColorSource {
    SysColor color;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
constexpr std::array kColorSources{
    ColorSource{SysColor::Menu, QPalette::Active, QPalette::Window},
    ColorSource{SysColor::MenuText, QPalette::Active, QPalette::WindowText},
    ColorSource{SysColor::Highlight, QPalette::Active, QPalette::Highlight},
    ColorSource{SysColor::HighlightText, QPalette::Active, QPalette::HighlightedText},
    ColorSource{SysColor::ButtonFace, QPalette::Active, QPalette::Button},
    ColorSource{SysColor::ButtonLight, QPalette::Active, QPalette::Light},
    ColorSource{SysColor::ButtonShadow, QPalette::Active, QPalette::Dark},
    ColorSource{SysColor::Light3D, QPalette::Active, QPalette::Midlight},
    ColorSource{SysColor::DarkShadow3D, QPalette::Active, QPalette::Shadow},
    ColorSource{SysColor::GrayText, QPalette::Disabled, QPalette::WindowText},
};

QColor Color(const QPalette& palette, SysColor color) {
    for (const ColorSource& source : kColorSources) {
        if (source.color == color) {
            return palette.color(source.group, source.role);
        }
    }
    return {};
}

// Rectangles are given as the platform gives them: left, top, and the right
// and bottom edges just outside.
QRect Span(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top};
}

void Fill(QPainter& painter, const QRect& rect, const QColor& color) {
    if (rect.isValid()) {
        painter.fillRect(rect, color);
    }
}

// The one-pixel outline just inside the rectangle.
void Outline(QPainter& painter, const QRect& rect, const QColor& color) {
    Fill(painter, {rect.left(), rect.top(), rect.width(), 1}, color);
    Fill(painter, {rect.left(), rect.bottom(), rect.width(), 1}, color);
    Fill(painter, {rect.left(), rect.top(), 1, rect.height()}, color);
    Fill(painter, {rect.right(), rect.top(), 1, rect.height()}, color);
}

// A three-dimensional box: top and left edge in one colour, right and bottom
// edge (which own the two far corners) in the other.
void Frame3d(QPainter& painter, const QRect& rect, const QColor& topLeft,
             const QColor& bottomRight) {
    Fill(painter, {rect.left(), rect.top(), rect.width() - 1, 1}, topLeft);
    Fill(painter, {rect.left(), rect.top(), 1, rect.height() - 1}, topLeft);
    Fill(painter, {rect.right(), rect.top(), 1, rect.height()}, bottomRight);
    Fill(painter, {rect.left(), rect.bottom(), rect.width(), 1}, bottomRight);
}

// The check mark: 7 rows of 7 pixels, bit 0 the leftmost column.
constexpr std::array<unsigned, 7> kTickRows{
    0b1000000, 0b1100000, 0b1110001, 0b0111011, 0b0011111, 0b0001110, 0b0000100,
};
constexpr QPoint kTickOffset{4, 4};  // from the check box's top-left corner
constexpr QPoint kRadioOffset{5, 4}; // the radio dot's square, likewise
constexpr int kRadioDiameter = 6;

// A menu line is the menu font's height and a margin of three pixels above
// and below: 19 pixels for the classic 13-pixel menu font.
constexpr int kMenuLineMargin = 6;

// The item's content to the left of its text: the image box, two pixels of
// frame on either side of the image and a gap.
constexpr int kTextIndent = CMenuItemData::kImageWidth + 9;
// The highlight of a selected item with an image or check mark starts here,
// keeping the image column in the menu colour.
constexpr int kHighlightIndent = CMenuItemData::kImageWidth + 5;

// An image of one button, drawn the way a disabled button's is: its dark shape
// in the shadow colour, with a copy in the lit colour one pixel down and to
// the right. Light parts and the transparent face vanish.
void DrawDisabledImage(QPainter& painter, const QPixmap& image, QPoint at,
                       const QPalette& palette) {
    const int w = CMenuItemData::kImageWidth;
    const int h = CMenuItemData::kImageHeight;
    const QImage source = image.toImage().convertToFormat(QImage::Format_ARGB32);
    constexpr int kOpaque = 128; // antialiased edges count as shape when half covered
    constexpr int kLight = 224;  // grey level from which a pixel counts as the lit colour
    auto inShape = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= std::min(w, source.width()) ||
            y >= std::min(h, source.height())) {
            return false;
        }
        const QRgb pixel = source.pixel(x, y);
        return qAlpha(pixel) >= kOpaque && qGray(pixel) < kLight;
    };
    const QColor face = Color(palette, SysColor::ButtonFace);
    const QColor light = Color(palette, SysColor::ButtonLight);
    const QColor shadow = Color(palette, SysColor::ButtonShadow);

    // First the lit copy, on a canvas of the face colour, one pixel off.
    QImage canvas(w, h, QImage::Format_ARGB32);
    canvas.fill(face);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (inShape(x, y)) {
                canvas.setPixelColor(x, y, light);
            }
        }
    }
    painter.drawImage(at + QPoint(1, 1), canvas);
    // Then the shape itself over the lit copy as it falls inside the canvas.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (inShape(x, y)) {
                canvas.setPixelColor(x, y, shadow);
            } else if (inShape(x - 1, y - 1)) {
                canvas.setPixelColor(x, y, light);
            }
        }
    }
    painter.drawImage(at, canvas);
}

// The menu's frame: two pixels of raised edge and one of menu colour.
constexpr int kFrameWidth = 3;

// The owner-drawn items of the widget, or null when it is no owner-drawn menu.
const COwnerDrawnItems* OwnerDrawnItems(const QWidget* widget) {
    return dynamic_cast<const COwnerDrawnItems*>(widget);
}

bool IsOwnerDrawMenu(const QWidget* widget) {
    return OwnerDrawnItems(widget) != nullptr;
}

struct Found {
    const COwnerDrawnItems* menu = nullptr;
    const CMenuItemData* item = nullptr;
};
// The menu's record of the item the option describes; the menu puts the
// item's action into the option.
Found Find(const QStyleOption* option, const QWidget* widget) {
    const COwnerDrawnItems* menu = OwnerDrawnItems(widget);
    if (menu == nullptr || option == nullptr) {
        return {};
    }
    return {menu, menu->OwnerDrawData(qobject_cast<const QAction*>(option->styleObject))};
}

} // namespace

const CMenuItemData* COwnerDrawnItems::OwnerDrawData(const QAction* action) const {
    if (action == nullptr) {
        return nullptr;
    }
    for (const auto& item : m_items) {
        if (item->action == action) {
            return (item->flags & CMenuItemData::kOwnerDraw) != 0 ? item.get() : nullptr;
        }
    }
    return nullptr;
}

void COwnerDrawnItems::MeasureItem(MeasureItemRequest& request) const {
    const QSize size = MeasureMenuItem(*request.item, m_widget->fontMetrics());
    request.width = size.width();
    request.height = size.height();
}

void COwnerDrawnItems::DrawItem(const DrawItemRequest& request) const {
    DrawMenuItem(request, m_widget->palette(), m_widget->font());
}

QSize COwnerDrawStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                        const QSize& size, const QWidget* widget) const {
    if (type == CT_MenuItem) {
        if (const auto [menu, item] = Find(option, widget); item != nullptr) {
            MeasureItemRequest request;
            request.item = item;
            menu->MeasureItem(request);
            return {request.width, request.height};
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void COwnerDrawStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuItem) {
        if (const auto [menu, item] = Find(option, widget); item != nullptr) {
            const auto* menuItem = static_cast<const QStyleOptionMenuItem*>(option);
            DrawItemRequest request;
            request.painter = painter;
            request.rect = option->rect;
            request.item = item;
            request.selected = (option->state & State_Selected) != 0;
            request.disabled = (option->state & State_Enabled) == 0;
            request.checked = menuItem->checked;
            request.exclusive = menuItem->checkType == QStyleOptionMenuItem::Exclusive;
            painter->save();
            menu->DrawItem(request);
            painter->restore();
            return;
        }
    }
    if (element == CE_MenuEmptyArea && IsOwnerDrawMenu(widget)) {
        painter->fillRect(option->rect, Color(option->palette, SysColor::Menu));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void COwnerDrawStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelMenu && IsOwnerDrawMenu(widget)) {
        painter->fillRect(option->rect, Color(option->palette, SysColor::Menu));
        return;
    }
    if (element == PE_FrameMenu && IsOwnerDrawMenu(widget)) {
        // A raised frame two pixels wide; the third pixel is menu colour.
        const QPalette& palette = option->palette;
        const QRect outer = option->rect;
        Frame3d(*painter, outer, Color(palette, SysColor::ButtonFace),
                Color(palette, SysColor::DarkShadow3D));
        Frame3d(*painter, outer.adjusted(1, 1, -1, -1), Color(palette, SysColor::ButtonLight),
                Color(palette, SysColor::ButtonShadow));
        Outline(*painter, outer.adjusted(2, 2, -2, -2), Color(palette, SysColor::Menu));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int COwnerDrawStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (IsOwnerDrawMenu(widget)) {
        switch (metric) {
        case PM_MenuPanelWidth:
            return kFrameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int COwnerDrawStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const {
    // The keyboard walks over disabled items too, and they show selected.
    if (hint == SH_Menu_AllowActiveAndDisabled && IsOwnerDrawMenu(widget)) {
        return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

int MenuLineHeight(const QFontMetrics& metrics) {
    return metrics.height() + kMenuLineMargin;
}

QSize MeasureMenuItem(const CMenuItemData& item, const QFontMetrics& metrics) {
    if ((item.flags & CMenuItemData::kSeparator) != 0) {
        // The menu takes its width from the widest item; a separator adds
        // none, but an item of no width would not be laid out at all.
        return {1, MenuLineHeight(metrics) / 2};
    }
    // The tab between command and accelerator measures as one space.
    QString text = item.text;
    text.replace(u'\t', u' ');
    return {metrics.horizontalAdvance(text) + 2 * CMenuItemData::kImageWidth + 1,
            std::max(MenuLineHeight(metrics), CMenuItemData::kImageHeight + 4)};
}

void DrawMenuItem(const DrawItemRequest& request, const QPalette& pal, const QFont& font) {
    QPainter& painter = *request.painter;
    const CMenuItemData& item = *request.item;
    const int l = request.rect.left();
    const int t = request.rect.top();
    const int r = l + request.rect.width();
    const int b = t + request.rect.height();
    const int h = b - t;
    constexpr int w = CMenuItemData::kImageWidth;
    constexpr int v = CMenuItemData::kImageHeight;

    if ((item.flags & CMenuItemData::kSeparator) != 0) {
        // An etched line at half the height: shadow above, light below.
        Fill(painter, Span(l, t + h / 2, r, t + h / 2 + 1), Color(pal, SysColor::ButtonShadow));
        Fill(painter, Span(l, t + h / 2 + 1, r, t + h / 2 + 2), Color(pal, SysColor::ButtonLight));
        return;
    }

    const bool hasImage = item.imageSource != -1;
    const QColor menu = Color(pal, SysColor::Menu);
    const QColor light = Color(pal, SysColor::ButtonLight);
    const QColor shadow = Color(pal, SysColor::ButtonShadow);

    if (request.selected) {
        const int from = (hasImage || request.checked) ? l + kHighlightIndent : l;
        Fill(painter, Span(l, t, r, b), menu);
        Fill(painter, Span(from, t, r, b), Color(pal, SysColor::Highlight));
    } else {
        Fill(painter, Span(l, t, r, b), menu);
    }
    const QColor textColor =
        Color(pal, request.selected ? SysColor::HighlightText : SysColor::MenuText);

    const int d = std::max(0, (h - v - 4) / 2);
    const QRect inner = Span(l + 1, t + d + 1, l + w + 3, t + d + v + 3);
    const QRect outer = Span(l, t + d, l + w + 4, t + d + v + 4);
    const QPoint imageAt(l + 2, t + d + 2);

    if (hasImage) {
        const QPixmap* image = item.imageIndex >= 0 && static_cast<std::size_t>(item.imageIndex) <
                                                           item.imageList.size()
                                   ? &item.imageList[static_cast<std::size_t>(item.imageIndex)]
                                   : nullptr;
        Outline(painter, inner, menu);
        if (request.disabled) {
            Outline(painter, outer, menu);
            if (image != nullptr) {
                DrawDisabledImage(painter, *image, imageAt, pal);
            }
        } else {
            if (request.selected) {
                Fill(painter, inner, menu);
                if (request.checked) {
                    Frame3d(painter, outer, shadow, light); // pressed
                } else {
                    Frame3d(painter, outer, light, shadow); // raised
                }
            } else if (request.checked) {
                Fill(painter, inner, Color(pal, SysColor::Light3D));
                Frame3d(painter, outer, shadow, light);
            } else {
                Fill(painter, inner, menu);
                Outline(painter, outer, menu);
            }
            if (image != nullptr) {
                painter.drawPixmap(imageAt, *image);
            }
        }
    } else if (request.checked) {
        const QRect box = Span(l + 1, t + d + 2, l + w + 1, t + d + v + 2);
        Fill(painter, box, request.selected ? menu : Color(pal, SysColor::Light3D));
        Frame3d(painter, box, shadow, light);
        const QColor mark = Color(pal, SysColor::MenuText);
        if (request.exclusive) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(Qt::NoPen);
            painter.setBrush(mark);
            painter.drawEllipse(
                QRect(box.topLeft() + kRadioOffset, QSize(kRadioDiameter, kRadioDiameter)));
        } else {
            const QPoint origin = box.topLeft() + kTickOffset;
            for (int row = 0; row < static_cast<int>(kTickRows.size()); ++row) {
                for (int column = 0; column < 7; ++column) {
                    if (((kTickRows[static_cast<std::size_t>(row)] >> column) & 1U) != 0) {
                        Fill(painter, {origin.x() + column, origin.y() + row, 1, 1}, mark);
                    }
                }
            }
        }
    }

    if (item.text.isEmpty()) {
        return;
    }
    const QString command = CommandPart(item.text);
    const qsizetype lastTab = item.text.lastIndexOf(u'\t');
    const QString accelerator = lastTab < 0 ? QString() : item.text.mid(lastTab + 1);
    QRect textRect = Span(l + kTextIndent, t - 1, r, b - 1);
    if (lastTab >= 0) {
        textRect.setRight(textRect.right() - w);
    }
    constexpr int kLine = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignVCenter;
    painter.setFont(font);
    auto drawText = [&](const QRect& rect, const QColor& color) {
        painter.setPen(color);
        painter.drawText(rect, kLine | Qt::AlignLeft, command);
        if (lastTab >= 0) {
            painter.drawText(rect, kLine | Qt::AlignRight, accelerator);
        }
    };
    if (!request.disabled) {
        drawText(textRect, textColor);
    } else if (!request.selected) {
        drawText(textRect.translated(1, 1), light); // embossed
        drawText(textRect, Color(pal, SysColor::GrayText));
    } else {
        drawText(textRect, menu);
    }
}
