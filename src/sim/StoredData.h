#pragma once
// What the meter keeps in its own memory: manual memory records and data-logger sets.

#include "sim/MeterClock.h"
#include "sim/MeterIndicators.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace brivon::sim {

inline constexpr int kMemoryCapacity = 99;

struct MemoryRecord {
    MeterClock time;
    double lux = 0.0;  // the over-range marker stores "OL"
    int rangeIndex = 2;
    bool footCandle = false;
    MeterMode type = MeterMode::None;
    bool negative = false;
};

struct LoggerRecord {
    double lux = 0.0;  // the over-range marker stores "OL"
    int rangeIndex = 2;
};

struct LoggerSet {
    MeterClock start;
    int samplingInterval = 1;  // seconds
    bool footCandle = false;
    std::vector<LoggerRecord> records;
    // Sent in the set header instead of the unit and the BCD year: a meter
    // whose memory holds bytes it never writes itself.
    std::optional<std::uint8_t> sentUnitByte = std::nullopt;
    std::optional<std::uint8_t> sentYearByte = std::nullopt;
};

}  // namespace brivon::sim
