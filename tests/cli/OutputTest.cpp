// Every output format reads back: bitmaps by two independent readers, SVG
// through Qt's renderer, PDF by its page size and bar positions at true size.
// The BMP is the desktop program's Save, byte for byte.
#include "BarcodeView.h"
#include "Decode.h"
#include "EanUpc.h"
#include "FakeInputValues.h"
#include "FileCommit.h"
#include "MonoSurface.h"
#include "Placement.h"
#include "QtImages.h"
#include "ResourceIds.h"
#include "SymbolRender.h"
#include "ZbarDecode.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <span>

namespace {

// A symbol both readers know, with what each of them reports for it.
struct Sample {
    const char* name;
    SymbologyId id;
    const char* text;
    Symbology zxing;
    const char* zxingText;
    const char* zbar;
};

const Sample kSamples[] = {
    {"Code 128", SymbologyId::Code128, "QM-000123", Symbology::Code128, "QM-000123",
     "CODE-128:QM-000123"},
    {"Code 39", SymbologyId::Code39, "PART 42", Symbology::Code39, "PART 42", "CODE-39:PART 42"},
    {"Code 93", SymbologyId::Code93, "ABC-93", Symbology::Code93, "ABC-93", "CODE-93:ABC-93"},
    {"Interleaved 2 of 5", SymbologyId::Interleaved25, "12345678", Symbology::Itf, "12345678",
     "I2/5:12345678"},
    {"EAN 13", SymbologyId::Ean13, "400638133393", Symbology::Ean13, "4006381333931",
     "EAN-13:4006381333931"},
    {"EAN 8", SymbologyId::Ean8, "9638507", Symbology::Ean8, "96385074", "EAN-8:96385074"},
    // zbar reports an add-on as a symbol of its own; 978 numbers as ISBN-13.
    {"EAN 13 with add-on", SymbologyId::Ean13, "978156581231 52250", Symbology::Ean13,
     "9781565812314 52250", "ISBN-13:9781565812314 EAN-5:52250"},
    {"ISBN", SymbologyId::Isbn, "1-56581-231-X", Symbology::Ean13, "9781565812314",
     "ISBN-13:9781565812314"},
    {"ISSN with issue", SymbologyId::Issn, "0317-8471 05", Symbology::Ean13, "9770317847001 05",
     "EAN-13:9770317847001 EAN-2:05"},
    {"ISMN", SymbologyId::Ismn, "979-0-2600-0043-8", Symbology::Ean13, "9790260000438",
     "9790260000438"},
};

RenderRequest RequestOf(const Sample& sample, OutputFormat format, int dpi) {
    RenderRequest request;
    request.symbology = sample.id;
    request.text = sample.text;
    request.format = format;
    request.dpiX = dpi;
    request.dpiY = request.dpiX;
    return request;
}

void ExpectBothReadersRead(const QImage& image, const Sample& sample, const std::string& where) {
    ASSERT_FALSE(image.isNull()) << where;
    const Decoded zxing = DecodeImage(ToGray(image), sample.zxing);
    EXPECT_TRUE(zxing.valid) << where << " (ZXing)";
    EXPECT_EQ(zxing.text, sample.zxingText) << where << " (ZXing)";
    EXPECT_TRUE(ZbarDecode(image).join(QLatin1Char(' ')).contains(QString::fromLatin1(sample.zbar)))
        << where << " (zbar): " << ZbarDecode(image).join(QLatin1Char(' ')).toStdString();
}

TEST(RasterOutput, BmpAndPngReadBackWithBothReadersAtEveryResolution) {
    for (const int dpi : {203, 300, 600}) {
        for (const OutputFormat format : {OutputFormat::Bmp, OutputFormat::Png}) {
            for (const Sample& sample : kSamples) {
                const RenderResult symbol = RenderSymbol(RequestOf(sample, format, dpi));
                ASSERT_TRUE(symbol.error.isEmpty()) << symbol.error.toStdString();
                const QImage image = QImage::fromData(symbol.bytes);
                const std::string where = std::string(sample.name) + " " +
                                          ExtensionOf(format).toStdString() + " at " +
                                          std::to_string(dpi) + " dpi";
                EXPECT_EQ(image.depth(), 1) << where;
                EXPECT_EQ(image.dotsPerMeterX(), qRound(dpi / 0.0254)) << where;
                ExpectBothReadersRead(image, sample, where);
            }
        }
    }
}

TEST(SvgOutput, RendersAt600DpiAndReadsBack) {
    constexpr int kDpi = 600;
    for (const Sample& sample : kSamples) {
        const RenderResult symbol = RenderSymbol(RequestOf(sample, OutputFormat::Svg, kDpi));
        QSvgRenderer renderer(symbol.bytes);
        ASSERT_TRUE(renderer.isValid()) << sample.name;
        const QRectF box = renderer.viewBoxF(); // mils
        QImage image(qRound(box.width() * kDpi / 1000), qRound(box.height() * kDpi / 1000),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        ExpectBothReadersRead(image, sample, std::string(sample.name) + " SVG");
    }
}

TEST(SvgOutput, IsTrueSizeInInches) {
    const Sample& sample = kSamples[1]; // Code 39
    RenderRequest request = RequestOf(sample, OutputFormat::Svg, 300);
    request.zoom = 2;
    const RenderResult symbol = RenderSymbol(request);
    const Encoding encoding = CreateBarcode(sample.id, sample.text)->Encode();
    const double width = static_cast<double>(encoding.Bars().Length() +
                                             2 * std::int64_t{CellMarginAlong(encoding)}) *
                         2 / 1000.0;
    EXPECT_TRUE(symbol.bytes.contains("width=\"" + QByteArray::number(width) + "in\""))
        << symbol.bytes.left(300).toStdString();
    EXPECT_TRUE(symbol.bytes.contains("height=\"2.054in\"")); // (750 + 277) x 2 mils
}

// The filled rectangles of a PDF page's content ("x y w h re f"), in points.
QList<QRectF> PdfBars(const QByteArray& pdf) {
    QList<QRectF> bars;
    static const QRegularExpression bar(
        QStringLiteral(R"(^([-\d.]+) ([-\d.]+) ([-\d.]+) ([-\d.]+) re f$)"),
        QRegularExpression::MultilineOption);
    auto it = bar.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        bars.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     m.captured(4).toDouble()});
    }
    return bars;
}

