#include "sim/ValuePattern.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace brivon::sim {

ValuePattern ValuePattern::constant(double lux)
{
    return sequence({ lux });
}

ValuePattern ValuePattern::sequence(std::vector<double> lux)
{
    ValuePattern p;
    p.sequence_ = std::move(lux);
    return p;
}

ValuePattern ValuePattern::wave(double baseLux, double relativeAmplitude, int periodReadings)
{
    ValuePattern p;
    p.base_ = baseLux;
    p.amplitude_ = relativeAmplitude;
    p.period_ = periodReadings > 0 ? periodReadings : 1;
    return p;
}

double ValuePattern::next()
{
    const long long n = step_++;
    if (period_ > 0) {
        const double phase = 2.0 * std::numbers::pi * static_cast<double>(n % period_) / period_;
        return base_ * (1.0 + amplitude_ * std::sin(phase));
    }
    if (sequence_.empty()) return 0.0;
    return sequence_[static_cast<std::size_t>(n % static_cast<long long>(sequence_.size()))];
}

}  // namespace brivon::sim
