#pragma once
// The nine picture buttons of the meter panel: where each sits over the printed
// key of the meter face, its picture, and the key codes it sends.

#include "core/draw/Canvas.h"
#include "core/link/MeterProtocol.h"

#include <array>
#include <optional>

namespace brivon::panel {

// Control ids of the buttons.
enum class PanelButtonId {
    Hold = 1044,
    PowerOff = 1045,
    MaxMin = 1046,
    Rel = 1047,
    Load = 1048,
    Range = 1049,
    FcLux = 1050,
    MemSet = 1051,
    Peak = 1055,
};

enum class ClickHandling {
    Immediate,  // the click's key is sent at once
    Deferred,  // the click waits for a possible double click
    None,  // the button sends nothing
};

struct PanelButton {
    PanelButtonId id;
    const char* label;
    draw::Point position;
    int width;
    int height;
    const char* imageName;  // the picture's name in the program's resources
    ClickHandling handling;
    std::optional<link::protocol::Key> clickKey;
    std::optional<link::protocol::Key> doubleClickKey;
};

inline constexpr int kPanelButtonCount = 9;

const std::array<PanelButton, kPanelButtonCount>& panelButtons();
// The entry of `id`; every PanelButtonId has one.
const PanelButton& panelButton(PanelButtonId id);

}  // namespace brivon::panel
