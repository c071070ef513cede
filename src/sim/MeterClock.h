#pragma once
// The meter's own clock: a broken-down local time, as the meter keeps it.

#include "core/platform/Clock.h"

#include <cstdint>

namespace brivon::sim {

using MeterClock = platform::LocalTime;

// The computer's local time now, which the simulated meter's clock follows.
MeterClock computerClock();

// Two decimal digits packed into one byte (0-99).
std::uint8_t toBcd(int value);

// The year as the meter sends it: two BCD digits after 2000.
std::uint8_t yearByte(const MeterClock& clock);

// Seconds since 1970 of the broken-down time, taken as UTC: enough to measure
// intervals between two readings of the meter's clock.
std::int64_t secondsOf(const MeterClock& clock);

// The clock moved on by `seconds` (calendar-aware).
MeterClock advancedBy(const MeterClock& clock, std::int64_t seconds);

// Day of the week, 1 = Monday ... 7 = Sunday: the lead digit of the day display.
int isoWeekday(const MeterClock& clock);

}  // namespace brivon::sim
