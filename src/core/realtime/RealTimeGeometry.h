#pragma once
// Where the real-time graph's plot lies in the view, and the strips and bands
// the view draws around it.

#include "core/graph/GraphGeometry.h"

namespace brivon::realtime {

// The plot of a view with this client rectangle.
graph::GraphGeometry plotGeometry(const draw::Rect& client);

struct RealTimeGeometry {
    draw::Rect labelStrip;  // the Y labels, left of the plot
    draw::Rect rightStrip;
    // On the main window's client area, in the view's numbers.
    draw::Rect topBand;
    draw::Rect bottomBand;
    int timeLabelY = 0;

    static RealTimeGeometry around(const graph::GraphGeometry& g);
};

}  // namespace brivon::realtime
