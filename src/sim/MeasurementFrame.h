#pragma once
// Encodes what the meter's display shows into one 19-byte measurement frame.

#include "core/link/MeterProtocol.h"
#include "sim/MeterClock.h"
#include "sim/MeterIndicators.h"

#include <array>
#include <cstdint>
#include <vector>

namespace brivon::sim {

using MeasurementFrame = std::array<std::uint8_t, link::protocol::kMeasurementFrameLength>;

struct FrameContent {
    MeterClock clock;
    int samplingInterval = 1;  // seconds, two digits
    int graphCount = 0;  // the live measurement
    int displayCount = 0;  // the number on the display (held, max, relative, recalled ...)
    int rangeIndex = 0;
    bool footCandle = false;
    MeterMode mode = MeterMode::None;
    bool hold = false;
    MemoryIndicator memory = MemoryIndicator::None;
    int memoryNumberA = 0;
    int memoryNumberB = 0;
    ClockDisplay clockDisplay = ClockDisplay::Time;
    bool negative = false;
    bool lowBattery = false;
};

MeasurementFrame encodeFrame(const FrameContent& content);

// The same frame as the byte string a serial port delivers.
std::vector<std::uint8_t> frameBytes(const FrameContent& content);

}  // namespace brivon::sim
