#include "core/graph/GraphGeometry.h"

#include <gtest/gtest.h>

namespace brivon::support {
namespace {

constexpr graph::PlotMargins kMargins { 50, 40, 30, 20 };

TEST(GraphGeometry, ThePlotIsTheClientLessTheMargins)
{
    const auto g = graph::GraphGeometry::fromClient({ 10, 20, 510, 420 }, kMargins);
    EXPECT_EQ(g.plot, (draw::Rect { 60, 60, 480, 400 }));
    EXPECT_EQ(g.width(), 420);
    EXPECT_EQ(g.bitmapHeight(), 340);
    EXPECT_EQ(g.height(), 339);
    EXPECT_TRUE(g.drawable());
    EXPECT_FALSE(graph::GraphGeometry::fromClient({ 0, 0, 80, 61 }, kMargins).drawable());
}

struct ClampCase {
    draw::Rect client;
    draw::Point point;
    draw::Point clamped;
};

class PlotClamp : public ::testing::TestWithParam<ClampCase> { };

TEST_P(PlotClamp, KeepsThePointOnThePlotEdgesIncluded)
{
    const auto g = graph::GraphGeometry::fromClient(GetParam().client, kMargins);
    EXPECT_EQ(g.clampToPlot(GetParam().point), GetParam().clamped);
}

// The last case is a client smaller than its margins: the plot's edges cross.
INSTANTIATE_TEST_SUITE_P(Points, PlotClamp,
    ::testing::Values(ClampCase { { 0, 0, 500, 400 }, { 100, 100 }, { 100, 100 } },
        ClampCase { { 0, 0, 500, 400 }, { 0, 0 }, { 50, 40 } },
        ClampCase { { 0, 0, 500, 400 }, { 900, 900 }, { 470, 380 } },
        ClampCase { { 0, 0, 500, 400 }, { 470, 380 }, { 470, 380 } },
        ClampCase { { 0, 0, 60, 50 }, { 100, 100 }, { 50, 40 } }));

}  // namespace
}  // namespace brivon::support
