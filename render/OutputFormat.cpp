#include "OutputFormat.h"

#include "ZplWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QStringList>

#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// A 1-bit BMP: the 14-byte file header, the 40-byte information header, two
// colour-table entries, then the rows bottom-up, each padded to 32 bits.
constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kColourBytes = 4;
constexpr int kMonoColours = 2;
constexpr int kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes + kMonoColours * kColourBytes;

void PutLittleEndian(char*& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        *out++ = static_cast<char>((value >> (8 * i)) & 0xffU);
    }
}

// A monochrome image written straight as a BMP file, field for field what
// the image writer of the toolkit writes for it, in one block: no encoder
// looked up and no write per row. Empty when the file would not fit a BMP.
QByteArray MonoBmp(const QImage& image) {
    const auto rowBytes = static_cast<std::int64_t>(image.bytesPerLine());
    const std::int64_t pixelBytes = rowBytes * image.height();
    const std::int64_t fileBytes = kPixelOffset + pixelBytes;
    if (fileBytes > std::numeric_limits<std::int32_t>::max()) {
        return {};
    }
    QByteArray bytes(static_cast<qsizetype>(fileBytes), Qt::Uninitialized);
    char* out = bytes.data();
    *out++ = 'B';
    *out++ = 'M';
    PutLittleEndian(out, static_cast<std::uint32_t>(fileBytes), 4);
    PutLittleEndian(out, 0, 4); // reserved
    PutLittleEndian(out, kPixelOffset, 4);
    PutLittleEndian(out, kInfoHeaderBytes, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.width()), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.height()), 4);
    PutLittleEndian(out, 1, 2); // planes
    PutLittleEndian(out, 1, 2); // bits per pixel
    PutLittleEndian(out, 0, 4); // no compression
    PutLittleEndian(out, static_cast<std::uint32_t>(pixelBytes), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.dotsPerMeterX()), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.dotsPerMeterY()), 4);
    PutLittleEndian(out, kMonoColours, 4); // colours used
    PutLittleEndian(out, kMonoColours, 4); // colours that matter
    for (const QRgb colour : image.colorTable()) {
        *out++ = static_cast<char>(qBlue(colour));
        *out++ = static_cast<char>(qGreen(colour));
        *out++ = static_cast<char>(qRed(colour));
        *out++ = 0;
    }
    // Format_Mono keeps the leftmost pixel in the highest bit and pads each
    // row to 32 bits, as a BMP does: the rows are copied as they are.
    for (int y = image.height() - 1; y >= 0; --y) {
        std::memcpy(out, image.constScanLine(y), static_cast<std::size_t>(rowBytes));
        out += rowBytes;
    }
    return bytes;
}

constexpr std::array<FormatFacts, 5> kFormats{{
    {OutputFormat::Bmp, "bmp", QT_TRANSLATE_NOOP("CBarcodeOutput", "Graphics Files (*.bmp)"),
     FormatKind::Raster},
    {OutputFormat::Png, "png", QT_TRANSLATE_NOOP("CBarcodeOutput", "PNG Files (*.png)"),
     FormatKind::Raster},
    {OutputFormat::Svg, "svg", QT_TRANSLATE_NOOP("CBarcodeOutput", "SVG Files%1 (*.svg)"),
     FormatKind::Vector},
    {OutputFormat::Pdf, "pdf", QT_TRANSLATE_NOOP("CBarcodeOutput", "PDF Files%1 (*.pdf)"),
     FormatKind::Vector},
    {OutputFormat::Zpl, "zpl",
     QT_TRANSLATE_NOOP("CBarcodeOutput", "ZPL Label Printer Files (*.zpl)"),
     FormatKind::PrinterLanguage},
}};

constexpr bool RowsFollowFormatOrder() {
    for (std::size_t i = 0; i < kFormats.size(); ++i) {
        if (static_cast<std::size_t>(kFormats[i].format) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowFormatOrder(), "row i of the table is OutputFormat i");

} // namespace

std::optional<OutputFormat> FormatByName(const QString& name) {
    QString key = name.trimmed().toLower();
    if (key.startsWith(QLatin1Char('.'))) {
        key.remove(0, 1);
    }
    for (const FormatFacts& row : kFormats) {
        if (key == QLatin1String(row.name)) {
            return row.format;
        }
    }
    return std::nullopt;
}

std::optional<OutputFormat> FormatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty() ? std::nullopt : FormatByName(suffix);
}

const std::array<FormatFacts, 5>& OutputFormats() {
    return kFormats;
}

const FormatFacts& FactsOf(OutputFormat format) {
    return kFormats[static_cast<std::size_t>(format)];
}

QString FormatNameList(const QString& prefix) {
    QStringList names;
    for (const FormatFacts& row : kFormats) {
        names.append(prefix + QLatin1String(row.name));
    }
    const QString last = names.takeLast();
    return QCoreApplication::translate("OutputFormat", "%1 or %2")
        .arg(names.join(QStringLiteral(", ")), last);
}

QString ExtensionOf(OutputFormat format) {
    return QString::fromLatin1(FactsOf(format).name);
}

bool IsRaster(OutputFormat format) {
    return FactsOf(format).kind != FormatKind::Vector;
}

QByteArray EncodeBitmap(const QImage& bitmap, OutputFormat format) {
    if (bitmap.isNull()) {
        return {};
    }
    const char* encoder = nullptr;
    switch (format) {
    case OutputFormat::Bmp:
        if (bitmap.format() == QImage::Format_Mono && bitmap.colorCount() == kMonoColours) {
            return MonoBmp(bitmap);
        }
        encoder = "BMP";
        break;
    case OutputFormat::Png:
        encoder = "PNG";
        break;
    case OutputFormat::Zpl:
        return bitmap.format() == QImage::Format_Mono ? ZplLabel(bitmap, PrinterProfile{})
                                                      : QByteArray();
    case OutputFormat::Svg:
    case OutputFormat::Pdf:
        return {}; // shapes, not dots
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!bitmap.save(&buffer, encoder)) {
        return {};
    }
    return bytes;
}
