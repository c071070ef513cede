#include "core/survey/SurveyCsv.h"

#include "core/files/CsvExport.h"
#include "core/survey/SurveyFigures.h"

#include <string>

namespace brivon::survey {
namespace {

constexpr const char* kPointsHeader = "row,column,record,lux,time";

}  // namespace

std::string surveyPointsCsv(std::span<const SurveyPoint> points)
{
    std::string csv = std::string(kPointsHeader) + files::kCsvLineEnd;
    for (const SurveyPoint& point : points) {
        csv += files::csvLine({ std::to_string(point.row), std::to_string(point.column),
            std::to_string(point.record), figureText(point.lux), files::csvRecordTime(point.time) });
        csv += files::kCsvLineEnd;
    }
    return csv;
}

}  // namespace brivon::survey
