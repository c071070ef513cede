#pragma once
// The data-logger graph's scale and zoom state, and the arithmetic of one
// paint: the plot from the client rectangle, level 0 from the set and the
// value axis, the zoom levels composed from the stored selections, the grid,
// labels, time labels and the readings to join. The mouse works on the frame
// the last paint laid out, as the user sees it.

#include "core/graph/YAxisSetting.h"
#include "core/graph/ZoomLevels.h"
#include "core/logger/LoggerFrame.h"
#include "core/logger/LoggerStyle.h"
#include "core/platform/Clock.h"
#include "core/store/CurrentSet.h"

namespace brivon::logger {

// What the graph shows: the current set when there is one, on a value axis.
struct ShownSet {
    const store::CurrentSet* set = nullptr;  // none: an empty graph
    graph::YAxisSetting axis;
};

class LoggerGraph {
public:
    explicit LoggerGraph(const platform::Clock& clock)
        : clock_(clock)
        , zoomScroll_(kZoomRules)
    {
    }

    LoggerFrame layout(const draw::Rect& client, const ShownSet& shown);

    // Whether the cursor and the read-out follow a pointer at client x `x`:
    // over the plot, or one pixel right of it. Beside the plot both stay.
    bool followsPointer(int x) const;
    // The read-out of the reading nearest client x `x`; false (texts kept)
    // when x is beside the plot or there is no such reading.
    bool readOut(int x, const store::CurrentSet& set);
    // The read-out of reading `index`; false (texts kept) when there is no such reading.
    bool readOutSample(int index, const store::CurrentSet& set);
    const std::string& readoutValue() const { return readoutValue_; }
    const std::string& readoutTime() const { return readoutTime_; }

    // Another set is shown: the full view, without the last set's read-out and scroll position.
    void showAnotherSet();

    graph::ZoomScroll& zoomScroll() { return zoomScroll_; }
    const graph::ZoomScroll& zoomScroll() const { return zoomScroll_; }

private:
    void placeLabels(LoggerFrame& frame) const;
    void placeFullView(LoggerFrame& frame, const store::CurrentSet& set) const;
    void placeZoomed(LoggerFrame& frame, const store::CurrentSet& set);
    std::string timeText(platform::TimeValue t) const;

    const platform::Clock& clock_;
    graph::ZoomScroll zoomScroll_;
    std::string readoutValue_;
    std::string readoutTime_;
};

}  // namespace brivon::logger
