#include "DesignLayout.h"

#include "Barcode.h"
#include "FieldValues.h"
#include "InputRule.h"
#include "LabelCatalog.h"
#include "Placement.h"
#include "SheetText.h"
#include "VectorScene.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Sizes are compared to half a mil: millimetre stock is no whole mils.
constexpr double kFitSlack = 0.5;
constexpr double kPointsPerInch = 72;
// The bar length a symbol is first built with to measure what its text adds.
constexpr std::int32_t kTrialBarLength = 1000;

// Texts are measured on a device of 1000 dots per inch: its unit is the mil.
const QPaintDevice& MilDevice() {
    thread_local const QImage device = [] {
        QImage image(1, 1, QImage::Format_Grayscale8);
        constexpr int kDotsPerMetre = 39370; // 1000 dpi
        image.setDotsPerMeterX(kDotsPerMetre);
        image.setDotsPerMeterY(kDotsPerMetre);
        return image;
    }();
    return device;
}

int AlignFlags(TextAlign align, bool wrap) {
    const int across = align == TextAlign::Left    ? Qt::AlignLeft
                       : align == TextAlign::Right ? Qt::AlignRight
                                                   : Qt::AlignHCenter;
    // Unwrapped, a text breaks only where it holds a line end.
    return across | Qt::AlignVCenter | (wrap ? Qt::TextWordWrap : 0);
}

bool Fits(const QSizeF& extent, const QSizeF& box) {
    return extent.width() <= box.width() + kFitSlack && extent.height() <= box.height() + kFitSlack;
}

VectorJob SymbolJob(const Encoding& encoding, std::int32_t barLength, bool showText, int turn) {
    VectorJob job;
    job.encoding = &encoding;
    job.barLength = barLength;
    job.showText = showText;
    job.orientation = turn;
    job.origin = SymbolOrigin(encoding, barLength, showText, turn);
    return job;
}

ExtentSink Measure(const Encoding& encoding, std::int32_t barLength, bool showText, int turn) {
    ExtentSink extent;
    WalkVectorShapes(SymbolJob(encoding, barLength, showText, turn), extent);
    return extent;
}

// Whether a box (mils) lies inside what the label keeps clear of its edge:
// its margin all round, and on a round or oval label the ellipse inside it.
bool InsideLabel(const QRectF& box, const SheetLayout& stock) {
    const double m = stock.margin;
    const QRectF inner(m, m, stock.labelWidth - 2 * m, stock.labelHeight - 2 * m);
    if (box.left() < inner.left() - kFitSlack || box.top() < inner.top() - kFitSlack ||
        box.right() > inner.right() + kFitSlack || box.bottom() > inner.bottom() + kFitSlack) {
        return false;
    }
    if (stock.shape == LabelShape::Rectangle) {
        return true;
    }
    const double a = inner.width() / 2 + kFitSlack;
    const double b =
        (stock.shape == LabelShape::Round ? inner.width() : inner.height()) / 2 + kFitSlack;
    const QPointF centre = inner.center();
    for (const QPointF& corner :
         {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
        const double x = (corner.x() - centre.x()) / a;
        const double y = (corner.y() - centre.y()) / b;
        if (x * x + y * y > 1) {
            return false;
        }
    }
    return true;
}

// "line 4" of the data, or "label 3" of a sequence.
} // namespace

QString RecordName(const DesignRecord& record) {
    return record.line > 0
               ? QCoreApplication::translate("DesignLayout", "line %1").arg(record.line)
               : QCoreApplication::translate("DesignLayout", "label %1").arg(record.index + 1);
}

QFont DesignFont(const QString& family, bool bold, bool italic, QString* used) {
    QFont font(family);
    font.setBold(bold);
    font.setItalic(italic);
    // Unhinted outlines scale with the size alone: a text measured in mils
    // takes the same room on a page of any resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    // Letters stay apart (no "ff" or "fi" ligature): a PDF's text then says
    // what the record says, to a search and to a copy. The spacing itself,
    // a 64th of a unit, is nothing one sees.
    constexpr double kLeastSpacing = 1.0 / 64;
    font.setLetterSpacing(QFont::AbsoluteSpacing, kLeastSpacing);
    *used = QFontInfo(font).family();
    return font;
}

QSizeF TextExtent(const QFont& font, const QString& text, double width, int flags) {
    const QFontMetricsF metrics(font, &MilDevice());
    constexpr double kTall = 1e7;
    return metrics.boundingRect(QRectF(0, 0, width, kTall), flags, text).size();
}

