#include "core/graph/ZoomScroll.h"

#include <algorithm>
#include <cmath>

namespace brivon::graph {
namespace {

// A zoomed grid's lines are at most a quarter of a screen apart.
constexpr int kMaxScreenParts = 4;
constexpr float kSinglePrecisionThird = 0.3333333f;
// Fit selects this many rows beyond each end of the band.
constexpr int kSpareRows = 1;

double partWidth(int width, int parts, ScreenPart rule)
{
    if (rule == ScreenPart::WholePixels) {
        const int wholePixels = width / parts;  // the real-time graph drops the remainder
        return wholePixels;
    }
    return width * (parts == 3 ? static_cast<double>(kSinglePrecisionThird) : 1.0 / parts);
}

}  // namespace

const LevelMap& ZoomScroll::layOut(const GraphGeometry& geometry, const LevelMap& levelZero)
{
    geometry_ = geometry;
    map_ = zoom_.compose(zoom_.level(), levelZero, geometry_);
    return map_;
}

void ZoomScroll::startSelection(draw::Point point)
{
    zoom_.setFirstCorner(geometry_.clampToPlot(point), geometry_);
}

void ZoomScroll::endSelection(draw::Point point)
{
    zoom_.setSecondCorner(geometry_.clampToPlot(point), geometry_);
}

bool ZoomScroll::zoomToSelection()
{
    if (!geometry_.drawable() || !zoom_.enterSelection(map_, geometry_)) return false;
    scrollPlaced_ = false;
    return true;
}

void ZoomScroll::leave()
{
    zoom_.leave();
    scrollOffset_ = 0;
    scrollPlaced_ = false;
}

bool ZoomScroll::dragLeftGraph(draw::Point pointer) const
{
    const auto& plot = geometry_.plot;
    const DragMargins& m = rules_.drag;
    return pointer.y <= plot.top - m.above || pointer.x <= plot.left - m.left
        || pointer.x >= plot.right + m.right || pointer.y >= plot.bottom + m.below;
}

std::optional<int> ZoomScroll::placeScrollBar()
{
    if (scrollPlaced_) return std::nullopt;
    firstVisible_ = toPixel(-map_.x0 / map_.pitch);
    scrollPlaced_ = true;
    return scrollPosition();
}

int ZoomScroll::gridStep() const
{
    const int across = samplesPerScreen();
    if (across <= 1) return 1;
    const int parts = std::min(across, kMaxScreenParts);
    return toPixel(partWidth(geometry_.width(), parts, rules_.screenPart) / map_.pitch);
}

SampleSpan ZoomScroll::shownSamples(int count) const
{
    if (count <= 0) return {};
    if (!(map_.pitch > 0)) return { 0, count - 1 };
    // Sample i lies at x0 + pitch × (i + shift); the plot spans x 0 ... W.
    const double first = std::ceil(-map_.x0 / map_.pitch) - shift();
    const double last = std::floor((geometry_.width() - map_.x0) / map_.pitch) - shift();
    return { static_cast<int>(std::clamp(first, 0.0, static_cast<double>(count))),
        static_cast<int>(std::clamp(last, -1.0, count - 1.0)) };
}

int ZoomScroll::columnOf(int sample) const
{
    return geometry_.plot.left + toPixel(map_.xOf(static_cast<double>(sample) + shift()));
}

std::optional<int> ZoomScroll::scrollPositionShowing(int sample, int count) const
{
    if (!zoomed()) return std::nullopt;
    const SampleSpan shown = shownSamples(count);
    int offset = scrollOffset_;
    if (sample > shown.last)
        offset -= sample - shown.last;
    else if (sample < shown.first)
        offset += shown.first - sample;
    else
        return std::nullopt;
    return firstVisible_ - offset + 1;
}

double ZoomScroll::yOf(double value) const
{
    const double low = map_.labels.front();
    const double span = static_cast<double>(map_.labels.back()) - low;
    const int height = zoom_.axisHeight(geometry_);
    return geometry_.plot.top + height - height * (value - low) / span;
}

bool ZoomScroll::zoomToFit(std::span<const float> samples, bool footCandles)
{
    const int count = static_cast<int>(samples.size());
    const std::optional<ValueBand> band = fitBand(samples, shownSamples(count), footCandles);
    if (!band || !(map_.labels.back() > map_.labels.front())) return false;
    // The band's rows, rounded outwards with a row to spare for the rounding
    // of the selection into the new level, so the band's ends stay on the plot.
    const int top = toPixel(std::floor(yOf(band->high))) - kSpareRows;
    const int bottom = toPixel(std::ceil(yOf(band->low))) + kSpareRows;
    startSelection({ geometry_.plot.left, top });
    endSelection({ geometry_.plot.right, bottom });
    return zoomToSelection();
}

}  // namespace brivon::graph
