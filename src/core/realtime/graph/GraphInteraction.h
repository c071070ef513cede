#pragma once
// The rules around the mouse on the real-time graph that need no window: when
// a drag has left the graph, and when the graph's commands are enabled.

#include "core/realtime/graph/GraphGeometry.h"

namespace brivon::graph {

// The drag watch ends a drag once the pointer is this far out of the plot.
inline constexpr int kDragAbovePlot = 3;
inline constexpr int kDragLeftOfPlot = 50;
inline constexpr int kDragClientRightMargin = 20;
inline constexpr int kDragClientBottomMargin = 130;
inline constexpr int kDragWatchMs = 10;
inline constexpr int kWatchdogMs = 2000;

inline bool dragLeftGraph(draw::Point pointer, const GraphGeometry& g)
{
    return pointer.y <= g.plot.top - kDragAbovePlot || pointer.x <= g.plot.left - kDragLeftOfPlot
        || pointer.x >= g.client.right - kDragClientRightMargin
        || pointer.y >= g.client.bottom - kDragClientBottomMargin;
}

// The view's state the command update rules read.
struct GraphCommandState {
    bool idleFrame = false;
    bool runFlag = false;
    int sampleCount = 0;
    bool zoomed = false;
    bool loggerWindowOpen = false;
};

struct GraphCommandEnables {
    bool run = false;
    bool powerOff = false;
    bool stop = false;
    bool save = false;
    bool print = false;
    bool undoZoom = false;
    bool open = false;
    friend bool operator==(const GraphCommandEnables&, const GraphCommandEnables&) = default;
};

inline GraphCommandEnables commandEnables(const GraphCommandState& s)
{
    const bool hasSamples = s.sampleCount >= 1;
    return { s.idleFrame, s.idleFrame, s.runFlag, hasSamples, hasSamples, s.zoomed, !s.loggerWindowOpen };
}

}  // namespace brivon::graph
