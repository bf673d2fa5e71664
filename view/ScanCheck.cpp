#include "ScanCheck.h"

#include "Barcode.h"
#include "BarcodeView.h"
#include "DeviceMapping.h"
#include "Placement.h"
#include "PostnetReader.h"
#include "ScanText.h"
#include "SymbolPainter.h"

#include <ZXing/ReadBarcode.h>

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <vector>

namespace {

// White around the symbol's cell: a quarter of an inch, or ten modules where
// that is more, the quiet zone a scanner wants on either side. The view shows
// the symbol on a white field and prints it on white paper, so the check
// gives it the same.
constexpr std::int64_t kQuietZoneMils = 250;
constexpr std::int64_t kQuietZoneModules = 10;
// A check image larger than this many pixels (a long symbol at zoom 8 on a
// printer) is not made: 64 MB of colour image for a few microseconds of light.
constexpr std::int64_t kMaxScanPixels = 16'000'000;
constexpr double kMetresPerInch = 0.0254;
// Larger Densities tried when the symbol does not scan: up to four times the
// current one, and at least twenty more mils.
constexpr std::int32_t kDensityGrowth = 4;
constexpr std::int32_t kMinDensitySteps = 20;
constexpr int kQuarterTurns = 4;
constexpr int kDegreesPerTurn = 90;

// The encoding as it is with another module: every element and label
// position of a whole-module symbol scales by the same factor; EAN/UPC's lead
// space is a fixed length of its own.
Encoding WithModule(const Encoding& encoding, std::int32_t module) {
    Encoding scaled = encoding;
    const auto scale = [&](std::int64_t mils) { return mils * module / encoding.module; };
    for (Element& element : scaled.elements) {
        element.width = ClampToInt32(scale(element.width));
    }
    for (LabelPiece& piece : scaled.label) {
        piece.along = scale(piece.along);
        piece.span = scale(piece.span);
    }
    scaled.totalWidth = ClampToInt32(scale(std::int64_t{encoding.totalWidth} - encoding.leadSpace) +
                                     encoding.leadSpace);
    scaled.module = module;
    return scaled;
}

QImage Grey(const QImage& image) {
    return image.convertToFormat(QImage::Format_Grayscale8);
}

ZXing::BarcodeFormat FormatOf(SymbologyId id) {
    switch (id) {
    case SymbologyId::Code39:
    case SymbologyId::Code39Extended:
    case SymbologyId::Code39Mod43:
        return ZXing::BarcodeFormat::Code39;
    case SymbologyId::Code93:
        return ZXing::BarcodeFormat::Code93;
    case SymbologyId::Code128:
        return ZXing::BarcodeFormat::Code128;
    case SymbologyId::Interleaved25:
        return ZXing::BarcodeFormat::ITF;
    case SymbologyId::UpcA:
        return ZXing::BarcodeFormat::UPCA;
    case SymbologyId::UpcE:
        return ZXing::BarcodeFormat::UPCE;
    case SymbologyId::Ean13:
        return ZXing::BarcodeFormat::EAN13;
    case SymbologyId::Ean8:
        return ZXing::BarcodeFormat::EAN8;
    case SymbologyId::Postnet:
        break;
    }
    return ZXing::BarcodeFormat::None;
}

std::optional<std::string> ReadWithZXing(const QImage& grey, SymbologyId id) {
    ZXing::DecodeHints hints;
    hints.setFormats(FormatOf(id));
    hints.setTryHarder(true);
    hints.setTryRotate(true); // the symbol may be turned a quarter
    hints.setTryCode39ExtendedMode(id == SymbologyId::Code39Extended);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) {
        return std::nullopt;
    }
    const auto& bytes = result.bytes();
    return std::string(bytes.begin(), bytes.end());
}

