#pragma once

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
