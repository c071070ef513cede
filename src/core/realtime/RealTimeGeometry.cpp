#include "core/realtime/RealTimeGeometry.h"

#include "core/realtime/RealTimeStyle.h"

namespace brivon::realtime {

graph::GraphGeometry plotGeometry(const draw::Rect& client)
{
    return graph::GraphGeometry::fromClient(client, kPlotMargins);
}

RealTimeGeometry RealTimeGeometry::around(const graph::GraphGeometry& g)
{
    const draw::Rect& client = g.client;
    RealTimeGeometry r;
    r.labelStrip = { kLabelStripLeft, client.top + kLabelStripTopOffset, g.plot.left,
        g.plot.bottom + kLabelStripBelowPlot };
    const bool narrow = g.plot.right < kRightStripMinX;
    r.rightStrip = { narrow ? kRightStripMinX : g.plot.right, client.top + kRightStripTopOffset,
        narrow ? kRightStripMinX : client.right + kRightStripBeyondClient, g.plot.bottom };
    r.topBand = { kTopBandLeft, g.plot.top, kTopBandLeft + g.plot.right - kTopBandWidthLess,
        g.plot.top + kBandHeight };
    const int bandTop = client.bottom - kBottomBandAboveClientBottom;
    r.bottomBand
        = { g.plot.left, bandTop, g.plot.left + g.width() + kBottomBandExtraWidth, bandTop + kBandHeight };
    r.timeLabelY = client.bottom - kTimeLabelAboveClientBottom;
    return r;
}

}  // namespace brivon::realtime
