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

// The nearest device unit boundary.
double Snap(double v) {
    return std::floor(v + 0.5);
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

QPainterSurface::QPainterSurface(QPainter& painter, const QTransform& milsToDevice,
                                 const QRectF& bounds, int orientation)
    : m_painter(painter), m_milsToDevice(milsToDevice), m_bounds(bounds),
      m_orientation(NormalOrientation(orientation)) {}

void QPainterSurface::Line(Point from, Point to, std::int32_t penWidth) {
    if (penWidth <= 0) {
        return;
    }
    const double half = penWidth / 2.0;
    const bool vertical = from.x == to.x;
    const bool horizontal = from.y == to.y;
    if (!vertical && !horizontal) {
        DrawSlantedLine(from, to, penWidth);
        return;
    }
    // An odd width's line lies half a mil before its band's centre in the
    // reading direction (the element primitives centre it on a whole mil).
    constexpr std::array<QPointF, 4> kHalfMilForward{{{0.5, 0}, {0, 0.5}, {-0.5, 0}, {0, -0.5}}};
    const QPointF correction =
        penWidth % 2 != 0 ? kHalfMilForward[static_cast<std::size_t>(m_orientation)] : QPointF();
    const double x = from.x + correction.x();
    const double y = from.y + correction.y();
    const QRectF band = vertical ? QRectF(QPointF(x - half, std::min(from.y, to.y)),
                                          QPointF(x + half, std::max(from.y, to.y)))
                                 : QRectF(QPointF(std::min(from.x, to.x), y - half),
                                          QPointF(std::max(from.x, to.x), y + half));
    // The mapping only scales and flips, so a vertical band stays vertical.
    FillBand(m_milsToDevice.mapRect(band), vertical);
}

void QPainterSurface::FillBand(const QRectF& band, bool widthAlongX) {
    // Across the bar, each edge is rounded to the nearest unit on its own, never
    // the width: neighbouring elements share their edges, so no gap opens inside
    // a bar and no space closes; a bar keeps at least one unit. Along the bar,
    // both ends are rounded to the nearest unit boundary.
    const auto across = [](double from, double to) {
        const double start = Snap(from);
        return std::pair{start, std::max(start + 1, Snap(to))};
    };
    const auto [left, right] = widthAlongX ? across(band.left(), band.right())
                                           : std::pair{Snap(band.left()), Snap(band.right())};
    const auto [top, bottom] = widthAlongX ? std::pair{Snap(band.top()), Snap(band.bottom())}
                                           : across(band.top(), band.bottom());
    // Clip in doubles: far-away bars (huge heights, tiles off the page) must
    // not overflow the painter's integer coordinates.
    const QRectF visible = QRectF(QPointF(left, top), QPointF(right, bottom)) & m_bounds;
    if (visible.isEmpty()) {
        return;
    }
    m_painter.fillRect(visible.toAlignedRect(), Qt::black);
}

void QPainterSurface::DrawSlantedLine(Point from, Point to, std::int32_t penWidth) {
    // The engine draws only straight bars; a slanted line is stroked as a pen
    // would be, with flat caps.
    const double scale = std::sqrt(std::abs(m_milsToDevice.determinant()));
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(QPen(Qt::black, penWidth * scale, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    m_painter.drawLine(m_milsToDevice.map(QPointF(from.x, from.y)),
                       m_milsToDevice.map(QPointF(to.x, to.y)));
    m_painter.restore();
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
    const QPaintDevice* device = m_painter.device();
    const double emDeviceUnits = font.height * ScaleAcrossBaseline(font);
    if (device && device->logicalDpiY() > 0 && emDeviceUnits > 0) {
        qfont.setPointSizeF(emDeviceUnits * kPointsPerInch / device->logicalDpiY());
    }
    if (font.weight > 0) {
        qfont.setWeight(
            static_cast<QFont::Weight>(std::clamp(font.weight, kMinFontWeight, kMaxFontWeight)));
    }
    if (!m_painter.testRenderHint(QPainter::TextAntialiasing)) {
        qfont.setStyleStrategy(QFont::NoAntialias);
    }
    return qfont;
}

Extent QPainterSurface::MeasureText(const Font& font, std::string_view text) {
    if (font.height <= 0 || ScaleAcrossBaseline(font) <= 0) {
        return {};
    }
    const QFontMetricsF metrics(DeviceFont(font), m_painter.device());
    return {ToMils(metrics.horizontalAdvance(FromLatin1(text)), ScaleAlongBaseline(font)),
            ToMils(metrics.height(), ScaleAcrossBaseline(font))};
}

void QPainterSurface::DrawText(const Font& font, Point topLeft, std::string_view text) {
    if (text.empty() || font.height <= 0 || ScaleAcrossBaseline(font) <= 0) {
        return;
    }
    const QFont qfont = DeviceFont(font);
    const QFontMetricsF metrics(qfont, m_painter.device());
    const QString string = FromLatin1(text);
    const QRectF box(0, 0, metrics.horizontalAdvance(string), metrics.height());

    // The text's own frame: y down as on the device, turned about its corner by
    // the escapement (positive turns clockwise on a y-down device, as on ours).
    const QPointF corner = m_milsToDevice.map(QPointF(topLeft.x, topLeft.y));
    QTransform local;
    local.translate(Snap(corner.x()), Snap(corner.y()));
    local.rotate(font.escapement / kTenthsPerDegree);
    if (!local.mapRect(box).intersects(m_bounds)) {
        return;
    }
    m_painter.save();
    m_painter.setTransform(local, true);
    m_painter.setFont(qfont);
    m_painter.fillRect(box, Qt::white); // the opaque background
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(0, metrics.ascent()), string);
    m_painter.restore();
}
