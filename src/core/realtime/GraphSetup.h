#pragma once
// The sample rate rules of the real-time graph's Sample Rate dialog.

#include "core/platform/Clock.h"

#include <limits>

namespace brivon::realtime {

// The longest sample period in whole seconds: longer would not fit the millisecond count.
inline constexpr int kMaxSampleRateSeconds
    = std::numeric_limits<int>::max() / platform::kMillisecondsPerSecond;

// The sample period after OK: whole seconds, at least one.
int samplePeriodMsFromSeconds(int seconds);
// What the dialog starts with: the current period in seconds, or 1.
int initialSampleRateSeconds(int samplePeriodMs);

}  // namespace brivon::realtime
