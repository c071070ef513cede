#pragma once
// The main window's status bar: three text panes and the scroll-lock indicator.
// Pane 0 tells the state of the serial link in words a user can act on; panes
// 1 and 2 carry the graph's time and value read-out.

#include "core/link/SerialLink.h"

#include <array>
#include <string>

namespace brivon::app::status_bar {

inline constexpr std::array<int, 3> kPaneWidths { 150, 150, 300 };
inline constexpr int kLinkPane = 0;
inline constexpr int kTimePane = 1;
inline constexpr int kDataPane = 2;

// "COM3: meter connected", "COM3: waiting for the meter", or "COM3: " and the
// last error of the port (which names the cause, e.g. missing permission).
std::string linkPaneText(const link::SerialLink& link, bool offline);

}  // namespace brivon::app::status_bar
