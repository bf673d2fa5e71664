// Peak memory of the largest outputs: the rise of the process's peak resident
// size over one render, against the size of what it returns. With no
// argument, the bitmap that Copy and Save make at the side limit; with "svg"
// or "pdf", the vector file of the longest symbol a page holds. (One output
// per run: the peak of a process only ever rises.)
#include "Placement.h"
#include "SymbolPainter.h"
#include "SymbolRender.h"
#include "Symbologies.h"

#include <QGuiApplication>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace {

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const std::string kind = argc > 1 ? argv[1] : "";
    if (kind == "svg" || kind == "pdf") {
        // Code 39 at Density 1, Ratio 2: 15,000 characters fill 195 of the
        // 200 inches a page holds, about 135,000 bars.
        RenderRequest request;
        request.format = kind == "svg" ? OutputFormat::Svg : OutputFormat::Pdf;
        request.widths = {1, 2};
        RenderSymbol(request); // the fonts and the writers' first use do not count
        request.text = std::string(15'000, 'A');
        const long before = PeakKiB();
        const RenderResult file = RenderSymbol(request);
        const long rise = PeakKiB() - before;
        const double fileKiB = static_cast<double>(file.bytes.size()) / 1024;
        std::printf("%s %.0f KiB; peak rose %ld KiB: %.2f x the file\n", kind.c_str(), fileKiB,
                    rise, static_cast<double>(rise) / fileKiB);
        return file.error.isEmpty() ? 0 : 1;
    }
    constexpr int kDpi = 600;
    // A Code 128 symbol as long as the limit allows, with bars as long.
    constexpr std::int32_t kBarLength = 27'000; // mils: 16,366 pixels with the margin
    std::string text = "1";
    SymbolScene scene;
    for (;;) {
        const std::string longer = text + "0123456789";
        const Encoding encoding = CreateBarcode(SymbologyId::Code128, longer)->Encode();
        if (BitmapPixelSize(TileCellMils(encoding, kBarLength, 0), kDpi, kDpi, 1).isEmpty()) {
            break;
        }
        text = longer;
        scene = {encoding, kBarLength, true, 0, false};
    }
    // A first small render loads the fonts, so they do not count.
    RenderSymbolCell({CreateBarcode(SymbologyId::Code128, "1")->Encode(), 100, true, 0, false}, 100,
                     kDpi, kDpi, 1);
    const long before = PeakKiB();
    const QImage bitmap = RenderSymbolCell(scene, kBarLength, kDpi, kDpi, 1);
    const long rise = PeakKiB() - before;
    const double bitmapKiB = static_cast<double>(bitmap.sizeInBytes()) / 1024;
    std::printf("bitmap %d x %d, %.0f KiB; peak rose %ld KiB: %.2f x the bitmap\n", bitmap.width(),
                bitmap.height(), bitmapKiB, rise, static_cast<double>(rise) / bitmapKiB);
    return 0;
}
