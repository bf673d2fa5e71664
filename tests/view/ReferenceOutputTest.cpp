// Every output byte for byte as recorded: the files the tool writes in each
// format, the BMP file and the bitmap that Save and Copy take out of the
// program, and the page the printer gets at 203, 300 and 600 dpi, for every
// symbology over a spread of Densities, Ratios, zooms, turns and resolutions.
// The digests in reference-outputs.txt were taken from a build whose outputs
// every scan test had passed; any change to a single pixel or byte shows here
// by name. QUILLMARK_RECORD_REFERENCE=1 writes the file anew (only on purpose,
// after a deliberate change of what the program draws).
#include "BarcodeView.h"
#include "FakeInputValues.h"
#include "FieldValues.h"
#include "ReferenceDigests.h"
#include "ResourceIds.h"
#include "ScopedWidths.h"
#include "SymbolRender.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct Sample {
    SymbologyId id;
    const char* alias;
    const char* text;
};
constexpr Sample kSamples[] = {
    {SymbologyId::Code39, "code39", "QM-123"},
    {SymbologyId::Code93, "code93", "QM93 X"},
    {SymbologyId::Code128, "code128", "Qm-128{x}"},
    {SymbologyId::Interleaved25, "i2of5", "1234567"},
    {SymbologyId::Code39Extended, "code39ext", "ab+12"},
    {SymbologyId::Code39Mod43, "code39mod43", "CODE39"},
    {SymbologyId::Postnet, "postnet", "12345"},
    {SymbologyId::UpcA, "upca", "01234567890"},
    {SymbologyId::UpcE, "upce", "0123456"},
    {SymbologyId::Ean13, "ean13", "590123412345"},
    {SymbologyId::Ean8, "ean8", "9638507"},
    {SymbologyId::Gs1128, "gs1-128", "(01)09501101530003(17)251231(10)AB-123"},
    {SymbologyId::Itf14, "itf14", "1540014128876"},
};

// One way of drawing: the widths, the size and the device.
struct Variant {
    const char* name;
    int density, ratio, zoom, turn;
    bool showText;
    const char* height;
    int dpi;
};
constexpr Variant kVariants[] = {
    {"d10r3z1t0", 10, 3, 1, 0, true, "0.75", 300},
    {"d13r2z2t1-notext", 13, 2, 2, 1, false, "1", 203},
    {"d7r3z3t2", 7, 3, 3, 2, true, "0.5", 600},
    {"d20r3z1t3", 20, 3, 1, 3, true, "0.3", 96},
};

QByteArray Pixels(const QImage& image) {
    QByteArray bytes;
    for (int y = 0; y < image.height(); ++y) {
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                     static_cast<qsizetype>(image.bytesPerLine()));
    }
    return bytes;
}

// A view drawing one sample with a variant's values.
struct VariantView {
    FakeInputValues panel;
    CBarcodeView view;

    VariantView(const Sample& sample, const Variant& variant, bool tiled) {
        view.SetInputValues(&panel);
        view.OnInitialUpdate(); // the start values, then the variant's
        panel.height = QString::fromLatin1(variant.height);
        panel.data = QString::fromLatin1(sample.text);
        panel.showText = variant.showText;
        view.SetSymbology(static_cast<int>(sample.id));
        for (int zoom = 1; zoom < variant.zoom; ++zoom) {
            view.OnCommand(ids::kZoomIn);
        }
        for (int turn = 0; turn < variant.turn; ++turn) {
            Click(ids::kTurnLeftButton);
        }
        if (tiled) {
            Click(ids::kTileModeCheck);
        }
        view.resize(420, 260);
    }
    void Click(int controlId) {
        CNotifyEvent event(controlId, NotifyCode::Clicked);
        view.DispatchMessage(event);
    }
    // The page the printer gets: the print path's draw on a page of the
    // printer's resolution (a 3 x 2 inch printable area unless given).
    QImage Page(int dpi, QSize inches = QSize(3, 2)) {
        constexpr double kMetresPerInch = 0.0254;
        QImage page(inches * dpi, QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(dpi / kMetresPerInch));
        page.setDotsPerMeterY(qRound(dpi / kMetresPerInch));
        page.fill(Qt::white);
        QPainter painter(&page);
        // Aliased text, as a printer's own raster makes it: antialiased glyphs
        // depend on the state of the toolkit's glyph caches.
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        view.OnPrint(painter, view.OnPrepareDC(page, page.rect()));
        painter.end();
        return page;
    }
};

// Every output of every case, by name.
std::map<std::string, QString> CurrentDigests() {
    std::map<std::string, QString> digests;
    QTemporaryDir dir;
    for (const Sample& sample : kSamples) {
        for (const Variant& variant : kVariants) {
            const ScopedWidths widths(variant.density, variant.ratio);
            const std::string name = std::string(sample.alias) + '/' + variant.name;
            for (const OutputFormat format :
                 {OutputFormat::Bmp, OutputFormat::Png, OutputFormat::Svg, OutputFormat::Pdf}) {
                RenderRequest request;
                request.symbology = sample.id;
                request.text = sample.text;
                request.heightMils = BarLengthFromHeight(QString::fromLatin1(variant.height));
                request.widths = {variant.density, variant.ratio};
                request.showText = variant.showText;
                request.orientation = variant.turn;
                request.zoom = variant.zoom;
                request.dpiX = variant.dpi;
                request.dpiY = variant.dpi;
                request.format = format;
                digests[name + "/tool." + ExtensionOf(format).toStdString()] =
                    ReferenceDigest(RenderSymbol(request).bytes);
            }
            VariantView shown(sample, variant, false);
            const QString path = dir.filePath(QStringLiteral("save.bmp"));
            QString error;
            QFile::remove(path);
            if (CBarcodeOutput::SaveBitmap(shown.view.Output().RenderBitmap(false), path, &error)) {
                QFile saved(path);
                saved.open(QIODevice::ReadOnly);
                digests[name + "/save.bmp"] = ReferenceDigest(saved.readAll());
            }
            for (const int dpi : {203, 300, 600}) {
                digests[name + "/page" + std::to_string(dpi)] =
                    ReferenceDigest(Pixels(shown.Page(dpi)));
            }
            VariantView tiled(sample, variant, true);
            digests[name + "/copy-tiled"] =
                ReferenceDigest(Pixels(tiled.view.Output().RenderBitmap(true)));
            // A page that holds at least one whole cell of every case.
            digests[name + "/page300-tiled"] =
                ReferenceDigest(Pixels(tiled.Page(300, QSize(8, 5))));
        }
    }
    return digests;
}

TEST(ReferenceOutputs, EveryOutputIsByteForByteAsRecorded) {
    ExpectAsRecorded(CurrentDigests(), QUILLMARK_REFERENCE_FILE);
}

} // namespace
