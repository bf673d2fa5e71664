// Renders through the view's own prepare + draw path into bitmaps and PDF
// pages, and checks the results from the outside: ZXing reads the symbols back,
// bar edges are measured in pixels, pages are counted in the PDF file.
#include "BarcodeView.h"
#include "Decode.h"
#include "FakeInputValues.h"
#include "FieldValues.h"
#include "Placement.h"
#include "QPainterSurface.h"
#include "QtImages.h"
#include "RecordingSurface.h"
#include "ResourceIds.h"
#include "Symbologies.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kScreenDpi = 96;
// White space rendered around a symbol in these tests, in mils on every side:
// room for the label and a quiet zone the symbols do not carry themselves.
constexpr std::int32_t kTestMargin = 300;

// A view with its panel, set up by clicking its controls as a user would.
struct Scene {
    FakeInputValues panel;
    CBarcodeView view;

    Scene(int symbology, const QString& data, const QString& height, bool showText, int zoom,
          int orientation) {
        panel.data = data;
        panel.height = height;
        panel.showText = showText;
        view.SetInputValues(&panel);
        view.SetSymbology(symbology);
        for (int i = 1; i < zoom; ++i) {
            view.OnCommand(ids::kZoomIn);
        }
        for (int i = 0; i < orientation; ++i) {
            Click(ids::kTurnLeftButton);
        }
    }
    void Click(int controlId) {
        CNotifyEvent event(controlId, NotifyCode::Clicked);
        view.DispatchMessage(event);
    }
    // A bitmap holding the symbol with kTestMargin all round.
    QImage Render(int dpi) {
        view.Document().Update();
        const std::int64_t along = view.Barcode()->TotalWidth() + 2 * kTestMargin;
        const std::int64_t across = BarLengthFromHeight(panel.height) + 2 * kTestMargin;
        const bool turned = view.Orientation() % 2 != 0;
        const std::int64_t unitsPerInch = std::int64_t{dpi} * view.Zoom();
        const QSize size(static_cast<int>((turned ? across : along) * unitsPerInch / 1000),
                         static_cast<int>((turned ? along : across) * unitsPerInch / 1000));
        return view.Output().RenderToImage(dpi, dpi, size);
    }
};

