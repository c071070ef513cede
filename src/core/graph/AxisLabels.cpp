#include "core/graph/AxisLabels.h"

#include "core/measure/Units.h"

#include <cmath>

namespace brivon::graph {
namespace {

// Zoomed labels are cut to whole tens from 1000 on, else to two decimals.
constexpr double kLargeLabelStep = 10.0;
constexpr double kSmallLabelStep = 0.01;
constexpr double kPerLargeStep = 0.1;
constexpr double kPerSmallStep = 100.0;
constexpr double kFirstDivision = 0.1;

double cutLabel(double value, bool large)
{
    if (large) return std::trunc(value * kPerLargeStep) * kLargeLabelStep;
    return std::trunc(value * kPerSmallStep) * kSmallLabelStep;
}

}  // namespace

AxisLabels levelZeroLabels(int yGain, int yOffset)
{
    AxisLabels labels {};
    for (int j = 0; j < kLabelCount; ++j)
        labels[j] = static_cast<float>(static_cast<double>(j + yOffset) * static_cast<double>(yGain));
    return labels;
}

AxisLabels selectedLabels(const AxisLabels& parent, double selectionTop, double selectionBottom, int height,
    double bottomGap, bool cutToResolution)
{
    const double low = parent.front();
    const double span = static_cast<double>(parent.back()) - low;
    double a = bottomGap * span / height + low;
    double b = ((selectionBottom - selectionTop) * kFirstDivision + bottomGap) * span / height + low;
    if (cutToResolution) {
        const bool large = a >= measure::kKiloThreshold;
        a = cutLabel(a, large);
        b = cutLabel(b, large);
    }
    AxisLabels labels {};
    for (int j = 0; j < kLabelCount; ++j)
        labels[j] = static_cast<float>(a + (b - a) * j);
    return labels;
}

}  // namespace brivon::graph
