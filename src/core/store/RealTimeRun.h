#pragma once
// A read-only view of the real-time run as the document and the view keep it:
// what the main window's Save writes into a graph data file and its text export.

#include <cstdint>
#include <span>

#include "core/platform/Clock.h"

namespace brivon::store {

struct RealTimeRun {
    std::int32_t readingCount = 0;  // readings committed ("Data No.")
    std::int32_t sampleCount = 0;  // sample periods elapsed
    std::span<const float> samples;  // the run's samples, lux
    std::span<const std::int32_t> readingToSample;  // sample index at which each reading was committed
    std::int32_t currentGain = 0;  // Y gain per division of the run
    std::uint8_t unitFlag = 0;  // 0 = lux, 1 = foot-candles
    platform::TimeValue runStart = 0;
    std::int32_t samplePeriodMs = 0;

    // Whole seconds between samples, as files and exports store it.
    std::int32_t samplePeriodSeconds() const { return samplePeriodMs / platform::kMillisecondsPerSecond; }

    // The committed samples, never more than the view holds.
    std::span<const float> committedSamples() const
    {
        const auto count = static_cast<std::size_t>(sampleCount < 0 ? 0 : sampleCount);
        return samples.first(count < samples.size() ? count : samples.size());
    }
};

}  // namespace brivon::store
