#pragma once
// The one-page report of a light survey: the title, the records and their
// times, the figures, the requirement and its verdict, the spacing for an
// area, the points' lux as a table and the grid as a colour map. A grid
// taller than wide has the table and the map side by side, others one above
// the other.

#include "core/draw/Canvas.h"
#include "core/survey/Survey.h"
#include "core/survey/SurveySpacing.h"

#include <optional>
#include <string>

namespace brivon::report {

inline constexpr const char* kDefaultSurveyTitle = "Light survey";

struct SurveyReportDetails {
    std::string title;  // kDefaultSurveyTitle when empty
    survey::GridSize grid;
    survey::Requirement requirement;  // what the survey's result was judged against
    std::optional<survey::AreaSize> area;
};

// "Points: N   Ē: … lx   Emin: … lx   Emax: … lx   U0: …   Ud: …", a
// uniformity there is none of as a dash.
std::string surveyStatisticsLine(const survey::SurveyStatistics& statistics);

// The requirement and whether the survey meets it, or "No requirement given".
std::string surveyRequirementLine(const survey::Requirement& requirement, const survey::Survey& survey);

// Draws the report in report coordinates; `survey` has at least one point.
void drawSurveyReport(draw::Canvas& canvas, const survey::Survey& survey, const SurveyReportDetails& details);

}  // namespace brivon::report
