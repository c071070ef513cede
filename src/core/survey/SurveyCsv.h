#pragma once
// A survey's points as CSV, in the form of the other CSV exports:
// "row,column,record,lux,time", lux to two decimals, the record's time as
// YYYY-MM-DDTHH:MM:SS.

#include "core/survey/SurveyGrid.h"

#include <span>
#include <string>

namespace brivon::survey {

std::string surveyPointsCsv(std::span<const SurveyPoint> points);

}  // namespace brivon::survey
