#pragma once
// What the real-time run and a data-logger set put into the graph report.

#include "core/graph/AxisLabels.h"
#include "core/realtime/GraphSeries.h"
#include "core/report/GraphReport.h"
#include "core/store/CurrentSet.h"

namespace brivon::report {

// The run as the view shows it; `labels` are the value labels of the graph on screen.
GraphReportSource realTimeReportSource(const realtime::GraphSeries& series, const graph::AxisLabels& labels);

// The current set against the data-logger graph's level-0 labels.
GraphReportSource dataLoggerReportSource(
    const store::CurrentSet& set, int gainPerDivision, int offsetDivisions);

}  // namespace brivon::report
