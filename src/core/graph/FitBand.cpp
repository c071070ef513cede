#include "core/graph/FitBand.h"

#include "core/measure/Units.h"

#include <algorithm>

namespace brivon::graph {
namespace {

// Room left above the highest and below the lowest value.
constexpr double kMarginOfRange = 0.05;
constexpr double kMinMargin = 1.0;

}  // namespace

std::optional<ValueBand> fitBand(std::span<const float> samples, SampleSpan span, bool footCandles)
{
    const int first = std::max(span.first, 0);
    const int last = std::min(span.last, static_cast<int>(samples.size()) - 1);
    const double unit = footCandles ? measure::kLuxToFootCandle : 1.0;
    std::optional<ValueBand> band;
    for (int i = first; i <= last; ++i) {
        const float lux = samples[static_cast<std::size_t>(i)];
        if (measure::isOverRange(lux)) continue;
        const double value = lux * unit;
        if (!band)
            band = ValueBand { value, value };
        else
            band = ValueBand { std::min(band->low, value), std::max(band->high, value) };
    }
    if (!band) return std::nullopt;
    const double margin = std::max(kMarginOfRange * (band->high - band->low), kMinMargin);
    return ValueBand { band->low - margin, band->high + margin };
}

}  // namespace brivon::graph
