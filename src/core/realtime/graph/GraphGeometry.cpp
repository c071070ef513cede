#include "core/realtime/graph/GraphGeometry.h"

#include "core/realtime/graph/GraphStyle.h"

#include <algorithm>

namespace brivon::graph {

GraphGeometry GraphGeometry::fromClient(const draw::Rect& client)
{
    GraphGeometry g;
    g.client = client;
    g.plot = { client.left + kPlotLeftMargin, client.top + kPlotTopMargin, client.right - kPlotRightMargin,
        client.bottom - kPlotBottomMargin };
    g.labelStrip = { kLabelStripLeft, client.top + kLabelStripTopOffset, g.plot.left,
        g.plot.bottom + kLabelStripBelowPlot };
    const bool narrow = g.plot.right < kRightStripMinX;
    g.rightStrip = { narrow ? kRightStripMinX : g.plot.right, client.top + kRightStripTopOffset,
        narrow ? kRightStripMinX : client.right + kRightStripBeyondClient, g.plot.bottom };
    g.topBand = { kTopBandLeft, g.plot.top, kTopBandLeft + g.plot.right - kTopBandWidthLess,
        g.plot.top + kBandHeight };
    const int bandTop = client.bottom - kBottomBandAboveClientBottom;
    g.bottomBand
        = { g.plot.left, bandTop, g.plot.left + g.width() + kBottomBandExtraWidth, bandTop + kBandHeight };
    g.timeLabelY = client.bottom - kTimeLabelAboveClientBottom;
    return g;
}

draw::Point GraphGeometry::clampToPlot(draw::Point point) const
{
    return { std::clamp(point.x, plot.left, std::max(plot.left, plot.right)),
        std::clamp(point.y, plot.top, std::max(plot.top, plot.bottom)) };
}

}  // namespace brivon::graph
