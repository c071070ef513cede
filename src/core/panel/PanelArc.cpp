#include "core/panel/PanelArc.h"

#include <cmath>
#include <cstddef>

namespace brivon::panel {
namespace {

float outerRadius(int tick)
{
    return tick % panel::kLongTickEvery == 0 ? panel::kLongRadius : panel::kMiddleRadius;
}

draw::Point truncated(float x, float y)
{
    return { static_cast<int>(x), static_cast<int>(y) };
}

}  // namespace

PanelArc::PanelArc()
{
    // The left half is computed; the right half mirrors it about the centre line.
    for (int tick = 0; tick <= panel::kMiddleTick; ++tick) {
        const float angle = static_cast<float>(tick - panel::kMiddleTick) * panel::kDegreesToRadians;
        const float sine = std::sin(angle);
        const float cosine = std::cos(angle);
        const auto left = static_cast<std::size_t>(tick);
        const auto right = static_cast<std::size_t>(panel::kLastTick - tick);

        innerX_[left] = panel::kArcCentreX + panel::kShortRadius * sine;
        innerY_[left] = panel::kArcCentreY - panel::kShortRadius * cosine;
        outerX_[left] = panel::kArcCentreX + outerRadius(tick) * sine;
        outerY_[left] = panel::kArcCentreY - outerRadius(tick) * cosine;

        innerX_[right] = panel::kArcMirrorX - innerX_[left];
        innerY_[right] = innerY_[left];
        outerX_[right] = panel::kArcMirrorX - outerX_[left];
        outerY_[right] = outerY_[left];
    }
}

draw::Point PanelArc::innerPoint(int tick) const
{
    const auto i = static_cast<std::size_t>(tick);
    return truncated(innerX_[i], innerY_[i]);
}

draw::Point PanelArc::outerPoint(int tick) const
{
    const auto i = static_cast<std::size_t>(tick);
    return truncated(outerX_[i], outerY_[i]);
}

}  // namespace brivon::panel
