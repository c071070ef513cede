#include "core/logger/LoggerGraph.h"

#include "core/logger/LoggerStyle.h"
#include "core/measure/SetStatistics.h"
#include "core/measure/ValueText.h"
#include "core/util/Printf.h"

#include <algorithm>
#include <array>

namespace brivon::logger {
namespace {

// How many character pitches a label starts right of the label column: fewer
// digits sit further right, a minus sign takes one.
int labelIndent(double value)
{
    if (value >= 1000.0) return 1;
    if (value >= 100.0) return 2;
    if (value >= 10.0) return 3;
    if (value >= 0.0) return 4;
    if (value > -10.0) return 3;
    if (value > -100.0) return 2;
    if (value > -1000.0) return 1;
    return 0;
}

constexpr const char* kStatisticsFormat = "Avg %s   Min %s   Max %s   Emin/Eavg %s   Duration %s";

std::string statisticsLine(const store::CurrentSet& set)
{
    const measure::SetStatistics statistics = measure::setStatistics(set.samples(), set.loadedSamplePeriod);
    const measure::SetStatisticsTexts texts
        = measure::setStatisticsTexts(statistics, set.loadedUnitFlag == 1);
    return util::printfString(kStatisticsFormat, texts.average.c_str(), texts.minimum.c_str(),
        texts.maximum.c_str(), texts.uniformity.c_str(), texts.duration.c_str());
}

}  // namespace

LoggerFrame LoggerGraph::layout(const draw::Rect& client, const ShownSet& shown)
{
    LoggerFrame frame;
    frame.geometry = graph::GraphGeometry::fromClient(client, kPlotMargins);
    const store::CurrentSet* set = shown.set;
    const int count = set ? static_cast<int>(set->samples().size()) : 0;
    const int width = frame.geometry.width();

    graph::LevelMap levelZero;
    levelZero.pitch = count > 1 ? static_cast<float>(width) / static_cast<float>(count - 1) : 0.0f;
    levelZero.labels = graph::levelZeroLabels(shown.axis.gain, shown.axis.offset);
    frame.curve.map = zoomScroll_.layOut(frame.geometry, levelZero);
    frame.fullView = !zoomScroll_.zoomed();
    if (frame.fullView)
        for (int i = 1; i <= kFullViewColumns; ++i)
            frame.gridX.push_back(
                frame.geometry.plot.left + graph::toPixel(i * width / double(kFullViewColumns)));
    if (!set) return frame;

    frame.showsSet = true;
    placeLabels(frame);
    frame.readoutValue = readoutValue_;
    frame.readoutTime = readoutTime_;
    const auto& plot = frame.geometry.plot;
    frame.curve.geometry = { client, { plot.left, plot.top, plot.right, plot.bottom + 1 } };
    frame.curve.footCandles = set->loadedUnitFlag == 1;
    frame.statistics = statisticsLine(*set);
    if (frame.fullView)
        placeFullView(frame, *set);
    else
        placeZoomed(frame, *set);
    return frame;
}

void LoggerGraph::placeLabels(LoggerFrame& frame) const
{
    const auto& plot = frame.geometry.plot;
    for (int k = 0; k < graph::kLabelCount; ++k) {
        const float value = frame.curve.map.labels[static_cast<std::size_t>(k)];
        const int x = graph::toPixel(plot.left - kLabelLeft + kLabelCharPitch * labelIndent(value));
        const int y = graph::toPixel(plot.bottom - k * plot.height() * (1.0 / graph::kDivisions));
        frame.valueLabels.push_back({ { x, y }, measure::loggerAxisLabelText(value) });
    }
}

void LoggerGraph::placeFullView(LoggerFrame& frame, const store::CurrentSet& set) const
{
    const int count = static_cast<int>(set.samples().size());
    frame.curve.line = { 0, count - 1, 0 };
    const auto& plot = frame.geometry.plot;
    const int y = plot.bottom + kFullViewTimeLabelBelow;
    const platform::TimeValue end = set.loadedStartTime
        + static_cast<platform::TimeValue>(std::max(count - 1, 0)) * set.loadedSamplePeriod;
    frame.timeLabels.push_back({ { plot.left, y }, timeText(set.loadedStartTime) });
    frame.timeLabels.push_back({ { plot.right - kEndTimeLabelFromRight, y }, timeText(end) });
}

void LoggerGraph::placeZoomed(LoggerFrame& frame, const store::CurrentSet& set)
{
    const int count = static_cast<int>(set.samples().size());
    frame.scrollBar = { true, count, std::nullopt };
    const graph::LevelMap& map = frame.curve.map;
    const double d = map.pitch;
    if (!(d > 0)) return;
    frame.scrollBar.position = zoomScroll_.placeScrollBar();
    const int first = zoomScroll_.firstVisibleSample();
    const int offset = zoomScroll_.scrollOffset();
    const auto& plot = frame.geometry.plot;
    const int width = frame.geometry.width();
    const platform::TimeValue period = set.loadedSamplePeriod;
    const platform::TimeValue firstTime = set.loadedStartTime + (first - offset) * period;

    // With a reading or less across, lines go only where there are readings.
    const bool fewAcross = zoomScroll_.samplesPerScreen() <= 1;
    const int step = zoomScroll_.gridStep();
    for (int j = 0; j < kZoomedGridLines; ++j) {
        const int index = first + j * step;
        if (fewAcross && index >= count) continue;
        const double x = plot.left + map.xOf(index);
        frame.gridX.push_back(graph::toPixel(x));
        if (index < count && x >= plot.left && x <= plot.right)
            frame.timeLabels.push_back({ { graph::toPixel(x), plot.bottom + kZoomedTimeLabelBelow },
                timeText(firstTime + static_cast<platform::TimeValue>(j) * step * period) });
    }

    const int start = first - offset;
    const int last = graph::toPixel(width / d + (start + 1) + 2.0);
    frame.curve.line = { std::max(start, 0), std::min(last, count - 1), offset };
}

bool LoggerGraph::followsPointer(int x) const
{
    const auto& plot = zoomScroll_.geometry().plot;
    return x >= plot.left && x <= plot.right + 1;
}

bool LoggerGraph::readOut(int x, const store::CurrentSet& set)
{
    if (!followsPointer(x)) return false;
    return readOutSample(zoomScroll_.nearestSample(x - zoomScroll_.geometry().plot.left), set);
}

bool LoggerGraph::readOutSample(int index, const store::CurrentSet& set)
{
    const auto samples = set.samples();
    if (index < 0 || index >= static_cast<int>(samples.size())) return false;
    readoutValue_
        = measure::loggerReadoutText(samples[static_cast<std::size_t>(index)], set.loadedUnitFlag == 1);
    readoutTime_
        = timeText(set.loadedStartTime + static_cast<platform::TimeValue>(index) * set.loadedSamplePeriod);
    return true;
}

void LoggerGraph::showAnotherSet()
{
    zoomScroll_.leave();
    readoutValue_.clear();
    readoutTime_.clear();
}

std::string LoggerGraph::timeText(platform::TimeValue t) const
{
    return platform::formatTime(clock_.toLocal(t), kTimeFormat);
}

}  // namespace brivon::logger
