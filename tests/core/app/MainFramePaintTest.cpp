#include "core/app/MainFramePaint.h"

#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

TEST(MainFramePaint, FillsTheTwoBandsAroundTheGraphArea)
{
    testing::RecordingCanvas canvas;
    paintMainFrame(canvas, { 0, 0, 1280, 800 });
    const auto fills = canvas.all<testing::FillOp>();
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, (draw::Rect { 1228, 150, 1291, 660 }));
    EXPECT_EQ(fills[1].rect, (draw::Rect { 290, 150, 1270, 180 }));
    for (const auto& fill : fills)
        EXPECT_EQ(fill.color, (draw::Color { 217, 218, 212 }));
}

}  // namespace
}  // namespace brivon
