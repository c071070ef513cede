#include "GraphRun.h"

#include <gtest/gtest.h>

namespace brivon::support {
namespace {

// Plot corners of kClient.
constexpr int kLeft = 294;
constexpr int kTop = 150;
constexpr int kBottom = 618;

TEST(GraphScale, TheHundredAndFirstSampleCompressesTheAxis)
{
    GraphRun run;
    auto frame = run.recordRamp(100);
    EXPECT_EQ(run.model.visibleCapacity(), 100);
    EXPECT_FALSE(frame.compressed);
    frame = run.recordRamp(1);
    EXPECT_TRUE(frame.compressed);
    EXPECT_EQ(run.model.visibleCapacity(), 110);
    EXPECT_FLOAT_EQ(static_cast<float>(frame.map.pitch), 680.0f / 109);
}

TEST(GraphScale, AWholeRunAlwaysFitsTheWidth)
{
    GraphRun run;
    const auto frame = run.recordRamp(3000);
    EXPECT_GE(run.model.visibleCapacity(), 3000);
    EXPECT_LE(frame.map.xOf(frame.sampleCount - 1), 680);
    EXPECT_GT(frame.map.xOf(frame.sampleCount - 1), 680 * 10 / 12);  // the run fills about 11/12
}

TEST(GraphScale, TheFirstSampleOfANewRunResetsScaleAndZoom)
{
    GraphRun run;
    run.recordRamp(500);
    ASSERT_TRUE(run.zoom({ 400, 200 }, { 600, 500 }));
    run.samples.clear();
    run.recordRamp(1);
    EXPECT_FALSE(run.model.zoomScroll().zoomed());
    EXPECT_EQ(run.model.visibleCapacity(), 100);
    EXPECT_EQ(run.model.zoomScroll().scrollOffset(), 0);
}

TEST(GraphModel, ATinyWindowPaintsWithoutArea)
{
    GraphRun run;
    run.recordRamp(300, { 0, 0, 200, 200 });
    const auto frame = run.paint({ 0, 0, 200, 200 });
    EXPECT_TRUE(frame.gridX.empty());
    EXPECT_TRUE(frame.line.empty());
    EXPECT_EQ(run.model.nearestSample(100), -1);
}

TEST(GraphZoom, ASelectionFillsThePlot)
{
    GraphRun run;
    const double wholePitch = run.recordRamp(200).map.pitch;
    ASSERT_TRUE(run.zoom({ kLeft + 170, kTop }, { kLeft + 340, kBottom }));
    const auto frame = run.paint();
    EXPECT_TRUE(frame.zoomed);
    // The selection's left edge becomes the plot's, its width the plot's width.
    EXPECT_NEAR(frame.map.xOf(170 / wholePitch), 0.0, 1e-6);
    EXPECT_NEAR(frame.map.pitch, 4 * wholePitch, 1e-6);
    EXPECT_EQ(run.model.zoomScroll().firstVisibleSample(), static_cast<int>(170 / wholePitch));
    EXPECT_EQ(frame.gridX.size(), 10u);
    EXPECT_TRUE(frame.scrollBar.enabled);
    EXPECT_EQ(frame.scrollBar.maximum, 200);
}

TEST(GraphZoom, SelectedLabelsAreCutToTheMetersResolution)
{
    GraphRun run;
    run.recordRamp(300);
    // Bottom at 3/4 of H from the top, a quarter of the plot high: 100 ... 200 of 0 ... 400.
    ASSERT_TRUE(run.zoom({ 400, kTop + 117 }, { 700, kTop + 350 }));
    const auto frame = run.paint();
    // a = (617 - 499.25) x 400 / 467 = 100.85; b = (23.25 + 117.75) x 400 / 467 = 120.76
    EXPECT_EQ(frame.yLabels.front(), "100.85");
    EXPECT_EQ(frame.yLabels[1], "120.76");
    EXPECT_EQ(frame.yLabels.back(), "299.95");
}

TEST(GraphZoom, ResizingKeepsTheSameSamplesInView)
{
    GraphRun run;
    run.recordRamp(400);
    ASSERT_TRUE(run.zoom({ 450, 200 }, { 650, 500 }));
    const auto before = run.paint();
    const auto after = run.paint({ 0, 0, 1600, 1000 });
    const int first = run.model.zoomScroll().firstVisibleSample();
    EXPECT_EQ(after.line.first, before.line.first);
    EXPECT_NEAR(after.line.last, before.line.last, 1);
    EXPECT_EQ(after.yLabels, before.yLabels);
    // The first visible sample sits at the left edge at both sizes.
    for (const auto* frame : { &before, &after }) {
        EXPECT_LE(frame->map.xOf(first), 0.0);
        EXPECT_GT(frame->map.xOf(first + 1), 0.0);
    }
}

TEST(GraphZoom, NewSamplesWhileZoomedDoNotMoveTheView)
{
    GraphRun run;
    run.recordRamp(400);
    ASSERT_TRUE(run.zoom({ 450, 200 }, { 650, 500 }));
    const auto before = run.paint();
    const auto after = run.recordRamp(200);
    EXPECT_DOUBLE_EQ(after.map.x0, before.map.x0);
    EXPECT_DOUBLE_EQ(after.map.pitch, before.map.pitch);
}

TEST(GraphZoom, UndoZoomReturnsToTheWholeRun)
{
    GraphRun run;
    run.recordRamp(600);
    const auto whole = run.paint();
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(run.zoom({ 400, 200 }, { 800, 500 }));
    run.model.zoomScroll().scrollTo(10);
    run.model.undoZoom();
    const auto frame = run.paint();
    EXPECT_FALSE(frame.zoomed);
    EXPECT_FALSE(frame.scrollBar.enabled);
    EXPECT_EQ(run.model.zoomScroll().scrollOffset(), 0);
    EXPECT_DOUBLE_EQ(frame.map.pitch, whole.map.pitch);
    EXPECT_FALSE(run.model.zoomScroll().zoomed());
}

TEST(GraphScroll, TheThumbPositionIsTheFirstSampleDrawn)
{
    GraphRun run;
    run.recordRamp(600);
    ASSERT_TRUE(run.zoom({ 400, 200 }, { 600, 500 }));
    const int first = run.model.zoomScroll().firstVisibleSample();
    const auto placed = run.paint();
    EXPECT_FALSE(placed.scrollBar.position.has_value());  // placed once, by the paint after the zoom
    EXPECT_EQ(run.model.zoomScroll().scrollPosition(), first + 1);

    run.model.zoomScroll().scrollTo(20);
    const auto frame = run.paint();
    EXPECT_EQ(run.model.zoomScroll().scrollPosition(), 20);
    EXPECT_EQ(frame.line.first, 19);
    // Sample 20 is drawn where sample first + 1 was.
    EXPECT_DOUBLE_EQ(frame.map.xOf(frame.line.shift + 20), frame.map.xOf(first + 1));
}

TEST(GraphCursor, NearestSampleRoundsToTheCloserOne)
{
    GraphRun run;
    run.recordRamp(50);  // pitch 680 / 99 = 6.87
    EXPECT_EQ(run.model.nearestSample(kLeft), 0);
    EXPECT_EQ(run.model.nearestSample(kLeft + 3), 0);
    EXPECT_EQ(run.model.nearestSample(kLeft + 4), 1);
    EXPECT_EQ(run.model.nearestSample(kLeft + 69), 10);
    EXPECT_EQ(run.model.nearestSample(kLeft - 100), 0);  // clamped to the plot
}

TEST(GraphCursor, NearestSampleFollowsTheScrolledView)
{
    GraphRun run;
    run.recordRamp(600);
    ASSERT_TRUE(run.zoom({ 400, 200 }, { 600, 500 }));
    run.model.zoomScroll().scrollTo(30);
    run.paint();
    const auto& map = run.model.zoomScroll().currentMap();
    const int x = kLeft + static_cast<int>(map.xOf(run.model.zoomScroll().scrollOffset() + 30) + 0.5);
    EXPECT_EQ(run.model.nearestSample(x), 30);
}

}  // namespace
}  // namespace brivon::support
