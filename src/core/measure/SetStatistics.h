#pragma once
// The figures a light survey asks of a set of readings: average, minimum and
// maximum (over-range readings excluded), the uniformity Emin/Eavg and the
// duration. Computed once here for the windows, the reports and the command line.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace brivon::measure {

struct SetStatistics {
    int validCount = 0;  // readings that are not over range
    double average = 0.0;  // lux
    double minimum = 0.0;
    double maximum = 0.0;
    std::optional<double> uniformity;  // Emin/Eavg; none without a positive average
    std::int64_t durationSeconds = 0;  // from the first to the last reading
};

// `lux` are the set's readings; `periodSeconds` the time between two of them.
SetStatistics setStatistics(std::span<const float> lux, std::int64_t periodSeconds);

struct SetStatisticsTexts {
    std::string average;  // as the statistics strip shows a value, in the set's unit
    std::string minimum;
    std::string maximum;
    std::string uniformity;  // "%.2f", or "----" when there is none
    std::string duration;  // "H:MM:SS"
};

SetStatisticsTexts setStatisticsTexts(const SetStatistics& statistics, bool footCandles);

}  // namespace brivon::measure
