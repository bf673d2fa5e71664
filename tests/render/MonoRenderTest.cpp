// The 1-bit renderer of Copy, Save and quillmark-render against the painter:
// a symbol drawn straight into the monochrome buffer must be, bit for bit, the
// colour image a painter draws made monochrome.
#include "Barcode.h"
#include "DeviceMapping.h"
#include "LabelStore.h"
#include "MonoSurface.h"
#include "Placement.h"
#include "Profile.h"
#include "QPainterSurface.h"
#include "QtImages.h"
#include "Samples.h"
#include "SymbolPainter.h"
#include "SymbolRender.h"
#include "Symbologies.h"
#include "SymbologyOutput.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// A white colour image at a resolution, for the painter to draw on.
QImage WhiteImage(const QSize& size, int dpi) {
    QImage image(size, QImage::Format_RGB32);
    constexpr double kMetresPerInch = 0.0254;
    image.setDotsPerMeterX(qRound(dpi / kMetresPerInch));
    image.setDotsPerMeterY(qRound(dpi / kMetresPerInch));
    image.fill(Qt::white);
    return image;
}

// The bitmap as the painter drew it before the 1-bit renderer: a colour image
// of the cell, the painter's symbol, a threshold conversion.
QImage PainterCell(const SymbolScene& scene, std::int32_t cellBarLength, int dpi, int zoom) {
    const DeviceMapping grid = OnDeviceGrid(PrepareMapping(zoom, dpi, dpi, QRect()), scene);
    const QSize size =
        BitmapPixelSize(TileCellMils(scene.encoding, cellBarLength, scene.orientation),
                        grid.ScaleX(), grid.ScaleY());
    QImage image = WhiteImage(size, dpi);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        PaintSymbol(painter, PrepareMapping(zoom, dpi, dpi, image.rect()), scene);
    }
    return image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
}

// Same size, colours, resolution and every byte of the buffer (the padding
// bits at each row's end included: a BMP carries them).
void ExpectSameBitmap(const QImage& actual, const QImage& expected) {
    ASSERT_FALSE(expected.isNull());
    ASSERT_EQ(actual.format(), QImage::Format_Mono);
    ASSERT_EQ(actual.size(), expected.size());
    EXPECT_EQ(actual.colorTable(), expected.colorTable());
    EXPECT_EQ(actual.dotsPerMeterX(), expected.dotsPerMeterX());
    EXPECT_EQ(actual.dotsPerMeterY(), expected.dotsPerMeterY());
    ASSERT_EQ(actual.sizeInBytes(), expected.sizeInBytes());
    for (int y = 0; y < actual.height(); ++y) {
        if (std::memcmp(actual.constScanLine(y), expected.constScanLine(y),
                        static_cast<std::size_t>(actual.bytesPerLine())) != 0) {
            int x = 0;
            while (actual.constScanLine(y)[x] == expected.constScanLine(y)[x]) {
                ++x;
            }
            ADD_FAILURE() << "row " << y << " of " << actual.height() << " differs at byte " << x
                          << " of " << actual.bytesPerLine() << " (width " << actual.width()
                          << "): " << int{actual.constScanLine(y)[x]} << " against "
                          << int{expected.constScanLine(y)[x]};
            return;
        }
    }
}

struct Sample {
    SymbologyId id;
    const char* text;
};

// Every symbology's shared sample.
constexpr std::array<Sample, kSymbologyCount> kSamples = [] {
    std::array<Sample, kSymbologyCount> samples{};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = {kSymbologySamples[i].id, kSymbologySamples[i].text};
    }
    return samples;
}();

constexpr std::array kDensities{7, 10, 11, 13, 15};
constexpr std::array kRatios{2, 3};
constexpr std::array kZooms{1, 2, 3};
constexpr std::array kDpis{96, 203, 300, 600};
constexpr std::int32_t kHeight = 400; // mils

