#pragma once
// The zoom levels: for each level the rectangle the user selected on the level
// below, kept as fractions of the plot so that a level survives a resize, and
// composed into the level's map at every paint.

#include "core/graph/GraphGeometry.h"
#include "core/graph/LevelMap.h"

#include <array>

namespace brivon::graph {

// How a selection becomes the next level's value axis.
enum class AxisRule {
    // The plot's last row is the axis bottom, the new labels are cut to the
    // meter's resolution (the real-time graph).
    CutToResolution,
    // The plot's bottom edge is the axis bottom and the labels are kept as
    // computed, so every level maps exactly onto the one below.
    Exact,
};

class ZoomLevels {
public:
    static constexpr int kMaxLevel = 99;

    explicit ZoomLevels(AxisRule rule = AxisRule::CutToResolution)
        : rule_(rule)
    {
    }

    int level() const { return level_; }
    bool zoomed() const { return level_ > 0; }
    void leave() { level_ = 0; }

    // The corners of a drag on the current level, already clamped to the plot.
    void setFirstCorner(draw::Point point, const GraphGeometry& geometry);
    void setSecondCorner(draw::Point point, const GraphGeometry& geometry);
    // Enters the level the stored corners select, unless it would show less
    // than the meter can tell apart or the deepest level is reached. `current`
    // is the current level's map.
    bool enterSelection(const LevelMap& current, const GraphGeometry& geometry);

    // The pixel height the value axis spans.
    int axisHeight(const GraphGeometry& geometry) const;

    // The map of level `level`, from the map of level 0.
    LevelMap compose(int level, const LevelMap& levelZero, const GraphGeometry& geometry) const;

private:
    struct Corner {
        draw::Point pixel;
        double xFraction = 0.0;  // of W
        double yFraction = 0.0;  // of the bitmap height
    };
    struct Selection {
        Corner first;
        Corner second;
    };

    static Corner cornerAt(draw::Point point, const GraphGeometry& geometry);
    LevelMap magnify(const LevelMap& parent, const Selection& selection, const GraphGeometry& geometry) const;

    AxisRule rule_;

    std::array<Selection, kMaxLevel + 1> selections_ {};
    int level_ = 0;
};

}  // namespace brivon::graph
