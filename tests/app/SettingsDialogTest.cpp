#include "SettingsDialog.h"
#include "AppFixture.h"
#include "BarcodeSettings.h"
#include "DeviceGrid.h"
#include "ResourceIds.h"
#include "Symbologies.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Types into a spin box's field as a user does, over whatever it held.
void TypeInto(QSpinBox& spin, const char* keys) {
    auto* field = spin.findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    field->selectAll();
    QTest::keyClicks(field, keys);
}

class BarcodeSettingsStore : public EmptyStoreTest {
protected:
    void SetUp() override {
        EmptyStoreTest::SetUp();
        SetProfileReader(SettingsStoreReader());
    }
    void TearDown() override {
        EmptyStoreTest::TearDown();
        SetProfileReader({});
    }
};

TEST_F(BarcodeSettingsStore, ReadsAsTheEngineDoes) {
    struct Row {
        const char* name;
        QVariant density;
        QVariant ratio;
        BarcodeSettings read;
    };
    const Row rows[] = {
        {"absent", QVariant(), QVariant(), {10, 3}},
        {"integers", 15, 2, {15, 2}},
        {"as text, as an older file may hold them",
         QStringLiteral("25"),
         QStringLiteral("4"),
         {25, 4}},
        {"the range's ends", 1000, 1, {1000, 1}},
        {"beyond the ranges", 1001, 11, {10, 3}},
        {"zero and negative", 0, -2, {10, 3}},
        {"not numbers", QStringLiteral("wide"), QStringLiteral("x"), {10, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        {
            QSettings store;
            store.clear();
            if (row.density.isValid()) {
                store.setValue("Barcode/Density", row.density);
                store.setValue("Barcode/Ratio", row.ratio);
            }
        }
        QSettings store;
        EXPECT_EQ(ReadBarcodeSettings(store), row.read);
        // What the dialog shows is what the engine draws with.
        const auto barcode = CreateBarcode(SymbologyId::Code39, "A");
        EXPECT_EQ(barcode->Density(), row.read.density);
        EXPECT_EQ(barcode->Ratio(), row.read.ratio);
    }
}

TEST_F(BarcodeSettingsStore, WritesIntegersAndOnlyWhatChanged) {
    const QString path = QSettings().fileName();
    {
        QSettings store;
        store.setValue("Barcode/Density", QStringLiteral("15")); // stored as text
        store.setValue("Settings/PreviewPages", 2);
    }
    const QByteArray before = FileBytes(path);
    ASSERT_FALSE(before.isEmpty());
    {
        QSettings store;
        const BarcodeSettings stored = ReadBarcodeSettings(store);
        WriteBarcodeSettings(store, stored, stored);
    }
    EXPECT_EQ(FileBytes(path), before) << "nothing changed, nothing written";
    {
        QSettings store;
        WriteBarcodeSettings(store, ReadBarcodeSettings(store), {15, 4});
    }
    const QByteArray after = FileBytes(path);
    EXPECT_TRUE(after.contains("Density=15")) << after.toStdString();
    EXPECT_TRUE(after.contains("Ratio=4")) << after.toStdString();
    EXPECT_TRUE(after.contains("PreviewPages=2")) << after.toStdString();
    EXPECT_EQ(QSettings().value("Barcode/Ratio").typeId(), QMetaType::Int)
        << "an integer, as the engine has always read it";
}

TEST_F(BarcodeSettingsStore, PreviewValuesNeverReachTheStoreOrOtherSymbols) {
    QSettings().setValue("Barcode/Density", 12);
    const auto preview = CreateBarcode(SymbologyId::Code39, "A", BarcodeSettings{30, 2});
    EXPECT_EQ(preview->Density(), 30);
    EXPECT_EQ(preview->Ratio(), 2);
    EXPECT_EQ(CreateBarcode(SymbologyId::Code39, "A")->Density(), 12);
    EXPECT_EQ(QSettings().value("Barcode/Density").toInt(), 12);
}

// Replaces the settings file as an editor does, its time a second past the
// last version's, as a person editing by hand leaves it.
void WriteByHand(const QString& path, const QByteArray& text) {
    const QDateTime after = QFileInfo(path).exists() ? QFileInfo(path).lastModified().addSecs(1)
                                                     : QDateTime::currentDateTime();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    // Written out first: a flush at close would stamp the file with the
    // present time again, within the same millisecond as the last version.
    ASSERT_TRUE(file.flush());
    file.setFileTime(after, QFileDevice::FileModificationTime);
}

TEST_F(BarcodeSettingsStore, AFileChangedBetweenTwoSymbolsIsSeenByTheSecond) {
    const QString path = QSettings().fileName();
    const auto built = [] {
        const auto barcode = CreateBarcode(SymbologyId::Code39, "A");
        return BarcodeSettings{barcode->Density(), barcode->Ratio()};
    };
    EXPECT_EQ(built(), (BarcodeSettings{10, 3})) << "no file yet";
    struct Row {
        const char* name;
        std::function<void()> change;
        BarcodeSettings read;
    };
    const Row rows[] = {
        {"created by hand",
         [&] { WriteByHand(path, "[Barcode]\nDensity=25\nRatio=4\n"); },
         {25, 4}},
        {"edited by hand, same size",
         [&] { WriteByHand(path, "[Barcode]\nDensity=26\nRatio=5\n"); },
         {26, 5}},
        {"written through the store", [] { QSettings().setValue("Barcode/Density", 7); }, {7, 5}},
        {"edited by hand, out of range",
         [&] { WriteByHand(path, "[Barcode]\nDensity=2000\nRatio=2\n"); },
         {10, 2}},
        {"removed", [&] { QFile::remove(path); }, {10, 3}},
        // A FIFO would hold a read up forever: it is not read at all.
        {"made a FIFO", [&] { ::mkfifo(QFile::encodeName(path).constData(), 0600); }, {10, 3}},
        {"a plain file again",
         [&] {
             QFile::remove(path);
             WriteByHand(path, "[Barcode]\nDensity=31\nRatio=2\n");
         },
         {31, 2}},
    };
    for (const Row& row : rows) {
        row.change();
        EXPECT_EQ(built(), row.read) << row.name;
        EXPECT_EQ(built(), row.read) << row.name << ", read again";
    }
}

TEST_F(BarcodeSettingsStore, DialogRefusesValuesOutsideTheRanges) {
    CSettingsDialog dialog({10, 3}, PreviewSample{SymbologyId::Code39, "21898623818", 750});
    struct Row {
        const char* name;
        QSpinBox* spin;
        const char* typed;
        int value;
    };
    const Row rows[] = {
        {"density past 1000 stops at the digit that would pass it", dialog.DensitySpin(), "5000",
         500},
        {"density 1000 is taken", dialog.DensitySpin(), "1000", 1000},
        {"ratio past 10", dialog.RatioSpin(), "11", 1},
        {"ratio 10 is taken", dialog.RatioSpin(), "10", 10},
        {"letters are refused", dialog.RatioSpin(), "x", 10},
    };
    for (const Row& row : rows) {
        TypeInto(*row.spin, row.typed);
        EXPECT_EQ(row.spin->value(), row.value) << row.name;
    }
    dialog.DensitySpin()->setValue(0);
    dialog.RatioSpin()->setValue(25);
    EXPECT_EQ(dialog.Settings(), (BarcodeSettings{1, 10}));
}

TEST_F(BarcodeSettingsStore, DialogShowsMillimetresAndAPreviewWithItsValues) {
    CSettingsDialog dialog({10, 3}, PreviewSample{SymbologyId::Code39, "21898623818", 750});
    EXPECT_EQ(dialog.DensityMillimetresText(), "= 0.254 mm");
    EXPECT_EQ(dialog.WideElementText(), "wide bar 30 mils = 0.762 mm");
    ASSERT_NE(dialog.Preview()->Barcode(), nullptr);
    const std::int32_t width = dialog.Preview()->Barcode()->TotalWidth();
    EXPECT_EQ(dialog.LengthText(), "Symbol length: 2.07 inches = 52.578 mm");

    dialog.DensitySpin()->setValue(20);
    EXPECT_EQ(dialog.DensityMillimetresText(), "= 0.508 mm");
    EXPECT_EQ(dialog.Preview()->Barcode()->Density(), 20);
    EXPECT_EQ(dialog.Preview()->Barcode()->TotalWidth(), 2 * width);
    dialog.RatioSpin()->setValue(2);
    EXPECT_EQ(dialog.WideElementText(), "wide bar 40 mils = 1.016 mm");
    EXPECT_EQ(dialog.Preview()->Barcode()->Ratio(), 2);
    EXPECT_FALSE(QSettings().contains("Barcode/Density")) << "the dialog itself stores nothing";

    // The preview draws as the view does: the sample's bars span its length on
    // the screen's grid, where a module is a whole number of pixels.
    dialog.resize(dialog.sizeHint());
    const QImage image = dialog.Preview()->grab().toImage();
    int left = image.width(), right = -1;
    const int row = image.height() / 2; // through the bars
    for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, row)) < 128) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    // The length ends in the gap after the last character: one narrow element.
    const int density = dialog.Preview()->Barcode()->Density();
    const double pixelsPerMil =
        static_cast<double>(DotsPerModule(density, dialog.Preview()->logicalDpiX())) / density;
    EXPECT_NEAR(right - left + 1, dialog.Preview()->Barcode()->TotalWidth() * pixelsPerMil,
                20 * pixelsPerMil + 1);
}

