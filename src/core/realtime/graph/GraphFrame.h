#pragma once
// Everything one paint of the real-time graph draws, worked out by the model
// and drawn by the painter.

#include "core/realtime/graph/GraphGeometry.h"
#include "core/realtime/graph/LevelMap.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace brivon::graph {

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

// The samples the red line joins: point i at x = x0 + pitch × (i + shift).
struct DataLine {
    int first = 0;
    int last = -1;  // inclusive; no line while last <= first
    int shift = 0;  // the scroll offset
    bool empty() const { return last <= first; }
};

struct GraphFrame {
    GraphGeometry geometry;
    int sampleCount = 0;
    bool footCandles = false;
    bool zoomed = false;
    bool compressed = false;  // the axis was compressed by this paint
    LevelMap map;  // the current level
    std::vector<int> gridX;  // vertical grid lines, in plot pixels
    std::vector<TimeLabel> timeLabels;
    std::array<std::string, kLabelCount> yLabels;
    DataLine line;
    ScrollBarState scrollBar;
};

}  // namespace brivon::graph