TEST(PdfOutput, PageIsTheCellAndBarsLieAtTrueSize) {
    constexpr double kPointsPerMil = 0.072;
    for (const int orientation : {0, 1}) {
        RenderRequest request;
        request.symbology = SymbologyId::Code39;
        request.text = "A1";
        request.format = OutputFormat::Pdf;
        request.orientation = orientation;
        request.showText = false;
        const RenderResult symbol = RenderSymbol(request);
        const Encoding encoding = CreateBarcode(request.symbology, request.text)->Encode();
        const CellSize cell = TileCellMils(encoding, 750, orientation);

        static const QRegularExpression mediaBox(
            QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"));
        const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(symbol.bytes));
        ASSERT_TRUE(box.hasMatch());
        EXPECT_DOUBLE_EQ(box.captured(1).toDouble(), cell.width * kPointsPerMil);
        EXPECT_DOUBLE_EQ(box.captured(2).toDouble(), cell.height * kPointsPerMil);

        // One rectangle per bar, in order (the white ground is filled apart).
        const QList<QRectF> bars = PdfBars(symbol.bytes);
        const Point origin = SymbolOrigin(encoding, 750, false, orientation);
        // Mils along the reading direction from the cell's bottom-left corner.
        double along = orientation == 0 ? static_cast<double>(cell.width) / 2 + origin.x
                                        : static_cast<double>(cell.height) / 2 + origin.y;
        qsizetype index = 0;
        for (const Element& element : encoding.elements) {
            if (element.bar) {
                ASSERT_LT(index, bars.size());
                const QRectF& bar = bars[index++];
                const double start = orientation == 0 ? bar.x() : bar.y();
                const double width = orientation == 0 ? bar.width() : bar.height();
                const double length = orientation == 0 ? bar.height() : bar.width();
                EXPECT_NEAR(start / kPointsPerMil, along, 1e-3) << "orientation " << orientation;
                EXPECT_NEAR(width / kPointsPerMil, element.width, 1e-3);
                EXPECT_NEAR(length / kPointsPerMil, 750, 1e-3);
            }
            along += element.width;
        }
        EXPECT_EQ(index, bars.size()) << "one rectangle per merged bar";
    }
}

