#pragma once
// The main window's own paint: two bands in the panel colour that frame the
// graph area, right of the plot and above it, behind the child strips.

#include "core/draw/Canvas.h"

namespace brivon {

inline constexpr draw::Color kMainFrameBandColor { 217, 218, 212 };

void paintMainFrame(draw::Canvas& canvas, const draw::Rect& client);

}  // namespace brivon
