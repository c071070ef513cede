#pragma once
// The light the simulated meter measures, one value (lux) per reading:
// a constant, a fixed sequence that repeats, or a slow wave around a base value.

#include <vector>

namespace brivon::sim {

class ValuePattern {
public:
    static ValuePattern constant(double lux);
    // Repeats from the start after the last value; an empty sequence reads 0.
    static ValuePattern sequence(std::vector<double> lux);
    // base × (1 + amplitude × sin(2π n / period)) for reading n.
    static ValuePattern wave(double baseLux, double relativeAmplitude, int periodReadings);

    // The value of the next reading.
    double next();

private:
    ValuePattern() = default;

    std::vector<double> sequence_;
    double base_ = 0.0;
    double amplitude_ = 0.0;
    int period_ = 0;  // 0: read the sequence
    long long step_ = 0;
};

}  // namespace brivon::sim
