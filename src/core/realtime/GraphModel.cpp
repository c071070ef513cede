#include "core/realtime/GraphModel.h"

#include "core/measure/ValueText.h"
#include "core/realtime/RealTimeStyle.h"

#include <algorithm>

namespace brivon::realtime {

RealTimeFrame GraphModel::layout(const GraphSeries& series, const draw::Rect& client)
{
    RealTimeFrame frame;
    frame.geometry = plotGeometry(client);
    frame.strips = RealTimeGeometry::around(frame.geometry);
    frame.sampleCount = series.count();
    frame.footCandles = series.footCandles;
    const int width = frame.geometry.width();

    if (frame.sampleCount == 1) {
        xScale_.resetForRun();
        zoomScroll_.leave();
    }
    frame.zoomed = zoomScroll_.zoomed();
    frame.compressed = xScale_.fit(frame.sampleCount, width);
    if (frame.sampleCount >= 2) xScale_.followLevelZero(frame.zoomed, width);

    graph::LevelMap levelZero;
    levelZero.pitch = frame.zoomed ? xScale_.levelZeroPitch() : xScale_.pitch();
    levelZero.labels = graph::levelZeroLabels(series.yGain, series.yOffset);
    frame.map = zoomScroll_.layOut(frame.geometry, levelZero);
    for (int j = 0; j < graph::kLabelCount; ++j)
        frame.yLabels[j] = measure::axisLabelText(frame.map.labels[j]);
    if (!frame.geometry.drawable()) return frame;

    if (frame.sampleCount == 0)
        for (int i = 0; i < kEmptyRunGridLines; ++i)
            frame.gridX.push_back(graph::toPixel(i * width * (1.0 / kGridColumns)));
    if (frame.zoomed)
        placeZoomed(frame, series);
    else if (frame.sampleCount > 0)
        placeAutoScale(frame, series);
    return frame;
}

void GraphModel::placeAutoScale(RealTimeFrame& frame, const GraphSeries& series) const
{
    const float pitch = xScale_.pitch();
    const int plotLeft = frame.geometry.plot.left;
    // The grid falls on whole samples, n samples apart; a column is whole pixels wide.
    const int columnWidth = frame.geometry.width() / kGridColumns;
    const int n = graph::toPixel(columnWidth / static_cast<double>(pitch));
    for (int i = 0; i < kAutoScaleGridLines; ++i)
        frame.gridX.push_back(graph::toPixel(static_cast<float>(i * n) * pitch));

    const platform::TimeValue period = series.samplePeriodSeconds();
    for (int k = kAutoScaleTimeLabels - 1; k >= 1; --k) {
        const int gridLine = k * kTimeLabelGridStep;
        const float x = static_cast<float>(n) * pitch * static_cast<float>(gridLine);
        frame.timeLabels.push_back({ graph::toPixel(static_cast<double>(x) + plotLeft),
            timeText(series.startTime + n * period * gridLine) });
    }
    frame.timeLabels.push_back({ plotLeft + kFirstTimeLabelIndent, timeText(series.startTime) });
    if (frame.sampleCount >= 2) frame.line = { 0, frame.sampleCount - 1, 0 };
}

void GraphModel::placeZoomed(RealTimeFrame& frame, const GraphSeries& series)
{
    const graph::LevelMap& map = frame.map;
    frame.scrollBar.enabled = true;
    frame.scrollBar.maximum = frame.sampleCount;
    frame.scrollBar.position = zoomScroll_.placeScrollBar();
    const int first = zoomScroll_.firstVisibleSample();
    const int offset = zoomScroll_.scrollOffset();

    const platform::TimeValue period = series.samplePeriodSeconds();
    const platform::TimeValue firstTime = series.startTime + (first - offset) * period;
    const int step = zoomScroll_.gridStep();
    const auto& plot = frame.geometry.plot;
    for (int j = 0; j < kZoomedGridLines; ++j) {
        const int sample = first + j * step;
        const double x = map.xOf(sample);
        frame.gridX.push_back(graph::toPixel(x));
        if (frame.sampleCount > 0 && plot.left + x >= plot.left && plot.left + x <= plot.right)
            frame.timeLabels.push_back({ graph::toPixel(plot.left + x),
                timeText(firstTime + static_cast<platform::TimeValue>(sample - first) * period) });
    }

    const int start = zoomScroll_.scrollPosition();
    const int end = graph::toPixel(frame.geometry.width() / map.pitch + start + 2);
    frame.line = { std::max(start, 1) - 1, std::min(end, frame.sampleCount) - 1, offset };
}

int GraphModel::nearestSample(int x) const
{
    const graph::GraphGeometry& geometry = zoomScroll_.geometry();
    return zoomScroll_.nearestSample(geometry.clampToPlot({ x, geometry.plot.top }).x - geometry.plot.left);
}

void GraphModel::undoZoom()
{
    zoomScroll_.leave();
    xScale_.unfreeze();
}

std::string GraphModel::timeText(platform::TimeValue t) const
{
    return platform::formatTime(clock_.toLocal(t), kTimeFormat);
}

}  // namespace brivon::realtime
