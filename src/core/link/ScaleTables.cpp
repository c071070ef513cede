#include "core/link/ScaleTables.h"

#include <array>

namespace brivon::link {
namespace {

constexpr std::array<RangeRow, kRangeCount> kRanges { {
    { 100.0f, 0.1f, 0.01f, 1000.0f, "400k", "40k" },
    { 0.1f, 0.1f, 0.01f, 1.0f, "400", "40" },
    { 1.0f, 1.0f, 0.1f, 10.0f, "4k", "400" },
    { 10.0f, 0.01f, 1.0f, 100.0f, "40k", "4k" },
} };

constexpr std::array<DisplayRow, kRangeCount> kLuxDisplay { {
    { "KLux", DisplayFormat::OneDecimal, 0.1f, 400.0f, 0.0f },
    { "Lux", DisplayFormat::OneDecimal, 0.1f, 400.0f, 0.0f },
    { "Lux", DisplayFormat::Truncated, 0.01f, 4000.0f, 0.0f },
    { "KLux", DisplayFormat::TwoDecimals, 1.0f, 40.0f, 0.0f },
} };

constexpr std::array<DisplayRow, kRangeCount> kFootCandleDisplay { {
    { "KFC", DisplayFormat::TwoDecimals, 1.0f, 38.02f, 40.0f },
    { "FC", DisplayFormat::TwoDecimals, 1.0f, 38.03f, 40.0f },
    { "FC", DisplayFormat::OneDecimal, 0.1f, 380.2f, 400.0f },
    { "FC", DisplayFormat::Truncated, 0.01f, 3802.0f, 4000.0f },
} };

}  // namespace

const RangeRow& rangeRow(int rangeIndex)
{
    return kRanges.at(static_cast<std::size_t>(rangeIndex));
}

const DisplayRow& displayRow(bool footCandle, int rangeIndex)
{
    const auto index = static_cast<std::size_t>(rangeIndex);
    return footCandle ? kFootCandleDisplay.at(index) : kLuxDisplay.at(index);
}

}  // namespace brivon::link
