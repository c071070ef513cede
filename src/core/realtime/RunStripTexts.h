#pragma once
// The texts of the real-time strip, made from the run and the meter's battery
// each time the strip is shown.

#include "core/platform/Clock.h"
#include "core/realtime/RunBookkeeping.h"

#include <optional>
#include <string>

namespace brivon::realtime {

inline constexpr const char* kStartTimeFormat = "%d/%m/%y %H:%M:%S";

struct RunStripTexts {
    std::string startTime;  // "Start Time"
    std::string dataNo;  // "Data No.": the run's reading count
    std::string sampleRate;  // "Sample Rate", whole seconds
    std::string battery;  // "voltage stage": "Low" or "Normal"

    bool operator==(const RunStripTexts&) const = default;
};

// A run's start as the strip shows it.
std::string startTimeText(platform::TimeValue start, const platform::Clock& clock);

// The run's texts stay empty until a run was started or restored; the battery
// text until the meter sent its first frame (`lowBattery` holds nothing).
RunStripTexts runStripTexts(
    const RunBookkeeping& run, std::optional<bool> lowBattery, const platform::Clock& clock);

}  // namespace brivon::realtime
