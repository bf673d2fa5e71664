// The bitmap path: a view with any panel values (symbology, Height and Text
// fields, Show Text, zoom, turns, tile mode) renders the bitmap Copy and Save
// take out. It is null exactly when too large or when there is no symbol, and
// otherwise one bit deep and sized by the symbol's cell.
//
// Input: symbology (1 byte), options (1 byte), the Height text up to a line
// feed, then the Text field's text in UTF-8.
#include "FuzzInput.h"

#include "BarcodeView.h"
#include "DeviceGrid.h"
#include "FieldValues.h"
#include "InputValues.h"
#include "Placement.h"
#include "ResourceIds.h"

#include <QApplication>

namespace {

// Larger bitmaps are passed over: a bitmap near the side limit takes seconds
// and a gigabyte, which would stall the run, not test anything more.
constexpr qint64 kMaxPixels = 4'000'000;
constexpr QSize kViewSize{300, 200};

struct FuzzPanel : CInputValues {
    QString height;
    QString data;
    bool showText = true;
    int symbology = 0;
    QString HeightText() const override { return height; }
    QString DataText() const override { return data; }
    QLineEdit* TextField() const override { return nullptr; }
    bool IsShowTextChecked() const override { return showText; }
    void SetWidthText(const QString&) override {}
    int SelectedSymbology() const override { return symbology; }
    void SetStartValues(const QString&, const QString&, bool) override {}
    void FillSymbologyList(const QStringList&, int) override {}
};

// The size RenderBitmap gives the bitmap of a symbol, as a user would work it
// out: the cell at the screen's resolution and the zoom, or the view. Along
// the reading direction a module is a whole number of pixels (the device
// grid); Postnet's bars, which are no modules, keep their true scale.
QSize ExpectedSize(CBarcodeView& view, const CBarcode& barcode, bool wholeView) {
    if (wholeView && view.IsTileMode()) {
        return view.rect().size();
    }
    const CellSize cell = TileCellMils(
        barcode.Encode(), BarLengthFromHeight(view.Document().Value().height), view.Orientation());
    const double perMilX = view.logicalDpiX() * view.Zoom() / 1000.0;
    const double perMilY = view.logicalDpiY() * view.Zoom() / 1000.0;
    const bool alongX = view.Orientation() % 2 == 0;
    const bool modules = view.Symbology() != static_cast<int>(SymbologyId::Postnet);
    const double along = modules ? static_cast<double>(DotsPerModule(
                                       barcode.Density(), 1000.0 * (alongX ? perMilX : perMilY))) /
                                       barcode.Density()
                                 : (alongX ? perMilX : perMilY);
    return BitmapPixelSize(cell, alongX ? along : perMilX, alongX ? perMilY : along);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FuzzPanel panel;
    // -1 (no selection) to one past the list.
    panel.symbology = input.Byte() % (kSymbologyCount + 2) - 1;
    const std::uint8_t options = input.Byte();
    panel.showText = (options & 1) != 0;
    const bool tileMode = (options & 2) != 0;
    const bool wholeView = (options & 4) != 0;
    const int turns = (options >> 3) & 3;
    const int zoomSteps = (options >> 5) & 7;
    const std::string_view height = input.TextUntil('\n');
    panel.height = QString::fromLatin1(height.data(), static_cast<qsizetype>(height.size()));
    const std::string_view text = input.Rest();
    panel.data = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));

    CBarcodeView view;
    view.resize(kViewSize);
    view.SetInputValues(&panel);
    view.SetSymbology(panel.symbology);
    for (int i = 0; i < zoomSteps; ++i) {
        view.OnCommand(ids::kZoomIn);
    }
    for (int i = 0; i < turns; ++i) {
        CNotifyEvent turn(ids::kTurnLeftButton, NotifyCode::Clicked);
        view.DispatchMessage(turn);
    }
    if (tileMode) {
        CNotifyEvent tile(ids::kTileModeCheck, NotifyCode::Clicked);
        view.DispatchMessage(tile);
    }

    view.Document().Update();
    const CBarcode* barcode = view.Barcode();
    // No symbol, or a text the symbology refuses: no bitmap, never a blank one.
    if (barcode == nullptr || !view.Document().Refusal().isEmpty()) {
        FUZZ_CHECK(view.Output().RenderBitmap(wholeView).isNull());
        return 0;
    }
    const QSize expected = ExpectedSize(view, *barcode, wholeView);
    if (qint64{expected.width()} * expected.height() > kMaxPixels) {
        return 0;
    }
    const QImage bitmap = view.Output().RenderBitmap(wholeView);
    FUZZ_CHECK(bitmap.isNull() == expected.isEmpty());
    if (!bitmap.isNull()) {
        FUZZ_CHECK(bitmap.size() == expected);
        FUZZ_CHECK(bitmap.depth() == 1);
    }
    return 0;
}
