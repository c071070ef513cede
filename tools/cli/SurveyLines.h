#pragma once
// What brivon-cli survey prints on standard output: a CSV summary of the
// survey, then, for an area, one line on the grid spacing.

#include "core/survey/Survey.h"
#include "core/survey/SurveySpacing.h"

#include <string>

namespace brivon::cli {

inline constexpr const char* kSurveyCsvHeader = "points,average,minimum,maximum,u0,ud,result";

// The figures to two decimals, an empty field for a uniformity there is none
// of, and "pass", "fail" or nothing without a requirement.
std::string surveySummaryLine(const survey::Survey& survey);

// "spacing: at most 1.39 m, at least 12 x 9 points; the grid 12 x 9 is fine
// enough" (or "is too coarse").
std::string spacingLine(const survey::SpacingCheck& check, survey::GridSize grid);

}  // namespace brivon::cli
