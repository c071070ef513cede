#include "core/panel/PanelButtons.h"

#include <algorithm>

namespace brivon::panel {
namespace {

using link::protocol::Key;

// Sizes fit the keys drawn on the meter face picture.
const std::array<PanelButton, kPanelButtonCount> kButtons { {
    { PanelButtonId::FcLux, "FC/LUX", { 52, 288 }, 36, 26, "button-fclux", ClickHandling::Immediate,
        Key::FcLuxClick, std::nullopt },
    { PanelButtonId::Load, "LOAD", { 94, 289 }, 30, 26, "button-load", ClickHandling::Deferred,
        Key::LoadClick, Key::LoadDoubleClick },
    { PanelButtonId::MemSet, "MEMSET", { 94, 332 }, 30, 44, "button-memset", ClickHandling::Deferred,
        Key::MemSetClick, Key::MemSetDoubleClick },
    { PanelButtonId::Range, "RANGE", { 130, 288 }, 36, 26, "button-range", ClickHandling::Immediate,
        Key::RangeClick, std::nullopt },
    { PanelButtonId::MaxMin, "MAX/MIN", { 94, 389 }, 30, 24, "button-maxmin", ClickHandling::Immediate,
        Key::MaxMinClick, std::nullopt },
    { PanelButtonId::Peak, "PEAK", { 68, 419 }, 26, 30, "button-peak", ClickHandling::Deferred,
        Key::PeakClick, Key::PeakDoubleClick },
    { PanelButtonId::Rel, "REL", { 125, 419 }, 26, 30, "button-rel", ClickHandling::Deferred, Key::RelClick,
        Key::RelDoubleClick },
    { PanelButtonId::Hold, "HOLD", { 95, 456 }, 28, 40, "button-hold", ClickHandling::Immediate,
        Key::HoldClick, std::nullopt },
    { PanelButtonId::PowerOff, "POWER", { 145, 509 }, 30, 30, "button-poweroff", ClickHandling::None,
        std::nullopt, std::nullopt },
} };

}  // namespace

const std::array<PanelButton, kPanelButtonCount>& panelButtons()
{
    return kButtons;
}

const PanelButton& panelButton(PanelButtonId id)
{
    return *std::find_if(kButtons.begin(), kButtons.end(), [id](const PanelButton& b) { return b.id == id; });
}

}  // namespace brivon::panel
