#pragma once
// Everything one paint of the data-logger graph draws, worked out by the
// graph model and drawn by the painter.

#include "core/graph/GraphFrame.h"

#include <optional>
#include <string>
#include <vector>

namespace brivon::logger {

struct PlacedText {
    draw::Point at;
    std::string text;
    friend bool operator==(const PlacedText&, const PlacedText&) = default;
};

// The scroll bar under the graph: a range while zoomed, a position when the paint placed it.
struct LoggerScrollBar {
    bool enabled = false;
    int maximum = 0;
    std::optional<int> position;
};

struct LoggerFrame {
    graph::GraphGeometry geometry;  // the plot: left, top, right, bottom
    // Without a set only the plot's background, grid, axes and ticks are drawn.
    bool showsSet = false;
    bool fullView = true;
    std::vector<int> gridX;  // vertical grid lines
    std::vector<PlacedText> valueLabels;
    std::vector<PlacedText> timeLabels;
    // The readings' line, in coordinates from the plot's top left, rows top to bottom both drawn.
    graph::GraphFrame curve;
    LoggerScrollBar scrollBar;
    std::string statistics;  // empty without a set
    std::string readoutValue;
    std::string readoutTime;
};

}  // namespace brivon::logger
