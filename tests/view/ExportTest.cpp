// Copy, save and the context menu: the bitmaps the view takes out of the
// program, the BMP files it writes, and the menu a right click opens.
#include "BarcodeView.h"
#include "Decode.h"
#include "DeviceGrid.h"
#include "FakeInputValues.h"
#include "OwnerDrawMenu.h"
#include "Placement.h"
#include "ResourceIds.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A view after its first draw, with the panel's start values.
struct DrawnView {
    FakeInputValues panel;
    CBarcodeView view;

    explicit DrawnView(int symbology = 0) {
        view.SetInputValues(&panel);
        view.OnInitialUpdate();
        view.SetSymbology(symbology);
        view.resize(500, 300);
        view.grab(); // the first draw builds the barcode
    }
    void Click(int controlId) {
        CNotifyEvent event(controlId, NotifyCode::Clicked);
        view.DispatchMessage(event);
    }
    // Pixels for mils at the view's resolution, truncated as the bitmap is.
    int Pixels(std::int64_t mils, int zoom = 1) const {
        return static_cast<int>(view.logicalDpiX() * zoom * mils / 1000);
    }
    // The same along the reading direction, where a 10-mil module is a whole
    // number of pixels (the device grid).
    int GridPixels(std::int64_t mils, int zoom = 1) const {
        const std::int64_t module = DotsPerModule(10, view.logicalDpiX() * zoom);
        return static_cast<int>(mils * module / 10);
    }
};

GrayImage ToGray(const QImage& image) {
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    GrayImage out{gray.width(), gray.height(), {}};
    for (int y = 0; y < gray.height(); ++y) {
        const uchar* line = gray.constScanLine(y);
        out.pixels.insert(out.pixels.end(), line, line + gray.width());
    }
    return out;
}

TEST(BitmapPixelSize, ScalesTruncatesAndRefusesTheUnusable) {
    struct Row {
        const char* name;
        CellSize mils;
        int dpi, zoom;
        QSize expected;
    };
    const Row rows[] = {
        {"default sample", {2218, 1027}, 96, 1, {212, 98}},
        {"zoom 2", {2218, 1027}, 96, 2, {425, 197}},
        {"turned", {1027, 2218}, 96, 1, {98, 212}},
        {"Postnet with a 2-inch height", {1642, 2277}, 96, 1, {157, 218}},
        {"empty", {0, 1027}, 96, 1, {}},
        {"too wide", {200'000, 1027}, 96, 1, {}},
        {"height clamped to 32 bits", {2218, INT32_MAX + 277LL}, 96, 8, {}},
        {"no resolution", {2218, 1027}, 0, 1, {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(BitmapPixelSize(row.mils, row.dpi, row.dpi, row.zoom), row.expected) << row.name;
    }
}

TEST(CopyBitmap, IsMonochromeSizedByTheCellAndReadsBack) {
    DrawnView scene;
    const QImage bitmap = scene.view.Output().RenderBitmap(true);
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.depth(), 1);
    EXPECT_EQ(bitmap.size(), QSize(scene.GridPixels(2080 + 138), scene.Pixels(750 + 277)));

    scene.view.OnCommand(ids::kZoomIn);
    scene.Click(ids::kTurnLeftButton);
    const QImage turned = scene.view.Output().RenderBitmap(true);
    EXPECT_EQ(turned.size(), QSize(scene.Pixels(750 + 277, 2), scene.GridPixels(2080 + 138, 2)));
    const Decoded decoded = DecodeImage(ToGray(turned), Symbology::Code39);
    ASSERT_TRUE(decoded.valid);
    EXPECT_EQ(decoded.text, "21898623818");
}

TEST(CopyBitmap, TileModeCopiesTheWholeClientArea) {
    DrawnView scene;
    scene.Click(ids::kTileModeCheck);
    EXPECT_EQ(scene.view.Output().RenderBitmap(true).size(), QSize(500, 300));
    EXPECT_EQ(scene.view.Output().RenderBitmap(false).size(),
              QSize(scene.GridPixels(2080 + 138), scene.Pixels(750 + 277)));
}

TEST(CopyBitmap, PostnetBitmapFollowsTheHeightField) {
    DrawnView scene(6);
    scene.panel.height = "2";
    scene.view.grab();
    const QImage bitmap = scene.view.Output().RenderBitmap(false);
    EXPECT_EQ(bitmap.height(), scene.Pixels(2000 + 277));
}

TEST(CopyBitmap, NothingWithoutAPanelOrASymbologyOrWhenTooLarge) {
    CBarcodeView view;
    EXPECT_TRUE(view.Output().RenderBitmap(true).isNull());
    FakeInputValues panel;
    view.SetInputValues(&panel);
    view.SetSymbology(-1);
    EXPECT_TRUE(view.Output().RenderBitmap(true).isNull());

    DrawnView scene;
    scene.panel.height = "1e300";
    EXPECT_TRUE(scene.view.Output().RenderBitmap(false).isNull());
}

TEST(SaveBitmap, WritesAOneBitBmpThatLoadsBack) {
    DrawnView scene;
    const QImage bitmap = scene.view.Output().RenderBitmap(false);
    QTemporaryDir dir;
    const QString path = dir.filePath("label.bmp");
    QString error;
    ASSERT_TRUE(CBarcodeOutput::SaveBitmap(bitmap, path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 30);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(static_cast<int>(bytes[28]), 1); // bits per pixel
    const QImage loaded(path);
    EXPECT_EQ(loaded.size(), bitmap.size());
    EXPECT_EQ(loaded.convertToFormat(QImage::Format_Mono, Qt::MonoOnly),
              bitmap.convertToFormat(QImage::Format_Mono, Qt::MonoOnly));
}

TEST(SaveBitmap, ReplacesAnExistingFileWholeAndReportsFailure) {
    DrawnView scene;
    QTemporaryDir dir;
    const QString path = dir.filePath("label.bmp");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1'000'000, 'x')); // longer than the new bitmap
    }
    QString error;
    ASSERT_TRUE(CBarcodeOutput::SaveBitmap(scene.view.Output().RenderBitmap(false), path, &error));
    EXPECT_FALSE(QImage(path).isNull());
    EXPECT_LT(QFile(path).size(), 1'000'000);

    const QString missingFolder = dir.filePath("no/such/folder/label.bmp");
    EXPECT_FALSE(
        CBarcodeOutput::SaveBitmap(scene.view.Output().RenderBitmap(false), missingFolder, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(missingFolder));
}

TEST(ContextMenu, SevenLinesWithTheToolbarImagesAndWorkingCommands) {
    DrawnView scene;
    const std::unique_ptr<COwnerDrawMenu> menu = scene.view.BuildContextMenu();
    const COwnerDrawMenu* popup = menu->GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    const QList<QAction*> items = popup->actions();
    ASSERT_EQ(items.size(), 7);
    const char* texts[] = {"&Copy", "&Print", "", "Zoom &In", "Zoom &Out", "", "&Save"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(items[i]->text(), texts[i]) << i;
        EXPECT_EQ(items[i]->isSeparator(), i == 2 || i == 5) << i;
        const CMenuItemData* item = popup->OwnerDrawData(items[i]);
        ASSERT_NE(item, nullptr) << i;
        EXPECT_EQ(item->imageSource != -1, i <= 1) << i; // Copy and Print have buttons
    }
    items[3]->trigger(); // Zoom In, as the "+" button
    EXPECT_EQ(scene.view.Zoom(), 2);
}

} // namespace
