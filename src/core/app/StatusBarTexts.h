#pragma once
// The main window's status bar: three text panes and the scroll-lock indicator.
// Pane 0 tells the state of the serial link in words a user can act on; panes
// 1 and 2 carry the graph's time and value read-out. A warnings pane beside
// the link pane appears while something keeps the program from keeping data.

#include "core/platform/Clock.h"

#include <array>
#include <optional>
#include <string>

namespace brivon::app::status_bar {

inline constexpr std::array<int, 3> kPaneWidths { 150, 150, 300 };
inline constexpr int kLinkPane = 0;
inline constexpr int kTimePane = 1;
inline constexpr int kDataPane = 2;

// What the link pane is made from.
struct LinkState {
    int portNumber = 1;
    std::string devicePath;  // empty: the port is named by its number only
    std::string lastError;  // the control's last error, empty when none
    std::optional<platform::LocalTime> noAnswerSince;  // the watchdog's first restart of a silence
    bool offline = true;  // no frame yet, or the port went missing
};

// "COM3 (/dev/ttyACM0): " followed by, in this order of precedence: "no such
// device" for a port that does not exist, the control's error (which names
// its cause, e.g. missing permission), "no answer since HH:MM:SS", "waiting
// for the meter" before the first frame, or "meter connected".
std::string linkPaneText(const LinkState& state);

// The warnings pane: an unreadable settings file and a run journal that
// cannot be written, each with its reason; empty when there is neither.
std::string warningPaneText(
    const std::optional<std::string>& settingsProblem, const std::optional<std::string>& journalProblem);

}  // namespace brivon::app::status_bar
