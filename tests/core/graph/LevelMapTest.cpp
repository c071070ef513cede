#include "core/graph/LevelMap.h"

#include "core/measure/Units.h"

#include <gtest/gtest.h>

#include <limits>

namespace brivon::support {
namespace {

struct PixelCase {
    double coordinate;
    int pixel;
};

class ToPixel : public ::testing::TestWithParam<PixelCase> { };

TEST_P(ToPixel, TruncatesTowardZeroWithinTheLimit)
{
    EXPECT_EQ(graph::toPixel(GetParam().coordinate), GetParam().pixel);
}

INSTANTIATE_TEST_SUITE_P(Coordinates, ToPixel,
    ::testing::Values(PixelCase { 2.7, 2 }, PixelCase { -2.7, -2 },
        PixelCase { std::numeric_limits<double>::quiet_NaN(), 0 }, PixelCase { 1e30, graph::kPixelLimit },
        PixelCase { -std::numeric_limits<double>::infinity(), -graph::kPixelLimit }));

TEST(LevelMap, NearestSampleTakesTheEarlierHalfwayAndNeedsAPitch)
{
    const graph::LevelMap map { 10.0, 4.0 };
    EXPECT_EQ(map.nearestSample(12.0, 0), 0);
    EXPECT_EQ(map.nearestSample(12.01, 0), 1);
    EXPECT_EQ(map.nearestSample(30.0, 5), 0);
    EXPECT_EQ(map.nearestSample(33.0, 5), 1);
    EXPECT_EQ(graph::LevelMap {}.nearestSample(12.0, 0), -1);
}

TEST(LevelMap, AtLeastOneSampleFitsAcross)
{
    EXPECT_EQ((graph::LevelMap { 0.0, 4.0 }).samplesAcross(10), 2);
    EXPECT_EQ((graph::LevelMap { 0.0, 40.0 }).samplesAcross(10), 1);
    EXPECT_EQ(graph::LevelMap {}.samplesAcross(10), 1);
}

TEST(YMapping, LabelZeroIsTheBottomAndLabelTenTheTopInTheRunsUnit)
{
    const auto labels = graph::levelZeroLabels(40, 0);  // 0 ... 400
    const graph::YMapping lux(labels, 400, false);
    EXPECT_DOUBLE_EQ(lux.yOf(0.0f), 400.0);
    EXPECT_DOUBLE_EQ(lux.yOf(100.0f), 300.0);
    EXPECT_DOUBLE_EQ(lux.yOf(400.0f), 0.0);
    const graph::YMapping footCandles(labels, 400, true);
    EXPECT_NEAR(footCandles.yOf(static_cast<float>(100.0 / measure::kLuxToFootCandle)), 300.0, 1e-3);
}

}  // namespace
}  // namespace brivon::support
