#pragma once
// The meter's range table and display table.

#include <cstdint>

namespace brivon::link {

inline constexpr int kRangeCount = 4;
inline constexpr std::uint8_t kNoRangeYet = 4;
inline constexpr std::uint8_t kNoUnitYet = 2;

struct RangeRow {
    float graphFactor;  // graph count -> lux
    float luxDisplayFactor;  // display count -> shown number, lux
    float fcDisplayFactor;  // display count -> shown number, foot-candles
    float fullScaleFactor;  // sets the graph's Y gain
    const char* luxRangeText;
    const char* fcRangeText;
};

enum class DisplayFormat { TwoDecimals, OneDecimal, Truncated };

struct DisplayRow {
    const char* unitText;
    DisplayFormat format;
    float barFactor;
    float overRangeAt;  // over range when the display value >= this (single precision)
    float shownOverRange;  // display value after over range; 0 = unchanged
};

const RangeRow& rangeRow(int rangeIndex);
const DisplayRow& displayRow(bool footCandle, int rangeIndex);

// Y gain multiplier of the unit: full-scale factor x multiplier is the gain.
inline constexpr int kLuxGainMultiplier = 40;
inline constexpr int kFootCandleGainMultiplier = 4;

}  // namespace brivon::link
