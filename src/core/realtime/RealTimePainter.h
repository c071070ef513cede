#pragma once
// Draws a laid-out frame of the real-time graph: the shared graph's plot and
// label strip, the right strip, and the bands and time labels on the main
// window (in the view's numbers). Each surface in its own coordinates, as
// the off-screen bitmaps the view copies out.

#include "core/draw/Canvas.h"
#include "core/graph/GraphPainter.h"
#include "core/realtime/RealTimeFrame.h"

#include <span>

namespace brivon::realtime {

class RealTimePainter {
public:
    RealTimePainter();

    void paintPlot(draw::Canvas& canvas, const RealTimeFrame& frame, std::span<const float> samples);
    void paintLabelStrip(draw::Canvas& canvas, const RealTimeFrame& frame) const;
    void paintRightStrip(draw::Canvas& canvas, const RealTimeFrame& frame) const;
    void paintMainWindowBands(draw::Canvas& canvas, const RealTimeFrame& frame) const;

private:
    graph::GraphPainter graph_;
};

}  // namespace brivon::realtime
