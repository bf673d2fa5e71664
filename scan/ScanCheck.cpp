#include "ScanCheck.h"

#include "DeviceMapping.h"
#include "EanAddOn.h"
#include "EanUpc.h"
#include "Placement.h"
#include "PostnetReader.h"
#include "ScanText.h"
#include "SymbolReaders.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// White around the symbol's cell: a quarter of an inch, or ten modules where
// that is more, the quiet zone a scanner wants on either side. The view shows
// the symbol on a white field and prints it on white paper, so the check
// gives it the same.
constexpr std::int64_t kQuietZoneMils = 250;
constexpr std::int64_t kQuietZoneModules = 10;
// A check image larger than this many pixels (a long symbol at zoom 8 on a
// printer) is not made whole: 16 MB of grey image is enough to read a band
// across the bars.
constexpr std::int64_t kMaxScanPixels = 16'000'000;
// Larger Densities tried when the symbol does not scan: up to four times the
// current one, and at least twenty more mils.
constexpr std::int32_t kDensityGrowth = 4;
constexpr std::int32_t kMinDensitySteps = 20;
constexpr int kQuarterTurns = 4;
// Grey levels: below kInk a pixel is ink to the readers.
constexpr int kInk = 128;
constexpr uchar kBlack = 0;
constexpr uchar kWhite = 255;
constexpr int kDegreesPerTurn = 90;

// The label's characters a reading leaves out, when the reading is the label
// with some of them taken away; nothing when it differs otherwise.
std::optional<std::string> LeftOutOf(const std::string& read, const std::string& label) {
    std::string missing;
    std::size_t next = 0;
    for (const char c : label) {
        if (next < read.size() && read[next] == c) {
            ++next;
        } else {
            missing += c;
        }
    }
    if (next < read.size() || missing.empty()) {
        return std::nullopt;
    }
    return missing;
}

