#pragma once
// Draws a laid-out graph frame in a window's style. Each surface is drawn in
// its own coordinates, as the off-screen bitmaps a view copies out: the plot
// (origin at the plot's top left, W × bitmap height) and the label strip
// (origin at its top left).

#include "core/draw/Canvas.h"
#include "core/graph/GraphFrame.h"
#include "core/graph/GraphStyle.h"

#include <span>
#include <vector>

namespace brivon::graph {

class GraphPainter {
public:
    explicit GraphPainter(GraphStyle style)
        : style_(std::move(style))
    {
    }

    const GraphStyle& style() const { return style_; }

    void paintPlot(draw::Canvas& canvas, const GraphFrame& frame, std::span<const float> samples);
    // The labels with their ticks in a strip `strip` left of the plot, its right edge at the plot.
    void paintLabelStrip(draw::Canvas& canvas, const GraphFrame& frame, const draw::Rect& strip) const;

private:
    // Left of a label's text in the label strip: fewer digits sit further right.
    int labelTextX(float value) const;

    GraphStyle style_;
    // Reused from paint to paint.
    std::vector<draw::Point> points_;
    std::vector<draw::Rect> columns_;
};

}  // namespace brivon::graph
