// The SVG and PDF writers with any symbol: any symbology, text, Height,
// Density, Ratio, zoom, turn and Show Text. A symbol is either refused with a
// reason or written whole: an SVG is well-formed XML from its declaration to
// its closing tag (every label character escaped), a PDF runs from its
// header to its end-of-file mark, and neither grows past what the largest
// cell allows.
//
// Input: symbology, zoom, turn and Show Text (1 byte each), Density and Ratio
// (1 byte each), the Height in mils (4 bytes), then the text.
#include "FuzzInput.h"

#include "SymbolRender.h"

#include <QGuiApplication>
#include <QXmlStreamReader>

namespace {

// Far more than any cell within the page limit takes, far less than a
// runaway writer would.
constexpr qsizetype kMaxFileBytes = 256 * 1024 * 1024;

bool WellFormedXml(const QByteArray& bytes) {
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        reader.readNext();
    }
    return !reader.hasError();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Label fonts need a GUI application; no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    RenderRequest request;
    request.symbology = static_cast<SymbologyId>(input.Byte() % kSymbologyCount);
    request.zoom = 1 + input.Byte() % 8;
    request.orientation = input.Byte() % 4;
    request.showText = (input.Byte() & 1) != 0;
    request.widths = {input.Byte(), input.Byte() % 12};
    request.heightMils = input.Int32();
    const std::string_view text = input.Rest();
    request.text.assign(text.data(), text.size());
    for (const OutputFormat format : {OutputFormat::Svg, OutputFormat::Pdf}) {
        request.format = format;
        const RenderResult result = RenderSymbol(request);
        if (!result.error.isEmpty()) {
            FUZZ_CHECK(result.bytes.isEmpty());
            continue;
        }
        FUZZ_CHECK(result.bytes.size() < kMaxFileBytes);
        if (format == OutputFormat::Svg) {
            FUZZ_CHECK(result.bytes.startsWith("<?xml") && result.bytes.endsWith("</svg>\n"));
            FUZZ_CHECK(WellFormedXml(result.bytes));
        } else {
            FUZZ_CHECK(result.bytes.startsWith("%PDF-") && result.bytes.endsWith("%%EOF\n"));
        }
    }
    return 0;
}
