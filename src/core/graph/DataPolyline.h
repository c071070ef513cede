#pragma once
// The red line of the samples, in work bounded by the plot's pixel columns.
// As a polyline: where several consecutive samples fall into one column, the
// column keeps its first, lowest, highest and last point, which covers exactly
// the pixels the sample-by-sample line covers.

#include "core/draw/Canvas.h"
#include "core/graph/GraphFrame.h"

#include <span>
#include <vector>

namespace brivon::graph {

// Replaces `points` with the polyline of `frame.line` over `samples`.
void buildDataPolyline(
    const GraphFrame& frame, std::span<const float> samples, std::vector<draw::Point>& points);

// Where samples are denser than pixels, every column the line crosses is one
// unbroken vertical run: its own points and half of each segment to the
// neighbouring columns. Filling these runs draws the line at a fraction of
// the cost of stroking it, within a pixel of the stroked line.
bool drawsAsColumns(const GraphFrame& frame);
// Replaces `columns` with the one-pixel-wide runs of `frame.line` over `samples`.
void buildDataColumns(
    const GraphFrame& frame, std::span<const float> samples, std::vector<draw::Rect>& columns);

}  // namespace brivon::graph
