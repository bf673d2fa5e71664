// The owner-drawn menu: loading a template and a toolbar's images, and the
// geometry and colours of its items, measured on the shown popup's pixels.
#include "OwnerDrawMenu.h"
#include "ResourceIds.h"
#include "ResourceTables.h"

#include <QAction>
#include <QActionGroup>
#include <QImage>
#include <QPainter>
#include <QStyleOptionMenuItem>

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace {

using res::MenuTemplateItem;

constexpr int kCopy = 0, kPrint = 1, kZoomIn = 3, kZoomOut = 4, kSave = 6;
constexpr int kImageColumn = 21; // image box and its margin
constexpr int kTextColumn = 25;

class OwnerDrawMenuTest : public testing::Test {
protected:
    static void SetUpTestSuite() { res::RegisterResources(); }

    // Menu 219 with the images of toolbar 128, as the barcode view loads it.
    void LoadContextMenu() {
        ASSERT_TRUE(menu.LoadMenu(ids::kContextMenu));
        ASSERT_TRUE(menu.LoadToolbarImages(ids::kMainResources));
        popup = menu.GetSubMenu(0);
        ASSERT_NE(popup, nullptr);
    }
    void LoadTemplate(std::span<const MenuTemplateItem> items) {
        ASSERT_TRUE(menu.LoadMenuIndirect(items));
        popup = menu.GetSubMenu(0);
        ASSERT_NE(popup, nullptr);
    }

    QAction* Item(int position) const { return popup->actions().at(position); }
    QRect Rect(int position) const { return popup->actionGeometry(Item(position)); }

    // The popup as it shows on screen, with `active` selected.
    QImage Shot(QAction* active = nullptr) {
        popup->popup(QPoint(0, 0));
        popup->setActiveAction(active);
        return popup->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Colours compare as the 8-bit values the pixels hold.
    QRgb Role(QPalette::ColorRole role) const { return popup->palette().color(role).rgb(); }

    // The columns or rows of `area` holding anything but `background`.
    static std::optional<QRect> Ink(const QImage& image, const QRect& area, QRgb background) {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixel(x, y) != background) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        return ink.isNull() ? std::nullopt : std::optional<QRect>(ink);
    }

    // Where the ink of `text` begins when it is drawn from the text column in
    // the menu's font: the column plus the first glyph's bearing.
    int FirstInkAtTextColumn(const char* text) const {
        QImage image(200, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(popup->font());
        painter.drawText(QRect(kTextColumn, 0, 175, 40),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text);
        painter.end();
        return Ink(image, image.rect(), QColor(Qt::white).rgb())->left();
    }

    COwnerDrawMenu menu;
    COwnerDrawMenu* popup = nullptr;
};

TEST_F(OwnerDrawMenuTest, CopyAndPrintCarryTheToolbarImagesAndAllTextsShareOneColumn) {
    LoadContextMenu();
    const QImage shot = Shot();
    const QRgb menuColour = Role(QPalette::Window);
    const auto images = res::ToolbarImages(ids::kMainResources);
    struct Row {
        const char* name;
        int position;
        int toolbarImage; // -1: none
        const char* text;
    };
    const Row rows[] = {
        {"Copy", kCopy, 1, "&Copy"},          {"Print", kPrint, 4, "&Print"},
        {"Zoom In", kZoomIn, -1, "Zoom &In"}, {"Zoom Out", kZoomOut, -1, "Zoom &Out"},
        {"Save", kSave, -1, "&Save"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QRect item = Rect(row.position);
        const int d = (item.height() - 15 - 4) / 2;
        const QPoint at = item.topLeft() + QPoint(2, d + 2);
        if (row.toolbarImage >= 0) {
            // The button's own image, as the toolbar paints it, over the menu.
            QImage expected(16, 15, QImage::Format_RGB32);
            expected.fill(menuColour);
            QPainter(&expected).drawPixmap(
                0, 0, res::RenderImage(images[std::size_t(row.toolbarImage)], {16, 15}));
            EXPECT_EQ(shot.copy(QRect(at, QSize(16, 15))), expected);
        } else {
            EXPECT_FALSE(
                Ink(shot, QRect(item.topLeft(), QSize(kImageColumn, item.height())), menuColour));
        }
        const QRect text(item.left() + kImageColumn, item.top(), 60, item.height());
        const auto ink = Ink(shot, text, menuColour);
        ASSERT_TRUE(ink);
        EXPECT_EQ(ink->left() - item.left(), FirstInkAtTextColumn(row.text));
    }
}

TEST_F(OwnerDrawMenuTest, AcceleratorsEndSixteenPixelsInFromTheRightAndCommandsArePadded) {
    LoadContextMenu();
    const QImage shot = Shot();
    const QRgb menuColour = Role(QPalette::Window);
    std::array<int, 2> ends{};
    for (const int position : {kCopy, kPrint}) {
        const QRect item = Rect(position);
        const QRect right(item.right() - 40, item.top(), 41, item.height());
        const auto ink = Ink(shot, right, menuColour);
        ASSERT_TRUE(ink) << position;
        ends[std::size_t(position)] = ink->right();
        const int inFromRight = item.right() + 1 - (ink->right() + 1);
        EXPECT_GE(inFromRight, 16) << position;
        EXPECT_LE(inFromRight, 17) << position; // the last glyph's bearing
    }
    EXPECT_LE(std::abs(ends[0] - ends[1]), 1);

    // Each command part reaches the widest command text plus one space, and
    // one space fewer would not.
    const QFontMetrics metrics = popup->fontMetrics();
    int widest = 0;
    for (const char* command : {"&Copy", "&Print", "Zoom &In", "Zoom &Out", "&Save"}) {
        widest = std::max(widest, metrics.horizontalAdvance(QString(command) + " "));
    }
    struct Row {
        int position;
        const char* command;
        const char* accelerator;
    };
    for (const Row& row : {Row{kCopy, "&Copy", "\t Ctrl+C"}, Row{kPrint, "&Print", "\tCtrl+P"}}) {
        const QString text = popup->Items()[std::size_t(row.position)]->text;
        ASSERT_TRUE(text.endsWith(row.accelerator)) << text.toStdString();
        const QString command = text.section(u'\t', 0, 0);
        EXPECT_TRUE(command.startsWith(row.command));
        EXPECT_GE(metrics.horizontalAdvance(command), widest) << row.command;
        EXPECT_LT(metrics.horizontalAdvance(command.chopped(1)), widest) << row.command;
    }
    EXPECT_EQ(popup->Items()[kSave]->text, "&Save"); // no tab, no padding
}

TEST_F(OwnerDrawMenuTest, SeparatorsAreHalfALineWithAnEtchedLineItemsAtLeastNineteen) {
    LoadContextMenu();
    struct Row {
        const char* name;
        int pixelSize;
    };
    for (const Row& row : {Row{"tiny font", 6}, Row{"small font", 11}, Row{"large font", 24}}) {
        SCOPED_TRACE(row.name);
        QFont font = popup->font();
        font.setPixelSize(row.pixelSize);
        popup->setFont(font);
        const int line = popup->MenuLineHeight();
        const QImage shot = Shot();
        for (int position = 0; position < 7; ++position) {
            const QRect rect = Rect(position);
            if (Item(position)->isSeparator()) {
                EXPECT_EQ(rect.height(), line / 2) << position;
                const int y = rect.top() + rect.height() / 2;
                for (const int x : {rect.left(), rect.center().x(), rect.right()}) {
                    EXPECT_EQ(shot.pixel(x, y), Role(QPalette::Dark)) << position;
                    EXPECT_EQ(shot.pixel(x, y + 1), Role(QPalette::Light)) << position;
                    EXPECT_EQ(shot.pixel(x, y - 1), Role(QPalette::Window)) << position;
                }
            } else {
                EXPECT_EQ(rect.height(), std::max(19, line)) << position;
            }
        }
        popup->hide();
    }
}

TEST_F(OwnerDrawMenuTest, HighlightSparesTheImageColumnOnlyWhereThereIsAnImage) {
    LoadContextMenu();
    const QRgb menuColour = Role(QPalette::Window);
    const QRgb highlight = Role(QPalette::Highlight);
    {
        SCOPED_TRACE("Copy, selected, with its image in a raised box");
        const QImage shot = Shot(Item(kCopy));
        const QRect item = Rect(kCopy);
        const int d = (item.height() - 15 - 4) / 2;
        for (int y = item.top(); y <= item.bottom(); ++y) {
            for (int x = item.left(); x < item.left() + kImageColumn; ++x) {
                ASSERT_NE(shot.pixel(x, y), highlight) << x << "," << y;
            }
            EXPECT_EQ(shot.pixel(item.left() + kImageColumn - 1, y), menuColour) << y;
            EXPECT_EQ(shot.pixel(item.left() + kImageColumn, y), highlight) << y;
            EXPECT_EQ(shot.pixel(item.right(), y), highlight) << y;
        }
        const QPoint box = item.topLeft() + QPoint(0, d);
        EXPECT_EQ(shot.pixel(box), Role(QPalette::Light));
        EXPECT_EQ(shot.pixel(box + QPoint(19, 18)), Role(QPalette::Dark));
        EXPECT_EQ(shot.pixel(box + QPoint(1, 1)), menuColour); // the inner box
    }
    {
        SCOPED_TRACE("Zoom In, selected, without image");
        const QImage shot = Shot(Item(kZoomIn));
        const QRect item = Rect(kZoomIn);
        for (int y = item.top(); y <= item.bottom(); ++y) {
            EXPECT_EQ(shot.pixel(item.left(), y), highlight) << y;
            EXPECT_EQ(shot.pixel(item.right(), y), highlight) << y;
        }
        EXPECT_EQ(Ink(shot, item, highlight)->left() - item.left(),
                  FirstInkAtTextColumn("Zoom &In"));
    }
}

// A popup with a disabled Copy (so it has the toolbar image), a checked item,
// a radio item and a plain one.
constexpr std::array kStates{
    MenuTemplateItem{res::kMenuPopup | res::kMenuEnd, 0, "States"},
    MenuTemplateItem{res::kMenuGrayed, 57634, "&Copy"},
    MenuTemplateItem{res::kMenuGrayed, 901, "&Disabled\tF9"},
    MenuTemplateItem{res::kMenuChecked, 902, "C&hecked"},
    MenuTemplateItem{res::kMenuChecked | res::kMenuEnd, 903, "&Radio"},
};

TEST_F(OwnerDrawMenuTest, DisabledItemsAreEmbossedAndChecksShowTheirMark) {
    LoadTemplate(kStates);
    ASSERT_TRUE(menu.LoadToolbarImages(ids::kMainResources));
    QActionGroup radio(popup);
    radio.addAction(Item(3));
    const QImage shot = Shot();
    const QRgb menuColour = Role(QPalette::Window);
    const QRgb grey = popup->palette().color(QPalette::Disabled, QPalette::WindowText).rgb();
    const QRgb light = Role(QPalette::Light);

    {
        SCOPED_TRACE("disabled text: lit copy one pixel down-right, grey on top");
        const QRect item = Rect(1);
        const QRect text(item.left() + kImageColumn, item.top(), item.width() - kImageColumn,
                         item.height());
        QRect greyInk, lightInk;
        for (int y = text.top(); y <= text.bottom(); ++y) {
            for (int x = text.left(); x <= text.right(); ++x) {
                const int pixel = qGray(shot.pixel(x, y));
                if (pixel < qGray(menuColour)) {
                    greyInk |= QRect(x, y, 1, 1);
                } else if (pixel > qGray(menuColour)) {
                    lightInk |= QRect(x, y, 1, 1);
                }
            }
        }
        ASSERT_FALSE(greyInk.isNull());
        EXPECT_EQ(lightInk.right(), greyInk.right() + 1);
        EXPECT_EQ(lightInk.bottom(), greyInk.bottom() + 1);
        bool hasGrey = false, hasLight = false;
        for (int y = text.top(); y <= text.bottom(); ++y) {
            for (int x = text.left(); x <= text.right(); ++x) {
                hasGrey = hasGrey || shot.pixel(x, y) == grey;
                hasLight = hasLight || shot.pixel(x, y) == light;
            }
        }
        EXPECT_TRUE(hasGrey);
        EXPECT_TRUE(hasLight);
    }
    {
        SCOPED_TRACE("disabled image: only face, lit and shadow colours");
        const QRect item = Rect(0);
        const int d = (item.height() - 15 - 4) / 2;
        const QRect image(item.topLeft() + QPoint(2, d + 2), QSize(17, 16));
        int shadow = 0;
        for (int y = image.top(); y <= image.bottom(); ++y) {
            for (int x = image.left(); x <= image.right(); ++x) {
                const QRgb pixel = shot.pixel(x, y);
                EXPECT_TRUE(pixel == Role(QPalette::Button) || pixel == light ||
                            pixel == Role(QPalette::Dark) || pixel == menuColour)
                    << x << "," << y;
                shadow += pixel == Role(QPalette::Dark) ? 1 : 0;
            }
        }
        EXPECT_GT(shadow, 10);
    }
    {
        SCOPED_TRACE("checked, without image: the tick's exact pixels in a sunken box");
        const QRect item = Rect(2);
        const int d = (item.height() - 15 - 4) / 2;
        const QPoint box = item.topLeft() + QPoint(1, d + 2);
        EXPECT_EQ(shot.pixel(box), Role(QPalette::Dark));
        EXPECT_EQ(shot.pixel(box + QPoint(15, 14)), light);
        const char* tick[] = {"......#", ".....##", "#...###", "##.###.",
                              "#####..", ".###...", "..#...."};
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 7; ++column) {
                const QRgb expected = tick[row][column] == '#' ? Role(QPalette::WindowText)
                                                               : Role(QPalette::Midlight);
                EXPECT_EQ(shot.pixel(box + QPoint(4 + column, 4 + row)), expected)
                    << "row " << row << " column " << column;
            }
        }
    }
    {
        SCOPED_TRACE("checked radio item: a dot in its 6-pixel square");
        const QRect item = Rect(3);
        const int d = (item.height() - 15 - 4) / 2;
        const QPoint square = item.topLeft() + QPoint(1 + 5, d + 2 + 4);
        EXPECT_EQ(shot.pixel(square + QPoint(2, 2)), Role(QPalette::WindowText));
        EXPECT_EQ(shot.pixel(square + QPoint(3, 3)), Role(QPalette::WindowText));
        EXPECT_EQ(shot.pixel(square + QPoint(-1, 2)), Role(QPalette::Midlight));
        EXPECT_EQ(shot.pixel(square + QPoint(6, 2)), Role(QPalette::Midlight));
    }
}

TEST_F(OwnerDrawMenuTest, MissingResourcesLoadNothingAndForeignButtonsAreSkipped) {
    EXPECT_FALSE(menu.LoadMenu(999));
    EXPECT_TRUE(menu.actions().isEmpty());
    EXPECT_EQ(menu.GetSubMenu(0), nullptr);
    EXPECT_FALSE(menu.LoadMenu(QStringLiteral("Barcode Context")));
    EXPECT_FALSE(menu.LoadMenu(QStringLiteral("#")));
    EXPECT_TRUE(menu.LoadMenu(QStringLiteral("#219")));
    menu.DestroyMenu();
    EXPECT_TRUE(menu.actions().isEmpty());

    LoadContextMenu();
    EXPECT_FALSE(menu.LoadToolbarImages(999));
    // Toolbar 128 also has Cut, Paste, Preview and About; only the commands
    // in the menu take images, at their places among the buttons.
    ASSERT_EQ(popup->Items().size(), 7U);
    for (std::size_t i = 0; i < 7; ++i) {
        const CMenuItemData& item = *popup->Items()[i];
        const int expected = i == kCopy ? 1 : i == kPrint ? 4 : -1;
        EXPECT_EQ(item.imageIndex, expected) << i;
        EXPECT_EQ(item.imageSource, expected < 0 ? -1 : ids::kMainResources) << i;
        EXPECT_EQ(item.imageList.size(), expected < 0 ? 0U : 6U) << i;
    }
    // The top level stays plain, drawn by the application style.
    EXPECT_EQ(menu.OwnerDrawData(menu.actions().at(0)), nullptr);
}

// Nested popups, accelerator columns aligned per level, and a template whose
// last level is never closed.
constexpr std::array kNested{
    MenuTemplateItem{res::kMenuPopup, 0, "&Outer"},
    MenuTemplateItem{0, 11, "&A\tCtrl+A"},
    MenuTemplateItem{res::kMenuPopup | res::kMenuEnd, 0, "&Inner"},
    MenuTemplateItem{0, 12, "&Much longer inner item"},
    MenuTemplateItem{res::kMenuEnd, 13, "&B\tCtrl+B"},
    MenuTemplateItem{res::kMenuPopup | res::kMenuEnd, 0, "&Second"},
    MenuTemplateItem{0, 14, "&C"},
};

TEST_F(OwnerDrawMenuTest, NestedPopupsAreLoadedLevelByLevel) {
    LoadTemplate(kNested);
    const COwnerDrawMenu* inner = popup->GetSubMenu(1);
    ASSERT_NE(inner, nullptr);
    ASSERT_NE(menu.GetSubMenu(1), nullptr);
    EXPECT_EQ(menu.GetSubMenu(1)->actions().size(), 1); // the open level keeps its item
    const QFontMetrics metrics = popup->fontMetrics();
    // Outer aligns to its own widest text ("&Inner "), not the inner level's.
    const QString a = popup->Items()[0]->text.section(u'\t', 0, 0);
    EXPECT_GE(metrics.horizontalAdvance(a), metrics.horizontalAdvance("&Inner "));
    EXPECT_LT(metrics.horizontalAdvance(a), metrics.horizontalAdvance("&Much longer"));
    const QString b = inner->Items()[1]->text.section(u'\t', 0, 0);
    EXPECT_GE(metrics.horizontalAdvance(b), metrics.horizontalAdvance("&Much longer inner item "));
}

// The style reaches a menu only through its owner-drawn items: any menu that
// has them, and names the item in the style option, is laid out by their own
// measure.
TEST(OwnerDrawnItemsTest, TheStyleLaysAnItemOutAtTheSizeItsMenuMeasures) {
    struct FixedMenu : QMenu, COwnerDrawnItems {
        FixedMenu() : COwnerDrawnItems(static_cast<const QWidget&>(*this)) {
            auto& item = m_items.emplace_back(std::make_unique<CMenuItemData>());
            item->flags = CMenuItemData::kOwnerDraw;
            item->action = addAction(QStringLiteral("&Fixed"));
            setStyle(&style);
        }
        ~FixedMenu() override { setStyle(nullptr); }
        void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override {
            QMenu::initStyleOption(option, action);
            option->styleObject = m_items.front()->action;
        }
        void MeasureItem(MeasureItemRequest& request) const override {
            request.width = 80;
            request.height = 45;
        }
        COwnerDrawStyle style;
    } menu;
    EXPECT_EQ(menu.actionGeometry(menu.actions().at(0)).height(), 45);
}

} // namespace
