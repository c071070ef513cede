#include "core/survey/SurveyRequirement.h"

#include "core/survey/SurveyFigures.h"
#include "core/util/Printf.h"

#include <cmath>

namespace brivon::survey {
namespace {

constexpr double kHighestUniformity = 1.0;

bool positiveFinite(double value)
{
    return std::isfinite(value) && value > 0;
}

}  // namespace

std::optional<std::string> requirementProblem(const Requirement& requirement)
{
    if (requirement.average && !positiveFinite(*requirement.average))
        return util::printfString(
            "required average illuminance %g lx: not a positive finite number", *requirement.average);
    if (requirement.uniformity
        && !(positiveFinite(*requirement.uniformity) && *requirement.uniformity <= kHighestUniformity))
        return util::printfString(
            "required uniformity %g: not a number above 0 and at most 1", *requirement.uniformity);
    return std::nullopt;
}

RequirementResult judge(const SurveyStatistics& statistics, const Requirement& requirement)
{
    RequirementResult result;
    if (requirement.average) result.averageMet = reportedFigure(statistics.average) >= *requirement.average;
    if (requirement.uniformity)
        result.uniformityMet = statistics.u0 && reportedFigure(*statistics.u0) >= *requirement.uniformity;
    return result;
}

}  // namespace brivon::survey
