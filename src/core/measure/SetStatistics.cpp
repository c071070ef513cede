#include "core/measure/SetStatistics.h"

#include "core/measure/Units.h"
#include "core/measure/ValueText.h"
#include "core/util/Printf.h"

#include <algorithm>

namespace brivon::measure {
namespace {

constexpr const char* kNoFigure = "----";
constexpr const char* kUniformityFormat = "%.2f";
constexpr const char* kDurationFormat = "%lld:%02lld:%02lld";
constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerHour = 3600;

}  // namespace

SetStatistics setStatistics(std::span<const float> lux, std::int64_t periodSeconds)
{
    SetStatistics s;
    double sum = 0.0;
    for (const float value : lux) {
        if (isOverRange(value)) continue;
        s.minimum = s.validCount == 0 ? value : std::min<double>(s.minimum, value);
        s.maximum = s.validCount == 0 ? value : std::max<double>(s.maximum, value);
        sum += value;
        ++s.validCount;
    }
    if (s.validCount > 0) s.average = sum / s.validCount;
    if (s.average > 0) s.uniformity = s.minimum / s.average;
    if (!lux.empty()) s.durationSeconds = static_cast<std::int64_t>(lux.size() - 1) * periodSeconds;
    return s;
}

SetStatisticsTexts setStatisticsTexts(const SetStatistics& statistics, bool footCandles)
{
    SetStatisticsTexts texts;
    if (statistics.validCount == 0) {
        texts.average = texts.minimum = texts.maximum = kNoFigure;
    } else {
        texts.average = statisticText(statistics.average, footCandles);
        texts.minimum = statisticText(statistics.minimum, footCandles);
        texts.maximum = statisticText(statistics.maximum, footCandles);
    }
    texts.uniformity
        = statistics.uniformity ? util::printfString(kUniformityFormat, *statistics.uniformity) : kNoFigure;
    const std::int64_t d = statistics.durationSeconds;
    texts.duration = util::printfString(kDurationFormat, static_cast<long long>(d / kSecondsPerHour),
        static_cast<long long>(d % kSecondsPerHour / kSecondsPerMinute),
        static_cast<long long>(d % kSecondsPerMinute));
    return texts;
}

}  // namespace brivon::measure
