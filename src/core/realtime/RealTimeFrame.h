#pragma once
// Everything one paint of the real-time graph draws: the shared graph's plot
// and labels, and the time labels, bands and scroll bar around it.

#include "core/graph/GraphFrame.h"
#include "core/realtime/RealTimeGeometry.h"

#include <optional>
#include <string>
#include <vector>

namespace brivon::realtime {

struct TimeLabel {
    int x = 0;  // on the main window, in the view's numbers
    std::string text;
};

// The scroll strip's bar: enabled with a range while zoomed.
struct ScrollBarState {
    bool enabled = false;
    int maximum = 0;
    std::optional<int> position;  // set when the paint placed the thumb
};

struct RealTimeFrame : graph::GraphFrame {
    RealTimeGeometry strips;
    int sampleCount = 0;
    bool zoomed = false;
    bool compressed = false;  // the axis was compressed by this paint
    std::vector<TimeLabel> timeLabels;
    ScrollBarState scrollBar;
};

}  // namespace brivon::realtime
