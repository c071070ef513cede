#pragma once
// How a window draws its graph: the plot's colours and pens, the label
// strip's look and the font. Each window fills one value; the painters of
// the shared graph read nothing else.

#include "core/draw/Canvas.h"

namespace brivon::graph {

// The value axis has ten divisions and eleven labels, label 0 at the bottom.
inline constexpr int kDivisions = 10;
inline constexpr int kLabelCount = kDivisions + 1;

struct GraphStyle {
    draw::Color plotBackground;
    draw::Pen gridPen;
    draw::Pen dataPen;
    // Black and inverting, so it shows white on a black plot.
    draw::Pen cursorPen;
    draw::Font font;
    // The label strip left of the plot: its fill, its ticks and its texts.
    draw::Color labelStripColor;
    draw::Pen tickPen;
    int tickLength = 0;
    draw::TextStyle labelTextStyle;
    int labelTextRaise = 0;  // the text's top above its line
    double labelCharPitch = 0.0;  // a label starts this much further right per missing digit
    int labelTextIndent = 0;
};

}  // namespace brivon::graph
