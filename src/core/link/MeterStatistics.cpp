#include "core/link/MeterStatistics.h"

#include "core/measure/Units.h"
#include "core/measure/ValueText.h"
#include "core/util/Printf.h"

namespace brivon::link {

void MeterStatistics::add(float value, const std::string& timeText, bool footCandle)
{
    const bool valid = value < measure::kOverRange;
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
    texts_.maximum = measure::statisticText(maximum_, footCandle);
    texts_.minimum = measure::statisticText(minimum_, footCandle);
    texts_.average = measure::statisticText(sum_ / count_, footCandle);
}

}  // namespace brivon::link
