#pragma once
// A stored reading of the meter (a memory record or a data-logger record) as
// a lux value: count × the range's factor, × 1.076 for foot-candles, or the
// over-range marker. Over range is judged on count × factor, before the
// foot-candle conversion, so a foot-candle reading inside its range is never
// shown as "OL".

#include <cstdint>

namespace brivon::download {

enum class OverRangeRule {
    Above,  // memory records: over range when count × factor > factor × 4000
    AtOrAbove,  // data-logger records: over range when count × factor >= factor × 4000
};

struct StoredCount {
    int count;  // hundreds × 100 + units
    std::uint8_t scale;  // bits 0-1 range code, bit 2 foot-candles
};

// The count of the two plain count bytes.
int storedCount(std::uint8_t hundreds, std::uint8_t units);

float storedValue(StoredCount stored, OverRangeRule rule);

// The full scale of the range code: 40000, 40, 400 or 4000.
int fullScaleOf(std::uint8_t scale);

bool isFootCandle(std::uint8_t scale);

}  // namespace brivon::download