using SettingsCommand = ShownAppTest;

TEST_F(SettingsCommand, OkStoresTheValuesAndTheNextDrawUsesThem) {
    ASSERT_NE(frame->Action(ids::kBarcodeSettings), nullptr);
    EXPECT_TRUE(frame->Action(ids::kBarcodeSettings)->isEnabled());
    view->grab();
    const std::int32_t before = view->Barcode()->TotalWidth();
    bool seen = false;
    WhenModalOpens([&seen](QWidget& modal) {
        auto* dialog = qobject_cast<CSettingsDialog*>(&modal);
        seen = dialog != nullptr;
        if (dialog == nullptr) {
            modal.close();
            return;
        }
        TypeInto(*dialog->DensitySpin(), "20");
        TypeInto(*dialog->RatioSpin(), "2");
        dialog->accept();
    });
    EXPECT_TRUE(frame->RouteCommand(ids::kBarcodeSettings));
    ASSERT_TRUE(seen);
    EXPECT_EQ(QSettings().value("Barcode/Density").toInt(), 20);
    EXPECT_EQ(QSettings().value("Barcode/Ratio").toInt(), 2);
    Settle();
    view->grab();
    ASSERT_NE(view->Barcode(), nullptr);
    EXPECT_EQ(view->Barcode()->Density(), 20);
    EXPECT_EQ(view->Barcode()->TotalWidth(),
              CreateBarcode(SymbologyId::Code39, "21898623818")->TotalWidth());
    EXPECT_NE(view->Barcode()->TotalWidth(), before);
    EXPECT_EQ(panel->WidthDisplay()->text(),
              QString::number(
                  static_cast<double>(view->Barcode()->Encode().SymbolLength()) / 1000.0, 'f', 2));
}

