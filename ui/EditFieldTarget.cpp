#include "EditFieldTarget.h"

#include "ResourceIds.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

CEditFieldTarget::CEditFieldTarget(std::function<void()> changed) : m_changed(std::move(changed)) {
    if (m_changed) {
        QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                         &m_clipboardSignals, [this] { m_changed(); });
    }
}

void CEditFieldTarget::SetField(QLineEdit* field) {
    if (field == m_pField) {
        return;
    }
    m_pFieldSignals.reset();
    m_pField = field;
    if (field != nullptr && m_changed) {
        m_pFieldSignals = std::make_unique<QObject>();
        const auto changed = [this] { m_changed(); };
        QObject::connect(field, &QLineEdit::selectionChanged, m_pFieldSignals.get(), changed);
        QObject::connect(field, &QLineEdit::textChanged, m_pFieldSignals.get(), changed);
    }
}

bool CEditFieldTarget::OnCommand(int id) {
    CommandState state;
    if (!OnUpdateCommand(id, state)) {
        return false;
    }
    if (!state.enabled) {
        return true; // the field's command, with nothing to act on
    }
    switch (id) {
    case ids::kEditUndo:
        m_pField->undo();
        break;
    case ids::kEditCut:
        m_pField->cut();
        break;
    case ids::kEditCopy:
        m_pField->copy();
        break;
    default:
        m_pField->paste();
        break;
    }
    return true;
}

bool CEditFieldTarget::OnUpdateCommand(int id, CommandState& state) {
    if (m_pField.isNull()) {
        return false;
    }
    const bool writable = !m_pField->isReadOnly();
    // A password field gives none of its text away.
    const bool readable = m_pField->echoMode() == QLineEdit::Normal;
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    switch (id) {
    case ids::kEditUndo:
        state.enabled = writable && m_pField->isUndoAvailable();
        return true;
    case ids::kEditCut:
        state.enabled = writable && readable && m_pField->hasSelectedText();
        return true;
    case ids::kEditCopy:
        state.enabled = readable && m_pField->hasSelectedText();
        return true;
    case ids::kEditPaste:
        state.enabled = writable && clipboard != nullptr && clipboard->hasText();
        return true;
    default:
        return false;
    }
}
