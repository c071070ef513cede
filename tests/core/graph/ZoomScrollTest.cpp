#include "core/graph/ZoomScroll.h"

#include "core/logger/LoggerStyle.h"
#include "core/realtime/GraphInteraction.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::support {
namespace {

// The plot spans x 50..450 (W = 400) and y 50..450 (bitmap 400 high).
constexpr graph::PlotMargins kMargins { 50, 50, 50, 50 };
const graph::GraphGeometry kGeometry = graph::GraphGeometry::fromClient({ 0, 0, 500, 500 }, kMargins);
// 101 samples across the plot, labels 0 ... 40.
const graph::LevelMap kLevelZero { 0.0, 4.0, graph::levelZeroLabels(4, 0) };

graph::ZoomScroll laidOut(const graph::ZoomRules& rules = logger::kZoomRules,
    const graph::GraphGeometry& geometry = kGeometry, const graph::LevelMap& levelZero = kLevelZero)
{
    graph::ZoomScroll zoom(rules);
    zoom.layOut(geometry, levelZero);
    return zoom;
}

// A drag from `from` to `to` on the current level, and the paint after it.
bool drag(
    graph::ZoomScroll& zoom, draw::Point from, draw::Point to, const graph::LevelMap& levelZero = kLevelZero)
{
    zoom.startSelection(from);
    zoom.endSelection(to);
    const bool entered = zoom.zoomToSelection();
    zoom.layOut(kGeometry, levelZero);
    return entered;
}

struct SelectionCase {
    const char* name;
    draw::Point from;
    draw::Point to;
    bool entered;
};

class Selection : public ::testing::TestWithParam<SelectionCase> { };

TEST_P(Selection, EntersALevelOnlyWithWidthAndATenthPerDivision)
{
    graph::ZoomScroll zoom = laidOut();
    EXPECT_EQ(drag(zoom, GetParam().from, GetParam().to), GetParam().entered);
    EXPECT_EQ(zoom.zoomed(), GetParam().entered);
}

// Labels 0 ... 40 over 400 pixels: 0.1 per division needs more than 10 pixels.
INSTANTIATE_TEST_SUITE_P(Drags, Selection,
    ::testing::Values(SelectionCase { "AClick", { 200, 200 }, { 200, 200 }, false },
        SelectionCase { "NoWidth", { 200, 150 }, { 200, 170 }, false },
        SelectionCase { "FivePixelsHigh", { 60, 150 }, { 250, 155 }, false },
        SelectionCase { "TwentyPixelsHigh", { 60, 150 }, { 250, 170 }, true },
        SelectionCase { "ClampedToThePlot", { 0, 0 }, { 250, 250 }, true }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ZoomScroll, AReversedDragGivesTheSameLevel)
{
    graph::ZoomScroll forward = laidOut();
    graph::ZoomScroll reversed = laidOut();
    ASSERT_TRUE(drag(forward, { 90, 100 }, { 350, 300 }));
    ASSERT_TRUE(drag(reversed, { 350, 300 }, { 90, 100 }));
    EXPECT_DOUBLE_EQ(reversed.currentMap().x0, forward.currentMap().x0);
    EXPECT_DOUBLE_EQ(reversed.currentMap().pitch, forward.currentMap().pitch);
    EXPECT_EQ(reversed.currentMap().labels, forward.currentMap().labels);
}

TEST(ZoomScroll, LevelNinetyNineIsTheDeepest)
{
    const graph::LevelMap levelZero { 0.0, 4.0, graph::levelZeroLabels(40000, 0) };
    graph::ZoomScroll zoom = laidOut(logger::kZoomRules, kGeometry, levelZero);
    // The whole width, the lower nine tenths: each level shows 0.9 of the values below.
    int entered = 0;
    while (entered < 120 && drag(zoom, { 50, 90 }, { 450, 450 }, levelZero))
        ++entered;
    EXPECT_EQ(entered, 99);
    EXPECT_EQ(zoom.level(), 99);
}

TEST(ZoomScroll, TheScrollBarIsPlacedOnceALevelIsEntered)
{
    graph::ZoomScroll zoom = laidOut();
    // A quarter of the width from x 150: pitch 16, sample 25 at the left edge.
    ASSERT_TRUE(drag(zoom, { 150, 50 }, { 250, 450 }));
    EXPECT_EQ(zoom.placeScrollBar(), 26);
    EXPECT_EQ(zoom.placeScrollBar(), std::nullopt);
    EXPECT_EQ(zoom.firstVisibleSample(), 25);
    EXPECT_EQ(zoom.samplesPerScreen(), 25);
    zoom.scrollTo(20);
    EXPECT_EQ(zoom.scrollOffset(), 6);
    EXPECT_EQ(zoom.scrollPosition(), 20);
    // Sample 19 is drawn where sample 25 was: at the left edge.
    EXPECT_EQ(zoom.nearestSample(0), 19);
    zoom.leave();
    EXPECT_FALSE(zoom.zoomed());
    EXPECT_EQ(zoom.scrollOffset(), 0);
}

struct StepCase {
    const char* name;
    graph::ScreenPart rule;
    int width;
    double pitch;
    int step;
};

class GridStep : public ::testing::TestWithParam<StepCase> { };

TEST_P(GridStep, IsAPartOfTheScreenInWholeSamples)
{
    const StepCase& c = GetParam();
    const auto geometry = graph::GraphGeometry::fromClient({ 0, 0, 100 + c.width, 500 }, kMargins);
    graph::ZoomRules rules;
    rules.screenPart = c.rule;
    EXPECT_EQ(laidOut(rules, geometry, { 0.0, c.pitch, {} }).gridStep(), c.step);
}

constexpr auto kWhole = graph::ScreenPart::WholePixels;
constexpr auto kSingle = graph::ScreenPart::SinglePrecision;

INSTANTIATE_TEST_SUITE_P(Parts, GridStep,
    ::testing::Values(StepCase { "AQuarter", kWhole, 400, 1.0, 100 },
        StepCase { "AQuarterOfWholePixels", kWhole, 402, 0.5, 200 },
        StepCase { "AQuarterInSinglePrecision", kSingle, 402, 0.5, 201 },
        StepCase { "AThirdOfWholePixels", kWhole, 300, 100.0, 1 },
        StepCase { "AThirdInSinglePrecisionFallsShort", kSingle, 300, 100.0, 0 },
        StepCase { "AHalf", kSingle, 400, 150.0, 1 }, StepCase { "OneSampleAcross", kWhole, 400, 400.0, 1 }),
    [](const auto& param) { return std::string(param.param.name); });

struct DragWatchCase {
    const char* name;
    graph::ZoomRules rules;
    int dx;  // from the plot's left edge (negative) or right edge (positive)
    int dy;  // from the plot's top edge (negative) or bottom edge (positive)
    bool leaves;
};

class DragWatch : public ::testing::TestWithParam<DragWatchCase> { };

TEST_P(DragWatch, EndsADragFarEnoughFromThePlot)
{
    const DragWatchCase& c = GetParam();
    const auto& plot = kGeometry.plot;
    const int x = c.dx < 0 ? plot.left + c.dx : c.dx > 0 ? plot.right + c.dx : plot.left + 10;
    const int y = c.dy < 0 ? plot.top + c.dy : c.dy > 0 ? plot.bottom + c.dy : plot.top + 10;
    EXPECT_EQ(laidOut(c.rules).dragLeftGraph({ x, y }), c.leaves);
}

constexpr graph::ZoomRules kRealTime = realtime::kZoomRules;
constexpr graph::ZoomRules kLogger = logger::kZoomRules;

INSTANTIATE_TEST_SUITE_P(Pointers, DragWatch,
    ::testing::Values(DragWatchCase { "RealTimeInside", kRealTime, 0, 0, false },
        DragWatchCase { "RealTimeNearAbove", kRealTime, 0, -2, false },
        DragWatchCase { "RealTimeFarAbove", kRealTime, 0, -3, true },
        DragWatchCase { "RealTimeNearLeft", kRealTime, -49, 0, false },
        DragWatchCase { "RealTimeFarLeft", kRealTime, -50, 0, true },
        DragWatchCase { "RealTimeNearRight", kRealTime, 29, 0, false },
        DragWatchCase { "RealTimeFarRight", kRealTime, 30, 0, true },
        DragWatchCase { "RealTimeNearBelow", kRealTime, 0, 19, false },
        DragWatchCase { "RealTimeFarBelow", kRealTime, 0, 20, true },
        DragWatchCase { "LoggerInside", kLogger, 0, 0, false },
        DragWatchCase { "LoggerNearLeft", kLogger, -49, 0, false },
        DragWatchCase { "LoggerFarLeft", kLogger, -50, 0, true },
        DragWatchCase { "LoggerNearRight", kLogger, 49, 0, false },
        DragWatchCase { "LoggerFarRight", kLogger, 50, 0, true },
        DragWatchCase { "LoggerNearAbove", kLogger, 0, -19, false },
        DragWatchCase { "LoggerFarAbove", kLogger, 0, -20, true },
        DragWatchCase { "LoggerNearBelow", kLogger, 0, 39, false },
        DragWatchCase { "LoggerFarBelow", kLogger, 0, 40, true }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon::support
