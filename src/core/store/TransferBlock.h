#pragma once
// The sets of the last data-logger download as the download leaves them: the
// readings of all sets one after the other, and per set its start time,
// sampling rate, unit and the full scale of the range it was recorded in.

#include "core/platform/Clock.h"

#include <cstdint>
#include <span>
#include <vector>

namespace brivon::store {

struct TransferBlock {
    std::vector<float> readings;  // lux, set after set
    std::vector<platform::TimeValue> startTimes;
    std::vector<std::int32_t> samplingRates;  // seconds between two readings
    std::vector<std::uint8_t> unitFlags;  // 0 = lux, 1 = foot-candles
    // Set i holds readings [startIndexes[i], startIndexes[i + 1]); one more entry than sets.
    std::vector<std::int32_t> startIndexes;
    std::vector<std::int32_t> fullScales;  // 40, 400, 4000 or 40000
    bool allocated = false;  // a download has filled the arrays

    int setCount() const;
    // The readings of set `set`; empty for a set the arrays do not describe.
    std::span<const float> setReadings(int set) const;
    // Frees the arrays; true when there were arrays to free.
    bool release();
};

}  // namespace brivon::store
