// Copy, save and the context menu: the bitmaps the view takes out of the
// program, the BMP files it writes, and the menu a right click opens.
#include "BarcodeView.h"
#include "Decode.h"
#include "DeviceGrid.h"
#include "FailingFolder.h"
#include "FakeInputValues.h"
#include "ModalDialogs.h"
#include "OutputFormat.h"
#include "OwnerDrawMenu.h"
#include "Placement.h"
#include "QtImages.h"
#include "ResourceIds.h"
#include "ScopedWidths.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
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
        return static_cast<int>(std::int64_t{view.logicalDpiX()} * zoom * mils / 1000);
    }
    // The same along the reading direction, where a 10-mil module is a whole
    // number of pixels (the device grid).
    int GridPixels(std::int64_t mils, int zoom = 1) const {
        const std::int64_t module = DotsPerModule(10, view.logicalDpiX() * zoom);
        return static_cast<int>(mils * module / 10);
    }
};

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
    // 2070 mils of bars (the stop's gap is none) and eleven modules each side (ten and one to
    // spare).
    EXPECT_EQ(bitmap.size(), QSize(scene.GridPixels(2070 + 220), scene.Pixels(750 + 277)));

    scene.view.OnCommand(ids::kZoomIn);
    scene.Click(ids::kTurnLeftButton);
    const QImage turned = scene.view.Output().RenderBitmap(true);
    EXPECT_EQ(turned.size(), QSize(scene.Pixels(750 + 277, 2), scene.GridPixels(2070 + 220, 2)));
    const Decoded decoded = DecodeImage(ToGray(turned), Symbology::Code39);
    ASSERT_TRUE(decoded.valid);
    EXPECT_EQ(decoded.text, "21898623818");
}

TEST(CopyBitmap, TileModeCopiesTheWholeClientArea) {
    DrawnView scene;
    scene.Click(ids::kTileModeCheck);
    EXPECT_EQ(scene.view.Output().RenderBitmap(true).size(), QSize(500, 300));
    EXPECT_EQ(scene.view.Output().RenderBitmap(false).size(),
              QSize(scene.GridPixels(2070 + 220), scene.Pixels(750 + 277)));
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

TEST(SaveBitmap, ReplacesAnExistingFileWholeWithItsPermissionsAndReportsFailure) {
    DrawnView scene;
    QTemporaryDir dir;
    const QString path = dir.filePath("label.bmp");
    const auto shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1'000'000, 'x')); // longer than the new bitmap
        old.setPermissions(shared);
    }
    QString error;
    ASSERT_TRUE(CBarcodeOutput::SaveBitmap(scene.view.Output().RenderBitmap(false), path, &error));
    EXPECT_FALSE(QImage(path).isNull());
    EXPECT_LT(QFile(path).size(), 1'000'000);
    constexpr int kOwnerGroupOther = 0x7077; // not the ReadUser bits of whoever asks
    EXPECT_EQ(QFile::permissions(path) & kOwnerGroupOther, shared);

    const QString missingFolder = dir.filePath("no/such/folder/label.bmp");
    EXPECT_FALSE(
        CBarcodeOutput::SaveBitmap(scene.view.Output().RenderBitmap(false), missingFolder, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(missingFolder));
}

// A bitmap of stripes, as large as asked, in one bit per pixel.
QImage StripedBitmap(QSize size) {
    QImage image(size, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < size.height(); ++y) {
        std::memset(image.scanLine(y), 0x0f, static_cast<std::size_t>(image.bytesPerLine()));
    }
    return image;
}

// What was in the file before the failed save: not a bitmap, so that no part
// of a new one can pass for it.
const QByteArray kOldFile = QByteArray("the old file's bytes ").repeated(500);

TEST(SaveBitmap, AFailedWriteSaysTheFilesErrorAndLeavesTheOldFileWhole) {
    struct Row {
        const char* name;
        WriteFailure failure;
        QSize size; // larger than the file's buffer: fails inside the writer
    };
    const Row rows[] = {
        {"no space left, inside the image writer", WriteFailure::NoSpace, {4000, 1000}},
        {"no space left, at the last flush", WriteFailure::NoSpace, {200, 100}},
        {"read-only file system", WriteFailure::ReadOnly, {200, 100}},
        {"past the file size limit, inside the image writer",
         WriteFailure::FileSizeLimit,
         {4000, 1000}},
        {"past the file size limit, at the last flush", WriteFailure::FileSizeLimit, {200, 100}},
        {"no permission", WriteFailure::NoPermission, {200, 100}},
    };
    int tried = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CFailingFolder folder(row.failure, "label.bmp", kOldFile);
        if (!folder.Available()) {
            std::cout << "[ NOT RUN  ] " << row.name << ": " << folder.Why().toStdString() << '\n';
            continue;
        }
        ++tried;
        QString error;
        EXPECT_FALSE(
            CBarcodeOutput::SaveBitmap(StripedBitmap(row.size), folder.FilePath(), &error));
        EXPECT_TRUE(error.contains(folder.ErrorText()))
            << error.toStdString() << " | wanted: " << folder.ErrorText().toStdString();
        EXPECT_EQ(FileBytes(folder.FilePath()), kOldFile);
        EXPECT_EQ(folder.Entries(), QStringList{"label.bmp"}) << "no part of the new file left";
    }
    EXPECT_GE(tried, 2) << "the file size limit needs no right of any kind";
}

// Answers a Save: the file dialog with path, "replace it?" with yes; keeps
// the text of the message that follows. Waits for nothing once destroyed.
struct SaveAnswers {
    QString path;
    QString message;
    QPointer<QTimer> pending;
    QStringList filters; // the file dialog's

