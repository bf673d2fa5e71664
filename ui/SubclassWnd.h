#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>

class CMessageTarget;

// A hook that sees every event sent to a widget that other code created and
// owns, before the widget does, without deriving from the widget's class.
// Several hooks may sit on one widget: they form a chain, newest first, that
// ends in the widget's own event handling.
//
// One shared event filter is installed on a widget exactly while at least one
// hook is attached to it; a registry maps each hooked widget to its newest
// hook, and older hooks are reached through the chain. When the widget is
// destroyed every hook is detached and may be attached elsewhere.
class CSubclassWnd {
public:
    CSubclassWnd() = default;
    virtual ~CSubclassWnd();
    CSubclassWnd(const CSubclassWnd&) = delete;
    CSubclassWnd& operator=(const CSubclassWnd&) = delete;

    // Attaches the hook to the widget as its newest hook, or detaches it when
    // widget is null. Attach a hook only while it is detached. Always true.
    bool Attach(QWidget* widget);

    QWidget* Window() const { return m_pWindow; }
    bool IsAttached() const { return m_pWindow != nullptr; }

    // The newest hook attached to a widget, or null.
    static CSubclassWnd* Lookup(const QObject* widget);

protected:
    // Sees one message. Returns true when the message is consumed here (the
    // widget never sees it), false when it goes on to the widget's own event
    // handling, whose result is then what the sender gets. The base behaviour
    // passes the message to the next older hook, or ends the chain.
    virtual bool OnMessage(QEvent* message);

    // Passes the message being dispatched on this thread to the older hooks and
    // the widget, through the base behaviour (never an override).
    bool PassOn();

private:
    friend class HookRegistry;

    QWidget* m_pWindow = nullptr;
    CSubclassWnd* m_pNext = nullptr; // next older hook on the same widget
};

// Delivers a copy of every message its widget receives to a target's message
// dispatch first, then lets the widget handle it as if unhooked.
class CMsgReflectHook : public CSubclassWnd {
public:
    void SetTarget(CMessageTarget* target) { m_pTarget = target; }
    CMessageTarget* Target() const { return m_pTarget; }

protected:
    bool OnMessage(QEvent* message) override;

private:
    CMessageTarget* m_pTarget = nullptr;
};
