#pragma once
// The one-page test report of a series of samples: the frame, the curve cut
// at the frame's top and bottom, the title, the value and time labels, the
// grid, the measurement's start, duration, period, sample count and file, its
// statistics and the print date. The real-time run and a
// data-logger set print through it with their own source.

#include "core/draw/Canvas.h"
#include "core/graph/AxisLabels.h"
#include "core/platform/Clock.h"

#include <cstdint>
#include <span>
#include <string>

namespace brivon::report {

struct GraphReportSource {
    std::span<const float> samples;  // lux; the over-range marker for "OL"
    platform::TimeValue startTime = 0;  // time of sample 0
    std::int64_t samplePeriodMs = 0;
    bool footCandles = false;  // the samples are plotted in foot-candles against the labels
    graph::AxisLabels labels {};  // the value labels of the graph on screen, lowest first
    draw::Color gridColor;
    std::string statisticsLabel;  // whose statistics they are: "Run statistics:" or "Set statistics:"
    std::string fileName;  // the file the samples were read from or saved to; empty when there is none
};

// Draws the report in report coordinates; the time labels and the print date
// are local times of `clock`.
void drawGraphReport(draw::Canvas& canvas, const GraphReportSource& source, const platform::Clock& clock);

}  // namespace brivon::report
