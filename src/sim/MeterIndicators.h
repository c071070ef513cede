#pragma once
// The meter's display indicators as its frames and records encode them.

#include <cstdint>

namespace brivon::sim {

// Bits 3-5 of the mode byte; the same codes give a memory record's type.
enum class MeterMode : std::uint8_t {
    None = 0x00,
    PeakMin = 0x10,
    PeakMax = 0x18,
    Max = 0x20,
    Min = 0x28,
    Rel = 0x30,
};

// Bits 0-1 of the status byte.
enum class MemoryIndicator : std::uint8_t {
    None = 0,
    Stored = 1,  // "MEM" with memory number A
    Recalled = 2,  // "MEM" with memory number B
    Recording = 3,  // "REC"
};

// Bits 2-3 of the status byte.
enum class ClockDisplay : std::uint8_t {
    Time = 0x00,
    Day = 0x04,
    Sampling = 0x08,
    Year = 0x0C,
};

}  // namespace brivon::sim