std::optional<double> FittingSize(QFont font, const QString& text, const QSizeF& box, int flags,
                                  double size, double floor) {
    const auto fits = [&](double points) {
        font.setPointSizeF(points);
        return Fits(TextExtent(font, text, box.width(), flags), box);
    };
    font.setPointSizeF(size);
    const QSizeF full = TextExtent(font, text, box.width(), flags);
    if (Fits(full, box)) {
        return size;
    }
    const double least = floor > 0 ? floor : size;
    if (least >= size) {
        return std::nullopt;
    }
    // Unhinted, a one-line text's extent grows with its size: the size its
    // width and height at full size point to is tried first, then the steps
    // next to it, so that the largest step that fits is found in a few
    // measurements (a wrapped text breaks otherwise, and is stepped through).
    const double scale = std::min(full.width() > 0 ? box.width() / full.width() : 1.0,
                                  full.height() > 0 ? box.height() / full.height() : 1.0);
    const double steps = std::floor((size * scale - least) / kShrinkStep + 1e-9);
    double points = std::clamp(least + steps * kShrinkStep, least, size - kShrinkStep);
    if (fits(points)) {
        while (points + kShrinkStep < size - 1e-9 && fits(points + kShrinkStep)) {
            points += kShrinkStep;
        }
        return points;
    }
    for (points -= kShrinkStep; points >= least - 1e-9; points -= kShrinkStep) {
        if (fits(points)) {
            return points;
        }
    }
    return std::nullopt;
}

CDesignRun::CDesignRun(LabelDesign design, const QStringList& columns, const QDate& today,
                       const std::optional<SheetLayout>& stock)
    : m_design(std::move(design)), m_today(today) {
    std::string error;
    if (stock) {
        m_stock = *stock;
    } else if (const auto layout = ParseStock(m_design.stock.toStdString(), &error)) {
        m_stock = *layout;
    } else {
        m_fault = QCoreApplication::translate("DesignLayout", "the stock \"%1\": %2")
                      .arg(m_design.stock, QString::fromStdString(error));
        return;
    }
    const double unit = MilsPer(m_design.unit);
    if (m_stock.continuous) {
        // A continuous roll's label is as long as the design: its lowest box.
        double bottom = 0;
        for (const DesignObject& object : m_design.objects) {
            bottom = std::max(bottom, (object.box.y + object.box.height) * unit);
        }
        m_stock.labelHeight = m_stock.pageHeight = m_stock.pitchY = std::ceil(bottom);
    }
    for (std::size_t i = 0; i < m_design.objects.size(); ++i) {
        const DesignObject& object = m_design.objects[i];
        const DesignBox& box = object.box;
        if (!InsideLabel(QRectF(box.x * unit, box.y * unit, box.width * unit, box.height * unit),
                         m_stock)) {
            m_fault =
                QCoreApplication::translate("DesignLayout",
                                            "%1: its box reaches past the label, %2 x %3 in")
                    .arg(ObjectName(object, i), MessageNumber(m_stock.labelWidth / kMilsPerInch, 2),
                         MessageNumber(m_stock.labelHeight / kMilsPerInch, 2));
            return;
        }
        QString fault;
        const QString& text = object.kind == ObjectKind::Barcode ? object.data : object.text;
        std::optional<FieldTemplate> fields = ParseTemplate(text, &fault);
        if (fields && !BindTemplate(*fields, columns, &fault)) {
            fields.reset();
        }
        if (!fields) {
            m_fault = QCoreApplication::translate("DesignLayout", "%1: %2")
                          .arg(ObjectName(object, i), fault);
            return;
        }
        m_templates.push_back(*fields);
        QString used;
        m_fonts.push_back(object.kind == ObjectKind::Text
                              ? DesignFont(object.font, object.bold, object.italic, &used)
                              : QFont());
        if (object.kind == ObjectKind::Text &&
            used.compare(object.font, Qt::CaseInsensitive) != 0) {
            const QString note =
                QCoreApplication::translate(
                    "DesignLayout", "the font \"%1\" is not on this system; \"%2\" is used instead")
                    .arg(object.font, used);
            if (!m_notes.contains(note)) {
                m_notes.append(note);
            }
        }
    }
}

