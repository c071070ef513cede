#include "core/graph/LevelMap.h"

#include "core/measure/Units.h"

#include <cmath>

namespace brivon::graph {
YMapping::YMapping(const AxisLabels& labels, int height, bool footCandles)
    : height_(height)
    , low_(labels.front())
    , span_(static_cast<double>(labels.back()) - labels.front())
    , unitFactor_(footCandles ? measure::kLuxToFootCandle : 1.0)
{
}

int toPixel(double coordinate)
{
    if (std::isnan(coordinate)) return 0;
    if (coordinate > kPixelLimit) return static_cast<int>(kPixelLimit);
    if (coordinate < -kPixelLimit) return static_cast<int>(-kPixelLimit);
    return static_cast<int>(coordinate);
}

}  // namespace brivon::graph
