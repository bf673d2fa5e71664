// What the user gets, read from the outside: the Copy/Save bitmap at the
// screen's 96 dpi and the page a printer of 203 to 1200 dpi gets, for every
// symbology, Density, zoom and orientation. Both independent readers must
// return the text, and every bar and space along a scan line must be a whole
// number of modules of n device dots.
#include "DeviceGrid.h"
#include "AchievedSize.h"
#include "BarcodeView.h"
#include "Decode.h"
#include "FakeInputValues.h"
#include "FieldValues.h"
#include "Profile.h"
#include "QtImages.h"
#include "ResourceIds.h"
#include "Samples.h"
#include "ScopedWidths.h"
#include "SymbologyOutput.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kScreenDpi = 96;

using Sample = SymbologySample;
constexpr auto kSamples = PlainReadSamples();

// A view with its panel, as a user sets it up.
struct Scene {
    FakeInputValues panel;
    CBarcodeView view;

    Scene(const Sample& sample, int zoom, int orientation, const char* height = "0.25") {
        panel.data = sample.text;
        panel.height = height;
        panel.showText = true;
        view.SetInputValues(&panel);
        view.SetSymbology(static_cast<int>(sample.id));
        for (int i = 1; i < zoom; ++i) {
            view.OnCommand(ids::kZoomIn);
        }
        for (int i = 0; i < orientation; ++i) {
            CNotifyEvent turn(ids::kTurnLeftButton, NotifyCode::Clicked);
            view.DispatchMessage(turn);
        }
    }

    // The page a printer of the resolution gets: the view's own draw onto a
    // device of that resolution, one symbol cell large.
    QImage Print(int dpi) {
        view.Document().Update();
        const QSize cell =
            RenderSymbolCell(view.Document().Scene(), BarLengthFromHeight(panel.height), dpi, dpi,
                             view.Zoom())
                .size();
        return view.Output().RenderToImage(dpi, dpi, cell);
    }
};

// Pixels that are neither black nor white.
int GreyPixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int grey = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y) & 0xFFFFFF;
            grey += p != 0 && p != 0xFFFFFF ? 1 : 0;
        }
    }
    return grey;
}

// Widths of the runs of one colour along a line across the reading direction's
// axis, from the first ink to the last (the quiet zones left out).
std::vector<int> RunsAlong(const QImage& image, bool alongX, int at) {
    const int length = alongX ? image.width() : image.height();
    std::vector<bool> ink(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        ink[static_cast<std::size_t>(i)] = alongX ? IsInk(image, i, at) : IsInk(image, at, i);
    }
    std::vector<int> runs;
    int first = 0;
    while (first < length && !ink[static_cast<std::size_t>(first)]) {
        ++first;
    }
    int last = length - 1;
    while (last >= first && !ink[static_cast<std::size_t>(last)]) {
        --last;
    }
    for (int i = first; i <= last; ++i) {
        if (i == first ||
            ink[static_cast<std::size_t>(i)] != ink[static_cast<std::size_t>(i - 1)]) {
            runs.push_back(0);
        }
        ++runs.back();
    }
    return runs;
}

// The ink's extent across the reading direction's axis: the bars' span.
std::pair<int, int> InkSpanAcross(const QImage& image, bool alongX) {
    const int across = alongX ? image.height() : image.width();
    const int along = alongX ? image.width() : image.height();
    int first = -1;
    int last = -1;
    for (int a = 0; a < across; ++a) {
        for (int i = 0; i < along; ++i) {
            if (alongX ? IsInk(image, i, a) : IsInk(image, a, i)) {
                first = first < 0 ? a : first;
                last = a;
                break;
            }
        }
    }
    return {first, last};
}