TEST_F(SettingsCommand, AFileEditedByHandIsSeenAtTheNextDraw) {
    view->grab();
    ASSERT_NE(view->Barcode(), nullptr);
    EXPECT_EQ(view->Barcode()->Density(), 10);
    WriteByHand(QSettings().fileName(), "[Barcode]\nDensity=14\nRatio=2\nCodeSets=1\n"
                                        "BearerBars=0\nQuietZoneMarks=1\nBarReduction=3\n");
    view->grab();
    EXPECT_EQ(view->Barcode()->Widths(),
              (BarWidths{14, 2, CodeSetChoice::Shortest, BearerBars::None, true}));
    // Printing reads it too: the printer's request carries the reduction.
    const std::optional<RenderRequest> printed = view->RequestOf(OutputFormat::Bmp, 300, 300);
    ASSERT_TRUE(printed);
    EXPECT_EQ(view->BarReduction(), 3);
    EXPECT_EQ(printed->widths.density, 14);
}

TEST_F(SettingsCommand, CancelLeavesTheSettingsFileByteIdentical) {
    const QString path = QSettings().fileName();
    {
        QSettings store;
        store.setValue("Barcode/Density", QStringLiteral("0x0f")); // unreadable: the default
        store.setValue("Barcode/Ratio", 4);
    }
    const QByteArray before = FileBytes(path);
    ASSERT_FALSE(before.isEmpty());
    WhenModalOpens([](QWidget& modal) {
        if (auto* dialog = qobject_cast<CSettingsDialog*>(&modal); dialog != nullptr) {
            EXPECT_EQ(dialog->Settings(), (BarcodeSettings{10, 4}));
            TypeInto(*dialog->DensitySpin(), "33");
        }
        QTest::keyClick(&modal, Qt::Key_Escape);
    });
    EXPECT_TRUE(frame->RouteCommand(ids::kBarcodeSettings));
    EXPECT_EQ(FileBytes(path), before);
}

} // namespace

