#include "QPainterSurface.h"

#include "Barcode.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kTenthsPerDegree = 10.0;
constexpr int kMinFontWeight = 1;
constexpr int kMaxFontWeight = 1000;

double Snap(double v) {
    return SnapToUnit(v);
}

bool IsBaselineVertical(const Font& font) {
    // Escapements of a quarter turn either way run the baseline along device y.
    constexpr int kFullTurn = 3600;
    constexpr int kQuarterTurn = 900;
    const int turn = ((font.escapement % kFullTurn) + kFullTurn) % kFullTurn;
    return turn == kQuarterTurn || turn == kFullTurn - kQuarterTurn;
}

std::int32_t ToMils(double deviceUnits, double scale) {
    if (scale <= 0) {
        return 0;
    }
    return ClampToInt32(std::llround(std::min(deviceUnits / scale, double{INT32_MAX})));
}

QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::optional<QRect> StraightBarRect(const QTransform& milsToDevice, int orientation, Point from,
                                     Point to, std::int32_t penWidth, const QRectF& bounds,
                                     int barReduction) {
    const bool vertical = from.x == to.x;
    const bool horizontal = from.y == to.y;
    if (!vertical && !horizontal) {
        return std::nullopt;
    }
    if (penWidth <= 0) {
        return QRect();
    }
    const double half = penWidth / 2.0;
    // An odd width's line lies half a mil before its band's centre in the
    // reading direction (the element primitives centre it on a whole mil).
    constexpr std::array<QPointF, 4> kHalfMilForward{{{0.5, 0}, {0, 0.5}, {-0.5, 0}, {0, -0.5}}};
    const QPointF correction =
        penWidth % 2 != 0
            ? kHalfMilForward[static_cast<std::size_t>(NormalOrientation(orientation))]
            : QPointF();
    const double x = from.x + correction.x();
    const double y = from.y + correction.y();
    const QRectF band = vertical ? QRectF(QPointF(x - half, std::min(from.y, to.y)),
                                          QPointF(x + half, std::max(from.y, to.y)))
                                 : QRectF(QPointF(std::min(from.x, to.x), y - half),
                                          QPointF(std::max(from.x, to.x), y + half));
    // The mapping only scales and flips, so a vertical band stays vertical.
    const QRectF device = milsToDevice.mapRect(band);
    // Across the bar, each edge is rounded to the nearest unit on its own, never
    // the width: neighbouring elements share their edges, so no gap opens inside
    // a bar and no space closes; a bar keeps at least one unit. Along the bar,
    // both ends are rounded to the nearest unit boundary.
    const auto across = [](double start, double end) {
        const double first = Snap(start);
        return std::pair{first, std::max(first + 1, Snap(end))};
    };
    auto [left, right] = vertical ? across(device.left(), device.right())
                                  : std::pair{Snap(device.left()), Snap(device.right())};
    auto [top, bottom] = vertical ? std::pair{Snap(device.top()), Snap(device.bottom())}
                                  : across(device.top(), device.bottom());
    if (barReduction > 0) {
        // Only bars across the reading direction (a symbol's elements), not
        // a bar along it (a bearer bar).
        const bool readsAlongX = NormalOrientation(orientation) % 2 == 0;
        if (vertical && readsAlongX) {
            right = std::max(left + 1, right - barReduction);
        } else if (horizontal && !readsAlongX) {
            bottom = std::max(top + 1, bottom - barReduction);
        }
    }
    // Clip in doubles: far-away bars (huge heights, tiles off the page) must
    // not overflow integer coordinates.
    const QRectF visible = QRectF(QPointF(left, top), QPointF(right, bottom)) & bounds;
    if (visible.isEmpty()) {
        return QRect();
    }
    return visible.toAlignedRect();
}

QPainterSurface::QPainterSurface(QPainter& painter, const QTransform& milsToDevice,
                                 const QRectF& bounds, int orientation)
    : m_painter(&painter), m_milsToDevice(milsToDevice), m_bounds(bounds),
      m_orientation(NormalOrientation(orientation)) {}

QPainterSurface::QPainterSurface(const QPaintDevice& device, bool antialiasedText,
                                 const QTransform& milsToDevice, const QRectF& bounds,
                                 int orientation)
    : m_device(&device), m_antialiasedText(antialiasedText), m_milsToDevice(milsToDevice),
      m_bounds(bounds), m_orientation(NormalOrientation(orientation)) {}

const QPaintDevice* QPainterSurface::Device() const {
    return m_painter != nullptr ? m_painter->device() : m_device;
}

bool QPainterSurface::AntialiasedText() const {
    return m_painter != nullptr ? m_painter->testRenderHint(QPainter::TextAntialiasing)
                                : m_antialiasedText;
}

void QPainterSurface::Line(Point from, Point to, std::int32_t penWidth) {
    if (penWidth <= 0 || m_painter == nullptr) {
        return;
    }
    const std::optional<QRect> bar = StraightBarRect(m_milsToDevice, m_orientation, from, to,
                                                     penWidth, m_bounds, m_barReduction);
    if (!bar) {
        DrawSlantedLine(from, to, penWidth);
    } else if (!bar->isEmpty()) {
        m_painter->fillRect(*bar, Qt::black);
    }
}

