#pragma once
// The real-time graph's scale and the arithmetic of one paint: the X
// compression of the whole run, the grid, the labels and the samples to join,
// on the zoom and scroll state of the last paint.

#include "core/graph/ZoomScroll.h"
#include "core/platform/Clock.h"
#include "core/realtime/GraphInteraction.h"
#include "core/realtime/GraphSeries.h"
#include "core/realtime/RealTimeFrame.h"
#include "core/realtime/XScale.h"

namespace brivon::realtime {

class GraphModel {
public:
    explicit GraphModel(const platform::Clock& clock)
        : clock_(clock)
        , zoomScroll_(kZoomRules)
    {
    }

    // One paint: updates the scale (the first sample of a run resets it) and
    // works out what is drawn in the view's client rectangle.
    RealTimeFrame layout(const GraphSeries& series, const draw::Rect& client);

    // The sample under view x at the current level (any index: the caller checks the range).
    int nearestSample(int x) const;

    // Back to the whole run (not one level back).
    void undoZoom();

    graph::ZoomScroll& zoomScroll() { return zoomScroll_; }
    const graph::ZoomScroll& zoomScroll() const { return zoomScroll_; }
    int visibleCapacity() const { return xScale_.visibleCapacity(); }

private:
    void placeAutoScale(RealTimeFrame& frame, const GraphSeries& series) const;
    void placeZoomed(RealTimeFrame& frame, const GraphSeries& series);
    std::string timeText(platform::TimeValue t) const;

    const platform::Clock& clock_;
    XScale xScale_;
    graph::ZoomScroll zoomScroll_;
};

}  // namespace brivon::realtime
