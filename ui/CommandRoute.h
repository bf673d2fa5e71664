#pragma once

#include <QString>

// The interfaces of the command route: who handles a command id, who carries
// one along the whole route, and where a one-line status text goes.

// A link of the command route: handles command ids and reports their state.
class CCommandTarget {
public:
    struct CommandState {
        bool enabled = true;
        bool checked = false;
    };
    virtual ~CCommandTarget() = default;
    // Runs the command; false when this target has no handler for it.
    virtual bool OnCommand(int id) = 0;
    // Fills the command's state; false when this target has no handler for it.
    virtual bool OnUpdateCommand(int id, CommandState& state) = 0;
};

// The window that carries a command along the whole route (the main frame):
// whoever raises a command without knowing its handler hands it here.
class CCommandRouter {
public:
    virtual ~CCommandRouter() = default;
    virtual bool RouteCommand(int id) = 0;
};

// The window with a one-line status text (the main frame's status bar):
// whoever has a message for it finds it as its top-level window.
class CStatusText {
public:
    virtual ~CStatusText() = default;
    virtual void SetStatusText(const QString& text) = 0;
    // A permanent field at the right of the status bar: what the screen makes
    // of the symbol's sizes.
    virtual void SetAchievedSizeText(const QString& /*text*/) {}
};
