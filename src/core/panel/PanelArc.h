#pragma once
// The tick geometry of the panel's arc bar graph, computed once. Each tick runs
// from a point on the short radius to a point on its long radius; the values
// are kept in single precision and truncated to pixels when drawn.

#include "core/draw/Canvas.h"
#include "core/panel/PanelLayout.h"

#include <array>

namespace brivon::panel {

class PanelArc {
public:
    PanelArc();

    // `tick` is 0..panel::kLastTick.
    draw::Point innerPoint(int tick) const;
    draw::Point outerPoint(int tick) const;

private:
    using Table = std::array<float, panel::kTickCount>;
    Table innerX_ {};
    Table innerY_ {};
    Table outerX_ {};
    Table outerY_ {};
};

}  // namespace brivon::panel
