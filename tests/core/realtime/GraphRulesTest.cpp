#include "core/realtime/GraphInteraction.h"
#include "core/realtime/GraphSetup.h"
#include "core/realtime/Readout.h"
#include "core/realtime/StripLayout.h"

#include "GraphRun.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::testing {
namespace {

TEST(Readout, TimeIsTheStartPlusTheSamplesPeriods)
{
    GraphRun run;
    run.samples = { 1.0f, 2.0f, 3.0f };
    run.periodMs = 1500;
    const auto readout = realtime::readoutAt(run.series(), 2, run.clock);
    ASSERT_TRUE(readout.has_value());
    EXPECT_EQ(readout->time, "time:14:05:12");
    EXPECT_EQ(readout->data, "Data:3.00Lux");
    EXPECT_FALSE(realtime::readoutAt(run.series(), 3, run.clock).has_value());
    EXPECT_FALSE(realtime::readoutAt(run.series(), -1, run.clock).has_value());
}

TEST(Readout, LongPeriodsLateInARunDoNotOverflow)
{
    GraphRun run;
    run.samples.assign(19990, 1.0f);
    run.periodMs = 2000000 * 1000;  // the longest period the dialog accepts
    const auto readout = realtime::readoutAt(run.series(), 19989, run.clock);
    ASSERT_TRUE(readout.has_value());
    const platform::TimeValue t = kStart + platform::TimeValue { 2000000 } * 19989;
    EXPECT_EQ(readout->time, "time:" + platform::formatTime(run.clock.toLocal(t), "%H:%M:%S"));
}

struct RateCase {
    int seconds;
    int periodMs;
};

class SampleRate : public ::testing::TestWithParam<RateCase> { };

TEST_P(SampleRate, IsWholeSecondsOfAtLeastOne)
{
    EXPECT_EQ(realtime::samplePeriodMsFromSeconds(GetParam().seconds), GetParam().periodMs);
}

INSTANTIATE_TEST_SUITE_P(Seconds, SampleRate,
    ::testing::Values(RateCase { 0, 1000 }, RateCase { -3, 1000 }, RateCase { 1, 1000 }, RateCase { 7, 7000 },
        RateCase { 2147483647, 2147483000 }),
    [](const auto& param) {
        const int s = param.param.seconds;
        return "Seconds" + (s < 0 ? "Minus" + std::to_string(-s) : std::to_string(s));
    });

TEST(SampleRate, DialogStartsWithTheCurrentPeriodOrOne)
{
    EXPECT_EQ(realtime::initialSampleRateSeconds(0), 1);
    EXPECT_EQ(realtime::initialSampleRateSeconds(999), 1);
    EXPECT_EQ(realtime::initialSampleRateSeconds(5000), 5);
}

TEST(AxisChoice, UnchosenListsKeepTheirValue)
{
    const realtime::YAxisSetting current { 400, 6 };
    EXPECT_EQ(realtime::applyAxisChoice(current, std::nullopt, std::nullopt), current);
    EXPECT_EQ(realtime::applyAxisChoice(current, 4, std::nullopt), (realtime::YAxisSetting { 40000, 6 }));
    EXPECT_EQ(realtime::applyAxisChoice(current, std::nullopt, 5), (realtime::YAxisSetting { 400, 10 }));
    EXPECT_EQ(realtime::applyAxisChoice(current, 9, -1), current);
}

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

TEST(GraphGeometry, ANarrowWindowCollapsesTheRightStrip)
{
    const auto stripsOf = [](const draw::Rect& client) {
        return realtime::RealTimeGeometry::around(realtime::plotGeometry(client));
    };
    const auto g = realtime::plotGeometry({ 0, 0, 273, 600 });
    EXPECT_EQ(stripsOf({ 0, 0, 273, 600 }).rightStrip.left, 224);
    EXPECT_EQ(stripsOf({ 0, 0, 273, 600 }).rightStrip.right, 224);
    EXPECT_FALSE(g.drawable());
    EXPECT_EQ(stripsOf({ 0, 0, 274, 600 }).rightStrip.left, 224);
    EXPECT_EQ(stripsOf({ 0, 0, 275, 600 }).rightStrip.right, 285);
}

TEST(GraphGeometry, ATinyWindowPaintsWithoutArea)
{
    GraphRun run;
    run.recordRamp(300, { 0, 0, 200, 200 });
    const auto frame = run.paint({ 0, 0, 200, 200 });
    EXPECT_TRUE(frame.gridX.empty());
    EXPECT_TRUE(frame.line.empty());
    EXPECT_EQ(run.model.nearestSample(100), -1);
}

struct DragCase {
    draw::Point pointer;
    bool leaves;
};

class DragWatch : public ::testing::TestWithParam<DragCase> { };

TEST_P(DragWatch, EndsTheDragOnlyWellOutsideThePlot)
{
    const auto g = realtime::plotGeometry(kClient);
    EXPECT_EQ(realtime::dragLeftGraph(GetParam().pointer, g), GetParam().leaves);
}

INSTANTIATE_TEST_SUITE_P(Pointers, DragWatch,
    ::testing::Values(DragCase { { 500, 148 }, false }, DragCase { { 500, 147 }, true },
        DragCase { { 245, 300 }, false }, DragCase { { 244, 300 }, true }, DragCase { { 1003, 300 }, false },
        DragCase { { 1004, 300 }, true }, DragCase { { 500, 637 }, false }, DragCase { { 500, 638 }, true }),
    [](const auto& param) {
        return "X" + std::to_string(param.param.pointer.x) + "Y" + std::to_string(param.param.pointer.y)
            + (param.param.leaves ? "Leaves" : "Stays");
    });

}  // namespace
}  // namespace brivon::testing
