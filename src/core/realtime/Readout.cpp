#include "core/realtime/Readout.h"

#include "core/measure/ValueText.h"
#include "core/realtime/RealTimeStyle.h"

namespace brivon::realtime {
namespace {

constexpr const char* kEmptyTime = "Time:";
constexpr const char* kEmptyData = "Data:";
constexpr const char* kTimePrefix = "time:";

}  // namespace

Readout emptyRunReadout()
{
    return { kEmptyTime, kEmptyData };
}

std::optional<Readout> readoutAt(const GraphSeries& series, int index, const platform::Clock& clock)
{
    if (index < 0 || index >= series.count()) return std::nullopt;
    // 64-bit, so that long periods late in a run do not overflow.
    const platform::TimeValue elapsed
        = static_cast<platform::TimeValue>(series.samplePeriodMs) * index / platform::kMillisecondsPerSecond;
    return Readout { kTimePrefix
            + platform::formatTime(clock.toLocal(series.startTime + elapsed), kTimeFormat),
        measure::readoutText(series.samples[static_cast<std::size_t>(index)], series.footCandles) };
}

}  // namespace brivon::realtime
