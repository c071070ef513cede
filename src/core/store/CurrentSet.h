#pragma once
// The current set: the one series of samples that was loaded from a graph data
// file or chosen from a download, as the document holds it. The data-logger
// window plots, saves and prints it.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "core/platform/Clock.h"

namespace brivon::store {

struct CurrentSet {
    static constexpr int kCapacity = 33000;

    std::int32_t loadedReadingCount = 0;  // "Data No." of the loaded run
    std::int32_t loadedSampleCount = 0;  // 0..kCapacity
    std::array<float, kCapacity> loadedSamples {};  // lux; the over-range marker for "OL"
    platform::TimeValue loadedStartTime = 0;  // time of sample 0
    std::int32_t loadedSamplePeriod = 0;  // seconds between samples
    std::uint8_t loadedUnitFlag = 0;  // 0 = lux, 1 = foot-candles
    platform::LocalTime loadedStart;  // start date and time as a graph file stores it
    std::int32_t loadedGain = 0;  // Y gain per division when the set was written

    // The loaded samples, never more than the set holds.
    std::span<const float> samples() const
    {
        return std::span<const float>(loadedSamples)
            .first(static_cast<std::size_t>(std::clamp(loadedSampleCount, 0, kCapacity)));
    }
};

}  // namespace brivon::store
