#pragma once
// Where the samples of one zoom level lie: x of sample i is x0 + pitch × i
// (relative to the plot's left), y follows the level's labels. A level's map
// is composed from level 0 and the selections, not tabulated per sample.

#include "core/graph/AxisLabels.h"

namespace brivon::graph {

struct LevelMap {
    double x0 = 0.0;
    double pitch = 0.0;  // pixels per sample
    AxisLabels labels {};

    double xOf(double sample) const { return x0 + pitch * sample; }
    // The sample drawn nearest to plot x `x` when the line is shifted by
    // `shift` samples; halfway between two it is the earlier. -1 without a pitch.
    int nearestSample(double x, int shift) const;
    // How many samples a plot `width` pixels wide shows at this pitch; at least 1.
    int samplesAcross(int width) const;
};

// The Y mapping of one paint: y = H − H × (v′ − label 0) ÷ (label 10 − label 0),
// v′ in foot-candles when the unit is foot-candles.
class YMapping {
public:
    YMapping(const AxisLabels& labels, int height, bool footCandles);
    double yOf(float lux) const { return height_ - height_ * (lux * unitFactor_ - low_) / span_; }

private:
    double height_;
    double low_;
    double span_;
    double unitFactor_;
};

// A computed coordinate as a pixel: truncated toward zero, kept within a range
// every painter handles (the far end of a line to an over-range value stays
// far outside the plot, so the visible part of the line keeps its direction).
inline constexpr int kPixelLimit = 1 << 22;
int toPixel(double coordinate);

}  // namespace brivon::graph