void ExpectSameAsPainter(const Sample& sample, int density, int ratio, int zoom, int orientation,
                         bool showText, int dpi) {
    SCOPED_TRACE(std::string(FactsOf(sample.id).name) + ", Density " + std::to_string(density) +
                 ", Ratio " + std::to_string(ratio) + ", zoom " + std::to_string(zoom) +
                 ", orientation " + std::to_string(orientation) +
                 (showText ? ", label" : ", no label") + ", " + std::to_string(dpi) + " dpi");
    const SymbolScene scene{CreateBarcode(sample.id, sample.text, {density, ratio})->Encode(),
                            BarLengthOf(sample.id, kHeight), showText, orientation, false};
    ExpectSameBitmap(RenderSymbolCell(scene, kHeight, dpi, dpi, zoom),
                     PainterCell(scene, kHeight, dpi, zoom));
}

// Every symbology, orientation, label setting and resolution; Density, Ratio
// and zoom step through all their values along the way.
TEST(RenderSymbolCell, IsThePaintersBitmapForEverySymbologyTurnAndResolution) {
    std::size_t step = 0;
    for (const Sample& sample : kSamples) {
        for (int orientation = 0; orientation < 4; ++orientation) {
            for (const bool showText : {true, false}) {
                for (const int dpi : kDpis) {
                    ++step;
                    ExpectSameAsPainter(sample, kDensities[step % kDensities.size()],
                                        kRatios[step / 2 % kRatios.size()],
                                        kZooms[step % kZooms.size()], orientation, showText, dpi);
                }
            }
        }
    }
}

// The label is painted on a scratch image as small as its glyphs' ink allows:
// accented capitals, descenders and brackets, which reach furthest past the
// text's box, must come out as the painter draws them in every turn.
TEST(RenderSymbolCell, LabelsOfTallAndDeepGlyphsAreThePaintersBitmap) {
    // Latin-1 capitals with accents (outside Code 128's function bytes),
    // descenders and the tallest ASCII marks.
    const std::array<Sample, 2> labels{{
        {SymbologyId::Code128, "\xC0\xC1\xC2\xD8\xDC\xDD\xDF\xFF"},
        {SymbologyId::Code128, "gjpqy_|[]{}@$Q"},
    }};
    for (const Sample& sample : labels) {
        for (int orientation = 0; orientation < 4; ++orientation) {
            for (const int dpi : {96, 300, 600}) {
                ExpectSameAsPainter(sample, 10, 3, 1, orientation, true, dpi);
            }
        }
    }
}

// Every Density, Ratio and zoom for the symbologies of wide elements, of
// modules and of fixed bars, at a label printer's resolution.
TEST(RenderSymbolCell, IsThePaintersBitmapForEveryDensityRatioAndZoom) {
    for (const std::size_t index : {0U, 2U, 6U, 9U}) {
        for (const int density : kDensities) {
            for (const int ratio : kRatios) {
                for (const int zoom : kZooms) {
                    ExpectSameAsPainter(kSamples[index], density, ratio, zoom, 1, true, 203);
                }
            }
        }
    }
}

// A label reaching past the bitmap's edges, and the same label drawn again
// from the kept copy, at another position.
TEST(RenderSymbolCell, LabelsClippedAtTheEdgesAndDrawnAgainFromTheKeptCopy) {
    for (const int orientation : {0, 3}) {
        // A narrow symbol with a wide label: the label overhangs its cell.
        const SymbolScene scene{
            CreateBarcode(SymbologyId::Code128, "WWWWWWWWWWWWWWWW", {1, 2})->Encode(), kHeight,
            true, orientation, false};
        for (int pass = 0; pass < 2; ++pass) {
            ExpectSameBitmap(RenderSymbolCell(scene, kHeight, 300, 300, 1),
                             PainterCell(scene, kHeight, 300, 1));
        }
        ExpectSameBitmap(RenderSymbolCell(scene, 2 * kHeight, 300, 300, 2),
                         PainterCell(scene, 2 * kHeight, 300, 2));
    }
}

