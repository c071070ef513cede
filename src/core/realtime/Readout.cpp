#include "core/realtime/Readout.h"

#include "core/measure/Units.h"
#include "core/realtime/RealTimeStyle.h"
#include "core/util/Printf.h"

namespace brivon::realtime {
namespace {

constexpr const char* kEmptyTime = "Time:";
constexpr const char* kEmptyData = "Data:";
constexpr const char* kTimePrefix = "time:";
constexpr const char* kOverRangeText = "Data: OL";
constexpr const char* kLuxFormat = "Data:%.2fLux";
constexpr const char* kKiloLuxFormat = "Data:%.2fKLux";
constexpr const char* kFootCandleFormat = "Data:%.2f FC";
constexpr const char* kKiloFootCandleFormat = "Data:%.2f KFC";

}  // namespace

Readout emptyRunReadout()
{
    return { kEmptyTime, kEmptyData };
}

std::string readoutValue(float lux, bool footCandles)
{
    if (units::isOverRange(lux)) return kOverRangeText;
    const units::DisplayValue shown = units::toDisplay(lux, footCandles);
    switch (shown.unit) {
    case units::DisplayUnit::Lux:
        return printfString(kLuxFormat, shown.value);
    case units::DisplayUnit::KiloLux:
        return printfString(kKiloLuxFormat, shown.value);
    case units::DisplayUnit::FootCandle:
        return printfString(kFootCandleFormat, shown.value);
    case units::DisplayUnit::KiloFootCandle:
        return printfString(kKiloFootCandleFormat, shown.value);
    }
    return {};
}

std::optional<Readout> readoutAt(const GraphSeries& series, int index, const Clock& clock)
{
    if (index < 0 || index >= series.count()) return std::nullopt;
    // 64-bit, so that long periods late in a run do not overflow.
    const TimeValue elapsed = static_cast<TimeValue>(series.samplePeriodMs) * index / kMillisecondsPerSecond;
    return Readout { kTimePrefix + formatTime(clock.toLocal(series.startTime + elapsed), kTimeFormat),
        readoutValue(series.samples[static_cast<std::size_t>(index)], series.footCandles) };
}

}  // namespace brivon::realtime