void QPainterSurface::DrawSlantedLine(Point from, Point to, std::int32_t penWidth) {
    PaintSlantedLine(*m_painter, m_milsToDevice, from, to, penWidth);
}

void QPainterSurface::PaintSlantedLine(QPainter& painter, const QTransform& milsToDevice,
                                       Point from, Point to, std::int32_t penWidth) {
    // The engine draws only straight bars; a slanted line is stroked as a pen
    // would be, with flat caps.
    const double scale = std::sqrt(std::abs(milsToDevice.determinant()));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, penWidth * scale, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    painter.drawLine(milsToDevice.map(QPointF(from.x, from.y)),
                     milsToDevice.map(QPointF(to.x, to.y)));
    painter.restore();
}

double QPainterSurface::ScaleAlongBaseline(const Font& font) const {
    return IsBaselineVertical(font) ? std::abs(m_milsToDevice.m22())
                                    : std::abs(m_milsToDevice.m11());
}

double QPainterSurface::ScaleAcrossBaseline(const Font& font) const {
    return IsBaselineVertical(font) ? std::abs(m_milsToDevice.m11())
                                    : std::abs(m_milsToDevice.m22());
}

QFont QPainterSurface::DeviceFont(const Font& font) const {
    QFont qfont(QString::fromStdString(font.face));
    qfont.setStyleHint(QFont::TypeWriter);
    // The font height is the character (em) height; Qt converts points to
    // device units with the device's vertical resolution.
    const QPaintDevice* device = Device();
    const double emDeviceUnits = font.height * ScaleAcrossBaseline(font);
    if (device && device->logicalDpiY() > 0 && emDeviceUnits > 0) {
        qfont.setPointSizeF(emDeviceUnits * kPointsPerInch / device->logicalDpiY());
    }
    if (font.weight > 0) {
        qfont.setWeight(
            static_cast<QFont::Weight>(std::clamp(font.weight, kMinFontWeight, kMaxFontWeight)));
    }
    if (!AntialiasedText()) {
        qfont.setStyleStrategy(QFont::NoAntialias);
        // Hinted as the system sets it by default (slight: vertical only),
        // asked for outright: a scaled display would otherwise paint the
        // glyphs of a file unhinted.
        qfont.setHintingPreference(QFont::PreferVerticalHinting);
    }
    return qfont;
}

Extent QPainterSurface::MeasureText(const Font& font, std::string_view text) {
    if (font.height <= 0 || ScaleAcrossBaseline(font) <= 0) {
        return {};
    }
    const std::optional<TextMeasure> measure = Measure(DeviceFont(font), FromLatin1(text));
    if (!measure) {
        return {};
    }
    return {ToMils(measure->advance, ScaleAlongBaseline(font)),
            ToMils(measure->height, ScaleAcrossBaseline(font))};
}

std::optional<TextMeasure> QPainterSurface::Measure(const QFont& font, const QString& text) const {
    if (m_measurer) {
        return m_measurer(font, text);
    }
    const QFontMetricsF metrics(font, Device());
    return TextMeasure{Advance(font, text), metrics.height(), metrics.ascent()};
}

double QPainterSurface::Advance(const QFont& font, const QString& text) const {
    if (m_measuredAdvance < 0 || text != m_measuredText || font != m_measuredFont) {
        m_measuredAdvance = QFontMetricsF(font, Device()).horizontalAdvance(text);
        m_measuredText = text;
        m_measuredFont = font;
    }
    return m_measuredAdvance;
}

std::optional<TextPlacement> QPainterSurface::PlaceText(const Font& font, Point topLeft,
                                                        std::string_view text) const {
    if (text.empty() || font.height <= 0 || ScaleAcrossBaseline(font) <= 0) {
        return std::nullopt;
    }
    TextPlacement placement;
    placement.font = DeviceFont(font);
    placement.text = FromLatin1(text);
    const std::optional<TextMeasure> measure = Measure(placement.font, placement.text);
    if (!measure) {
        return std::nullopt;
    }
    placement.box = QRectF(0, 0, measure->advance, measure->height);
    placement.ascent = measure->ascent;
    // The text's own frame: y down as on the device, turned about its corner by
    // the escapement (positive turns clockwise on a y-down device, as on ours).
    const QPointF corner = m_milsToDevice.map(QPointF(topLeft.x, topLeft.y));
    placement.local.translate(Snap(corner.x()), Snap(corner.y()));
    placement.local.rotate(font.escapement / kTenthsPerDegree);
    if (!placement.local.mapRect(placement.box).intersects(m_bounds)) {
        return std::nullopt;
    }
    return placement;
}

void QPainterSurface::PaintText(QPainter& painter, const TextPlacement& placement) {
    painter.save();
    painter.setTransform(placement.local, true);
    painter.setFont(placement.font);
    painter.fillRect(placement.box, Qt::white); // the opaque background
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, placement.ascent), placement.text);
    painter.restore();
}

void QPainterSurface::DrawText(const Font& font, Point topLeft, std::string_view text) {
    if (m_painter == nullptr) {
        return;
    }
    if (const std::optional<TextPlacement> placement = PlaceText(font, topLeft, text)) {
        PaintText(*m_painter, *placement);
    }
}
