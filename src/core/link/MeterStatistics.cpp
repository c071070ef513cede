#include "core/link/MeterStatistics.h"

#include "core/files/Units.h"
#include "core/util/Printf.h"

namespace brivon {

std::string statisticText(double lux, bool footCandle)
{
    if (footCandle) {
        const double fc = lux * units::kLuxToFootCandle;
        if (fc >= units::kKiloThreshold) return printfString("%.2f  KFC", lux * units::kLuxToKiloFootCandle);
        return printfString("%.2f  FC", fc);
    }
    if (lux >= units::kKiloThreshold) return printfString("%.2f  KLux", lux * units::kLuxToKiloLux);
    return printfString("%.2f  Lux", lux);
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
