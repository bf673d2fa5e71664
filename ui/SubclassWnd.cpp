#include "SubclassWnd.h"

#include "Notify.h"

#include <QObject>
#include <unordered_map>

namespace {

// The message being dispatched on this thread; saved and restored around every
// dispatch so that a nested dispatch never disturbs the outer one.
struct CurrentMessage {
    QObject* window = nullptr;
    QEvent* message = nullptr;
};
thread_local CurrentMessage g_current;

} // namespace

// The process-wide registry of hooked widgets and the one event filter shared
// by all of them. Lives from first use to program exit.
class HookRegistry : public QObject {
public:
    static HookRegistry& Instance() {
        static HookRegistry registry;
        return registry;
    }

    CSubclassWnd* Newest(const QObject* window) const {
        const auto it = m_newest.find(window);
        return it == m_newest.end() ? nullptr : it->second;
    }

    void Add(CSubclassWnd* hook, QWidget* window) {
        CSubclassWnd* newest = Newest(window);
        hook->m_pNext = newest;
        m_newest[window] = hook;
        if (newest == nullptr) {
            window->installEventFilter(this);
            m_connections[window] = QObject::connect(window, &QObject::destroyed, this,
                                                     [this, window] { RemoveAll(window, true); });
        }
        hook->m_pWindow = window;
    }

    void Remove(CSubclassWnd* hook, bool windowDying = false) {
        QWidget* window = hook->m_pWindow;
        CSubclassWnd* newest = Newest(window);
        if (hook == newest) {
            if (hook->m_pNext != nullptr) {
                m_newest[window] = hook->m_pNext;
            } else {
                m_newest.erase(window);
                QObject::disconnect(m_connections[window]);
                m_connections.erase(window);
                if (!windowDying) {
                    window->removeEventFilter(this);
                }
            }
        } else {
            for (CSubclassWnd* h = newest; h != nullptr; h = h->m_pNext) {
                if (h->m_pNext == hook) {
                    h->m_pNext = hook->m_pNext;
                    break;
                }
            }
        }
        hook->m_pNext = nullptr;
        hook->m_pWindow = nullptr;
    }

    // Detaches every hook of a widget, newest first.
    void RemoveAll(QObject* window, bool windowDying) {
        while (CSubclassWnd* hook = Newest(window)) {
            Remove(hook, windowDying);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        CSubclassWnd* newest = Newest(watched);
        if (newest == nullptr) {
            return false;
        }
        const CurrentMessage saved = g_current;
        g_current = {watched, event};
        const bool consumed = newest->OnMessage(event);
        g_current = saved;
        return consumed;
    }

private:
    std::unordered_map<const QObject*, CSubclassWnd*> m_newest;
    std::unordered_map<const QObject*, QMetaObject::Connection> m_connections;
};

CSubclassWnd::~CSubclassWnd() {
    Attach(nullptr);
}

bool CSubclassWnd::Attach(QWidget* widget) {
    if (widget == nullptr) {
        if (m_pWindow != nullptr) {
            HookRegistry::Instance().Remove(this);
        }
    } else {
        HookRegistry::Instance().Add(this, widget);
    }
    return true;
}

CSubclassWnd* CSubclassWnd::Lookup(const QObject* widget) {
    return HookRegistry::Instance().Newest(widget);
}

bool CSubclassWnd::OnMessage(QEvent* message) {
    // The end of the chain: let the widget's own event handling run.
    return m_pNext != nullptr ? m_pNext->OnMessage(message) : false;
}

bool CSubclassWnd::PassOn() {
    return g_current.message != nullptr && CSubclassWnd::OnMessage(g_current.message);
}

bool CMsgReflectHook::OnMessage(QEvent* message) {
    if (m_pTarget != nullptr) {
        m_pTarget->DispatchMessage(*message);
    }
    return PassOn();
}
