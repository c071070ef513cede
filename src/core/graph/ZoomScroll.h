#pragma once
// The zoom and scroll state both graphs share: the zoom levels and their
// selection, the plot and the current level's map of the last paint (the mouse
// works on the graph as the user sees it), the scroll offset and first visible
// sample of a zoomed view, the step of its grid and when a drag leaves the graph.
// It also fits the current view to the values it shows.

#include "core/graph/FitBand.h"
#include "core/graph/GraphGeometry.h"
#include "core/graph/LevelMap.h"
#include "core/graph/ZoomLevels.h"

#include <optional>
#include <span>

namespace brivon::graph {

// How a zoomed grid works out a quarter, a third or half of the plot width W.
enum class ScreenPart {
    // W divided as an integer (the real-time graph).
    WholePixels,
    // W times 0.25, 0.3333333 (single precision) or 0.5 (the data-logger graph).
    SinglePrecision,
};

// How far a held pointer may go beyond each edge of the plot before the drag ends.
struct DragMargins {
    int above = 0;
    int left = 0;
    int right = 0;
    int below = 0;
};

// What differs between the graphs' zooms.
struct ZoomRules {
    AxisRule axis = AxisRule::CutToResolution;
    ScreenPart screenPart = ScreenPart::WholePixels;
    DragMargins drag;
};

class ZoomScroll {
public:
    explicit ZoomScroll(const ZoomRules& rules)
        : rules_(rules)
        , zoom_(rules.axis)
    {
    }

    // One paint: the plot and level 0 as they are now give the current level's map.
    const LevelMap& layOut(const GraphGeometry& geometry, const LevelMap& levelZero);
    const GraphGeometry& geometry() const { return geometry_; }
    const LevelMap& currentMap() const { return map_; }

    // A drag's corners on the current level; points are clamped to the plot.
    void startSelection(draw::Point point);
    void endSelection(draw::Point point);
    // Enters the level the selection shows, when the zoom rules allow it.
    bool zoomToSelection();
    // Back to level 0, unscrolled.
    void leave();
    bool zoomed() const { return zoom_.zoomed(); }
    int level() const { return zoom_.level(); }
    // Whether a held pointer at `pointer` has left the plot's neighbourhood.
    bool dragLeftGraph(draw::Point pointer) const;

    // At the first zoomed paint after a level was entered: the first visible
    // sample from the current map, and the scroll bar's thumb position for it.
    std::optional<int> placeScrollBar();
    // The thumb position and what moving it to `position` shows.
    int scrollPosition() const { return firstVisible_ - scrollOffset_ + 1; }
    void scrollTo(int position) { scrollOffset_ = firstVisible_ - position + 1; }
    int scrollOffset() const { return scrollOffset_; }
    // The sample at the plot's left edge when the scroll bar was placed.
    int firstVisibleSample() const { return firstVisible_; }
    // Samples across the plot at the current level (a page of the scroll bar).
    int samplesPerScreen() const { return map_.samplesAcross(geometry_.width()); }
    // Samples between the lines of a zoomed grid: a quarter, a third or half
    // a screen when that many samples fit, else one.
    int gridStep() const;
    // The sample nearest plot x `x` (from the plot's left) on the current
    // level, as the zoomed view is scrolled.
    int nearestSample(double x) const { return map_.nearestSample(x, shift()); }

    // The samples of a `count`-long series whose columns lie on the plot.
    SampleSpan shownSamples(int count) const;
    // The client x of the column sample `sample` is drawn in.
    int columnOf(int sample) const;
    // The scroll position that brings `sample` onto a zoomed plot, with as
    // little movement as it takes; nothing when it is on the plot already.
    std::optional<int> scrollPositionShowing(int sample, int count) const;
    // Zooms as a drag over the whole plot width would that spans the band
    // fitting the shown samples (see fitBand). False when there is no such
    // band or the zoom rules refuse it, as they refuse a drag.
    bool zoomToFit(std::span<const float> samples, bool footCandles);

private:
    // How many samples the line is shifted by.
    int shift() const { return zoomed() ? scrollOffset_ : 0; }
    // The plot y of `value` (in the axis unit) on the current level.
    double yOf(double value) const;

    ZoomRules rules_;
    ZoomLevels zoom_;
    GraphGeometry geometry_;
    LevelMap map_;
    int scrollOffset_ = 0;
    int firstVisible_ = 0;
    bool scrollPlaced_ = false;
};

}  // namespace brivon::graph
