#pragma once
// Draws a laid-out frame of the real-time graph. Each surface is drawn in its
// own coordinates, as the off-screen bitmaps the view copies out: the plot
// (origin at the plot's top left, W × bitmap height), the label strip and the
// right strip (origins at their top left), and the bands and time labels on the
// main window (in the view's numbers).

#include "core/draw/Canvas.h"
#include "core/realtime/graph/GraphFrame.h"

#include <span>
#include <vector>

namespace brivon::graph {

class GraphPainter {
public:
    void paintPlot(draw::Canvas& canvas, const GraphFrame& frame, std::span<const float> samples);
    void paintLabelStrip(draw::Canvas& canvas, const GraphFrame& frame) const;
    void paintRightStrip(draw::Canvas& canvas, const GraphFrame& frame) const;
    void paintMainWindowBands(draw::Canvas& canvas, const GraphFrame& frame) const;

private:
    // Reused from paint to paint.
    std::vector<draw::Point> points_;
    std::vector<draw::Rect> columns_;
};

}  // namespace brivon::graph
