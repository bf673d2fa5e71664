#include "DesignEdit.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr int kKeyMoveId = 0x5145; // any id of our own; -1 would never merge
// The farthest a box reaches, in the design's unit, as the side panel's
// fields take it (well within what a design file takes).
constexpr double kFarthest = 1000;
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

LabelDesign Writable(LabelDesign after, const LabelDesign& before) {
    for (std::size_t i = 0; i < after.objects.size(); ++i) {
        DesignBox& box = after.objects[i].box;
        box.x = std::clamp(box.x, -kFarthest, kFarthest);
        box.y = std::clamp(box.y, -kFarthest, kFarthest);
        box.width = std::clamp(box.width, 0.0, kFarthest);
        box.height = std::clamp(box.height, 0.0, kFarthest);
        if (after.objects[i].kind != ObjectKind::Line || box.width == 0 || box.height == 0) {
            continue;
        }
        const bool known = i < before.objects.size() && before.objects[i].kind == ObjectKind::Line;
        const DesignBox was = known ? before.objects[i].box : DesignBox{};
        const bool down = was.width == 0 && was.height != 0;
        // Only the length across the line's direction set: it turns.
        const bool turns = down ? box.height == was.height : box.width == was.width;
        ((down != turns) ? box.width : box.height) = 0;
    }
    return after;
}
