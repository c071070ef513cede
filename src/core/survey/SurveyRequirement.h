#pragma once
// What a working area must reach: a maintained average illuminance and a
// uniformity U0, e.g. Ē ≥ 500 lx with U0 ≥ 0.60; and whether a survey does.

#include "core/survey/SurveyStatistics.h"

#include <optional>
#include <string>

namespace brivon::survey {

struct Requirement {
    std::optional<double> average;  // lux
    std::optional<double> uniformity;  // U0

    bool given() const { return average || uniformity; }
};

// Why the requirement cannot be judged against: an average that is not a
// positive finite number, a uniformity that is not one above 0 and at most 1.
std::optional<std::string> requirementProblem(const Requirement& requirement);

struct RequirementResult {
    std::optional<bool> averageMet;  // none when no average is required
    std::optional<bool> uniformityMet;  // none when no uniformity is required

    bool met() const { return averageMet.value_or(true) && uniformityMet.value_or(true); }
};

// Each given part judged on the figures as reported; no U0 meets no uniformity.
RequirementResult judge(const SurveyStatistics& statistics, const Requirement& requirement);

}  // namespace brivon::survey
