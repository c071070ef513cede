#pragma once
// How fine a survey grid must be: over an area whose longer side is d metres
// the points lie at most p = 0.2 × 5^log10(d) apart (never more than 10 m),
// so each side needs at least side / p points, rounded up.

#include "core/survey/SurveyGrid.h"

#include <optional>
#include <string>

namespace brivon::survey {

inline constexpr double kLargestSpacing = 10.0;  // metres
// The longest side a survey area may have, in metres: its point counts stay small numbers.
inline constexpr double kLongestAreaSide = 10000.0;

// Metres; a grid's row count is taken along the length, its column count along the width.
struct AreaSize {
    double length = 0.0;
    double width = 0.0;
};

// Why the area has no spacing: a side that is not a positive finite number of
// metres up to the longest side.
std::optional<std::string> areaProblem(AreaSize area);

// The largest spacing allowed, in metres, for an area whose longer side is `longerSide` metres.
double largestSpacing(double longerSide);

struct SpacingCheck {
    double spacing = 0.0;  // the largest allowed, metres
    GridSize leastPoints;  // along the length and along the width, each at least 1
    bool fineEnough = false;  // the grid has at least as many points along each side
};

SpacingCheck checkSpacing(AreaSize area, GridSize grid);

// "spacing: at most 1.39 m, at least 12 x 9 points; the grid 12 x 9 is fine
// enough" (or "is too coarse").
std::string spacingLine(const SpacingCheck& check, GridSize grid);

}  // namespace brivon::survey
