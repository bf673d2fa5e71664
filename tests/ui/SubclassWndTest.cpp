#include "SubclassWnd.h"
#include "Notify.h"

#include <QApplication>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const QEvent::Type kProbe = static_cast<QEvent::Type>(QEvent::registerEventType());
const QEvent::Type kInner = static_cast<QEvent::Type>(QEvent::registerEventType());

std::string Name(const QEvent* e) {
    if (e->type() == kProbe) {
        return "probe";
    }
    return e->type() == kInner ? "inner" : "other";
}

// A widget that logs the probe events its own event handling sees and answers
// them with a chosen result.
class ProbeWidget : public QWidget {
public:
    explicit ProbeWidget(Log& log, bool result = true) : m_log(log), m_result(result) {}

protected:
    bool event(QEvent* e) override {
        if (e->type() == kProbe || e->type() == kInner) {
            m_log.push_back("widget:" + Name(e));
            return m_result;
        }
        return QWidget::event(e);
    }

private:
    Log& m_log;
    bool m_result;
};

// A hook that logs what it sees and passes it on, or consumes it.
class LoggingHook : public CSubclassWnd {
public:
    LoggingHook(std::string name, Log& log, bool consume = false)
        : m_name(std::move(name)), m_log(log), m_consume(consume) {}

protected:
    bool OnMessage(QEvent* e) override {
        if (e->type() == kProbe || e->type() == kInner) {
            m_log.push_back(m_name + ":" + Name(e));
            if (m_consume) {
                return true;
            }
        }
        return PassOn();
    }

private:
    std::string m_name;
    Log& m_log;
    bool m_consume;
};

bool SendProbe(QWidget& w, QEvent::Type type = kProbe) {
    QEvent e(type);
    return QCoreApplication::sendEvent(&w, &e);
}

TEST(SubclassWnd, NewestHookSeesTheMessageFirstThenOlderThenTheWidget) {
    Log log;
    ProbeWidget widget(log);
    LoggingHook older("older", log), newer("newer", log);
    older.Attach(&widget);
    newer.Attach(&widget);
    EXPECT_EQ(CSubclassWnd::Lookup(&widget), &newer);
    SendProbe(widget);
    EXPECT_EQ(log, (Log{"newer:probe", "older:probe", "widget:probe"}));
}

TEST(SubclassWnd, DetachingEitherOfTwoHooksLeavesTheOtherWorking) {
    struct Row {
        const char* name;
        bool detachNewer;
        Log expected;
    };
    const Row rows[] = {
        {"detach newer", true, {"older:probe", "widget:probe"}},
        {"detach older", false, {"newer:probe", "widget:probe"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Log log;
        ProbeWidget widget(log);
        LoggingHook older("older", log), newer("newer", log);
        older.Attach(&widget);
        newer.Attach(&widget);
        (row.detachNewer ? newer : older).Attach(nullptr);
        SendProbe(widget);
        EXPECT_EQ(log, row.expected);
    }
}

TEST(SubclassWnd, DetachingTheLastHookRestoresTheUnhookedWidget) {
    Log log;
    ProbeWidget widget(log);
    LoggingHook hook("hook", log);
    hook.Attach(&widget);
    hook.Attach(nullptr);
    EXPECT_FALSE(hook.IsAttached());
    EXPECT_EQ(CSubclassWnd::Lookup(&widget), nullptr);
    SendProbe(widget);
    EXPECT_EQ(log, (Log{"widget:probe"}));
    // Detaching a detached hook does nothing.
    hook.Attach(nullptr);
    EXPECT_FALSE(hook.IsAttached());
}

TEST(SubclassWnd, DestroyingTheWidgetDetachesEveryHook) {
    Log log;
    LoggingHook a("a", log), b("b", log);
    {
        ProbeWidget widget(log);
        a.Attach(&widget);
        b.Attach(&widget);
    }
    EXPECT_FALSE(a.IsAttached());
    EXPECT_FALSE(b.IsAttached());
    ProbeWidget other(log);
    a.Attach(&other);
    SendProbe(other);
    EXPECT_EQ(log, (Log{"a:probe", "widget:probe"}));
}

TEST(SubclassWnd, HookDestroyedWhileAttachedDetachesItself) {
    Log log;
    ProbeWidget widget(log);
    LoggingHook older("older", log);
    older.Attach(&widget);
    {
        LoggingHook newer("newer", log);
        newer.Attach(&widget);
    }
    EXPECT_EQ(CSubclassWnd::Lookup(&widget), &older);
    SendProbe(widget);
    EXPECT_EQ(log, (Log{"older:probe", "widget:probe"}));
}

TEST(SubclassWnd, ConsumingHookKeepsTheMessageFromOlderHooksAndTheWidget) {
    Log log;
    ProbeWidget widget(log, false);
    LoggingHook older("older", log), newer("newer", log, true);
    older.Attach(&widget);
    newer.Attach(&widget);
    EXPECT_TRUE(SendProbe(widget));
    EXPECT_EQ(log, (Log{"newer:probe"}));
}

// A hook whose handling of the probe sends another message to the same widget
// before passing the probe on.
class NestingHook : public CSubclassWnd {
protected:
    bool OnMessage(QEvent* e) override {
        if (e->type() == kProbe) {
            SendProbe(*Window(), kInner);
        }
        return PassOn();
    }
};

TEST(SubclassWnd, NestedDispatchKeepsTheOuterMessage) {
    Log log;
    ProbeWidget widget(log);
    LoggingHook older("older", log);
    NestingHook nesting;
    older.Attach(&widget);
    nesting.Attach(&widget);
    SendProbe(widget);
    EXPECT_EQ(log, (Log{"older:inner", "widget:inner", "older:probe", "widget:probe"}));
}

// A message map that handles only notifications of one control.
class Target : public CMessageTarget {
public:
    bool DispatchMessage(QEvent& message) override {
        ++seen;
        if (message.type() == CNotifyEvent::EventType() &&
            static_cast<CNotifyEvent&>(message).ControlId() == 1074) {
            ++handled;
            return true;
        }
        return false;
    }
    int seen = 0;
    int handled = 0;
};

TEST(MsgReflectHook, TargetSeesEachMessageOnceAndTheWidgetsResultIsReturned) {
    for (const bool widgetResult : {true, false}) {
        Log log;
        ProbeWidget widget(log, widgetResult);
        Target target;
        CMsgReflectHook hook;
        hook.SetTarget(&target);
        hook.Attach(&widget);
        CNotifyEvent click(1074, NotifyCode::Clicked);
        QCoreApplication::sendEvent(&widget, &click);
        EXPECT_EQ(target.handled, 1);
        EXPECT_EQ(SendProbe(widget), widgetResult);
        EXPECT_EQ(log, (Log{"widget:probe"}));
        EXPECT_EQ(target.seen, 2);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