// Postnet read back from its bars: a line near the bars' common end crosses
// every bar, one near the origin line only the full ones.
std::string ReadPostnetImage(const QImage& image, int orientation) {
    constexpr std::array<const char*, 10> kDigits{"11000", "00011", "00101", "00110", "01001",
                                                  "01010", "01100", "10001", "10010", "10100"};
    const bool alongX = orientation % 2 == 0;
    const auto [low, high] = InkSpanAcross(image, alongX);
    // The origin line lies at the top (0), right (3), bottom (2) or left (1).
    const bool originLow = orientation == 0 || orientation == 1;
    const int span = high - low;
    const int nearOrigin = originLow ? low + span / 8 : high - span / 8;
    const int nearEnd = originLow ? high - span / 8 : low + span / 8;
    const int length = alongX ? image.width() : image.height();
    const auto ink = [&](int i, int at) {
        return alongX ? IsInk(image, i, at) : IsInk(image, at, i);
    };
    std::string bars; // "1" full, "0" half, in reading order
    for (int i = 0; i < length; ++i) {
        const int position = orientation == 1 || orientation == 2 ? length - 1 - i : i;
        const int previous = orientation == 1 || orientation == 2 ? position + 1 : position - 1;
        const bool starts = ink(position, nearEnd) && (i == 0 || !ink(previous, nearEnd));
        if (starts) {
            bars += ink(position, nearOrigin) ? '1' : '0';
        }
    }
    if (bars.size() < 2 || (bars.size() - 2) % 5 != 0) {
        return "bars: " + bars;
    }
    std::string digits;
    for (std::size_t at = 1; at + 5 < bars.size(); at += 5) {
        const std::string group = bars.substr(at, 5);
        const auto it = std::find(kDigits.begin(), kDigits.end(), group);
        if (it == kDigits.end()) {
            return "bars: " + bars;
        }
        digits += static_cast<char>('0' + (it - kDigits.begin()));
    }
    int sum = 0;
    for (const char d : digits) {
        sum += d - '0';
    }
    if (sum % 10 != 0) {
        return "check fails: " + digits;
    }
    return digits.substr(0, digits.size() - 1);
}

struct Reading {
    std::string zxing;
    std::string zbar;
};

Reading ReadBoth(const QImage& image, const Sample& sample, int orientation) {
    if (!sample.decoder) {
        const std::string postnet = ReadPostnetImage(image, orientation);
        return {postnet, postnet};
    }
    const GrayImage grey = ToGray(image);
    const Decoded zxing = DecodeImage(grey, *sample.decoder);
    const Decoded zbar = DecodeImageZbar(grey, *sample.decoder);
    return {zxing.valid ? zxing.text : "(no read)", zbar.valid ? zbar.text : "(no read)"};
}

// White beyond the first and last bar along the line at `at`: at least the
// symbology's quiet zone, in modules of n dots (or mils) before and after the
// bars in reading order.
void ExpectQuietZones(const QImage& image, const Sample& sample, std::int64_t n, double dotsPerInch,
                      int orientation, int at) {
    const bool alongX = orientation % 2 == 0;
    const int length = alongX ? image.width() : image.height();
    const auto ink = [&](int i) { return alongX ? IsInk(image, i, at) : IsInk(image, at, i); };
    int low = 0;
    while (low < length && !ink(low)) {
        ++low;
    }
    int high = 0;
    while (high < length && !ink(length - 1 - high)) {
        ++high;
    }
    const QuietZone zone = FactsOf(sample.id).quietZone;
    const auto dots = [&](std::int64_t modules) {
        return std::max<std::int64_t>(modules * n,
                                      static_cast<std::int64_t>(zone.mils * dotsPerInch / 1000));
    };
    const bool reversed = orientation == 1 || orientation == 2;
    EXPECT_GE(reversed ? high : low, dots(zone.before)) << "quiet zone before the bars";
    EXPECT_GE(reversed ? low : high, dots(zone.after)) << "quiet zone after the bars";
}

