#pragma once
// A survey's grid as a colour map: each point's lux at the centre of its
// cell, bilinear between the centres (flat beyond the outer ones), drawn as
// small filled cells; the points marked; and the legend bar of the colours
// from Emin to Emax.

#include "core/draw/Canvas.h"
#include "core/survey/SurveyGrid.h"

#include <span>

namespace brivon::report {

// The colour of `lux` on the scale from `low` to `high` (dark blue to
// violet through green to yellow, lighter as it rises); the middle of the scale when they are equal.
draw::Color colourOf(double lux, double low, double high);

// The lux of the grid at (row, column) in cell units from the first cell's
// centre, e.g. (0.5, 0) halfway between rows 1 and 2 of column 1.
double interpolatedLux(
    std::span<const survey::SurveyPoint> points, survey::GridSize grid, double row, double column);

// The map in square cells as large as fit `box`, centred across it and at its
// top; the rectangle it covers.
draw::Rect drawColourMap(draw::Canvas& canvas, std::span<const survey::SurveyPoint> points,
    survey::GridSize grid, const draw::Rect& box, double low, double high);

// How far down from its top the legend draws.
inline constexpr int kColourLegendHeight = 40;

// The bar `width` units long from `topLeft`, with `low` and `high` in lux
// under its ends.
void drawColourLegend(draw::Canvas& canvas, draw::Point topLeft, int width, double low, double high);

}  // namespace brivon::report
