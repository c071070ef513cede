#pragma once
// Fitting a graph to its data: the samples a level shows and the band of
// values that holds them with a little room above and below.

#include <optional>
#include <span>

namespace brivon::graph {

// Samples first ... last, both included; empty when last < first.
struct SampleSpan {
    int first = 0;
    int last = -1;
    bool empty() const { return last < first; }
    friend bool operator==(const SampleSpan&, const SampleSpan&) = default;
};

// Values from low to high, in the unit of the axis labels.
struct ValueBand {
    double low = 0.0;
    double high = 0.0;
};

// The lowest and highest of `samples[span]` in the axis unit (foot-candles
// when `footCandles`), over-range values left out, widened on each side by
// 5 % of their difference and at least one value unit. Nothing when no
// sample of the span counts.
std::optional<ValueBand> fitBand(std::span<const float> samples, SampleSpan span, bool footCandles);

}  // namespace brivon::graph
