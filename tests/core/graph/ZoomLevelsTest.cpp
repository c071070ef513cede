#include "core/graph/ZoomLevels.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::support {
namespace {

// The plot spans x 50..450 (W = 400) and y 50..350 (bitmap 300 high).
const graph::GraphGeometry kGeometry
    = graph::GraphGeometry::fromClient({ 0, 0, 500, 400 }, { 50, 50, 50, 50 });
const graph::LevelMap kLevelZero { 0.0, 4.0, graph::levelZeroLabels(400, 0) };  // 0 ... 4000

struct RuleCase {
    const char* name;
    graph::AxisRule rule;
    float label0;
    float label10;
};

class ZoomRule : public ::testing::TestWithParam<RuleCase> { };

// The middle half of the width, from a sixth to two thirds of the height.
TEST_P(ZoomRule, TheSelectionBecomesTheNextLevel)
{
    graph::ZoomLevels zoom(GetParam().rule);
    zoom.setFirstCorner({ 150, 100 }, kGeometry);
    zoom.setSecondCorner({ 350, 250 }, kGeometry);
    ASSERT_TRUE(zoom.enterSelection(kLevelZero, kGeometry));
    EXPECT_EQ(zoom.level(), 1);
    const auto map = zoom.compose(1, kLevelZero, kGeometry);
    EXPECT_DOUBLE_EQ(map.x0, -200.0);
    EXPECT_DOUBLE_EQ(map.pitch, 8.0);
    EXPECT_NEAR(map.labels.front(), GetParam().label0, 1e-2);
    EXPECT_NEAR(map.labels.back(), GetParam().label10, 1e-2);
    // The level is kept as fractions of the plot: a larger window shows the same values.
    const auto wider = graph::GraphGeometry::fromClient({ 0, 0, 900, 700 }, { 50, 50, 50, 50 });
    EXPECT_NEAR(zoom.compose(1, kLevelZero, wider).labels.back(), GetParam().label10, 1e-2);
}

INSTANTIATE_TEST_SUITE_P(Rules, ZoomRule,
    ::testing::Values(RuleCase { "Exact", graph::AxisRule::Exact, 1333.33f, 3333.33f },
        RuleCase { "CutToResolution", graph::AxisRule::CutToResolution, 1330.0f, 3330.0f }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon::support