    void AwaitNext() {
        pending = WhenModalOpens([this](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            if (auto* dialog = qobject_cast<QFileDialog*>(&modal); dialog != nullptr) {
                AwaitNext(); // what the dialog opens next
                filters = dialog->nameFilters();
                dialog->selectFile(path);
                // The whole path, so that accepting waits for no listing of its folder.
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                static_cast<QDialog*>(dialog)->accept();
            } else if (box != nullptr && box->button(QMessageBox::Yes) != nullptr) {
                AwaitNext();
                box->button(QMessageBox::Yes)->click();
            } else {
                message = box != nullptr ? box->text() : QString();
                modal.close();
            }
        });
    }
    ~SaveAnswers() { delete pending; }
};

TEST(SaveCommand, AFullDeviceIsSaidWithItsOwnErrorAndTheOldFileStays) {
    QStandardPaths::setTestModeEnabled(true); // the file dialog keeps its history
    DrawnView scene;
    std::unique_ptr<CFailingFolder> folder;
    for (const WriteFailure failure : {WriteFailure::NoSpace, WriteFailure::FileSizeLimit}) {
        folder = std::make_unique<CFailingFolder>(failure, "label.bmp", kOldFile);
        if (folder->Available()) {
            break;
        }
    }
    ASSERT_TRUE(folder->Available()) << folder->Why().toStdString();
    SaveAnswers answers{folder->FilePath(), {}, {}, {}};
    answers.AwaitNext();
    scene.view.Output().Save();
    EXPECT_TRUE(answers.message.contains(folder->FilePath())) << answers.message.toStdString();
    EXPECT_TRUE(answers.message.contains(folder->ErrorText())) << answers.message.toStdString();
    EXPECT_EQ(FileBytes(folder->FilePath()), kOldFile);
}

// SVG and PDF keep true size whatever the zoom, as the dialog says, and are
// saved when the symbol is too large for a bitmap; a file that would not scan
// printed at 600 dpi is said to be so.
TEST(SaveCommand, VectorFilesKeepTrueSizeAndAreCheckedAt600Dpi) {
    QStandardPaths::setTestModeEnabled(true);
    const struct {
        const char *file, *height;
        int zoom, density;
        const char* message;
    } rows[] = {
        {"zoomed.pdf", "0.75", 2, 10, ""},
        {"taller-than-a-bitmap.svg", "180", 1, 10, ""},
        {"fine.pdf", "0.75", 1, 1,
         "is saved at true size, but it does not scan printed at 600 dpi. It does at Density 2."},
    };
    for (const auto& row : rows) {
        const ScopedWidths widths(row.density, 3);
        const QTemporaryDir folder; // one each: the dialog opens in the last one used
        DrawnView scene;
        scene.panel.height = row.height;
        for (int zoom = 1; zoom < row.zoom; ++zoom) {
            scene.view.OnCommand(ids::kZoomIn);
        }
        std::optional<RenderRequest> trueSize = scene.view.RequestOf(*FormatOfPath(row.file), 1, 1);
        trueSize->zoom = 1;
        trueSize->title = QFileInfo(row.file).completeBaseName(); // a PDF carries its name
        SaveAnswers answers{folder.filePath(row.file), {}, {}, {}};
        answers.AwaitNext();
        scene.view.Output().Save();
        EXPECT_EQ(answers.message.mid(answers.path.size() + 1), row.message); // after the path
        EXPECT_EQ(FileBytes(answers.path), RenderSymbol(*trueSize).bytes) << row.file;
        EXPECT_EQ(answers.filters.filter("the zoom applies to bitmaps only").size(),
                  row.zoom > 1 ? 2 : 0);
    }
}

TEST(CopyCommand, PutsTheBitmapOnTheClipboardOrSaysItIsTooLarge) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    DrawnView scene;
    QString message;
    QPointer<QTimer> poll = WhenModalOpens([&message](QWidget& modal) {
        if (auto* box = qobject_cast<QMessageBox*>(&modal); box != nullptr) {
            message = box->text();
        }
        modal.close();
    });
    scene.view.Output().Copy();
    delete poll; // no message came; none is awaited any longer
    EXPECT_EQ(message, "");
    EXPECT_EQ(clipboard.image().convertToFormat(QImage::Format_Mono, Qt::MonoOnly),
              scene.view.Output().RenderBitmap(true));

    clipboard.setText("held before");
    scene.panel.height = "1e300"; // bars longer than any bitmap
    WhenModalOpens([&message](QWidget& modal) {
        if (auto* box = qobject_cast<QMessageBox*>(&modal); box != nullptr) {
            message = box->text();
        }
        modal.close();
    });
    scene.view.Output().Copy();
    EXPECT_EQ(message, "The barcode is too large to copy as a bitmap.");
    EXPECT_EQ(clipboard.text(), "held before");
    EXPECT_FALSE(clipboard.mimeData()->hasImage());
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

namespace {

// A text a symbology cannot encode draws nothing, but its bitmap keeps the
// symbol's cell, as wide as the Width display says, and blank.
TEST(CopyBitmap, AnUnencodableTextKeepsTheSymbolsCell) {
    DrawnView scene(static_cast<int>(SymbologyId::Ean13));
    scene.panel.data = "4006x";
    const QImage bitmap = scene.view.Output().RenderBitmap(false);
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.width(), scene.GridPixels(106 * 10 + 83 + 2 * 120));
    EXPECT_EQ(bitmap.convertToFormat(QImage::Format_Grayscale8), [&] {
        QImage white(bitmap.size(), QImage::Format_Grayscale8);
        white.fill(Qt::white);
        return white;
    }());
}

} // namespace
