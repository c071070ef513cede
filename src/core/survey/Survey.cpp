#include "core/survey/Survey.h"

namespace brivon::survey {

SurveyOutcome makeSurvey(const store::MemoryBlock& block, const SurveyRequest& request)
{
    if (auto problem = requirementProblem(request.requirement)) return { std::nullopt, std::move(*problem) };
    SurveyPoints points = surveyPoints(block, request.grid, request.records);
    if (!points.ok()) return { std::nullopt, std::move(points.refusal) };
    Survey survey;
    survey.statistics = surveyStatistics(points.points);
    if (request.requirement.given()) survey.result = judge(survey.statistics, request.requirement);
    survey.points = std::move(points.points);
    return { std::move(survey), {} };
}

}  // namespace brivon::survey
