#include "core/download/StoredValue.h"

#include "core/download/DumpLayout.h"
#include "core/link/ScaleTables.h"
#include "core/measure/Units.h"

#include <array>

namespace brivon::download {
namespace {

constexpr int kCountsPerHundred = 100;
// The count at the end of every range: factor × 4000 is its full reading.
constexpr int kRangeEndCount = 4000;
constexpr std::array<int, link::kRangeCount> kFullScales { 40000, 40, 400, 4000 };

int rangeCode(std::uint8_t scale)
{
    return scale & layout::kRangeMask;
}

}  // namespace

int storedCount(std::uint8_t hundreds, std::uint8_t units)
{
    return hundreds * kCountsPerHundred + units;
}

float storedValue(StoredCount stored, OverRangeRule rule)
{
    // count × factor against factor × 4000 is the count against 4000.
    const bool overRange
        = rule == OverRangeRule::Above ? stored.count > kRangeEndCount : stored.count >= kRangeEndCount;
    if (overRange) return measure::kOverRange;
    const float value
        = static_cast<float>(stored.count) * link::rangeRow(rangeCode(stored.scale)).graphFactor;
    return isFootCandle(stored.scale) ? value * measure::kFootCandleToLux : value;
}

int fullScaleOf(std::uint8_t scale)
{
    return kFullScales[static_cast<std::size_t>(rangeCode(scale))];
}

bool isFootCandle(std::uint8_t scale)
{
    return (scale & layout::kFootCandleBit) != 0;
}

}  // namespace brivon::download
