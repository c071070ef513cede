#pragma once
// Where the plot and the strips around it lie, from the view's client rectangle.

#include "core/draw/Canvas.h"

namespace brivon::graph {

struct GraphGeometry {
    draw::Rect client;
    draw::Rect plot;  // the plot bitmap, bitmapHeight() tall
    draw::Rect labelStrip;  // the Y labels, left of the plot
    draw::Rect rightStrip;
    // On the main window's client area, in the view's numbers.
    draw::Rect topBand;
    draw::Rect bottomBand;
    int timeLabelY = 0;

    static GraphGeometry fromClient(const draw::Rect& client);

    int width() const { return plot.width(); }  // W
    int bitmapHeight() const { return plot.height(); }
    int height() const { return plot.height() - 1; }  // H: all Y mapping uses it
    // Nothing can be plotted into a plot without area.
    bool drawable() const { return width() > 0 && height() > 0; }
    // The clamped point inside the plot rectangle (both edges included).
    draw::Point clampToPlot(draw::Point point) const;
};

}  // namespace brivon::graph