// Labels are set glyph by glyph from each glyph painted once per 64th of a
// pixel its origin takes; a text with a control character, or glyphs large
// enough to be filled as outlines, are painted whole. Either way the bitmap is
// the painter's, for every character the label shows, every symbology, turn,
// zoom and resolution up to 1200 dpi.
TEST(RenderSymbolCell, LabelsSetFromKeptGlyphsAreThePaintersBitmap) {
    std::vector<Sample> rows(kSamples.begin(), kSamples.end());
    const std::array<const char*, 7> texts{
        " !\"#$%&'()*+,-./0123",
        "456789:;<=>?@ABCDEFG",
        "HIJKLMNOPQRSTUVWXYZ[",
        "\\]^_`abcdefghijklmno",
        "pqrstuvwxyz{|}~",
        "\xA0\xA9\xB1\xBF\xC7\xD1\xE9\xEF",
        "TAB\tA\x1F",
    };
    for (const char* text : texts) {
        rows.push_back({SymbologyId::Code128, text});
    }
    std::size_t step = 0;
    for (const Sample& row : rows) {
        for (int orientation = 0; orientation < 4; ++orientation) {
            for (const int dpi : {96, 203, 300, 600, 1200}) {
                ++step;
                // Zoom 3 at 1200 dpi passes the largest bitmap for the long texts;
                // zoom 2 there fills the glyphs of turned labels as outlines.
                const int zoom = dpi == 1200 ? 1 + orientation % 2 : kZooms[step % kZooms.size()];
                ExpectSameAsPainter(row, 10, 3, zoom, orientation, true, dpi);
            }
        }
    }
}

// The tool's labels without fonts: what a run that paints them leaves in the
// label store, read back from disk by a later run (a new thread: nothing kept
// in memory), draws the very bitmap again. A label the store cannot give (a
// control character, a soft hyphen, glyphs filled as outlines) is missed,
// never drawn otherwise.
TEST(RenderSymbolCell, LabelsFromTheStoreAreThePaintersBitmapWithoutFonts) {
    struct Row {
        Sample sample;
        int orientation;
        int dpi;
        int zoom;
        bool whole; // painted whole: never in the store
    };
    std::vector<Row> rows;
    for (std::size_t i = 0; i < kSamples.size(); ++i) {
        const int dpi = i % 2 == 0 ? 203 : 96;
        rows.push_back({kSamples[i], static_cast<int>(i % 4), dpi,
                        1 + static_cast<int>(i / 2 % (dpi == 96 ? 3 : 2)), false});
    }
    rows.push_back({{SymbologyId::Code128, "\xA0\xA9\xB1\xBF\xC7\xD1\xE9\xEF"}, 1, 300, 1, false});
    rows.push_back({{SymbologyId::Code128, "A\tB"}, 0, 300, 1, true});
    rows.push_back({{SymbologyId::Code128, "A\xADZ"}, 2, 300, 1, true});
    rows.push_back({{SymbologyId::Code39, "BIG"}, 3, 600, 1, true});
    const auto draw = [&rows](const LabelSource& labels, std::vector<QImage>& images,
                              std::vector<bool>& missed) {
        std::thread([&] {
            for (const Row& row : rows) {
                const SymbolScene scene{
                    CreateBarcode(row.sample.id, row.sample.text, {10, 3})->Encode(),
                    BarLengthOf(row.sample.id, kHeight), true, row.orientation, false};
                bool miss = false;
                images.push_back(
                    RenderSymbolCell(scene, kHeight, row.dpi, row.dpi, row.zoom, labels, &miss));
                missed.push_back(miss);
            }
        }).join();
    };
    const QTemporaryDir folder;
    std::vector<QImage> painted;
    std::vector<QImage> stored;
    std::vector<bool> missed;
    {
        CLabelStore store(folder.path(), QStringLiteral("test"));
        draw({&store, true}, painted, missed);
        QString error;
        EXPECT_TRUE(store.Save(&error)) << error.toStdString();
    }
    missed.clear();
    CLabelStore store(folder.path(), QStringLiteral("test"));
    draw({&store, false}, stored, missed);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].sample.text);
        EXPECT_EQ(missed[i], rows[i].whole);
        if (!rows[i].whole) {
            ExpectSameBitmap(stored[i], painted[i]);
        }
    }
}

