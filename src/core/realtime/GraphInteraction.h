#pragma once
// The rules around the mouse on the real-time graph that need no window: when
// a drag has left the graph.

#include "core/graph/GraphGeometry.h"

namespace brivon::realtime {

// The drag watch ends a drag once the pointer is this far out of the plot.
inline constexpr int kDragAbovePlot = 3;
inline constexpr int kDragLeftOfPlot = 50;
inline constexpr int kDragClientRightMargin = 20;
inline constexpr int kDragClientBottomMargin = 130;

inline bool dragLeftGraph(draw::Point pointer, const graph::GraphGeometry& g)
{
    return pointer.y <= g.plot.top - kDragAbovePlot || pointer.x <= g.plot.left - kDragLeftOfPlot
        || pointer.x >= g.client.right - kDragClientRightMargin
        || pointer.y >= g.client.bottom - kDragClientBottomMargin;
}

}  // namespace brivon::realtime
