#include "core/graph/YAxisSetting.h"

#include <cstddef>

namespace brivon::graph {
namespace {

template <std::size_t N>
int chosenValue(const std::array<AxisChoice, N>& choices, std::optional<int> index, int current)
{
    if (!index || *index < 0 || *index >= static_cast<int>(N)) return current;
    return choices[static_cast<std::size_t>(*index)].value;
}

}  // namespace

std::string settingText(YAxisSetting setting)
{
    return "Now: " + std::to_string(setting.gain) + " per division, offset " + std::to_string(setting.offset)
        + (setting.offset == 1 ? " division" : " divisions");
}

YAxisSetting applyAxisChoice(
    YAxisSetting current, std::optional<int> gainIndex, std::optional<int> offsetIndex)
{
    return { chosenValue(kGainChoices, gainIndex, current.gain),
        chosenValue(kOffsetChoices, offsetIndex, current.offset) };
}

}  // namespace brivon::graph
