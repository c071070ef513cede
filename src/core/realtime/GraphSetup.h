#pragma once
// The rules of the two setup dialogs of the real-time graph: the Y offset and
// gain choices, and the sample rate.

#include "core/platform/Clock.h"

#include <array>
#include <limits>
#include <optional>
#include <string_view>

namespace brivon::realtime {

struct AxisChoice {
    std::string_view text;
    int value;
};

inline constexpr std::array<AxisChoice, 6> kOffsetChoices { { { "0", 0 }, { "2", 2 }, { "4", 4 }, { "6", 6 },
    { "8", 8 }, { "10", 10 } } };
inline constexpr std::array<AxisChoice, 5> kGainChoices { { { "4", 4 }, { "40", 40 }, { "400", 400 },
    { "4k", 4000 }, { "40k", 40000 } } };

struct YAxisSetting {
    int gain = 40;
    int offset = 0;
    friend bool operator==(const YAxisSetting&, const YAxisSetting&) = default;
};

// The setting after OK: each list's chosen item, or the current value where
// no item (or no valid item) was chosen.
YAxisSetting applyAxisChoice(
    YAxisSetting current, std::optional<int> gainIndex, std::optional<int> offsetIndex);

// The longest sample period in whole seconds: longer would not fit the millisecond count.
inline constexpr int kMaxSampleRateSeconds
    = std::numeric_limits<int>::max() / platform::kMillisecondsPerSecond;

// The sample period after OK: whole seconds, at least one.
int samplePeriodMsFromSeconds(int seconds);
// What the dialog starts with: the current period in seconds, or 1.
int initialSampleRateSeconds(int samplePeriodMs);

}  // namespace brivon::realtime
