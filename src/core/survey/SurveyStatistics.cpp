#include "core/survey/SurveyStatistics.h"

#include <algorithm>

namespace brivon::survey {

SurveyStatistics surveyStatistics(std::span<const SurveyPoint> points)
{
    SurveyStatistics s;
    if (points.empty()) return s;
    double sum = 0.0;
    s.minimum = s.maximum = points.front().lux;
    for (const SurveyPoint& point : points) {
        sum += point.lux;
        s.minimum = std::min(s.minimum, point.lux);
        s.maximum = std::max(s.maximum, point.lux);
    }
    s.pointCount = static_cast<int>(points.size());
    s.average = sum / s.pointCount;
    if (s.average > 0) s.u0 = s.minimum / s.average;
    if (s.maximum > 0) s.ud = s.minimum / s.maximum;
    return s;
}

}  // namespace brivon::survey
