#pragma once
// How the real-time graph zooms: labels cut to the meter's resolution, grid
// parts of whole pixels, and how far out of the plot a drag may wander.

#include "core/graph/ZoomScroll.h"
#include "core/realtime/RealTimeStyle.h"

namespace brivon::realtime {

// The drag watch ends a drag once the pointer is this far out of the plot or
// this close to the client's right and bottom edges.
inline constexpr int kDragAbovePlot = 3;
inline constexpr int kDragLeftOfPlot = 50;
inline constexpr int kDragClientRightMargin = 20;
inline constexpr int kDragClientBottomMargin = 130;

inline constexpr graph::ZoomRules kZoomRules { graph::AxisRule::CutToResolution,
    graph::ScreenPart::WholePixels,
    { kDragAbovePlot, kDragLeftOfPlot, kPlotMargins.right - kDragClientRightMargin,
        kPlotMargins.bottom - kDragClientBottomMargin } };

}  // namespace brivon::realtime
