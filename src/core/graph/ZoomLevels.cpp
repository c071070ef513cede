#include "core/graph/ZoomLevels.h"

#include "core/measure/Units.h"

#include <algorithm>
#include <utility>

namespace brivon::graph {
namespace {

// The smallest division a new level may have: the meter's resolution.
constexpr double kMinLargeDivision = 10.0;
constexpr double kMinSmallDivision = 0.1;
constexpr double kFirstDivision = 0.1;

}  // namespace

ZoomLevels::Corner ZoomLevels::cornerAt(draw::Point point, const GraphGeometry& geometry)
{
    const auto& plot = geometry.plot;
    return { point, static_cast<double>(point.x - plot.left) / geometry.width(),
        static_cast<double>(point.y - plot.top) / geometry.bitmapHeight() };
}

void ZoomLevels::setFirstCorner(draw::Point point, const GraphGeometry& geometry)
{
    selections_[level_].first = cornerAt(point, geometry);
}

void ZoomLevels::setSecondCorner(draw::Point point, const GraphGeometry& geometry)
{
    selections_[level_].second = cornerAt(point, geometry);
}

bool ZoomLevels::enterSelection(const LevelMap& current, const GraphGeometry& geometry)
{
    const Selection& selection = selections_[level_];
    const auto [x1, x2] = std::minmax(selection.first.pixel.x, selection.second.pixel.x);
    const auto [y1, y2] = std::minmax(selection.first.pixel.y, selection.second.pixel.y);
    if (level_ >= kMaxLevel || !(current.pitch < geometry.width())) return false;
    // A selection without width would stretch its samples without end.
    if (x1 == x2) return false;

    const double low = current.labels.front();
    const double span = static_cast<double>(current.labels.back()) - low;
    const double plotHeight = geometry.bitmapHeight();
    const double gap = geometry.plot.bottom - y2;
    const double label0 = gap * span / plotHeight + low;
    const double label1 = (gap + kFirstDivision * (y2 - y1)) * span / plotHeight + low;
    const double label10 = (gap + (y2 - y1)) * span / plotHeight + low;
    const double minDivision = label10 >= measure::kKiloThreshold ? kMinLargeDivision : kMinSmallDivision;
    if (!(label1 - label0 > minDivision)) return false;
    ++level_;
    return true;
}

int ZoomLevels::axisHeight(const GraphGeometry& geometry) const
{
    return rule_ == AxisRule::Exact ? geometry.bitmapHeight() : geometry.height();
}

LevelMap ZoomLevels::magnify(
    const LevelMap& parent, const Selection& selection, const GraphGeometry& geometry) const
{
    const auto& plot = geometry.plot;
    const int width = geometry.width();
    const int height = axisHeight(geometry);
    // The selection in pixels, as the level below showed it.
    auto left = static_cast<float>(width * selection.first.xFraction + plot.left);
    auto right = static_cast<float>(width * selection.second.xFraction + plot.left);
    auto top = static_cast<float>(height * selection.first.yFraction + plot.top);
    auto bottom = static_cast<float>(height * selection.second.yFraction + plot.top);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);

    LevelMap map;
    const double selectedWidth = static_cast<double>(right) - left;
    if (selectedWidth > 0) {
        const double shift = static_cast<double>(left) - plot.left;
        map.x0 = width * (parent.x0 - shift) / selectedWidth;
        map.pitch = width * parent.pitch / selectedWidth;
    } else {
        map.x0 = parent.x0;
        map.pitch = parent.pitch;
    }
    const double bottomGap = (plot.top + height) - static_cast<double>(bottom);
    map.labels
        = selectedLabels(parent.labels, top, bottom, height, bottomGap, rule_ == AxisRule::CutToResolution);
    return map;
}

LevelMap ZoomLevels::compose(int level, const LevelMap& levelZero, const GraphGeometry& geometry) const
{
    LevelMap map = levelZero;
    for (int k = 1; k <= std::min(level, kMaxLevel); ++k)
        map = magnify(map, selections_[k - 1], geometry);
    return map;
}

}  // namespace brivon::graph
