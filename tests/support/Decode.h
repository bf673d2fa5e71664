#pragma once

#include "RecordingSurface.h"

#include <cstdint>
#include <string>
#include <vector>

class CBarcode;

// An 8-bit grey image, row-major, 0 black and 255 white.
struct GrayImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Paints the recorded bars black on white at pixelsPerMil, each line as the
// band of its pen width, with a white quiet zone of quietMils around the bars'
// bounding box. Texts are painted afterwards as what they are to a scanner: the
// opaque white box of their measured extent (their glyphs are not drawn).
GrayImage RasteriseBars(const std::vector<RecordedLine>& lines, double pixelsPerMil,
                        std::int32_t quietMils, const std::vector<RecordedText>& texts = {},
                        std::int32_t charWidth = 67);

// Which decoder to run on an image.
enum class Symbology { Code39, Code39Extended, Code93, Code128, Itf, UpcA, UpcE, Ean13, Ean8 };

struct Decoded {
    bool valid = false;
    std::string text; // the decoded bytes
    // ZXing: the symbology identifier it reports ("]C1" for GS1-128); zbar:
    // "]C1" when it flags the symbol as GS1 data, else empty.
    std::string identifier;
};

// Reads the image with ZXing, restricted to the one symbology.
Decoded DecodeImage(const GrayImage& image, Symbology symbology);

// Reads the image with zbar, restricted to the one symbology. zbar returns
// Code 39 without the full-ASCII decoding (the shift pairs as they are), and
// UPC-A with its own twelve digits. An EAN/UPC add-on follows the number
// after a space, as ZXing reports it.
Decoded DecodeImageZbar(const GrayImage& image, Symbology symbology);

// Draws the barcode in the orientation onto a recorder, rasterises its bars at
// pixelsPerModule whole pixels per Density and decodes them.
Decoded DrawAndDecode(const CBarcode& barcode, int orientation, Symbology symbology,
                      bool showText = false, int pixelsPerModule = 2);
