#pragma once
// The eleven Y labels of a zoom level: their values, texts and places.

#include "core/graph/GraphStyle.h"

#include <array>
#include <string>

namespace brivon::graph {

using AxisLabels = std::array<float, kLabelCount>;

// Level 0: label j is (j + offset) x gain, label 0 at the bottom.
AxisLabels levelZeroLabels(int yGain, int yOffset);

// The labels of the level that a selection creates: `topFraction` and
// `bottomFraction` are the selection's y as fractions of the plot, `height` is
// H and `bottomGap` the distance from the selection's bottom to the plot's last row.
AxisLabels selectedLabels(
    const AxisLabels& parent, double selectionTop, double selectionBottom, int height, double bottomGap);

}  // namespace brivon::graph