// Every run is a whole number of modules of n dots: narrow or wide elements for
// the narrow/wide symbologies, runs of up to four modules for the others;
// Postnet's bars and gaps within one dot of their true size.
void ExpectRunsOnTheGrid(const QImage& image, const Sample& sample, int density, int ratio,
                         double dotsPerInch, int orientation) {
    const bool alongX = orientation % 2 == 0;
    const auto [low, high] = InkSpanAcross(image, alongX);
    ASSERT_GE(low, 0) << "no ink";
    // Across the middle of the bars (Postnet: near their common end, where
    // every bar is crossed), clear of the label.
    const bool originLow = orientation == 0 || orientation == 1;
    const int at = sample.decoder ? (low + high) / 2
                                  : (originLow ? high - (high - low) / 8 : low + (high - low) / 8);
    const std::vector<int> runs = RunsAlong(image, alongX, at);
    ASSERT_FALSE(runs.empty());
    ExpectQuietZones(image, sample, DotsPerModule(density, dotsPerInch), dotsPerInch, orientation,
                     at);
    if (!sample.decoder) {
        const double scale = dotsPerInch / 1000;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const double mils = i % 2 == 0 ? 20 : 27;
            EXPECT_NEAR(runs[i], mils * scale, 1.0) << "element " << i;
        }
        return;
    }
    const std::int64_t n = DotsPerModule(density, dotsPerInch);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (sample.wideElements) {
            EXPECT_TRUE(runs[i] == n || runs[i] == ratio * n)
                << "element " << i << " is " << runs[i] << " dots, n = " << n;
        } else {
            EXPECT_EQ(runs[i] % n, 0) << "element " << i << " is " << runs[i] << " dots, n = " << n;
            EXPECT_LE(runs[i], 4 * n) << "element " << i;
        }
    }
}

constexpr std::array<int, 5> kDensities{7, 10, 11, 13, 15};
constexpr int kRatio = 3;

TEST(DeviceGrid, CopyAndSaveBitmapsScanAtTheScreensResolution) {
    int read = 0;
    for (const Sample& sample : kSamples) {
        for (const int density : kDensities) {
            const ScopedWidths widths(density, kRatio);
            for (int zoom = 1; zoom <= 3; ++zoom) {
                for (int orientation = 0; orientation < 4; ++orientation) {
                    SCOPED_TRACE(std::string(FactsOf(sample.id).name) + ", Density " +
                                 std::to_string(density) + ", zoom " + std::to_string(zoom) +
                                 ", orientation " + std::to_string(orientation));
                    Scene scene(sample, zoom, orientation);
                    ASSERT_EQ(scene.view.logicalDpiX(), kScreenDpi);
                    const QImage bitmap = scene.view.Output().RenderBitmap(false);
                    ASSERT_FALSE(bitmap.isNull());
                    const Reading reading = ReadBoth(bitmap, sample, orientation);
                    EXPECT_EQ(reading.zxing, sample.zxing);
                    EXPECT_EQ(reading.zbar, sample.zbar);
                    ExpectRunsOnTheGrid(bitmap, sample, density, kRatio, kScreenDpi * zoom,
                                        orientation);
                    read += reading.zxing == sample.zxing && reading.zbar == sample.zbar ? 1 : 0;
                }
            }
        }
    }
    EXPECT_EQ(read, 11 * 5 * 3 * 4);
}

TEST(DeviceGrid, PrintedPagesScanAtTheirPrintersResolution) {
    struct Device {
        int dpi;
        int maxZoom; // the largest pages are left to the smaller resolutions
    };
    constexpr std::array<Device, 4> kPrinters{{{203, 3}, {300, 3}, {600, 2}, {1200, 1}}};
    int read = 0;
    int images = 0;
    for (const Device& printer : kPrinters) {
        for (const Sample& sample : kSamples) {
            for (const int density : kDensities) {
                const ScopedWidths widths(density, kRatio);
                for (int zoom = 1; zoom <= printer.maxZoom; ++zoom) {
                    for (int orientation = 0; orientation < 4; ++orientation) {
                        SCOPED_TRACE(std::string(FactsOf(sample.id).name) + " at " +
                                     std::to_string(printer.dpi) + " dpi, Density " +
                                     std::to_string(density) + ", zoom " + std::to_string(zoom) +
                                     ", orientation " + std::to_string(orientation));
                        Scene scene(sample, zoom, orientation);
                        const QImage page = scene.Print(printer.dpi);
                        ASSERT_FALSE(page.isNull());
                        EXPECT_EQ(GreyPixels(page), 0);
                        const Reading reading = ReadBoth(page, sample, orientation);
                        EXPECT_EQ(reading.zxing, sample.zxing);
                        EXPECT_EQ(reading.zbar, sample.zbar);
                        ExpectRunsOnTheGrid(page, sample, density, kRatio,
                                            static_cast<double>(printer.dpi) * zoom, orientation);
                        ++images;
                        read +=
                            reading.zxing == sample.zxing && reading.zbar == sample.zbar ? 1 : 0;
                    }
                }
            }
        }
    }
    EXPECT_EQ(read, images);
}

