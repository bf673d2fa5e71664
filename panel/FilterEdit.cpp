#include "FilterEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr QChar kBackspace(u'\b');

// Whether a key press types its text into a field, as a plain field decides
// it: a character that prints, or a formatting or private-use character, or a
// surrogate pair; never with Ctrl alone or Ctrl+Shift (those are commands).
bool IsCharacterInput(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty()) {
        return false;
    }
    const QChar first = text.front();
    if (first.category() == QChar::Other_Format) {
        return true;
    }
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return false;
    }
    return first.isPrint() || first.category() == QChar::Other_PrivateUse ||
           (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

bool IsPlainKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
}

// Marks the filter's own changes of the field's text for as long as it lives.
class ChangingScope {
public:
    explicit ChangingScope(bool& flag) : m_flag(flag), m_saved(flag) { m_flag = true; }
    ~ChangingScope() { m_flag = m_saved; }
    ChangingScope(const ChangingScope&) = delete;
    ChangingScope& operator=(const ChangingScope&) = delete;

private:
    bool& m_flag;
    bool m_saved;
};

} // namespace

QString CEditBehavior::GetValidText() const {
    return ValidText(m_edit.WindowText());
}

void CEditBehavior::OnKeyDown(int key) {
    m_edit.DefaultKeyDown(key);
}

void CEditBehavior::RequestRevalidate() {
    m_edit.Revalidate();
}

bool CFilterEdit::Hook::OnMessage(QEvent* message) {
    return m_owner.OnFieldEvent(message) || PassOn();
}

CFilterEdit::CFilterEdit() : m_beep(&QApplication::beep) {}

CFilterEdit::~CFilterEdit() {
    Detach();
}

void CFilterEdit::Attach(QLineEdit* field) {
    Detach();
    if (field == nullptr) {
        return;
    }
    m_pField = field;
    m_hook.Attach(field);
    QObject::connect(field, &QLineEdit::textChanged, &m_signals, [this] { OnTextChanged(); });
    QObject::connect(field, &QLineEdit::selectionChanged, &m_signals,
                     [this] { RememberSelection(); });
    QObject::connect(field, &QLineEdit::cursorPositionChanged, &m_signals,
                     [this] { RememberSelection(); });
    RememberSelection();
}

void CFilterEdit::Detach() {
    if (!m_pField.isNull()) {
        QObject::disconnect(m_pField, nullptr, &m_signals, nullptr);
    }
    m_hook.Attach(nullptr); // no effect when the field has gone already
    m_pField = nullptr;
}

void CFilterEdit::Revalidate() {
    Reformat();
}

QString CFilterEdit::GetValidText() const {
    return WindowText();
}

bool CFilterEdit::IsCharAllowed(QChar /*c*/) const {
    return true;
}

void CFilterEdit::SetWindowText(const QString& text) {
    if (m_pField.isNull()) {
        return;
    }
    SetTextDirectly(text);
    const QString valid = GetValidText();
    if (valid != text) {
        SetTextDirectly(valid);
    }
    RememberSelection();
}

QString CFilterEdit::WindowText() const {
    return m_pField.isNull() ? QString() : m_pField->text();
}

CFilterEdit::Selection CFilterEdit::GetSel() const {
    if (m_pField.isNull()) {
        return {};
    }
    if (!m_pField->hasSelectedText()) {
        const int caret = m_pField->cursorPosition();
        return {caret, caret};
    }
    return {m_pField->selectionStart(), m_pField->selectionEnd()};
}

void CFilterEdit::SetSel(int start, int end) {
    if (m_pField.isNull()) {
        return;
    }
    const int length = static_cast<int>(m_pField->text().size());
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    if (start == end) {
        m_pField->setCursorPosition(start); // also drops any selection
    } else {
        m_pField->setSelection(start, end - start);
    }
}

void CFilterEdit::ReplaceSel(const QString& text) {
    if (!m_pField.isNull()) {
        m_pField->insert(text);
    }
}

bool CFilterEdit::IsReadOnly() const {
    return !m_pField.isNull() && m_pField->isReadOnly();
}

void CFilterEdit::DefaultChar(QChar c) {
    if (m_pField.isNull() || IsReadOnly()) {
        return;
    }
    if (c == kBackspace) {
        m_pField->backspace();
    } else if (c.category() != QChar::Other_Control) {
        m_pField->insert(QString(c));
    }
}

void CFilterEdit::DefaultKeyDown(int key) {
    if (key == Qt::Key_Delete && !m_pField.isNull() && !IsReadOnly()) {
        m_pField->del();
    }
}

void CFilterEdit::Beep() const {
    if (m_beep) {
        m_beep();
    }
}

void CFilterEdit::Reformat() {
    if (m_pField.isNull()) {
        return;
    }
    const QString valid = GetValidText();
    if (valid == m_pField->text()) {
        return; // setting it again would only wipe the field's undo history
    }
    const Selection selection = GetSel();
    SetTextDirectly(valid);
    SetSel(selection.start, selection.end);
    RememberSelection();
}

void CFilterEdit::OnChar(QChar c) {
    DefaultChar(c);
}

void CFilterEdit::OnKeyDown(int key) {
    DefaultKeyDown(key);
}

void CFilterEdit::OnCut() {
    const Selection selection = GetSel();
    if (m_pField.isNull() || selection.start == selection.end) {
        return;
    }
    m_pField->copy();
    OnKeyDown(Qt::Key_Delete); // the deletion goes through this class's own key handling
}

void CFilterEdit::OnPaste() {
    if (m_pField.isNull() || IsReadOnly()) {
        return;
    }
    const Selection before = GetSel();
    {
        const ChangingScope changing(m_bChanging);
        m_pField->paste();
    }
    const QString valid = GetValidText();
    if (valid != m_pField->text()) {
        SetTextDirectly(valid);
        SetSel(before.start, before.end);
    }
    RememberSelection();
}

bool CFilterEdit::OnFieldEvent(QEvent* message) {
    if (message->type() != QEvent::KeyPress || m_pField.isNull()) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*message);
    if (key.matches(QKeySequence::Paste)) {
        OnPaste();
    } else if (key.matches(QKeySequence::Cut)) {
        OnCut();
    } else if (key.key() == Qt::Key_Delete &&
               (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        OnKeyDown(Qt::Key_Delete);
    } else if (key.key() == Qt::Key_Backspace && IsPlainKey(key)) {
        OnChar(kBackspace);
    } else if (IsCharacterInput(key)) {
        for (const QChar c : key.text()) {
            OnChar(c);
        }
    } else {
        return false; // navigation, shortcuts, Tab, Enter: the field's own
    }
    return true;
}

void CFilterEdit::OnTextChanged() {
    if (m_bChanging || m_pField.isNull()) {
        return;
    }
    const QString valid = GetValidText();
    if (valid != m_pField->text()) {
        const Selection before = m_lastSelection;
        SetTextDirectly(valid);
        SetSel(before.start, before.end);
    }
    RememberSelection();
}

void CFilterEdit::RememberSelection() {
    if (!m_bChanging) {
        m_lastSelection = GetSel();
    }
}

void CFilterEdit::SetTextDirectly(const QString& text) {
    const ChangingScope changing(m_bChanging);
    m_pField->setText(text);
}
