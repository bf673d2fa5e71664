#pragma once

#include "LabelDesign.h"

#include <QUndoCommand>

#include <functional>

// One edit of a design on the designer's undo stack: the design before and
// after it, handed to `apply` as it is done, undone and redone. Moves of one
// object by the arrow keys, one after another, are one edit.
class CDesignEdit : public QUndoCommand {
public:
    using Apply = std::function<void(const LabelDesign& design, int selected)>;

    // What merges: key moves of the object `selected`; anything else never.
    enum class Kind { Other, KeyMove };

    CDesignEdit(const QString& text, LabelDesign before, LabelDesign after, int selected,
                Apply apply, Kind kind = Kind::Other);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    LabelDesign m_before;
    LabelDesign m_after;
    int m_selected;
    Apply m_apply;
    Kind m_kind;
};

// The design with every box and bar height in another unit, kept to the
// places that unit's fields show (3 for inches, 2 for millimetres).
LabelDesign InUnit(const LabelDesign& design, DesignUnit unit);

// The edited design as its file can hold it: every box within the lengths
// the designer's fields take, and a line's box across or down. A line keeps
// its direction unless only its other length was set (a height typed for a
// line across turns it down, that long).
LabelDesign Writable(LabelDesign after, const LabelDesign& before);