QImage Grey(const QImage& image) {
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// The bars of an upright Postnet image: each run of columns holding ink is a
// bar, from its highest to its lowest inked pixel; y grows downward, so the
// line all bars share is their lowest pixel.
std::vector<PostnetBar> PostnetBars(const QImage& grey) {
    std::vector<PostnetBar> bars;
    int start = -1;
    int top = 0;
    int bottom = 0;
    for (int x = 0; x <= grey.width(); ++x) {
        int columnTop = -1;
        int columnBottom = -1;
        for (int y = 0; x < grey.width() && y < grey.height(); ++y) {
            if (grey.constScanLine(y)[x] < kInk) {
                columnBottom = y;
                if (columnTop < 0) {
                    columnTop = y;
                }
            }
        }
        if (columnTop >= 0) {
            if (start < 0) {
                start = x;
                top = columnTop;
                bottom = columnBottom;
            }
            top = std::min(top, columnTop);
            bottom = std::max(bottom, columnBottom);
        } else if (start >= 0) {
            bars.push_back({(start + x - 1) / 2.0, static_cast<double>(bottom + 1),
                            static_cast<double>(bottom + 1 - top)});
            start = -1;
        }
    }
    return bars;
}

// Postnet has no reader of its own in ZXing: its bars are read by their
// heights, the image turned until they stand upright and read left to right.
std::optional<std::string> ReadPostnetImage(const QImage& grey) {
    for (int turn = 0; turn < kQuarterTurns; ++turn) {
        const QImage upright =
            turn == 0 ? grey : grey.transformed(QTransform().rotate(turn * kDegreesPerTurn));
        const std::vector<PostnetBar> bars = PostnetBars(upright);
        const PostnetReading reading = ReadPostnet(bars);
        if (reading.Valid()) {
            return reading.digits;
        }
    }
    return std::nullopt;
}

// The bitmap of one symbol on a white field of a quiet zone, as grey levels,
// and the symbol's module (0: bars of fixed sizes).
struct ScanImage {
    QImage grey;
    std::int32_t module = 0;
};

std::int64_t QuietMils(std::int32_t module) {
    return std::max(kQuietZoneMils, kQuietZoneModules * module);
}

// A file that keeps true size as a printer of the request's resolution puts
// it on paper: the SVG the request writes, its shapes where they fall, a dot
// inked where they cover more than half of it.
ScanImage TrueSizeScanImage(const RenderRequest& request) {
    RenderRequest file = request;
    file.format = OutputFormat::Svg;
    const RenderResult written = RenderSymbol(file);
    ScanImage scan{{},
                   CreateBarcode(request.symbology, request.text, request.widths)->Encode().module};
    if (!written.error.isEmpty() || written.blank) {
        return scan;
    }
    const SymbolReaders* readers = LoadSymbolReaders(nullptr);
    const QRectF viewBox = readers != nullptr ? readers->svgViewBox(written.bytes) : QRectF();
    const std::int64_t across = std::int64_t{request.zoom} * request.dpiX;
    const std::int64_t down = std::int64_t{request.zoom} * request.dpiY;
    const QRectF cell(0, 0, viewBox.width() * static_cast<double>(across) / kMilsPerInch,
                      viewBox.height() * static_cast<double>(down) / kMilsPerInch);
    const std::int64_t quietX = MulDiv(QuietMils(scan.module), across, kMilsPerInch);
    const std::int64_t quietY = MulDiv(QuietMils(scan.module), down, kMilsPerInch);
    const auto width = static_cast<std::int64_t>(std::ceil(cell.width())) + 2 * quietX;
    const auto height = static_cast<std::int64_t>(std::ceil(cell.height())) + 2 * quietY;
    if (viewBox.isEmpty() || cell.isEmpty() || width * height > kMaxScanPixels) {
        return scan;
    }
    QImage page(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (page.isNull()) {
        return scan;
    }
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        readers->paintSvg(
            written.bytes, painter,
            cell.translated(static_cast<double>(quietX), static_cast<double>(quietY)));
    }
    QImage grey = Grey(page);
    for (int y = 0; y < grey.height(); ++y) {
        uchar* line = grey.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            line[x] = line[x] < kInk ? kBlack : kWhite;
        }
    }
    scan.grey = std::move(grey);
    return scan;
}

ScanImage RenderScanImage(const RenderRequest& request, bool trueSize) {
    if (trueSize) {
        return TrueSizeScanImage(request);
    }
    RenderRequest raster = request;
    raster.format = OutputFormat::Bmp;
    const RenderResult cell = RenderSymbolImage(raster);
    ScanImage scan{{}, cell.module};
    if (cell.bitmap.isNull() || cell.blank) {
        return scan;
    }
    const std::int64_t quietMils = QuietMils(cell.module);
    std::int64_t quietX =
        MulDiv(quietMils, std::int64_t{request.zoom} * request.dpiX, kMilsPerInch);
    std::int64_t quietY =
        MulDiv(quietMils, std::int64_t{request.zoom} * request.dpiY, kMilsPerInch);
    // The part of the bitmap read: all of it, or for a symbol too large to
    // read whole, a band across its bars through the middle of its cell, as a
    // scanner reads one line across them (no quiet zone needed along the
    // bars). Postnet is read by the heights of its bars: always whole.
    QRect part = cell.bitmap.rect();
    if ((part.width() + 2 * quietX) * (part.height() + 2 * quietY) > kMaxScanPixels &&
        FactsOf(request.symbology).reader != ReaderFamily::Postnet) {
        if (NormalOrientation(request.orientation) % 2 == 0) {
            quietY = 0;
            const std::int64_t rows = kMaxScanPixels / (part.width() + 2 * quietX);
            part.setTop(static_cast<int>(std::max<std::int64_t>(0, (part.height() - rows) / 2)));
            part.setHeight(static_cast<int>(std::min<std::int64_t>(rows, part.height())));
        } else {
            quietX = 0;
            const std::int64_t columns = kMaxScanPixels / (part.height() + 2 * quietY);
            part.setLeft(static_cast<int>(std::max<std::int64_t>(0, (part.width() - columns) / 2)));
            part.setWidth(static_cast<int>(std::min<std::int64_t>(columns, part.width())));
        }
    }
    const std::int64_t width = part.width() + 2 * quietX;
    const std::int64_t height = part.height() + 2 * quietY;
    if (part.isEmpty() || width * height > kMaxScanPixels) {
        return scan;
    }
    QImage grey(static_cast<int>(width), static_cast<int>(height), QImage::Format_Grayscale8);
    if (grey.isNull()) {
        return scan;
    }
    grey.fill(Qt::white);
    // The bitmap's two colours as grey levels, set pixel by pixel.
    const QList<QRgb> colours = cell.bitmap.colorTable();
    const auto level = [&colours](int index) {
        return index < colours.size() && qGray(colours[index]) < kInk ? kBlack : kWhite;
    };
    const uchar levels[2] = {level(0), level(1)};
    for (int y = 0; y < part.height(); ++y) {
        const uchar* in = cell.bitmap.constScanLine(part.top() + y);
        uchar* out = grey.scanLine(static_cast<int>(quietY) + y) + quietX;
        for (int x = 0; x < part.width(); ++x) {
            const int at = part.left() + x;
            out[x] = levels[(in[at >> 3] >> (7 - (at & 7))) & 1];
        }
    }
    scan.grey = std::move(grey);
    return scan;
}

