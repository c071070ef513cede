#include "core/graph/GraphGeometry.h"

#include <algorithm>

namespace brivon::graph {

GraphGeometry GraphGeometry::fromClient(const draw::Rect& client, const PlotMargins& margins)
{
    return { client,
        { client.left + margins.left, client.top + margins.top, client.right - margins.right,
            client.bottom - margins.bottom } };
}

draw::Point GraphGeometry::clampToPlot(draw::Point point) const
{
    return { std::clamp(point.x, plot.left, std::max(plot.left, plot.right)),
        std::clamp(point.y, plot.top, std::max(plot.top, plot.bottom)) };
}

}  // namespace brivon::graph
