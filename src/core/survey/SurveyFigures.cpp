#include "core/survey/SurveyFigures.h"

#include "core/util/Printf.h"

#include <cmath>

namespace brivon::survey {
namespace {

constexpr double kHundredths = 100.0;
constexpr const char* kFigureFormat = "%.2f";

}  // namespace

double reportedFigure(double value)
{
    return std::round(value * kHundredths) / kHundredths;
}

std::string figureText(double value)
{
    return util::printfString(kFigureFormat, reportedFigure(value));
}

}  // namespace brivon::survey