// zbar misses a symbol ZXing read as expected: it finds no symbol of the
// family, or the number without the add-on the label carries. A reading that
// differs otherwise is zbar's own (it decodes no FNC4 and no full-ASCII
// pairs) and says nothing of the bars.
bool SecondReaderMisses(const QImage& grey, SymbologyId id, const std::string& expected) {
    const ReaderFamily family = FactsOf(id).reader;
    const SymbolReaders* readers = LoadSymbolReaders(nullptr);
    if (family == ReaderFamily::Postnet || readers == nullptr) {
        return false;
    }
    const std::optional<std::string> read = readers->readBarsSecond(Grey(grey), family);
    const bool addOn = expected.find(' ') != std::string::npos;
    return !read || (addOn && read->find(' ') == std::string::npos);
}

bool Reads(const RenderRequest& request, SymbologyId id, bool trueSize, bool byBoth) {
    const QImage image = RenderForScan(request, trueSize);
    if (image.isNull()) {
        return false;
    }
    const std::optional<std::string> read = ReadSymbol(image, id);
    return read && (!byBoth || !SecondReaderMisses(image, id, *read));
}

QString Visible(const std::string& bytes) {
    // Control characters as their pictures, so a GS or a US reads on screen.
    constexpr char16_t kControlPictures = 0x2400;
    constexpr char16_t kDeletePicture = 0x2421;
    constexpr unsigned char kFirstPrintable = 0x20;
    constexpr unsigned char kDelete = 0x7F;
    QString text;
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code < kFirstPrintable) {
            text += QChar(static_cast<char16_t>(kControlPictures + code));
        } else if (code == kDelete) {
            text += QChar(kDeletePicture);
        } else {
            text += QChar(static_cast<char16_t>(code)); // Latin-1
        }
    }
    return text;
}

} // namespace

ScanJob MakeScanJob(const RenderRequest& request) {
    const std::unique_ptr<CBarcode> barcode =
        CreateBarcode(request.symbology, request.text, request.widths);
    ScanJob job{request, ExpectedReading(request.symbology, *barcode)};
    job.barsCarryNothing =
        !request.text.empty() &&
        barcode->Encode().elements ==
            CreateBarcode(request.symbology, "", request.widths)->Encode().elements;
    job.equalWidths = barcode->HasRatio() && barcode->Ratio() <= kMinRatio;
    return job;
}

QImage RenderForScan(const RenderRequest& request, bool trueSize) {
    return RenderScanImage(request, trueSize).grey;
}

