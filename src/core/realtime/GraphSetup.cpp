#include "core/realtime/GraphSetup.h"

#include "core/platform/Clock.h"

#include <algorithm>

namespace brivon::realtime {
namespace {

constexpr int kMinSeconds = 1;

}  // namespace

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