TEST(DeviceGrid, ModuleIsTheNearestWholeNumberOfDots) {
    struct Row {
        int density;
        double dpi;
        std::int64_t dots;
        double achievedMils;
    };
    const Row rows[] = {
        {10, 96, 1, 10.4167},  {10, 203, 2, 9.8522}, {10, 300, 3, 10.0},
        {10, 600, 6, 10.0},    {15, 96, 1, 10.4167}, {7, 96, 1, 10.4167},
        {13, 300, 4, 13.3333}, {1, 96, 1, 10.4167},  {1000, 96, 96, 1000.0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DotsPerModule(row.density, row.dpi), row.dots) << row.density << " @ " << row.dpi;
        EXPECT_NEAR(AchievedModuleMils(row.density, row.dpi), row.achievedMils, 1e-3);
    }
}

TEST(DeviceGrid, CopyAndSaveTakeTheTextBeingTyped) {
    const Sample& code128 = kSamples[2];
    Scene scene(code128, 1, 0);
    const QImage before = scene.view.Output().RenderBitmap(false);
    for (const char* typed : {"A MUCH LONGER TEXT 0123456789", "AB"}) {
        SCOPED_TRACE(typed);
        scene.panel.data = typed; // still in the field: no redraw has happened
        const QImage bitmap = scene.view.Output().RenderBitmap(false);
        const GrayImage grey = ToGray(bitmap);
        EXPECT_EQ(DecodeImage(grey, Symbology::Code128).text, typed);
        EXPECT_EQ(DecodeImageZbar(grey, Symbology::Code128).text, typed);
        EXPECT_NE(bitmap.width(), before.width());
    }
}

// The printer's own resolution reaches the draw, and a Density 10 narrow bar
// is exactly 6 dots of a 600-dpi page; the page read back scans.
TEST(DeviceGrid, PrintingRunsAtThePrintersResolution) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const bool tiled : {false, true}) {
        SCOPED_TRACE(tiled ? "tiled" : "centred");
        Scene scene(kSamples[0], 1, 0, "0.75");
        scene.panel.data = "21898623818";
        if (tiled) {
            CNotifyEvent tile(ids::kTileModeCheck, NotifyCode::Clicked);
            scene.view.DispatchMessage(tile);
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setResolution(600);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setFullPage(true); // the page's origin is the paper's corner
        const QString pdf = dir.filePath(tiled ? "tiled.pdf" : "centred.pdf");
        printer.setOutputFileName(pdf);
        EXPECT_EQ(scene.view.OnPrepareDC(printer, QRect()).dpiX, 600);
        ASSERT_TRUE(scene.view.Output().PrintPage(printer));
        // The page's middle (centred) or its top-left corner (tiled), 600 dpi.
        const QRect paper = printer.pageLayout().fullRectPixels(600);
        const QRect crop = tiled ? QRect(0, 0, 2800, 1600)
                                 : QRect(paper.center() - QPoint(1400, 800), QSize(2800, 1600));
        const QString png = dir.filePath(tiled ? "tiled" : "centred");
        ASSERT_EQ(
            QProcess::execute(pdftoppm,
                              {"-r", "600", "-mono", "-singlefile", "-x", QString::number(crop.x()),
                               "-y", QString::number(crop.y()), "-W", QString::number(crop.width()),
                               "-H", QString::number(crop.height()), pdf, png}),
            0);
        QImage page(png + ".pbm");
        ASSERT_FALSE(page.isNull());
        const GrayImage grey = ToGray(page);
        EXPECT_EQ(DecodeImage(grey, Symbology::Code39).text, "21898623818");
        EXPECT_EQ(DecodeImageZbar(grey, Symbology::Code39).text, "21898623818");
        if (!tiled) {
            const auto [low, high] = InkSpanAcross(page, true);
            const std::vector<int> runs = RunsAlong(page, true, (low + high) / 2);
            ASSERT_FALSE(runs.empty());
            EXPECT_EQ(runs.front(), 6); // the start character's narrow bar
            for (const int run : runs) {
                EXPECT_TRUE(run == 6 || run == 18) << run;
            }
        }
    }
}

