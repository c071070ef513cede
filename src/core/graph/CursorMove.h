#pragma once
// The keys that move a graph's cursor from sample to sample.

#include "core/graph/FitBand.h"

#include <optional>

namespace brivon::graph {

enum class CursorMove {
    Back,  // Left
    Forward,  // Right
    BackTen,  // Shift+Left
    ForwardTen,  // Shift+Right
    FirstShown,  // Home
    LastShown,  // End
};

// The sample the cursor goes to from `current` (nothing: no cursor yet, so it
// starts at the first shown sample, or the last for End), kept within the
// `count` samples of the series. Nothing when there is no sample to go to.
std::optional<int> movedCursor(std::optional<int> current, CursorMove move, SampleSpan shown, int count);

}  // namespace brivon::graph
