#pragma once
// What brivon-cli survey prints on standard output: a CSV summary of the
// survey (an area adds survey::spacingLine).

#include "core/survey/Survey.h"

#include <string>

namespace brivon::cli {

inline constexpr const char* kSurveyCsvHeader = "points,average,minimum,maximum,u0,ud,result";

// The figures to two decimals, an empty field for a uniformity there is none
// of, and "pass", "fail" or nothing without a requirement.
std::string surveySummaryLine(const survey::Survey& survey);

}  // namespace brivon::cli