std::optional<LabelLayout> CDesignRun::LayOut(const DesignRecord& record,
                                              QStringList* faults) const {
    const double unit = MilsPer(m_design.unit);
    const QString unitName =
        m_design.unit == DesignUnit::Inch ? QStringLiteral("in") : QStringLiteral("mm");
    const auto length = [unit, &unitName](double mils) {
        return QStringLiteral("%1 %2").arg(MessageNumber(mils / unit, 2), unitName);
    };
    LabelLayout layout;
    bool ok = true;
    const auto fail = [&](std::size_t i, const QString& why) {
        faults->append(QCoreApplication::translate("DesignLayout", "%1, %2: %3")
                           .arg(RecordName(record), ObjectName(m_design.objects[i], i), why));
        ok = false;
    };
    for (std::size_t i = 0; i < m_design.objects.size(); ++i) {
        const DesignObject& object = m_design.objects[i];
        PlacedObject placed;
        placed.kind = object.kind;
        placed.box = QRectF(object.box.x * unit, object.box.y * unit, object.box.width * unit,
                            object.box.height * unit);
        const QString text = ExpandTemplate(m_templates[i], record, m_design.sequence, m_today);
        switch (object.kind) {
        case ObjectKind::Text: {
            // A character no font has would print as an empty box.
            if (const QString fault = CaptionFault(text); !fault.isEmpty()) {
                fail(i, fault);
                continue;
            }
            placed.flags = AlignFlags(object.align, object.wrap);
            placed.text = text;
            placed.font = m_fonts[i];
            const std::optional<double> size = FittingSize(
                placed.font, text, placed.box.size(), placed.flags, object.size, object.minSize);
            if (!size) {
                const double least = object.minSize > 0 ? object.minSize : object.size;
                placed.font.setPointSizeF(least);
                const QSizeF needs =
                    TextExtent(placed.font, text, placed.box.width(), placed.flags);
                fail(i, QCoreApplication::translate(
                            "DesignLayout", "\"%1\" takes %2 x %3 at %4 pt; its box is %5 x %6")
                            .arg(text, length(needs.width()), length(needs.height()),
                                 MessageNumber(least, least == std::round(least) ? 0 : 2),
                                 length(placed.box.width()), length(placed.box.height())));
                continue;
            }
            placed.font.setPointSizeF(*size);
            break;
        }
        case ObjectKind::Barcode: {
            BarWidths widths;
            widths.density = object.density;
            widths.ratio = object.ratio;
            widths.codeSets = CodeSetChoice::Shortest;
            // A record without the barcode's data would print its label
            // without the barcode, looking whole.
            if (text.isEmpty()) {
                fail(i, QCoreApplication::translate("DesignLayout", "there is no data for the "
                                                                    "barcode"));
                continue;
            }
            const CheckedText checked = CheckText(object.symbology, text, false, widths.codeSets);
            if (checked.refusal) {
                fail(i, checked.refusal->reason);
                continue;
            }
            auto encoding = std::make_shared<Encoding>(
                CreateBarcode(object.symbology, checked.engineText, widths)->Encode());
            const bool alongX = object.turn % 2 == 0;
            const double across = alongX ? placed.box.height() : placed.box.width();
            double bars = object.barHeight * unit;
            if (object.barHeight <= 0) {
                // The bars take what the box leaves beside the human-readable text.
                const ExtentSink trial =
                    Measure(*encoding, kTrialBarLength, object.showText, object.turn);
                const double extra =
                    (alongX ? trial.ink.Height() : trial.ink.Width()) - kTrialBarLength;
                bars = std::floor(across - extra);
            }
            if (bars < 1) {
                fail(i, QCoreApplication::translate("DesignLayout",
                                                    "its box leaves no room for bars"));
                continue;
            }
            placed.barLength = BarLengthOf(object.symbology, static_cast<std::int32_t>(bars));
            const ExtentSink extent =
                Measure(*encoding, placed.barLength, object.showText, object.turn);
            // The bars with the clear space a scanner needs on each side.
            InkExtent clear = extent.ink;
            const double quiet = CellMarginAlong(*encoding);
            if (!extent.bars.Empty()) {
                clear.Add(alongX ? extent.bars.minX - quiet : extent.bars.minX,
                          alongX ? extent.bars.minY : extent.bars.minY - quiet);
                clear.Add(alongX ? extent.bars.maxX + quiet : extent.bars.maxX,
                          alongX ? extent.bars.maxY : extent.bars.maxY + quiet);
            }
            if (!Fits(QSizeF(clear.Width(), clear.Height()), placed.box.size())) {
                fail(i, QCoreApplication::translate(
                            "DesignLayout",
                            "the symbol of \"%1\" takes %2 x %3 with its quiet zones; its box is "
                            "%4 x %5")
                            .arg(text, length(clear.Width()), length(clear.Height()),
                                 length(placed.box.width()), length(placed.box.height())));
                continue;
            }
            placed.request.symbology = object.symbology;
            placed.request.text = checked.engineText;
            placed.request.heightMils = placed.barLength;
            placed.request.widths = widths;
            placed.request.orientation = object.turn;
            placed.request.showText = object.showText;
            placed.encoding = std::move(encoding);
            placed.bars = extent.bars;
            // The ink's centre on the box's centre (the ink frame's y is upward).
            const QPointF middle = placed.box.center();
            placed.centre = QPointF(middle.x() - (extent.ink.minX + extent.ink.maxX) / 2,
                                    middle.y() + (extent.ink.minY + extent.ink.maxY) / 2);
            placed.text = text;
            break;
        }
        case ObjectKind::Line:
        case ObjectKind::Rectangle:
            placed.stroke = object.stroke * kMilsPerInch / kPointsPerInch;
            placed.fill = object.fill;
            break;
        }
        layout.objects.push_back(std::move(placed));
    }
    if (!ok) {
        return std::nullopt;
    }
    return layout;
}
