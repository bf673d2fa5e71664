#include "DesignEdit.h"

#include <cmath>
#include <utility>

namespace {
constexpr int kKeyMoveId = 0x5145; // any id of our own; -1 would never merge
} // namespace

CDesignEdit::CDesignEdit(const QString& text, LabelDesign before, LabelDesign after, int selected,
                         Apply apply, Kind kind)
    : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)),
      m_selected(selected), m_apply(std::move(apply)), m_kind(kind) {}

void CDesignEdit::undo() {
    m_apply(m_before, m_selected < static_cast<int>(m_before.objects.size()) ? m_selected : -1);
}

void CDesignEdit::redo() {
    m_apply(m_after, m_selected < static_cast<int>(m_after.objects.size()) ? m_selected : -1);
}

int CDesignEdit::id() const {
    return m_kind == Kind::KeyMove ? kKeyMoveId : -1;
}

bool CDesignEdit::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const CDesignEdit*>(other);
    if (next == nullptr || next->m_kind != Kind::KeyMove || next->m_selected != m_selected) {
        return false;
    }
    m_after = next->m_after;
    return true;
}

LabelDesign InUnit(const LabelDesign& design, DesignUnit unit) {
    LabelDesign out = design;
    out.unit = unit;
    const double factor = MilsPer(design.unit) / MilsPer(unit);
    const double places = unit == DesignUnit::Inch ? 1000.0 : 100.0;
    const auto convert = [factor, places](double& length) {
        length = std::round(length * factor * places) / places;
    };
    for (DesignObject& object : out.objects) {
        convert(object.box.x);
        convert(object.box.y);
        convert(object.box.width);
        convert(object.box.height);
        convert(object.barHeight);
    }
    return out;
}