QRect InkBounds(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsInk(image, x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Pixels that are ink in one image and not in the other.
QRect DifferenceBounds(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (IsInk(a, x, y) != IsInk(b, x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

std::string OrientationName(int orientation) {
    return "orientation " + std::to_string(orientation);
}

TEST(RenderToImage, BarLengthInPixels) {
    struct Row {
        const char* name;
        int zoom;
        int dpi;
        int pixels;
    };
    const Row rows[] = {
        {"screen, zoom 1", 1, kScreenDpi, 72},
        {"screen, zoom 2", 2, kScreenDpi, 144},
        {"screen, zoom 3", 3, kScreenDpi, 216},
        {"300 dpi", 1, 300, 225},
    };
    for (const Row& row : rows) {
        for (const int orientation : {0, 1}) {
            SCOPED_TRACE(std::string(row.name) + ", " + OrientationName(orientation));
            Scene scene(0, "BAR", "0.75", false, row.zoom, orientation);
            const QRect ink = InkBounds(scene.Render(row.dpi));
            EXPECT_EQ(orientation == 0 ? ink.height() : ink.width(), row.pixels);
        }
    }
}

TEST(RenderToImage, DecodesTheCode39FamilyAtEveryZoomResolutionAndOrientation) {
    struct Symbol {
        const char* name;
        int id;
        const char* text;
        Symbology decoder;
        const char* expected;
    };
    const Symbol symbols[] = {
        {"Code 39", 0, "code 39-r", Symbology::Code39, "CODE 39-R"},
        {"Code 39 Extended", 4, "Quill mark!", Symbology::Code39Extended, "Quill mark!"},
        // A=10 B=11 C=12 1 2 3: sum 39, which is the character "$".
        {"Code 39 with check", 5, "ABC123", Symbology::Code39, "ABC123$"},
    };
    struct Output {
        const char* name;
        int dpi;
        int zoom;
    };
    // Not the screen at zoom 1: there a 10-mil module is 0.96 pixel, so keeping
    // every edge within a pixel of its place must close one element in about
    // every 25 modules; where that is a narrow space two bars merge and no
    // reader can decode the symbol. OnScreenAtZoomOneBarsStayInPlace checks
    // what zoom 1 on screen does guarantee.
    const Output outputs[] = {
        {"screen, zoom 2", kScreenDpi, 2},
        {"screen, zoom 3", kScreenDpi, 3},
        {"300 dpi", 300, 1},
        {"600 dpi", 600, 1},
        {"300 dpi, zoom 2", 300, 2},
    };
    for (const Symbol& symbol : symbols) {
        for (const Output& output : outputs) {
            for (int orientation = 0; orientation < 4; ++orientation) {
                SCOPED_TRACE(std::string(symbol.name) + ", " + output.name + ", " +
                             OrientationName(orientation));
                Scene scene(symbol.id, symbol.text, "0.3", true, output.zoom, orientation);
                const Decoded decoded =
                    DecodeImage(ToGray(scene.Render(output.dpi)), symbol.decoder);
                EXPECT_TRUE(decoded.valid);
                EXPECT_EQ(decoded.text, symbol.expected);
            }
        }
    }
}

// The black runs along one row (or column) of an image: [start, end) pairs.
std::vector<std::pair<double, double>> InkRuns(const QImage& image, bool alongX, int at) {
    std::vector<std::pair<double, double>> runs;
    const int length = alongX ? image.width() : image.height();
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool ink = i < length && (alongX ? IsInk(image, i, at) : IsInk(image, at, i));
        if (ink && start < 0) {
            start = i;
        } else if (!ink && start >= 0) {
            runs.emplace_back(start, i);
            start = -1;
        }
    }
    return runs;
}

// The bars of a scene as the engine places them, in device units along the
// scan axis ([start, end) pairs, sorted): the engine's lines in mils through
// the mapping, independent of how the surface rounds them.
std::vector<std::pair<double, double>> ExpectedBars(Scene& scene, int dpi, const QImage& image) {
    const std::int32_t barLength = BarLengthFromHeight(scene.panel.height);
    const int orientation = scene.view.Orientation();
    const CBarcode& barcode = *scene.view.Barcode();
    RecordingSurface recorder;
    Point origin = SymbolOrigin(barcode.Encode(), barLength, false, orientation);
    barcode.Draw(recorder, origin, barLength, false, orientation);
    const QTransform milsToDevice =
        PrepareMapping(scene.view.Zoom(), dpi, dpi, image.rect()).MilsToDevice();
    const bool alongX = orientation % 2 == 0;
    std::vector<std::pair<double, double>> bars;
    for (const RecordedLine& line : recorder.lines) {
        const double half = line.width / 2.0;
        const QRectF band = alongX ? QRectF(QPointF(line.from.x - half, line.from.y),
                                            QPointF(line.to.x + half, line.to.y))
                                   : QRectF(QPointF(line.from.x, line.from.y - half),
                                            QPointF(line.to.x, line.to.y + half));
        const QRectF device = milsToDevice.mapRect(band);
        bars.emplace_back(alongX ? device.left() : device.top(),
                          alongX ? device.right() : device.bottom());
    }
    std::sort(bars.begin(), bars.end());
    return bars;
}

TEST(RenderToImage, At600DpiEveryBarEdgeLiesWithinOnePixelOfItsMils) {
    constexpr int kDpi = 600;
    for (int orientation = 0; orientation < 4; ++orientation) {
        SCOPED_TRACE(OrientationName(orientation));
        Scene scene(0, "EDGE-39 W", "0.3", true, 1, orientation);
        const QImage image = scene.Render(kDpi);
        ASSERT_FALSE(image.isNull());
        const auto expected = ExpectedBars(scene, kDpi, image);
        const bool alongX = orientation % 2 == 0;
        const QPoint centre = CentreOf(image.rect());
        const auto actual = InkRuns(image, alongX, alongX ? centre.y() : centre.x());
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_NEAR(actual[i].first, expected[i].first, 1.0) << "bar " << i;
            EXPECT_NEAR(actual[i].second, expected[i].second, 1.0) << "bar " << i;
        }
    }
}

TEST(RenderToImage, LabelLiesBeyondTheFarEdgeOfTheBars) {
    for (int orientation = 0; orientation < 4; ++orientation) {
        SCOPED_TRACE(OrientationName(orientation));
        Scene withText(0, "LABEL", "0.3", true, 1, orientation);
        Scene withoutText(0, "LABEL", "0.3", false, 1, orientation);
        const QImage bars = withoutText.Render(300);
        const QRect barBox = InkBounds(bars);
        const QRect label = DifferenceBounds(withText.Render(300), bars);
        ASSERT_FALSE(label.isEmpty());
        switch (orientation) {
        case 0: // bars hang down: the label is below them
            EXPECT_GT(label.top(), barBox.bottom());
            break;
        case 1: // bars reach right
            EXPECT_GT(label.left(), barBox.right());
            break;
        case 2:
            EXPECT_LT(label.bottom(), barBox.top());
            break;
        default:
            EXPECT_LT(label.right(), barBox.left());
            break;
        }
    }
}

TEST(QPainterSurface, TextTurnsWithTheSymbolAndIsNeverMirrored) {
    // An "L" has its ink left of and below the centre of its box when upright.
    // Turned by the escapement, that offset turns with it; a mirrored glyph
    // would flip one of its signs.
    struct Row {
        const char* name;
        std::int32_t escapement;
        int signX; // of the ink's centroid relative to the ink box's centre,
        int signY; // in device coordinates (y down)
    };
    const Row rows[] = {
        {"upright", 0, -1, +1},
        {"quarter turn counter-clockwise", -900, +1, +1},
        {"half turn", 1800, +1, -1},
        {"quarter turn clockwise", 900, -1, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QImage image(400, 400, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780); // 96 dpi
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QPainterSurface surface(
                painter, PrepareMapping(1, kScreenDpi, kScreenDpi, image.rect()).MilsToDevice(),
                image.rect());
            surface.DrawText(Font{kLabelFontFace, 1500, 400, row.escapement}, {0, 0}, "L");
        }
        double sumX = 0, sumY = 0;
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (IsInk(image, x, y)) {
                    sumX += x;
                    sumY += y;
                    ++count;
                }
            }
        }
        ASSERT_GT(count, 0);
        const QRectF box = InkBounds(image);
        const double dx = sumX / count - (box.left() + box.width() / 2.0 - 0.5);
        const double dy = sumY / count - (box.top() + box.height() / 2.0 - 0.5);
        EXPECT_EQ(dx > 0 ? 1 : -1, row.signX) << dx;
        EXPECT_EQ(dy > 0 ? 1 : -1, row.signY) << dy;
    }
}

TEST(QPainterSurface, MeasuresTextInMilsWhateverTheResolution) {
    const Font font = LabelFont(0);
    for (const int dpi : {300, 600, 1200}) {
        QImage image(10, 10, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        QPainter painter(&image);
        QPainterSurface surface(painter, PrepareMapping(1, dpi, dpi, image.rect()).MilsToDevice(),
                                image.rect());
        const Extent extent = surface.MeasureText(font, "0123456789");
        // Ten characters of a fixed-pitch face 111 mils high: about 0.6 em each.
        EXPECT_NEAR(extent.cx, 10 * 0.6 * kLabelFontHeight, 60) << dpi;
        EXPECT_GE(extent.cy, kLabelFontHeight) << dpi;
        EXPECT_LE(extent.cy, 2 * kLabelFontHeight) << dpi;
    }
}

TEST(RenderToImage, IsWhatTheScreenShows) {
    FakeInputValues panel;
    panel.showText = false; // the screen smooths its text, bitmaps do not
    CBarcodeView view;
    view.SetInputValues(&panel);
    view.resize(420, 160);
    view.OnCommand(ids::kZoomIn);
    const QImage screen = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage bitmap =
        view.Output().RenderToImage(view.logicalDpiX(), view.logicalDpiY(), view.size());
    ASSERT_EQ(screen.size(), bitmap.size());
    EXPECT_EQ(screen, bitmap);
    EXPECT_FALSE(InkBounds(screen).isEmpty());
}

TEST(RenderToImage, TilesFillTheAreaWithIdenticalCentredSymbols) {
    constexpr int kDpi = 300;
    for (const int orientation : {0, 1}) {
        SCOPED_TRACE(OrientationName(orientation));
        Scene scene(0, "TILE", "0.3", true, 1, orientation);
        scene.Click(ids::kTileModeCheck);
        const auto barcode = CreateBarcode(SymbologyId::Code39, "TILE");
        const TileGrid grid = LayOutTiles(TileCellMils(barcode->Encode(), 300, orientation),
                                          PrepareMapping(1, kDpi, kDpi, QRect()));
        const int cx = static_cast<int>(grid.cell.width);
        const int cy = static_cast<int>(grid.cell.height);
        // Exactly two cells wide and two high: the third column and row fall outside.
        const QImage image = scene.view.Output().RenderToImage(kDpi, kDpi, QSize(2 * cx, 2 * cy));
        const QImage first = image.copy(0, 0, cx, cy);
        EXPECT_EQ(image.copy(cx, 0, cx, cy), first);
        EXPECT_EQ(image.copy(0, cy, cx, cy), first);
        EXPECT_EQ(image.copy(cx, cy, cx, cy), first);

        // Each cell holds the symbol exactly as it is drawn centred in a bitmap of
        // the cell's size.
        scene.Click(ids::kTileModeCheck);
        EXPECT_EQ(scene.view.Output().RenderToImage(kDpi, kDpi, QSize(cx, cy)), first);
        QImage padded(cx + 200, cy + 200, QImage::Format_RGB32);
        padded.fill(Qt::white);
        QPainter(&padded).drawImage(100, 100, first);
        const Decoded decoded = DecodeImage(ToGray(padded), Symbology::Code39);
        EXPECT_TRUE(decoded.valid);
        EXPECT_EQ(decoded.text, "TILE");
    }
}

TEST(RenderToImage, PostnetBarsAre125MilsWhateverTheHeight) {
    Scene scene(static_cast<int>(SymbologyId::Postnet), "12345", "2", true, 1, 0);
    const QImage image = scene.view.Output().RenderToImage(600, 600, QSize(1200, 1600));
    EXPECT_EQ(InkBounds(image).height(), 75); // 125 mils at 600 dpi, no label
}

int CountPdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray pdf = file.readAll();
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1)) {
        const qsizetype after = at + static_cast<qsizetype>(std::strlen("/Type /Page"));
        if (after >= pdf.size() || pdf.at(after) != 's') { // not the /Pages tree
            ++pages;
        }
    }
    return pages;
}

