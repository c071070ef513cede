#include "core/realtime/GraphModel.h"

#include "core/measure/ValueText.h"
#include "core/realtime/RealTimeStyle.h"

#include <algorithm>

namespace brivon::realtime {
namespace {

// Zoomed grids put their ten lines a quarter, a third or half a screen apart when that many samples fit.
constexpr int kMaxScreenParts = 4;

}  // namespace

RealTimeFrame GraphModel::layout(const GraphSeries& series, const draw::Rect& client)
{
    RealTimeFrame frame;
    frame.geometry = plotGeometry(client);
    frame.strips = RealTimeGeometry::around(frame.geometry);
    frame.sampleCount = series.count();
    frame.footCandles = series.footCandles;
    geometry_ = frame.geometry;
    const int width = geometry_.width();

    if (frame.sampleCount == 1) {
        xScale_.resetForRun();
        zoom_.leave();
        scrollOffset_ = 0;
    }
    frame.compressed = xScale_.fit(frame.sampleCount, width);
    if (frame.sampleCount >= 2) xScale_.followLevelZero(zoom_.zoomed(), width);

    graph::LevelMap levelZero;
    levelZero.pitch = zoom_.zoomed() ? xScale_.levelZeroPitch() : xScale_.pitch();
    levelZero.labels = graph::levelZeroLabels(series.yGain, series.yOffset);
    map_ = zoom_.compose(zoom_.level(), levelZero, geometry_);
    frame.map = map_;
    frame.zoomed = zoom_.zoomed();
    for (int j = 0; j < graph::kLabelCount; ++j)
        frame.yLabels[j] = measure::axisLabelText(map_.labels[j]);
    if (!geometry_.drawable()) return frame;

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
    const int plotLeft = geometry_.plot.left;
    // The grid falls on whole samples, n samples apart; a column is whole pixels wide.
    const int columnWidth = geometry_.width() / kGridColumns;
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
    const int width = geometry_.width();
    const double x0 = map_.x0;
    const double d = map_.pitch;
    frame.scrollBar.enabled = true;
    frame.scrollBar.maximum = frame.sampleCount;
    if (!scrollPlaced_) {
        firstVisible_ = graph::toPixel(-x0 / d);
        frame.scrollBar.position = scrollPosition();
        scrollPlaced_ = true;
    }

    const platform::TimeValue period = series.samplePeriodSeconds();
    const platform::TimeValue firstTime = series.startTime + (firstVisible_ - scrollOffset_) * period;
    const int perScreen = graph::toPixel(width / d);
    int step = 1;
    if (perScreen > 1) {
        const int partWidth = width / std::min(perScreen, kMaxScreenParts);  // whole pixels
        step = graph::toPixel(partWidth / d);
    }
    const auto& plot = geometry_.plot;
    for (int j = 0; j < kZoomedGridLines; ++j) {
        const int sample = firstVisible_ + j * step;
        const double x = map_.xOf(sample);
        frame.gridX.push_back(graph::toPixel(x));
        if (frame.sampleCount > 0 && plot.left + x >= plot.left && plot.left + x <= plot.right)
            frame.timeLabels.push_back({ graph::toPixel(plot.left + x),
                timeText(firstTime + static_cast<platform::TimeValue>(sample - firstVisible_) * period) });
    }

    const int start = firstVisible_ - scrollOffset_ + 1;
    const int end = graph::toPixel(width / d + start + 2);
    frame.line = { std::max(start, 1) - 1, std::min(end, frame.sampleCount) - 1, scrollOffset_ };
}

int GraphModel::nearestSample(int x) const
{
    const int shift = zoom_.zoomed() ? scrollOffset_ : 0;
    const double offset = geometry_.clampToPlot({ x, geometry_.plot.top }).x - geometry_.plot.left;
    return map_.nearestSample(offset, shift);
}

void GraphModel::startSelection(draw::Point point)
{
    zoom_.setFirstCorner(geometry_.clampToPlot(point), geometry_);
}

void GraphModel::endSelection(draw::Point point)
{
    zoom_.setSecondCorner(geometry_.clampToPlot(point), geometry_);
}

bool GraphModel::zoomToSelection()
{
    if (!geometry_.drawable() || !zoom_.enterSelection(map_, geometry_)) return false;
    scrollPlaced_ = false;
    return true;
}

void GraphModel::undoZoom()
{
    zoom_.leave();
    xScale_.unfreeze();
    scrollOffset_ = 0;
}

int GraphModel::samplesPerScreen() const
{
    return map_.samplesAcross(geometry_.width());
}

std::string GraphModel::timeText(platform::TimeValue t) const
{
    return platform::formatTime(clock_.toLocal(t), kTimeFormat);
}

}  // namespace brivon::realtime
