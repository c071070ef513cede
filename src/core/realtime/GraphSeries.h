#pragma once
// What the real-time graph reads of the run: a read-only view that the
// document fills, so the graph does not depend on the document.

#include "core/platform/Clock.h"

#include <algorithm>
#include <span>
#include <string>

namespace brivon::realtime {

struct GraphSeries {
    std::span<const float> samples;  // lux; at least sampleCount values
    int sampleCount = 0;
    int readingCount = 0;
    platform::TimeValue startTime = 0;
    int samplePeriodMs = 0;
    bool footCandles = false;  // the unit of the latest frame
    int yGain = 40;  // value per division
    int yOffset = 0;  // divisions

    // The sample count, never more than the values the span holds.
    int count() const
    {
        return sampleCount < 0 ? 0 : std::min<int>(sampleCount, static_cast<int>(samples.size()));
    }
    int samplePeriodSeconds() const { return samplePeriodMs / platform::kMillisecondsPerSecond; }
};

}  // namespace brivon::realtime
