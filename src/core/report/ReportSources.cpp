#include "core/report/ReportSources.h"

namespace brivon::report {
namespace {

constexpr draw::Color kRealTimeGridColor = draw::rgb(127, 127, 127);
constexpr draw::Color kDataLoggerGridColor = draw::rgb(27, 27, 27);
constexpr const char* kRunStatisticsLabel = "Run statistics:";
constexpr const char* kSetStatisticsLabel = "Set statistics:";

}  // namespace

GraphReportSource realTimeReportSource(const realtime::GraphSeries& series, const graph::AxisLabels& labels)
{
    return GraphReportSource {
        .samples = series.samples.first(static_cast<std::size_t>(series.count())),
        .startTime = series.startTime,
        .samplePeriodMs = series.samplePeriodMs,
        .footCandles = series.footCandles,
        .labels = labels,
        .gridColor = kRealTimeGridColor,
        .statisticsLabel = kRunStatisticsLabel,
        .fileName = {},
    };
}

GraphReportSource dataLoggerReportSource(
    const store::CurrentSet& set, int gainPerDivision, int offsetDivisions)
{
    return GraphReportSource {
        .samples = set.samples(),
        .startTime = set.loadedStartTime,
        .samplePeriodMs
        = static_cast<std::int64_t>(set.loadedSamplePeriod) * platform::kMillisecondsPerSecond,
        .footCandles = set.loadedUnitFlag != 0,
        .labels = graph::levelZeroLabels(gainPerDivision, offsetDivisions),
        .gridColor = kDataLoggerGridColor,
        .statisticsLabel = kSetStatisticsLabel,
        .fileName = {},
    };
}

}  // namespace brivon::report