TEST(Printing, EveryJobIsExactlyOnePage) {
    struct Row {
        const char* name;
        int zoom;
        bool tiled;
        int orientation;
    };
    const Row rows[] = {
        {"centred", 1, false, 0},
        {"zoom 3", 3, false, 0},
        {"zoom 8 overhangs the page", 8, false, 1},
        {"tiled", 1, true, 0},
        {"tiled and turned", 2, true, 3},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scene scene(0, "21898623818", "0.75", true, row.zoom, row.orientation);
        if (row.tiled) {
            scene.Click(ids::kTileModeCheck);
        }
        const QString path = dir.filePath(QString::fromUtf8(row.name) + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        EXPECT_TRUE(scene.view.Output().PrintPage(printer));
        EXPECT_EQ(CountPdfPages(path), 1);
        EXPECT_EQ(scene.panel.width, "2.07");
    }
}

// A tiled page holds the whole cells that fit it from its top-left corner, each
// of which scans, and no ink beyond them; a cell too large for the page is not
// printed at all, and the print path says why.
TEST(Printing, TiledPageHoldsWholeCellsOnly) {
    for (const auto& [dpi, orientation] : {std::pair{203, 0}, {300, 1}, {600, 0}}) {
        SCOPED_TRACE(dpi);
        Scene scene(0, "TILE", "0.3", true, 1, orientation);
        scene.Click(ids::kTileModeCheck);
        QImage page(dpi * 43 / 10, dpi * 26 / 10, QImage::Format_RGB32); // 4.3 x 2.6 in
        page.setDotsPerMeterX(qRound(dpi / 0.0254));
        page.setDotsPerMeterY(qRound(dpi / 0.0254));
        page.fill(Qt::white);
        const DeviceMapping mapping = scene.view.OnPrepareDC(page, page.rect());
        QPainter painter(&page);
        scene.view.OnPrint(painter, mapping);
        painter.end();
        const QSize cell = SymbolCellSize(mapping, scene.view.Document().Scene());
        const int columns = page.width() / cell.width();
        const int rows = page.height() / cell.height();
        EXPECT_TRUE(
            QRect(0, 0, columns * cell.width(), rows * cell.height()).contains(InkBounds(page)));
        for (int at = 0; at < columns * rows; ++at) {
            const QPoint corner(at % columns * cell.width(), at / columns * cell.height());
            QImage padded(cell + QSize(200, 200), QImage::Format_RGB32); // a quiet zone
            padded.fill(Qt::white);
            QPainter(&padded).drawImage(100, 100, page.copy(QRect(corner, cell)));
            EXPECT_EQ(DecodeImage(ToGray(padded), Symbology::Code39).text, "TILE") << at;
        }
    }
    Scene large(0, "21898623818", "0.75", true, 8, 0); // a cell 17.7 inches wide
    large.Click(ids::kTileModeCheck);
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFileName(dir.filePath("large.pdf"));
    QString error;
    EXPECT_FALSE(large.view.Output().PrintPage(printer, &error));
    EXPECT_TRUE(error.contains("larger than the printable area")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(printer.outputFileName())) << "no blank sheet";
}

} // namespace
