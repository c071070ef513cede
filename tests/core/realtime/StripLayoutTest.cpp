#include "core/realtime/StripLayout.h"

#include <gtest/gtest.h>

namespace brivon::support {
namespace {

TEST(StripLayout, PlacesTheStripsAroundTheGraph)
{
    const auto placement = realtime::placeStrips({ 0, 0, 1280, 900 });
    EXPECT_EQ(placement.realTime, (draw::Rect { 228, 30, 228 + 1050, 150 }));
    ASSERT_TRUE(placement.statistics && placement.scroll);
    EXPECT_EQ(*placement.statistics, (draw::Rect { 228, 780, 1278, 880 }));
    EXPECT_EQ(*placement.scroll, (draw::Rect { 228, 758, 1278, 783 }));
    EXPECT_EQ(placement.meterPanel, (draw::Rect { 0, 31, 228, 881 }));
}

TEST(StripLayout, AShortWindowLeavesTheBottomStripsWhereTheyWere)
{
    const auto placement = realtime::placeStrips({ 0, 0, 800, 284 });
    EXPECT_TRUE(placement.statistics.has_value());
    EXPECT_FALSE(placement.scroll.has_value());
    EXPECT_TRUE(realtime::placeStrips({ 0, 0, 800, 285 }).scroll.has_value());
    EXPECT_TRUE(realtime::placeStrips({ 0, 0, 800, 263 }).statistics.has_value());
    EXPECT_FALSE(realtime::placeStrips({ 0, 0, 800, 262 }).statistics.has_value());
}

}  // namespace
}  // namespace brivon::support
