#include "SurveyLines.h"

#include "core/files/CsvExport.h"
#include "core/survey/SurveyFigures.h"

namespace brivon::cli {
namespace {

std::string optionalFigure(const std::optional<double>& figure)
{
    return figure ? survey::figureText(*figure) : std::string();
}

std::string resultText(const std::optional<survey::RequirementResult>& result)
{
    if (!result) return {};
    return result->met() ? "pass" : "fail";
}

}  // namespace

std::string surveySummaryLine(const survey::Survey& survey)
{
    const survey::SurveyStatistics& s = survey.statistics;
    return files::csvLine({ std::to_string(s.pointCount), survey::figureText(s.average),
        survey::figureText(s.minimum), survey::figureText(s.maximum), optionalFigure(s.u0),
        optionalFigure(s.ud), resultText(survey.result) });
}

}  // namespace brivon::cli
