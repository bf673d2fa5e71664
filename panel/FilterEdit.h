#pragma once

#include "SubclassWnd.h"

#include <QChar>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QEvent;

class CFilterEdit;

// Decides what text an edit may hold and how each typed character is handled.
// Knows its edit (not owned); the edit reaches it directly.
class CEditBehavior {
public:
    explicit CEditBehavior(CFilterEdit& edit) : m_edit(edit) {}
    virtual ~CEditBehavior() = default;
    CEditBehavior(const CEditBehavior&) = delete;
    CEditBehavior& operator=(const CEditBehavior&) = delete;

    // The text the edit should hold, given the text it holds now.
    QString GetValidText() const;
    // The same rule for any text: the whole of the behaviour's filtering. Always
    // a fixed point: ValidText(ValidText(t)) == ValidText(t).
    virtual QString ValidText(const QString& text) const = 0;
    // A typed character (a printable one, or Backspace as '\b').
    virtual void OnChar(QChar c) = 0;
    // A key that types no character; only Delete reaches a behaviour.
    virtual void OnKeyDown(int key);
    // Has the edit bring its text in line after a change of setting.
    void RequestRevalidate();

protected:
    CFilterEdit& Edit() const { return m_edit; }

private:
    CFilterEdit& m_edit;
};

// A single-line edit filter that attaches to an existing QLineEdit and keeps
// its text to what the behaviour accepts. The object lives without a field
// and keeps its settings while detached.
//
// What reaches it, and how: typed characters, Backspace and Delete, and the
// cut and paste shortcuts through a hook on the field's events; every other
// change of the text (setText, the field's context menu, drag and drop, input
// methods, undo) through the field's text-change signal, corrected at once to
// the valid text with the selection put back where it was before the change.
class CFilterEdit {
public:
    // A selection as the field reports it: start <= end; equal for a caret.
    struct Selection {
        int start = 0;
        int end = 0;
    };
    using BeepFunction = std::function<void()>;

    CFilterEdit();
    virtual ~CFilterEdit();
    CFilterEdit(const CFilterEdit&) = delete;
    CFilterEdit& operator=(const CFilterEdit&) = delete;

    // Attaches to a field (detaching first from any other); null detaches.
    // The field's text is left as it is.
    void Attach(QLineEdit* field);
    // Returns the field to plain editing, with its current text.
    void Detach();
    bool IsAttached() const { return !m_pField.isNull(); }
    QLineEdit* Field() const { return m_pField; }

    // Sets the field's text to the valid text if the two differ.
    virtual void Revalidate();
    // The text the field should hold: in this class the field's own text.
    virtual QString GetValidText() const;
    // Consulted before a character is inserted or typed over.
    virtual bool IsCharAllowed(QChar c) const;

    // Writes a text into the field through the filter: what the filter does
    // not accept never shows. Nothing happens without a field.
    void SetWindowText(const QString& text);

    // The sound the filter makes for a refused character; QApplication::beep
    // unless replaced.
    void SetBeep(BeepFunction beep) { m_beep = std::move(beep); }

    // The field's state and its plain editing operations, for the behaviours.
    // Without a field: an empty text, a caret at 0, and no effect.
    QString WindowText() const;
    Selection GetSel() const;
    // Selects from start to end (clamped to the text); the caret ends at end.
    void SetSel(int start, int end);
    // Replaces the selection with the text, as typing it would (undoable).
    void ReplaceSel(const QString& text);
    bool IsReadOnly() const;
    // What the plain field does with a character or a key of its own.
    void DefaultChar(QChar c);
    void DefaultKeyDown(int key);
    void Beep() const;
    // Sets the valid text if it differs, keeping the selection (clamped).
    void Reformat();

protected:
    // The handlers of the field's messages; the defaults are plain editing.
    virtual void OnChar(QChar c);
    virtual void OnKeyDown(int key);
    // Copies the selection and deletes it through OnKeyDown's Delete.
    void OnCut();
    // Pastes; a result that is not valid is replaced by the valid text and
    // the selection from before the paste is put back.
    void OnPaste();

private:
    // Hands the field's events to the filter, as the newest hook of the field.
    class Hook : public CSubclassWnd {
    public:
        explicit Hook(CFilterEdit& owner) : m_owner(owner) {}

    protected:
        bool OnMessage(QEvent* message) override;

    private:
        CFilterEdit& m_owner;
    };

    // True when the event was handled here and the field must not see it.
    bool OnFieldEvent(QEvent* message);
    // A change the filter did not make itself: correct it at once.
    void OnTextChanged();
    void RememberSelection();
    // Sets the field's text without taking it for a change from outside.
    void SetTextDirectly(const QString& text);

    Hook m_hook{*this};
    QPointer<QLineEdit> m_pField;
    // Receiver of the field's signals: its destruction ends them all.
    QObject m_signals;
    Selection m_lastSelection;
    // Set while the filter itself changes the field's text.
    bool m_bChanging = false;
    BeepFunction m_beep;
};
