#include "sim/MeterCounts.h"

#include "core/link/ScaleTables.h"
#include "core/measure/Units.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brivon::sim {
namespace {

constexpr int kCountsPerHundred = 100;
// Range indexes from the smallest full scale to the largest.
constexpr std::array<int, link::kRangeCount> kRangesByScale { 1, 2, 3, 0 };
// Below the lowest over-range threshold of every unit (foot-candles: 3802).
constexpr int kLargestSafeCount = 3800;

double unitFactor(int rangeIndex, bool footCandle)
{
    const double factor = link::rangeRow(rangeIndex).graphFactor;
    return footCandle ? factor * measure::kFootCandleToLux : factor;
}

}  // namespace

int countFor(double lux, int rangeIndex, bool footCandle)
{
    if (measure::isOverRange(lux)) return kOverRangeCount;
    const double count = std::round(std::fabs(lux) / unitFactor(rangeIndex, footCandle));
    return static_cast<int>(std::min(count, static_cast<double>(kMaxCount)));
}

double luxFor(int count, int rangeIndex, bool footCandle)
{
    return count * unitFactor(rangeIndex, footCandle);
}

CountBytes splitCount(int count)
{
    const int clamped = std::clamp(count, 0, kMaxCount);
    return { static_cast<std::uint8_t>(clamped / kCountsPerHundred),
        static_cast<std::uint8_t>(clamped % kCountsPerHundred) };
}

int nextRange(int rangeIndex)
{
    return (rangeIndex + 1) % link::kRangeCount;
}

int rangeFor(double lux, bool footCandle)
{
    for (const int range : kRangesByScale) {
        if (countFor(lux, range, footCandle) <= kLargestSafeCount) return range;
    }
    return kRangesByScale.back();
}

}  // namespace brivon::sim
