#pragma once
// The eleven Y labels of a zoom level: their values, texts and places.

#include "core/graph/GraphStyle.h"

#include <array>
#include <string>

namespace brivon::graph {

using AxisLabels = std::array<float, kLabelCount>;

// Level 0: label j is (j + offset) x gain, label 0 at the bottom.
AxisLabels levelZeroLabels(int yGain, int yOffset);

// The labels of the level that a selection creates: `selectionTop` and
// `selectionBottom` are the selection's y in pixels, `height` is
// H and `bottomGap` the distance from the selection's bottom to the axis bottom.
// `cutToResolution` cuts the labels to whole tens from 1000 on, else to two decimals.
AxisLabels selectedLabels(const AxisLabels& parent, double selectionTop, double selectionBottom, int height,
    double bottomGap, bool cutToResolution);

}  // namespace brivon::graph