namespace {

// The printer's bar width reduction: read back as stored when in range, as 0
// otherwise, and shown in mils at the printer's resolution.
TEST_F(BarcodeSettingsStore, BarReductionIsStoredInRangeAndShownInMils) {
    const struct {
        QVariant stored;
        int read;
    } rows[] = {{QVariant(), 0},           {2, 2},  {kMaxBarReduction, kMaxBarReduction},
                {kMaxBarReduction + 1, 0}, {-1, 0}, {QStringLiteral("wide"), 0}};
    for (const auto& row : rows) {
        QSettings store;
        store.clear();
        if (row.stored.isValid()) {
            store.setValue("Barcode/BarReduction", row.stored);
        }
        EXPECT_EQ(ReadBarReduction(store), row.read) << row.stored.toString().toStdString();
    }
    CSettingsDialog dialog({10, 3}, PreviewSample{SymbologyId::Code39, "A", 750});
    dialog.SetBarReduction(2, 300);
    EXPECT_EQ(dialog.BarReductionText(), "= 6.7 mils off every bar at the printer's 300 dpi");
    dialog.BarReductionSpin()->setValue(0);
    EXPECT_EQ(dialog.BarReductionText(), "none: bars print as drawn");
}

// Code 128's code sets, ITF-14's bearer bars and the EAN quiet zone marks go
// from the dialog's boxes to the store and back as the engine reads them.
TEST_F(BarcodeSettingsStore, ShapeSettingsGoFromTheDialogToTheStoreAndBack) {
    CSettingsDialog dialog({10, 3}, PreviewSample{SymbologyId::Itf14, "1540014128876", 750});
    dialog.CodeSetsBox()->setCurrentIndex(1);
    dialog.BearerBarsBox()->setCurrentIndex(2);
    dialog.QuietZoneMarksBox()->setChecked(true);
    const BarcodeSettings wanted{10, 3, CodeSetChoice::Shortest, BearerBars::TopAndBottom, true};
    EXPECT_EQ(dialog.Settings(), wanted);
    {
        QSettings store;
        WriteBarcodeSettings(store, {}, wanted);
    }
    QSettings store;
    EXPECT_EQ(ReadBarcodeSettings(store), wanted);
    EXPECT_EQ(CreateBarcode(SymbologyId::Ean13, "1")->Widths(), wanted);
}

} // namespace
