#pragma once
// The real-time graph's scale and zoom state, and the arithmetic of one paint:
// the X compression of the whole run, the zoom levels, the first visible
// sample and the scroll offset, the grid, the labels and the samples to join.
// The interaction (nearest sample, selection, zoom, scroll) works on the
// frame the last paint laid out, as the user sees it.

#include "core/graph/ZoomLevels.h"
#include "core/platform/Clock.h"
#include "core/realtime/GraphSeries.h"
#include "core/realtime/RealTimeFrame.h"
#include "core/realtime/XScale.h"

namespace brivon::realtime {

class GraphModel {
public:
    explicit GraphModel(const platform::Clock& clock)
        : clock_(clock)
    {
    }

    // One paint: updates the scale (the first sample of a run resets it) and
    // works out what is drawn in the view's client rectangle.
    RealTimeFrame layout(const GraphSeries& series, const draw::Rect& client);

    // The sample under view x at the current level (any index: the caller checks the range).
    int nearestSample(int x) const;

    // A rubber-band selection on the current level; points are clamped to the plot.
    void startSelection(draw::Point point);
    void endSelection(draw::Point point);
    // Enters the level the selection shows, when the zoom rules allow it.
    bool zoomToSelection();
    // Back to the whole run (not one level back).
    void undoZoom();

    // The scroll strip's thumb position and what moving it to `position` shows.
    int scrollPosition() const { return firstVisible_ - scrollOffset_ + 1; }
    void scrollTo(int position) { scrollOffset_ = firstVisible_ - position + 1; }
    // Samples across the plot at the current level (a page of the scroll strip).
    int samplesPerScreen() const;

    bool zoomed() const { return zoom_.zoomed(); }
    int level() const { return zoom_.level(); }
    int scrollOffset() const { return scrollOffset_; }
    int firstVisibleSample() const { return firstVisible_; }
    int visibleCapacity() const { return xScale_.visibleCapacity(); }
    const graph::GraphGeometry& geometry() const { return geometry_; }
    const graph::LevelMap& currentMap() const { return map_; }

private:
    void placeAutoScale(RealTimeFrame& frame, const GraphSeries& series) const;
    void placeZoomed(RealTimeFrame& frame, const GraphSeries& series);
    std::string timeText(platform::TimeValue t) const;

    const platform::Clock& clock_;
    XScale xScale_;
    graph::ZoomLevels zoom_;
    int scrollOffset_ = 0;
    int firstVisible_ = 0;
    bool scrollPlaced_ = false;
    graph::GraphGeometry geometry_;
    graph::LevelMap map_;
};

}  // namespace brivon::realtime
