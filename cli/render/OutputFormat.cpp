#include "OutputFormat.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>

#include <array>

namespace {

struct FormatName {
    OutputFormat format;
    const char* extension;
};

constexpr std::array<FormatName, 4> kFormats{{
    {OutputFormat::Bmp, "bmp"},
    {OutputFormat::Png, "png"},
    {OutputFormat::Svg, "svg"},
    {OutputFormat::Pdf, "pdf"},
}};

} // namespace

std::optional<OutputFormat> FormatByName(const QString& name) {
    QString key = name.trimmed().toLower();
    if (key.startsWith(QLatin1Char('.'))) {
        key.remove(0, 1);
    }
    for (const FormatName& row : kFormats) {
        if (key == QLatin1String(row.extension)) {
            return row.format;
        }
    }
    return std::nullopt;
}

std::optional<OutputFormat> FormatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty() ? std::nullopt : FormatByName(suffix);
}

QString ExtensionOf(OutputFormat format) {
    for (const FormatName& row : kFormats) {
        if (row.format == format) {
            return QString::fromLatin1(row.extension);
        }
    }
    return {};
}

bool IsRaster(OutputFormat format) {
    return format == OutputFormat::Bmp || format == OutputFormat::Png;
}

QByteArray EncodeBitmap(const QImage& bitmap, OutputFormat format) {
    if (bitmap.isNull() || !IsRaster(format)) {
        return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!bitmap.save(&buffer, format == OutputFormat::Bmp ? "BMP" : "PNG")) {
        return {};
    }
    return bytes;
}
