#pragma once
// The real-time graph's layout offsets, colours, pens and fonts.

#include "core/graph/GraphGeometry.h"
#include "core/graph/GraphStyle.h"

namespace brivon::realtime {

// Offsets of the plot inside the view's client rectangle.
inline constexpr graph::PlotMargins kPlotMargins { 294, 150, 50, 150 };

// Label strip left of the plot (x fixed, y from the client top).
inline constexpr int kLabelStripLeft = 226;
inline constexpr int kLabelStripTopOffset = 119;
inline constexpr int kLabelStripBelowPlot = 30;

// Right strip beside the plot; it collapses onto x = kRightStripMinX in narrow windows.
inline constexpr int kRightStripTopOffset = 126;
inline constexpr int kRightStripBeyondClient = 10;
inline constexpr int kRightStripMinX = 224;

// Bands drawn on the main window around the plot: above it and under it (behind the time labels).
inline constexpr int kTopBandLeft = 290;
inline constexpr int kTopBandWidthLess = 230;
inline constexpr int kBandHeight = 30;
inline constexpr int kBottomBandAboveClientBottom = 120;
inline constexpr int kBottomBandExtraWidth = 108;
inline constexpr int kTimeLabelAboveClientBottom = 111;
inline constexpr int kFirstTimeLabelIndent = 2;

// Grid.
inline constexpr int kEmptyRunGridLines = 13;
inline constexpr int kAutoScaleGridLines = 14;
inline constexpr int kZoomedGridLines = 10;
inline constexpr int kGridColumns = 12;  // the grid divides the width in twelfths
inline constexpr int kAutoScaleTimeLabels = 5;
inline constexpr int kTimeLabelGridStep = 3;  // an auto-scale time label every third grid line

inline constexpr draw::Color kPlotBackground = draw::rgb(0, 0, 0);
inline constexpr draw::Color kStripColor = draw::kWindowBackground;
inline constexpr draw::Color kButtonFace = draw::kButtonFace;
inline constexpr draw::Color kTextColor = draw::rgb(0, 0, 0);
inline constexpr draw::Color kYLabelBackground = draw::rgb(255, 255, 255);

inline constexpr draw::Pen kGridPen { draw::PenStyle::Dot, 1, draw::rgb(170, 170, 170) };
inline constexpr draw::Pen kDataPen { draw::PenStyle::Solid, 0, draw::rgb(255, 0, 0) };
inline constexpr draw::Pen kCursorPen { draw::PenStyle::Dot, 1, draw::rgb(0, 0, 0),
    draw::RasterOp::NotXorPen };
// An off-screen bitmap's own pen, which draws the label ticks.
inline constexpr draw::Pen kTickPen { draw::PenStyle::Solid, 1, kTextColor };

// The main window's display font (10 points) that the graph's texts use.
inline const draw::Font kDisplayFont { "SimSun", -13, 0, 400 };

inline constexpr const char* kTimeFormat = "%H:%M:%S";

// The shared graph painter's settings for the real-time graph.
inline const graph::GraphStyle kGraphStyle { kPlotBackground, kGridPen, kDataPen, kCursorPen, kDisplayFont,
    kStripColor, kTickPen, 5, draw::TextStyle { kTextColor, draw::TextAlign::Left, kYLabelBackground }, 8,
    7.5, 2 };

}  // namespace brivon::realtime