std::optional<std::string> ReadSymbol(const QImage& image, SymbologyId id) {
    if (image.isNull()) {
        return std::nullopt;
    }
    const QImage grey = Grey(image);
    if (FactsOf(id).reader == ReaderFamily::Postnet) {
        return ReadPostnetImage(grey);
    }
    const SymbolReaders* readers = LoadSymbolReaders(nullptr);
    return readers != nullptr ? readers->readBars(grey, FactsOf(id).reader) : std::nullopt;
}

namespace {

// The smallest larger zoom at the same resolution, else the smallest larger
// Density, at which the symbol reads (byBoth: with both readers), into result.
void FindLargerSize(const ScanJob& job, double module, bool byBoth,
                    const std::function<bool()>& stop, ScanResult& result) {
    const SymbologyId id = job.request.symbology;
    RenderRequest larger = job.request;
    // A file saved at true size has no zoom.
    const int lastZoom = job.trueSize ? job.request.zoom : kMaxZoom;
    for (int zoom = job.request.zoom + 1; zoom <= lastZoom; ++zoom) {
        if (stop()) {
            return;
        }
        larger.zoom = zoom;
        if (Reads(larger, id, job.trueSize, byBoth)) {
            result.scansAtZoom = zoom;
            return;
        }
    }
    if (module <= 0) {
        return; // fixed sizes of its own: Density plays no part
    }
    // The Density the symbol was built with: one out of range reads as the default.
    const std::int32_t density = DensityOrDefault(job.request.widths.density);
    const std::int32_t lastDensity =
        std::min(kMaxDensity, std::max(density * kDensityGrowth, density + kMinDensitySteps));
    larger.zoom = job.request.zoom;
    for (std::int32_t candidate = density + 1; candidate <= lastDensity; ++candidate) {
        if (stop()) {
            return;
        }
        larger.widths.density = candidate;
        if (Reads(larger, id, job.trueSize, byBoth)) {
            result.scansAtDensity = candidate;
            return;
        }
    }
}

} // namespace

ScanResult CheckScan(const ScanJob& job, const std::function<bool()>& cancelled) {
    const auto stop = [&] { return cancelled && cancelled(); };
    const SymbologyId id = job.request.symbology;
    ScanResult result;
    result.expected = job.expected;
    QString error;
    if (LoadSymbolReaders(&error) == nullptr) {
        result.verdict = ScanVerdict::NoReader;
        result.read = error.toStdString();
        return result;
    }
    const ScanImage shown = RenderScanImage(job.request, job.trueSize);
    if (shown.grey.isNull() || stop()) {
        return result;
    }
    // What no larger size mends is said as it is.
    if (job.request.text.empty()) {
        result.verdict = ScanVerdict::NoData;
        result.read = ReadSymbol(shown.grey, id).value_or(std::string());
        return result;
    }
    if (job.equalWidths) {
        result.verdict = ScanVerdict::EqualWidths;
        return result;
    }
    if (const int fewest = FactsOf(id).readerMinimum; std::cmp_less(job.expected.size(), fewest)) {
        result.verdict = ScanVerdict::LengthRefused;
        result.readerMinimum = fewest;
        return result;
    }
    if (const std::optional<std::string> read = ReadSymbol(shown.grey, id)) {
        result.read = *read;
        result.verdict = *read == job.expected            ? ScanVerdict::Scans
                         : LeftOutOf(*read, job.expected) ? ScanVerdict::LeftOut
                                                          : ScanVerdict::ScansAs;
        // A number the symbol filled with zeros reads as its label, but
        // the label is not what was typed.
        const auto typed = static_cast<int>(SplitAddOn(job.request.text).main.size());
        if (result.verdict == ScanVerdict::Scans && IsEanUpc(id) &&
            typed < FactsOf(id).digitLimit) {
            result.verdict = ScanVerdict::ShortNumber;
            result.typedDigits = typed;
            result.dataDigits = FactsOf(id).digitLimit;
        }
        if (result.verdict == ScanVerdict::Scans && SecondReaderMisses(shown.grey, id, *read)) {
            result.verdict = ScanVerdict::OneReader;
            FindLargerSize(job, shown.module, true, stop, result);
        }
        return stop() ? ScanResult{} : result;
    }
    if (job.barsCarryNothing) {
        result.verdict = ScanVerdict::LeftOut;
        return result;
    }
    result.verdict = ScanVerdict::DoesNotScan;
    FindLargerSize(job, shown.module, false, stop, result);
    return stop() ? ScanResult{} : result;
}

