#pragma once
// A survey's lux values as a table: the column numbers above, the row numbers
// on the left, two decimals, the minimum in bold and framed. Grids wider than
// the box holds are cut into bands of columns, one under the other; rows and
// font shrink to fit the box, the font down to a readable floor.

#include "core/draw/Canvas.h"
#include "core/survey/SurveyGrid.h"

#include <span>

namespace brivon::report {

// Draws the table from the top of `box`, centred across it; the lowest y it draws at.
int drawSurveyTable(draw::Canvas& canvas, std::span<const survey::SurveyPoint> points, survey::GridSize grid,
    const draw::Rect& box);

}  // namespace brivon::report
