#include "core/link/MeterStatistics.h"

#include "core/measure/Units.h"
#include "core/util/Printf.h"

namespace brivon {

std::string statisticText(double lux, bool footCandle)
{
    const units::DisplayValue shown = units::toDisplay(lux, footCandle);
    switch (shown.unit) {
    case units::DisplayUnit::Lux:
        return printfString("%.2f  Lux", shown.value);
    case units::DisplayUnit::KiloLux:
        return printfString("%.2f  KLux", shown.value);
    case units::DisplayUnit::FootCandle:
        return printfString("%.2f  FC", shown.value);
    case units::DisplayUnit::KiloFootCandle:
        return printfString("%.2f  KFC", shown.value);
    }
    return {};
}

void MeterStatistics::add(float value, const std::string& timeText, bool footCandle)
{
    const bool valid = value < units::kOverRange;
    if (maximum_ < value && valid) {
        maximum_ = value;
        texts_.maximumTime = timeText;
    }
    if (minimum_ > value) {
        minimum_ = value;
        texts_.minimumTime = timeText;
    }
    if (valid) {
        sum_ += value;
        ++count_;
    }
    if (maximum_ == kNoMaximum) {
        texts_.maximum = texts_.minimum = texts_.average = "----";
        return;
    }
    texts_.maximum = statisticText(maximum_, footCandle);
    texts_.minimum = statisticText(minimum_, footCandle);
    texts_.average = statisticText(sum_ / count_, footCandle);
}

}  // namespace brivon