// A book number's line above the bars is text of the page.
TEST(PdfOutput, BookNumbersShowTheirLineAsText) {
    QTemporaryDir folder;
    for (const Sample& sample : std::span(kSamples).last(3)) {
        const QString path = folder.filePath(QStringLiteral("book.pdf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(RenderSymbol(RequestOf(sample, OutputFormat::Pdf, 300)).bytes);
        file.close();
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        ASSERT_TRUE(pdftotext.waitForFinished(60000));
        const auto barcode = CreateBarcode(sample.id, sample.text);
        EXPECT_TRUE(pdftotext.readAllStandardOutput().contains(
            dynamic_cast<const CEanUpc&>(*barcode).Headline().c_str()))
            << sample.name;
    }
}

TEST(PdfOutput, IsTheSameBytesEveryTime) {
    RenderRequest request;
    request.symbology = SymbologyId::Ean13;
    request.text = "400638133393";
    request.format = OutputFormat::Pdf;
    EXPECT_EQ(RenderSymbol(request).bytes, RenderSymbol(request).bytes);
}

TEST(BmpOutput, IsByteIdenticalToTheDesktopSave) {
    struct Row {
        const char* name;
        int symbology;
        const char* text;
        const char* height;
        bool showText;
        int turns;
    };
    const Row rows[] = {
        {"Code 39 start values", 0, "21898623818", "0.75", true, 0},
        {"Code 128 without text", 2, "QM-42", "0.5", false, 0},
        {"EAN 13 turned once", 9, "400638133393", "1", true, 1},
        {"Postnet with its own bars", 6, "12345", "0.75", true, 2},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const Row& row : rows) {
        FakeInputValues panel;
        CBarcodeView view;
        view.SetInputValues(&panel);
        view.OnInitialUpdate();
        view.SetSymbology(row.symbology);
        panel.data = QString::fromLatin1(row.text);
        panel.height = QString::fromLatin1(row.height);
        panel.showText = row.showText;
        for (int i = 0; i < row.turns; ++i) {
            CNotifyEvent click(ids::kTurnLeftButton, NotifyCode::Clicked);
            view.DispatchMessage(click);
        }
        view.resize(500, 300);
        view.grab();
        const QString path = folder.filePath(QStringLiteral("desktop.bmp"));
        QString error;
        ASSERT_TRUE(CBarcodeOutput::SaveBitmap(view.Output().RenderBitmap(false), path, &error))
            << row.name;
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));

        RenderRequest request;
        request.symbology = static_cast<SymbologyId>(row.symbology);
        request.text = row.text;
        request.heightMils = static_cast<std::int32_t>(std::atof(row.height) * 1000);
        request.showText = row.showText;
        request.orientation = row.turns;
        request.dpiX = view.logicalDpiX();
        request.dpiY = request.dpiX;
        request.format = OutputFormat::Bmp;
        EXPECT_EQ(RenderSymbol(request).bytes, saved.readAll()) << row.name;
    }
}

// The desktop Save of a labelled symbol, into the file QUILLMARK_SAVE_TO
// names: run by the next test in a child process under each display setting.
TEST(DesktopSave, WritesWhereTheDisplayTableAsks) {
    const QString path = qEnvironmentVariable("QUILLMARK_SAVE_TO");
    if (path.isEmpty()) {
        GTEST_SKIP() << "run by DisplaySettings.NeverChangeTheOutputs";
    }
    FakeInputValues panel;
    CBarcodeView view;
    view.SetInputValues(&panel);
    view.OnInitialUpdate();
    view.SetSymbology(2);
    panel.data = QStringLiteral("Ab-9 x");
    view.resize(500, 300);
    view.grab();
    QString error;
    ASSERT_TRUE(CBarcodeOutput::SaveBitmap(view.Output().RenderBitmap(false), path, &error));
}

// Display scaling, font resolution and the platform never change what the
// tool writes (with a store filled under them, and read by a plain run
// after) nor what the program's Save writes.
TEST(DisplaySettings, NeverChangeTheOutputs) {
    const QTemporaryDir folder;
    const QStringList runs[] = {
        {"-s", "code128", "--dpi", "203", "-o", "a.png", "Ab-9 x"},
        {"-s", "ean13", "--turn", "1", "--dpi", "600", "-o", "b.bmp", "400638133393"},
        {"-s", "code39", "--height", "0.4", "--sheet", "letter-3x10", "--dpi", "150", "-o",
         "c{page}.png", "--csv", "-"},
    };
    const auto environmentWith = [&folder](const QString& setting) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), folder.filePath("cache"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath("config"));
        environment.insert(QStringLiteral("QUILLMARK_SAVE_TO"), folder.filePath("save.bmp"));
        if (!setting.isEmpty()) {
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        }
        return environment;
    };
    // Each run's outputs and the program's Save under one setting.
    const auto outputs = [&](const QString& setting) {
        QDir(folder.filePath(QStringLiteral("cache"))).removeRecursively();
        QProcessEnvironment environment = environmentWith(setting);
        QList<QByteArray> bytes;
        const auto run = [&](const QString& program, const QStringList& arguments,
                             const QString& output) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.setWorkingDirectory(folder.path());
            process.start(program, arguments);
            process.write("text\nITEM 1\nITEM 2\n");
            process.closeWriteChannel();
            EXPECT_TRUE(process.waitForFinished(60000));
            EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
            QFile file(folder.filePath(output));
            bytes.push_back(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        };
        for (int pass = 0; pass < 2; ++pass) { // painted, then from the store
            for (const QStringList& arguments : runs) {
                run(QStringLiteral(QUILLMARK_RENDER), arguments,
                    QString(arguments[arguments.indexOf("-o") + 1]).replace("{page}", "1"));
            }
            environment = environmentWith({}); // the store's later reader
        }
        environment = environmentWith(setting);
        run(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_filter=DesktopSave.WritesWhereTheDisplayTableAsks")},
            QStringLiteral("save.bmp"));
        return bytes;
    };
    const QList<QByteArray> plain = outputs({});
    for (const QByteArray& output : plain) {
        ASSERT_FALSE(output.isEmpty());
    }
    // (The program's own Save under another platform's font database is
    // not compared: it shows no window there.)
    for (const char* setting : {"QT_SCALE_FACTOR=2", "QT_SCALE_FACTOR=1.5",
                                "QT_SCREEN_SCALE_FACTORS=2", "QT_FONT_DPI=120", "QT_FONT_DPI=200",
                                "QT_USE_PHYSICAL_DPI=1", "QT_QPA_PLATFORM=minimal"}) {
        SCOPED_TRACE(setting);
        const QList<QByteArray> set = outputs(QString::fromLatin1(setting));
        const bool platform = QByteArray(setting).startsWith("QT_QPA_PLATFORM");
        for (qsizetype i = 0; i < plain.size() - (platform ? 1 : 0); ++i) {
            EXPECT_TRUE(set[i] == plain[i]) << "output " << i;
        }
    }
}