TEST(AchievedSize, SaysWhatTheDeviceMakesOfTheNarrowElement) {
    struct Row {
        const char* name;
        SymbologyId id;
        int density, dpi, zoom;
        const char* unit;
        const char* expected;
    };
    const Row rows[] = {
        {"screen", SymbologyId::Code39, 10, 96, 1, "px", "X 10.4 mil = 1 px @ 96 dpi, ratio 3"},
        {"label printer, Code 128 has no ratio", SymbologyId::Code128, 10, 203, 1, "dots",
         "X 9.9 mil = 2 dots @ 203 dpi"},
        {"Interleaved 2 of 5 has one", SymbologyId::Interleaved25, 10, 203, 1, "dots",
         "X 9.9 mil = 2 dots @ 203 dpi, ratio 3"},
        {"zoomed", SymbologyId::Code39, 10, 96, 3, "px",
         "X 10.4 mil = 3 px @ 96 dpi \u00d73, ratio 3"},
        {"too coarse", SymbologyId::Code39, 15, 96, 1, "px",
         "X 10.4 mil = 1 px @ 96 dpi, ratio 3 \u2014 15 mil cannot be drawn within 10 % at this "
         "resolution"},
        {"fine enough at 600 dpi", SymbologyId::Code39, 15, 600, 1, "dots",
         "X 15.0 mil = 9 dots @ 600 dpi, ratio 3"},
        {"Postnet", SymbologyId::Postnet, 10, 96, 1, "px", "Bars at their own true size @ 96 dpi"},
    };
    for (const Row& row : rows) {
        const ScopedWidths widths(row.density, kRatio);
        const auto barcode = CreateBarcode(row.id, "123");
        DeviceMapping mapping;
        mapping.dpiX = mapping.dpiY = row.dpi;
        mapping.zoom = row.zoom;
        EXPECT_EQ(AchievedSizeText(*barcode, mapping, QString::fromLatin1(row.unit)),
                  QString::fromUtf8(row.expected))
            << row.name;
    }
}

// A screen that doubles its pixels gets bars on its real pixels: Density 15
// at 2 x 96 dpi is 3 pixels, where whole logical pixels would give 2.
TEST(DeviceGrid, DoublingScreensDrawOnTheirRealPixels) {
    const ScopedWidths widths(15, kRatio);
    Scene scene(kSamples[0], 1, 0);
    const QSize logical(400, 200);
    QImage screen(logical * 2, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    screen.fill(Qt::white);
    {
        QPainter painter(&screen);
        scene.view.OnDraw(painter, scene.view.OnPrepareDC(screen, QRect(QPoint(), logical)));
    }
    const auto [low, high] = InkSpanAcross(screen, true);
    ASSERT_GE(low, 0);
    const std::vector<int> runs = RunsAlong(screen, true, (low + high) / 2);
    ASSERT_FALSE(runs.empty());
    for (const int run : runs) {
        EXPECT_TRUE(run == 3 || run == 9) << run;
    }
}

// Nothing of a tiled page reaches beyond the printable area, labels included.
TEST(DeviceGrid, TiledOutputStaysInsideItsArea) {
    Scene scene(kSamples[0], 1, 0);
    CNotifyEvent tile(ids::kTileModeCheck, NotifyCode::Clicked);
    scene.view.DispatchMessage(tile);
    QImage paper(1200, 900, QImage::Format_RGB32);
    paper.fill(Qt::white);
    const QRect printable(150, 120, 800, 600);
    {
        QPainter painter(&paper);
        DeviceMapping mapping = scene.view.OnPrepareDC(paper, printable);
        scene.view.OnDraw(painter, mapping);
    }
    int inside = 0;
    for (int y = 0; y < paper.height(); ++y) {
        for (int x = 0; x < paper.width(); ++x) {
            if (IsInk(paper, x, y)) {
                EXPECT_TRUE(printable.contains(x, y)) << x << ", " << y;
                ++inside;
                if (!printable.contains(x, y)) {
                    return;
                }
            }
        }
    }
    EXPECT_GT(inside, 0);
}

} // namespace