TEST(FillMonoSpan, SetsExactlyTheSpanWithinAndAcrossBytes) {
    struct Case {
        int from;
        int to;
    };
    for (const Case span : {Case{0, 1}, Case{3, 5}, Case{7, 9}, Case{0, 8}, Case{5, 21},
                            Case{8, 16}, Case{2, 30}, Case{4, 4}}) {
        for (const bool black : {true, false}) {
            std::array<uchar, 4> line{};
            line.fill(black ? 0x00 : 0xff);
            FillMonoSpan(line.data(), span.from, span.to, black);
            for (int x = 0; x < 32; ++x) {
                const bool set = (line[static_cast<std::size_t>(x / 8)] >> (7 - x % 8) & 1) != 0;
                const bool inside = x >= span.from && x < span.to;
                EXPECT_EQ(set, inside == black) << span.from << ".." << span.to << " at " << x;
            }
        }
    }
}

} // namespace

namespace {

// Tile mode as the painter drew it before cells were culled and repeated:
// every cell of the grid, each symbol drawn in full.
void PainterTiles(QPainter& painter, const DeviceMapping& mapping, const SymbolScene& scene) {
    painter.save();
    painter.setClipRect(mapping.area);
    const DeviceMapping grid = OnDeviceGrid(mapping, scene);
    const TileGrid tiles =
        LayOutTiles(TileCellMils(scene.encoding, scene.barLength, scene.orientation), grid);
    DeviceMapping cellMapping = grid;
    for (std::int64_t column = 0; column < tiles.columns; ++column) {
        for (std::int64_t row = 0; row < tiles.rows; ++row) {
            cellMapping.viewportOrigin = tiles.CellCentre(column, row);
            QPainterSurface surface(painter, SymbolToDevice(cellMapping, scene), cellMapping.area,
                                    scene.orientation);
            Point origin =
                SymbolOrigin(scene.encoding, scene.barLength, scene.showText, scene.orientation);
            CBarcode::DrawEncoding(scene.encoding, surface, origin, scene.barLength, scene.showText,
                                   scene.orientation);
        }
    }
    painter.restore();
}

QImage PaintedArea(const QSize& size, int dpi, bool antialiasedText,
                   const std::function<void(QPainter&, const DeviceMapping&)>& paint) {
    QImage image = WhiteImage(size, dpi);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, antialiasedText);
    paint(painter, PrepareMapping(1, dpi, dpi, QRect(QPoint(3, 5), size - QSize(7, 9))));
    return image;
}

// Culled and repeated cells against every cell drawn in full: tiny and huge
// cells, labels overhanging their cells, antialiased text, every turn.
TEST(PaintSymbol, TilesArePixelForPixelEveryCellDrawnInFull) {
    struct Row {
        SymbologyId id;
        const char* text;
        int density;
        bool showText;
        bool antialiased;
    };
    const std::string longText(3000, 'A');
    const std::array<Row, 5> rows{{
        {SymbologyId::Code39, "TILE", 10, true, false},
        {SymbologyId::Ean13, "400638133393", 13, true, true},
        {SymbologyId::Code128, "WWWWWWWWWWWW", 1, true, true}, // labels overhang
        {SymbologyId::Postnet, "12345", 15, false, false},
        {SymbologyId::Code128, longText.c_str(), 7, true, false}, // cells wider than the area
    }};
    for (const Row& row : rows) {
        for (int orientation = 0; orientation < 4; ++orientation) {
            SCOPED_TRACE(std::string(FactsOf(row.id).name) + ", Density " +
                         std::to_string(row.density) + ", orientation " +
                         std::to_string(orientation));
            const SymbolScene scene{CreateBarcode(row.id, row.text, {row.density, 2})->Encode(),
                                    BarLengthOf(row.id, kHeight), row.showText, orientation, true};
            for (const int dpi : {96, 300}) {
                const QSize size(700, 450);
                const QImage expected = PaintedArea(
                    size, dpi, row.antialiased,
                    [&](QPainter& p, const DeviceMapping& m) { PainterTiles(p, m, scene); });
                const QImage actual = PaintedArea(
                    size, dpi, row.antialiased,
                    [&](QPainter& p, const DeviceMapping& m) { PaintSymbol(p, m, scene); });
                EXPECT_EQ(actual, expected) << dpi << " dpi";
            }
        }
    }
}

} // namespace