// The BMP is written straight from the 1-bit buffer; it must be what the
// toolkit's own image writer (the desktop Save's) makes of the same image, for
// every row padding, a one-pixel image and odd resolutions alike.
TEST(BmpOutput, IsWhatTheImageWriterWritesForEveryShape) {
    std::mt19937 random(7);
    for (const int width : {1, 7, 8, 9, 31, 32, 33, 725}) {
        for (const int height : {1, 2, 308}) {
            for (const int dpi : {96, 203, 600}) {
                QImage image = MakeMonoBitmap(QSize(width, height), dpi, dpi + 1);
                ASSERT_FALSE(image.isNull());
                // Every byte, the padding included, as the renderer may leave it.
                for (qsizetype i = 0; i < image.sizeInBytes(); ++i) {
                    image.bits()[i] = static_cast<uchar>(random());
                }
                QByteArray expected;
                QBuffer buffer(&expected);
                buffer.open(QIODevice::WriteOnly);
                ASSERT_TRUE(image.save(&buffer, "BMP"));
                EXPECT_EQ(EncodeBitmap(image, OutputFormat::Bmp), expected)
                    << width << " x " << height << " at " << dpi << " dpi";
            }
        }
    }
}

// A few files are flushed one by one and many by their file system, and a
// file that cannot be flushed (here: gone again) is a failure that names it;
// the files written stay.
TEST(FileCommitter, FlushesFewFilesEachAndManyByTheirFileSystem) {
    for (const qsizetype files : {qsizetype{2}, CFileCommitter::kFewFiles + 1}) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        CFileCommitter committer;
        QString error;
        for (qsizetype i = 0; i < files; ++i) {
            ASSERT_TRUE(committer.Write(folder.filePath(QStringLiteral("%1.bin").arg(i)),
                                        QByteArray("bytes"), &error))
                << error.toStdString();
        }
        EXPECT_TRUE(committer.Sync(&error)) << error.toStdString();
        ASSERT_TRUE(committer.Write(folder.filePath(QStringLiteral("gone.bin")), "x", &error));
        ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("gone.bin"))));
        EXPECT_FALSE(committer.Sync(&error));
        EXPECT_TRUE(error.contains(QStringLiteral("gone.bin"))) << error.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), files);
    }
}

TEST(DesktopSave, OffersTheBitmapFirstThenTheToolsFormatsThroughItsWriters) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FakeInputValues panel;
    CBarcodeView view;
    view.SetInputValues(&panel);
    view.OnInitialUpdate();
    view.resize(500, 300);
    view.grab();
    for (const char* name : {"saved.svg", "saved.pdf", "saved.png"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QStringList offered;
        QString defaultSuffix;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            offered = dialog->nameFilters();
            defaultSuffix = dialog->defaultSuffix();
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        view.Output().Save();
        EXPECT_EQ(offered, QStringList({"Graphics Files (*.bmp)", "PNG Files (*.png)",
                                        "SVG Files (*.svg)", "PDF Files (*.pdf)"}));
        EXPECT_EQ(defaultSuffix, QStringLiteral("bmp"));

        RenderRequest request; // the panel's start values
        request.text = "21898623818";
        request.dpiX = view.logicalDpiX();
        request.dpiY = request.dpiX;
        request.format = *FormatOfPath(path);
        request.title = QStringLiteral("saved"); // a PDF is titled by its name
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(saved.readAll(), RenderSymbol(request).bytes) << name;
    }
}

} // namespace
