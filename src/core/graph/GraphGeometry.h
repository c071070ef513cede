#pragma once
// Where a window's plot lies: its client rectangle less the window's margins.

#include "core/draw/Canvas.h"

namespace brivon::graph {

// Offsets of the plot's edges from the client rectangle's edges.
struct PlotMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct GraphGeometry {
    draw::Rect client;
    draw::Rect plot;  // the plot bitmap, bitmapHeight() tall

    static GraphGeometry fromClient(const draw::Rect& client, const PlotMargins& margins);

    int width() const { return plot.width(); }  // W
    int bitmapHeight() const { return plot.height(); }
    int height() const { return plot.height() - 1; }  // H: all Y mapping uses it
    // Nothing can be plotted into a plot without area.
    bool drawable() const { return width() > 0 && height() > 0; }
    // The clamped point inside the plot rectangle (both edges included).
    draw::Point clampToPlot(draw::Point point) const;
};

}  // namespace brivon::graph
