#pragma once

#include <QEvent>

// What happened to a child control, as it tells its parent window. The values
// are the classic notification codes, so tables keyed by them read familiarly.
enum class NotifyCode : int {
    Clicked = 0,          // a button or check box was clicked
    SelectionChanged = 1, // a list's selection changed
    FocusLost = 0x200,    // an edit field lost the keyboard focus
    // Enter was pressed in a single-line edit field. There is no classic code:
    // a dialog turns it into its default button's click.
    EnterPressed = 0x1000,
};

// One control notification (control id + code), sent as an event to the window
// that holds the control. This is the unit that hooks see and reflect.
class CNotifyEvent : public QEvent {
public:
    CNotifyEvent(int controlId, NotifyCode code)
        : QEvent(EventType()), m_controlId(controlId), m_code(code) {}

    static QEvent::Type EventType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    int ControlId() const { return m_controlId; }
    NotifyCode Code() const { return m_code; }

private:
    int m_controlId;
    NotifyCode m_code;
};

// A window that takes copies of another window's messages (its message map).
// Returns whether it had an entry for the message; one it has no entry for is
// ignored, never replayed on the receiving widget.
class CMessageTarget {
public:
    virtual ~CMessageTarget() = default;
    virtual bool DispatchMessage(QEvent& message) = 0;
};
