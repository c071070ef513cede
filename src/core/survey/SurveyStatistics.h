#pragma once
// The figures of a light survey's points: their number, the average
// illuminance Ē, Emin, Emax and the uniformities U0 = Emin / Ē and
// Ud = Emin / Emax, in lux and in double.

#include "core/survey/SurveyGrid.h"

#include <optional>
#include <span>

namespace brivon::survey {

struct SurveyStatistics {
    int pointCount = 0;
    double average = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    std::optional<double> u0;  // none when the average is 0
    std::optional<double> ud;  // none when the maximum is 0
};

SurveyStatistics surveyStatistics(std::span<const SurveyPoint> points);

}  // namespace brivon::survey
