#pragma once

#include "Encoding.h"
#include "InkExtent.h"
#include "LabelDesign.h"
#include "SheetLayout.h"
#include "SymbolRender.h"

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// A design made ready for a run: its stock, its templates bound to the data's
// columns, its fonts found on the system. Then each record's label is laid
// out: its fields filled in, each barcode built at true size, each text at
// the size that fits its box.

// One object of one label, ready to draw; boxes in mils from the label's
// top-left corner, y down.
struct PlacedObject {
    ObjectKind kind = ObjectKind::Text;
    QRectF box;
    // Text: what it says, the font at the size chosen (points), the layout flags.
    QString text;
    QFont font;
    int flags = 0;
    // Barcode: the symbol as every sheet draws it, the centre of its bar area.
    RenderRequest request;
    std::shared_ptr<const Encoding> encoding;
    std::int32_t barLength = 0;
    InkExtent bars;
    QPointF centre;
    // Line and rectangle: the stroke in mils.
    double stroke = 0;
    bool fill = false;
};

struct LabelLayout {
    std::vector<PlacedObject> objects;
};

class CDesignRun {
public:
    // The design for data of the columns (empty for a sequence), with `today`
    // for the date fields. Fault() says what keeps it from any run.
    CDesignRun(LabelDesign design, const QStringList& columns, const QDate& today,
               const std::optional<SheetLayout>& stock = std::nullopt);

    // Why the design cannot make any label (a stock that cannot be read, a
    // template's fault or a field no column has, each naming the object);
    // empty when it can.
    const QString& Fault() const { return m_fault; }
    // What the run should say although it goes on: a font the design names
    // that the system lacks, with the one used instead.
    const QStringList& Notes() const { return m_notes; }
    const SheetLayout& Stock() const { return m_stock; }
    const LabelDesign& Design() const { return m_design; }

    // The record's label; nothing when it cannot be printed as designed, with
    // every reason appended to *faults, each naming the record and the object.
    std::optional<LabelLayout> LayOut(const DesignRecord& record, QStringList* faults) const;

private:
    LabelDesign m_design;
    SheetLayout m_stock;
    QDate m_today;
    std::vector<FieldTemplate> m_templates; // one per object
    std::vector<QFont> m_fonts;             // one per object, at its design size
    QString m_fault;
    QStringList m_notes;
};

// How messages name a record: "line 3" of a file, "label 5" of a sequence.
QString RecordName(const DesignRecord& record);

// The font a design names, as the system's fonts give it: the family, bold
// and italic. *used is the family drawn with (another when it lacks it).
QFont DesignFont(const QString& family, bool bold, bool italic, QString* used);

// The size from `size` down to `floor` (points, in steps of kShrinkStep) at
// which the text first fits the box (mils) with the flags; nothing when it
// fits at no size down to the floor. Without a floor (0) only `size` is tried.
inline constexpr double kShrinkStep = 0.25;
std::optional<double> FittingSize(QFont font, const QString& text, const QSizeF& box, int flags,
                                  double size, double floor);

// The text's extent in mils at the font's size with the flags, laid out in a
// box `width` mils wide.
QSizeF TextExtent(const QFont& font, const QString& text, double width, int flags);
