#pragma once
// The data-logger graph's layout offsets, colours, pens and font, in the
// window's client coordinates.

#include "core/draw/Canvas.h"
#include "core/graph/GraphGeometry.h"
#include "core/graph/ZoomScroll.h"

namespace brivon::logger {

// Offsets of the plot inside the window's client rectangle (the list lies left of it).
inline constexpr graph::PlotMargins kPlotMargins { 306, 90, 61, 61 };

// Full view: vertical grid lines divide the width in fifteenths.
inline constexpr int kFullViewColumns = 15;
// Zoomed view: ten vertical lines with their time labels.
inline constexpr int kZoomedGridLines = 10;

// Value labels: x = left - kLabelLeft + kLabelCharPitch × indent.
inline constexpr int kLabelLeft = 70;
inline constexpr double kLabelCharPitch = 7.5;
inline constexpr int kTickLength = 3;
// The band under the plot that takes the time labels, wiped before they are drawn.
inline constexpr double kTimeBandLeft = 11.2;
inline constexpr int kTimeBandHeight = 100;
inline constexpr int kFullViewTimeLabelBelow = 8;
inline constexpr int kZoomedTimeLabelBelow = 1;
inline constexpr int kEndTimeLabelFromRight = 55;

// Read-out line above the plot, x from the plot's left.
inline constexpr int kReadoutY = 70;
inline constexpr int kReadoutCaptionX = 50;
inline constexpr int kReadoutValueX = 100;
inline constexpr int kReadoutAtX = 180;
inline constexpr int kReadoutTimeX = 195;
inline constexpr const char* kReadoutCaption = "Light";
inline constexpr const char* kReadoutAt = "@";
// The set's statistics, above the read-out line, from the label column.
inline constexpr int kStatisticsY = 40;
// The toolbar's bottom edge: the margins are repainted from here down.
inline constexpr int kToolbarBottom = 23;

// The drag watch ends a drag once the pointer is this far out of the plot.
inline constexpr int kDragBesidePlot = 50;
inline constexpr int kDragAbovePlot = 20;
inline constexpr int kDragBelowPlot = 40;

// How the graph zooms: exact labels, grid parts in single precision.
inline constexpr graph::ZoomRules kZoomRules { graph::AxisRule::Exact, graph::ScreenPart::SinglePrecision,
    { kDragAbovePlot, kDragBesidePlot, kDragBesidePlot, kDragBelowPlot } };

inline constexpr draw::Color kBackground = draw::kWindowBackground;
inline constexpr draw::Color kPlotBackground = draw::rgb(0, 0, 0);
inline constexpr draw::Pen kGridPen { draw::PenStyle::Solid, 1, draw::rgb(80, 80, 80) };
inline constexpr draw::Pen kAxisPen { draw::PenStyle::Solid, 1, draw::rgb(255, 0, 0) };
inline constexpr draw::Pen kCurvePen { draw::PenStyle::Solid, 0, draw::rgb(255, 0, 0) };
inline constexpr draw::Pen kZoomedGridPen { draw::PenStyle::Solid, 1, draw::rgb(100, 100, 100) };
inline constexpr draw::Pen kCursorPen { draw::PenStyle::Dot, 1, draw::rgb(150, 50, 50),
    draw::RasterOp::NotXorPen };

inline const draw::Font kGraphFont { "Arial", -14, 0, 100 };
// The drawing surface's own text colour and background.
inline constexpr draw::TextStyle kTextStyle { draw::rgb(0, 0, 0), draw::TextAlign::Left,
    draw::rgb(255, 255, 255) };

inline constexpr const char* kTimeFormat = "%H:%M:%S";

}  // namespace brivon::logger
