#include "core/graph/LevelMap.h"

#include "core/measure/Units.h"

#include <algorithm>
#include <cmath>

namespace brivon::graph {
YMapping::YMapping(const AxisLabels& labels, int height, bool footCandles)
    : height_(height)
    , low_(labels.front())
    , span_(static_cast<double>(labels.back()) - labels.front())
    , unitFactor_(footCandles ? measure::kLuxToFootCandle : 1.0)
{
}

int LevelMap::nearestSample(double x, int shift) const
{
    if (!(pitch > 0)) return -1;
    int index = toPixel((x - x0) / pitch - shift);
    const int sample = shift + index;
    if (x - xOf(sample) > xOf(sample + 1) - x) ++index;
    return index;
}

int LevelMap::samplesAcross(int width) const
{
    return pitch > 0 ? std::max(1, toPixel(width / pitch)) : 1;
}

int toPixel(double coordinate)
{
    if (std::isnan(coordinate)) return 0;
    if (coordinate > kPixelLimit) return static_cast<int>(kPixelLimit);
    if (coordinate < -kPixelLimit) return static_cast<int>(-kPixelLimit);
    return static_cast<int>(coordinate);
}

}  // namespace brivon::graph
