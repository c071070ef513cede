#pragma once
// The meter's counts: the two-byte numbers (hundreds, units) of its frames and
// records, and how a light value in lux becomes one in a given range and unit.

#include <cstdint>

namespace brivon::sim {

inline constexpr int kMaxCount = 9999;
// A count beyond every range's over-range threshold: reads "OL" in frames, memory and logger records.
inline constexpr int kOverRangeCount = kMaxCount;

struct CountBytes {
    std::uint8_t hundreds;
    std::uint8_t units;
};

// The count the meter sends for `lux` in the range and unit (rounded, 0-9999);
// the over-range marker gives kOverRangeCount.
int countFor(double lux, int rangeIndex, bool footCandle);

// The lux value a count stands for (graph factor, foot-candle conversion).
double luxFor(int count, int rangeIndex, bool footCandle);

CountBytes splitCount(int count);

// The range index after `rangeIndex` in the order of the RANGE key: 400, 4k, 40k, 400k, 400 ...
int nextRange(int rangeIndex);

// The smallest range that shows `lux` without over range, in either unit; the largest if none does.
int rangeFor(double lux, bool footCandle);

}  // namespace brivon::sim
