#pragma once

#include "CommandRoute.h"

#include <QLineEdit>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

// The Edit menu's Undo, Cut, Copy and Paste for the single-line edit field
// that has the focus: each acts on the field, enabled as the field allows it
// (a selection to cut or copy, text on the clipboard to paste, a step to
// undo; nothing changes a read-only field). Put first on the command route
// while a field has the focus; without a field it handles nothing, and it
// never handles any other command.
class CEditFieldTarget : public CCommandTarget {
public:
    // changed runs whenever the commands' state may have changed: the field's
    // selection or text, or the clipboard.
    explicit CEditFieldTarget(std::function<void()> changed = {});

    // The field the commands act on; null for none.
    void SetField(QLineEdit* field);
    QLineEdit* Field() const { return m_pField; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    std::function<void()> m_changed;
    QPointer<QLineEdit> m_pField;
    // Receiver of the field's and the clipboard's signals: resetting it ends
    // the field's, its destruction all of them.
    QObject m_clipboardSignals;
    std::unique_ptr<QObject> m_pFieldSignals;
};
