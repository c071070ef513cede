#pragma once
// The program-wide running maximum, minimum and average of the graph values.
// They start with the first accepted frame, or the first after a reset.

#include <cstdint>
#include <string>

namespace brivon::link {

struct StatisticsTexts {
    std::string maximum = "----";
    std::string minimum = "----";
    std::string average = "----";
    std::string maximumTime;  // "%H:%M:%S" of the moment the maximum was taken
    std::string minimumTime;
};

class MeterStatistics {
public:
    // Adds graph value `value` (lux, after hold and over range) taken at
    // `timeText`, and renders the texts in lux (unit flag 0) or foot-candles.
    void add(float value, const std::string& timeText, bool footCandle);

    // Forgets every value taken; the next frame starts them again.
    void reset() { *this = MeterStatistics {}; }

    const StatisticsTexts& texts() const { return texts_; }
    int count() const { return count_; }

private:
    static constexpr float kNoMaximum = -1.0f;
    static constexpr float kMinimumStart = 400000.0f;

    float maximum_ = kNoMaximum;
    float minimum_ = kMinimumStart;
    double sum_ = 0.0;
    std::int32_t count_ = 0;
    StatisticsTexts texts_;
};

}  // namespace brivon::link
