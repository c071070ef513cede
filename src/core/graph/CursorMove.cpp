#include "core/graph/CursorMove.h"

#include <algorithm>

namespace brivon::graph {
namespace {

// Shift moves the cursor this many samples at a time.
constexpr int kLongStep = 10;

int stepOf(CursorMove move)
{
    switch (move) {
    case CursorMove::Back:
        return -1;
    case CursorMove::Forward:
        return 1;
    case CursorMove::BackTen:
        return -kLongStep;
    case CursorMove::ForwardTen:
        return kLongStep;
    case CursorMove::FirstShown:
    case CursorMove::LastShown:
        break;
    }
    return 0;
}

}  // namespace

std::optional<int> movedCursor(std::optional<int> current, CursorMove move, SampleSpan shown, int count)
{
    if (count <= 0) return std::nullopt;
    const bool toShownEnd = !current || move == CursorMove::FirstShown || move == CursorMove::LastShown;
    if (toShownEnd && shown.empty()) return std::nullopt;
    int target = 0;
    if (move == CursorMove::LastShown)
        target = shown.last;
    else if (toShownEnd)
        target = shown.first;
    else
        target = *current + stepOf(move);
    return std::clamp(target, 0, count - 1);
}

}  // namespace brivon::graph
