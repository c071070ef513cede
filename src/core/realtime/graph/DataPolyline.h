#pragma once
// The red line of the samples as a polyline whose length is bounded by the
// plot's pixel columns: where several consecutive samples fall into one
// column, the column keeps its first, lowest, highest and last point. That
// covers exactly the pixels the sample-by-sample line covers.

#include "core/draw/Canvas.h"
#include "core/realtime/graph/GraphFrame.h"

#include <span>
#include <vector>

namespace brivon::graph {

// Replaces `points` with the polyline of `frame.line` over `samples`.
void buildDataPolyline(const GraphFrame& frame, std::span<const float> samples, std::vector<draw::Point>& points);

}  // namespace brivon::graph
