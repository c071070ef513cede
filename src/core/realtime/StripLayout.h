#pragma once
// Where the strips around the real-time graph go when the window is resized.

#include "core/draw/Canvas.h"

#include <optional>

namespace brivon::realtime {

struct StripPlacement {
    draw::Rect realTime;
    std::optional<draw::Rect> statistics;  // none: too short, it stays where it was
    draw::Rect meterPanel;
    std::optional<draw::Rect> scroll;  // likewise
};

// `client` is the main window's client rectangle (toolbar and status bar included).
StripPlacement placeStrips(const draw::Rect& client);

}  // namespace brivon::realtime
