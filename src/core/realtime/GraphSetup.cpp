#include "core/realtime/GraphSetup.h"

#include "core/platform/Clock.h"

#include <algorithm>

namespace brivon::realtime {
namespace {

constexpr int kMinSeconds = 1;

template <std::size_t N>
int chosenValue(const std::array<AxisChoice, N>& choices, std::optional<int> index, int current)
{
    if (!index || *index < 0 || *index >= static_cast<int>(N)) return current;
    return choices[static_cast<std::size_t>(*index)].value;
}

}  // namespace

YAxisSetting applyAxisChoice(
    YAxisSetting current, std::optional<int> gainIndex, std::optional<int> offsetIndex)
{
    return { chosenValue(kGainChoices, gainIndex, current.gain),
        chosenValue(kOffsetChoices, offsetIndex, current.offset) };
}

int samplePeriodMsFromSeconds(int seconds)
{
    return std::clamp(seconds, kMinSeconds, kMaxSampleRateSeconds) * platform::kMillisecondsPerSecond;
}

int initialSampleRateSeconds(int samplePeriodMs)
{
    const int seconds = samplePeriodMs / platform::kMillisecondsPerSecond;
    return seconds >= kMinSeconds ? seconds : kMinSeconds;
}

}  // namespace brivon::realtime
