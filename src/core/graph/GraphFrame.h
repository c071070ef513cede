#pragma once
// What one paint of a graph plots, worked out by the window's model and drawn
// by the shared painter: the plot, its grid, its labels and the line.

#include "core/graph/GraphGeometry.h"
#include "core/graph/LevelMap.h"

#include <array>
#include <string>
#include <vector>

namespace brivon::graph {

// The samples the line joins: point i at x = x0 + pitch × (i + shift).
struct DataLine {
    int first = 0;
    int last = -1;  // inclusive; no line while last <= first
    int shift = 0;  // the scroll offset
    bool empty() const { return last <= first; }
};

struct GraphFrame {
    GraphGeometry geometry;
    bool footCandles = false;  // samples are plotted in foot-candles against the labels
    LevelMap map;  // the current level
    std::vector<int> gridX;  // vertical grid lines, in plot pixels
    std::array<std::string, kLabelCount> yLabels;
    DataLine line;
};

}  // namespace brivon::graph