QString ScanStatusText(const ScanResult& result) {
    switch (result.verdict) {
    case ScanVerdict::NotChecked:
        break;
    case ScanVerdict::NoReader:
        return QCoreApplication::translate("ScanCheck",
                                           "Not checked: the symbol readers cannot be loaded (%1)")
            .arg(QString::fromStdString(result.read));
    case ScanVerdict::Scans:
        return QCoreApplication::translate("ScanCheck", "\u2713 Scans: %1")
            .arg(Visible(result.read));
    case ScanVerdict::ShortNumber:
        return QCoreApplication::translate("ScanCheck",
                                           "\u26A0 %1 of %2 digits: the symbol carries %3")
            .arg(result.typedDigits)
            .arg(result.dataDigits)
            .arg(Visible(result.read));
    case ScanVerdict::ScansAs:
        return QCoreApplication::translate("ScanCheck", "Scans as %1 \u2014 the label shows %2")
            .arg(Visible(result.read), Visible(result.expected));
    case ScanVerdict::NoData:
        if (result.read.empty()) {
            return QCoreApplication::translate("ScanCheck", "No data: the text is empty");
        }
        return QCoreApplication::translate("ScanCheck",
                                           "\u26A0 No data: the text is empty; the symbol reads %1")
            .arg(Visible(result.read));
    case ScanVerdict::LeftOut:
        if (result.read.empty()) {
            return QCoreApplication::translate(
                "ScanCheck", "No data: the bars leave out all that the label shows");
        }
        return QCoreApplication::translate(
                   "ScanCheck", "Scans as %1 \u2014 the label shows %2 that the bars leave out")
            .arg(Visible(result.read),
                 Visible(LeftOutOf(result.read, result.expected).value_or(std::string())));
    case ScanVerdict::EqualWidths:
        return QCoreApplication::translate(
            "ScanCheck", "Does not scan: wide and narrow bars are equal at Ratio 1");
    case ScanVerdict::LengthRefused:
        return QCoreApplication::translate(
                   "ScanCheck", "Not checked: the reader used here takes %1 digits or more, not %2")
            .arg(result.readerMinimum)
            .arg(result.expected.size());
    case ScanVerdict::OneReader:
        if (result.scansAtZoom > 0) {
            return QCoreApplication::translate(
                       "ScanCheck", "\u26A0 Scans: %1, but not with every reader; zoom %2 reads "
                                    "with both")
                .arg(Visible(result.read))
                .arg(result.scansAtZoom);
        }
        if (result.scansAtDensity > 0) {
            return QCoreApplication::translate(
                       "ScanCheck", "\u26A0 Scans: %1, but not with every reader; Density %2 "
                                    "reads with both")
                .arg(Visible(result.read))
                .arg(result.scansAtDensity);
        }
        return QCoreApplication::translate("ScanCheck",
                                           "\u26A0 Scans: %1, but not with every reader")
            .arg(Visible(result.read));
    case ScanVerdict::DoesNotScan:
        if (result.scansAtZoom > 0) {
            return QCoreApplication::translate("ScanCheck",
                                               "Does not scan at this size; it does at zoom %1")
                .arg(result.scansAtZoom);
        }
        if (result.scansAtDensity > 0) {
            return QCoreApplication::translate("ScanCheck",
                                               "Does not scan at this size; it does at Density %1")
                .arg(result.scansAtDensity);
        }
        return QCoreApplication::translate("ScanCheck", "Does not scan at this size");
    }
    return {};
}