// What Save, Copy and the tool write keeps the symbology's quiet zone on each
// side of the bars, in modules as the device grid achieves them, and the bars
// measure what the Width field says, on a scan line through their middle.
TEST(RenderSymbol, KeepsTheStandardQuietZonesAndTheStatedLength) {
    for (const Sample& sample : kSamples) {
        for (const int density : {7, 10, 20}) {
            for (const int dpi : {203, 300}) {
                for (const int orientation : {0, 1, 2, 3}) {
                    SCOPED_TRACE(testing::Message() << sample.id << ", Density " << density << ", "
                                                    << dpi << " dpi, turn " << orientation);
                    RenderRequest request;
                    request.symbology = sample.id;
                    request.text = sample.text;
                    request.widths.density = density;
                    request.orientation = orientation;
                    request.dpiX = request.dpiY = dpi;
                    const RenderResult result = RenderSymbol(request);
                    QImage bitmap;
                    ASSERT_TRUE(bitmap.loadFromData(result.bytes, "BMP"));
                    bitmap = bitmap.transformed(QTransform().rotate(90 * orientation));
                    const int y = bitmap.height() / 2 - 10;
                    int first = -1;
                    int last = -1;
                    for (int x = 0; x < bitmap.width(); ++x) {
                        if (qGray(bitmap.pixel(x, y)) < 128) {
                            first = first < 0 ? x : first;
                            last = x;
                        }
                    }
                    ASSERT_GE(first, 0);
                    const Encoding encoding =
                        CreateBarcode(sample.id, sample.text, request.widths)->Encode();
                    const QuietZone zone = FactsOf(sample.id).quietZone;
                    const double dotsPerMil =
                        encoding.module > 0
                            ? std::round(result.achievedModule * dpi / 1000.0) / encoding.module
                            : dpi / 1000.0;
                    const auto dots = [dotsPerMil](double mils) {
                        return static_cast<int>(std::floor(mils * dotsPerMil + 1e-9));
                    };
                    EXPECT_GE(first, dots(std::max(zone.mils, zone.before * encoding.module)));
                    EXPECT_GE(bitmap.width() - 1 - last,
                              dots(std::max(zone.mils, zone.after * encoding.module)));
                    EXPECT_NEAR(last + 1 - first,
                                static_cast<double>(encoding.SymbolLength()) * dotsPerMil, 1.0);
                    // Centred in the cell: the gaps either side differ by at most
                    // the one dot an odd difference leaves over.
                    EXPECT_NEAR(first, bitmap.width() - 1 - last, 1);
                }
            }
        }
    }
}

// Bar width reduction takes r dots off the trailing edge of every bar and
// gives them to the following space: every bar's leading edge stays where it
// was, and both readers still read the symbol.
TEST(RenderSymbol, BarReductionNarrowsEveryBarByItsDots) {
    const struct { int dpi, reduction; } rows[] = {{300, 1}, {600, 1}, {600, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.dpi << " dpi, " << row.reduction << " dots");
        RenderRequest request;
        request.symbology = SymbologyId::Code128;
        request.text = "BR-12345";
        request.dpiX = request.dpiY = row.dpi;
        const QImage plain = RenderSymbolImage(request).bitmap;
        request.barReduction = row.reduction;
        const QImage reduced = RenderSymbolImage(request).bitmap;
        ASSERT_EQ(reduced.size(), plain.size());
        // Each bar of the plain line as [start, end) and the reduced line's.
        const auto bars = [](const QImage& image) {
            std::vector<std::pair<int, int>> runs;
            const int y = image.height() / 2 - 10;
            for (int x = 0; x < image.width(); ++x) {
                const bool ink = qGray(image.pixel(x, y)) < 128;
                if (ink && (runs.empty() || runs.back().second != x)) {
                    runs.emplace_back(x, x + 1);
                } else if (ink) {
                    ++runs.back().second;
                }
            }
            return runs;
        };
        const auto before = bars(plain);
        const auto after = bars(reduced);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(after[i].first, before[i].first);
            EXPECT_EQ(after[i].second, before[i].second - row.reduction);
        }
        const GrayImage grey = ToGray(reduced);
        EXPECT_EQ(DecodeImage(grey, Symbology::Code128).text, "BR-12345");
        EXPECT_EQ(DecodeImageZbar(grey, Symbology::Code128).text, "BR-12345");
    }
}
