#pragma once
// Which of the main window's commands are enabled and checked, from the state
// of the run, the data-logger window and the serial link. The Qt window asks
// before it shows a menu or refreshes the toolbar.

#include "core/app/RunControl.h"
#include "core/link/SerialLink.h"
#include "core/realtime/RunBookkeeping.h"

#include <optional>

namespace brivon::app {

struct CommandState {
    bool enabled = true;
    bool checked = false;

    bool operator==(const CommandState&) const = default;
};

struct CommandInputs {
    const RunControl& runControl;
    const realtime::RunBookkeeping& run;
    const link::SerialLink& link;
    bool loggerWindowOpen;
    bool offline;  // no meter on line
};

// The state of command `id`; nothing for commands whose state is decided
// elsewhere (UndoZoom by the graph's zoom) or that have no update rule.
std::optional<CommandState> commandUpdate(int id, const CommandInputs& inputs);

}  // namespace brivon::app