// The bars of an upright Postnet image: each run of columns holding ink is a
// bar, from its highest to its lowest inked pixel; y grows downward, so the
// line all bars share is their lowest pixel.
std::vector<PostnetBar> PostnetBars(const QImage& grey) {
    constexpr int kInk = 128;
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

bool Reads(const ScanJob& job, int zoom) {
    const QImage image = RenderForScan(job, zoom);
    return !image.isNull() && ReadSymbol(image, job.symbology).has_value();
}

bool SameEncoding(const Encoding& a, const Encoding& b) {
    return a.elements == b.elements && a.label == b.label && a.leadSpace == b.leadSpace &&
           a.totalWidth == b.totalWidth && a.module == b.module;
}

bool SameJob(const ScanJob& a, const ScanJob& b) {
    return a.symbology == b.symbology && SameEncoding(a.encoding, b.encoding) &&
           a.barLength == b.barLength && a.showText == b.showText &&
           a.orientation == b.orientation && a.zoom == b.zoom && a.dpiX == b.dpiX &&
           a.dpiY == b.dpiY && a.expected == b.expected && a.density == b.density;
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

ScanJob MakeScanJob(SymbologyId id, const CBarcode& barcode, std::int32_t barLength, bool showText,
                    int orientation, int zoom, int dpiX, int dpiY) {
    return {id,
            barcode.Encode(),
            barLength,
            showText,
            orientation,
            zoom,
            dpiX,
            dpiY,
            ExpectedReading(id, barcode),
            barcode.Density()};
}

QImage RenderForScan(const ScanJob& job, int zoom) {
    if (job.encoding.Empty() || job.dpiX <= 0 || job.dpiY <= 0 || zoom <= 0) {
        return {};
    }
    const SymbolScene scene{job.encoding, job.barLength, job.showText, job.orientation, false};
    const DeviceMapping probe = PrepareMapping(zoom, job.dpiX, job.dpiY, QRect());
    const QSize cell = SymbolCellSize(probe, scene);
    const std::int64_t quietMils =
        std::max(kQuietZoneMils, kQuietZoneModules * job.encoding.module);
    const std::int64_t width =
        cell.width() + 2 * MulDiv(quietMils, probe.ViewportExtentX(), kMilsPerInch);
    const std::int64_t height =
        cell.height() + 2 * MulDiv(quietMils, probe.ViewportExtentY(), kMilsPerInch);
    if (cell.isEmpty() || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        width * height > kMaxScanPixels) {
        return {};
    }
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    // The resolution sizes the label's font, as on the output itself.
    image.setDotsPerMeterX(qRound(job.dpiX / kMetresPerInch));
    image.setDotsPerMeterY(qRound(job.dpiY / kMetresPerInch));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    PaintSymbol(painter, PrepareMapping(zoom, job.dpiX, job.dpiY, image.rect()), scene);
    painter.end();
    return image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
}

std::optional<std::string> ReadSymbol(const QImage& image, SymbologyId id) {
    if (image.isNull()) {
        return std::nullopt;
    }
    const QImage grey = Grey(image);
    return id == SymbologyId::Postnet ? ReadPostnetImage(grey) : ReadWithZXing(grey, id);
}

ScanResult CheckScan(const ScanJob& job, const std::function<bool()>& cancelled) {
    const auto stop = [&] { return cancelled && cancelled(); };
    ScanResult result;
    result.expected = job.expected;
    const QImage image = RenderForScan(job, job.zoom);
    if (image.isNull() || stop()) {
        return result;
    }
    if (const std::optional<std::string> read = ReadSymbol(image, job.symbology)) {
        result.read = *read;
        result.verdict = *read == job.expected ? ScanVerdict::Scans : ScanVerdict::ScansAs;
        return result;
    }
    result.verdict = ScanVerdict::DoesNotScan;
    for (int zoom = job.zoom + 1; zoom <= kMaxZoom; ++zoom) {
        if (stop()) {
            return {};
        }
        if (Reads(job, zoom)) {
            result.scansAtZoom = zoom;
            return result;
        }
    }
    if (job.encoding.module <= 0 || job.density <= 0) {
        return result; // fixed sizes of its own: Density plays no part
    }
    const std::int32_t lastDensity = std::min(
        kMaxDensity, std::max(job.density * kDensityGrowth, job.density + kMinDensitySteps));
    for (std::int32_t density = job.density + 1; density <= lastDensity; ++density) {
        if (stop()) {
            return {};
        }
        ScanJob larger = job;
        larger.encoding = WithModule(job.encoding, density);
        if (Reads(larger, job.zoom)) {
            result.scansAtDensity = density;
            return result;
        }
    }
    return result;
}

QString ScanStatusText(const ScanResult& result) {
    switch (result.verdict) {
    case ScanVerdict::NotChecked:
        break;
    case ScanVerdict::Scans:
        return QStringLiteral("\u2713 Scans: %1").arg(Visible(result.read));
    case ScanVerdict::ScansAs:
        return QStringLiteral("Scans as %1 \u2014 the label shows %2")
            .arg(Visible(result.read), Visible(result.expected));
    case ScanVerdict::DoesNotScan:
        if (result.scansAtZoom > 0) {
            return QStringLiteral("Does not scan at this size; it does at zoom %1")
                .arg(result.scansAtZoom);
        }
        if (result.scansAtDensity > 0) {
            return QStringLiteral("Does not scan at this size; it does at Density %1")
                .arg(result.scansAtDensity);
        }
        return QStringLiteral("Does not scan at this size");
    }
    return {};
}

CScanCheckRunner::CScanCheckRunner(QObject* parent) : QObject(parent) {
    // One check at a time: a newer one only waits for the stale one to notice
    // that it is stale, which it does between two renderings.
    m_pool.setMaxThreadCount(1);
}

CScanCheckRunner::~CScanCheckRunner() {
    Cancel();
    m_pool.waitForDone(); // the running check uses this object to deliver
}

bool CScanCheckRunner::Start(const ScanJob& job) {
    const std::optional<ScanJob>& latest = m_pending ? m_pending : m_delivered;
    if (latest && SameJob(*latest, job)) {
        return false;
    }
    m_pending = job;
    m_delivered.reset(); // its result no longer tells of the symbol shown
    const std::uint64_t generation = ++m_generation;
    m_newest->store(generation);
    m_pool.start([this, job, generation, newest = m_newest] {
        const auto stale = [&] { return newest->load() != generation; };
        if (stale()) {
            return;
        }
        const ScanResult result = CheckScan(job, stale);
        if (!stale()) {
            QMetaObject::invokeMethod(
                this, [this, generation, result] { Deliver(generation, result); },
                Qt::QueuedConnection);
        }
    });
    return true;
}

void CScanCheckRunner::Cancel() {
    m_newest->store(++m_generation);
    m_pending.reset();
}

void CScanCheckRunner::Reset() {
    Cancel();
    m_delivered.reset();
}

void CScanCheckRunner::WaitForChecks() {
    m_pool.waitForDone();
}

void CScanCheckRunner::Deliver(std::uint64_t generation, const ScanResult& result) {
    // Checked on this thread, where Start counts: a result that was already on
    // its way when a newer check started never reaches the field.
    if (generation == m_generation) {
        m_delivered = std::move(m_pending);
        m_pending.reset();
        emit Checked(result, ScanStatusText(result));
    }
}
