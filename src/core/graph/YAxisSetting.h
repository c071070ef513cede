#pragma once
// A graph's value axis: gain per division and offset in divisions, and the
// choices the Y Axis dialog offers for them.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace brivon::graph {

struct AxisChoice {
    std::string_view text;
    int value;
};

inline constexpr std::array<AxisChoice, 6> kOffsetChoices { { { "0", 0 }, { "2", 2 }, { "4", 4 }, { "6", 6 },
    { "8", 8 }, { "10", 10 } } };
inline constexpr std::array<AxisChoice, 5> kGainChoices { { { "4", 4 }, { "40", 40 }, { "400", 400 },
    { "4k", 4000 }, { "40k", 40000 } } };

struct YAxisSetting {
    int gain = 40;
    int offset = 0;
    friend bool operator==(const YAxisSetting&, const YAxisSetting&) = default;
};

// The setting in words, as the dialog shows it above its lists.
std::string settingText(YAxisSetting setting);

// The setting after OK: each list's chosen item, or the current value where
// no item (or no valid item) was chosen.
YAxisSetting applyAxisChoice(
    YAxisSetting current, std::optional<int> gainIndex, std::optional<int> offsetIndex);

}  // namespace brivon::graph
