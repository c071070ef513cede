#include "GraphRun.h"
#include "core/graph/YAxisSetting.h"
#include "core/realtime/Readout.h"
#include "core/realtime/RealTimePainter.h"
#include "core/realtime/RealTimeStyle.h"
#include "support/RecordingCanvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace brivon::support {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct PaintedGraph {
    RecordingCanvas plot;
    RecordingCanvas labels;
    RecordingCanvas bands;
};

PaintedGraph paintFrame(const realtime::RealTimeFrame& frame, const std::vector<float>& samples)
{
    PaintedGraph painted;
    realtime::RealTimePainter painter;
    painter.paintPlot(painted.plot, frame, samples);
    painter.paintLabelStrip(painted.labels, frame);
    painter.paintMainWindowBands(painted.bands, frame);
    return painted;
}

std::vector<int> verticalGridX(const RecordingCanvas& canvas)
{
    std::vector<int> xs;
    for (const auto& line : canvas.all<LineOp>())
        if (line.from.x == line.to.x && line.pen == realtime::kGridPen) xs.push_back(line.from.x);
    return xs;
}

int horizontalGridLines(const RecordingCanvas& canvas)
{
    int count = 0;
    for (const auto& line : canvas.all<LineOp>())
        count += line.from.y == line.to.y && line.pen == realtime::kGridPen;
    return count;
}

std::vector<draw::Point> dataPoints(const RecordingCanvas& canvas)
{
    const auto lines = canvas.all<PolylineOp>();
    return lines.empty() ? std::vector<draw::Point> {} : lines.front().points;
}

TEST(GraphPaint, EmptyRunShowsTheGridAndLabelsButNoTimes)
{
    GraphRun run;
    const auto frame = run.paint();
    const auto painted = paintFrame(frame, run.samples);

    std::vector<int> expected;
    for (int i = 0; i <= 12; ++i)
        expected.push_back(static_cast<int>(i * 680 * (1.0 / 12)));
    EXPECT_THAT(verticalGridX(painted.plot), ElementsAreArray(expected));
    EXPECT_EQ(horizontalGridLines(painted.plot), 10);
    EXPECT_TRUE(painted.plot.all<PolylineOp>().empty());
    EXPECT_EQ(painted.labels.all<TextOp>().size(), 11u);
    EXPECT_TRUE(painted.bands.all<TextOp>().empty());
    EXPECT_EQ(realtime::emptyRunReadout(), (realtime::Readout { "Time:", "Data:" }));
}

struct AxisCase {
    int gain;
    int offset;
    std::vector<std::string> texts;
};

class GraphAxisLabels : public ::testing::TestWithParam<AxisCase> { };

TEST_P(GraphAxisLabels, FollowGainAndOffset)
{
    GraphRun run;
    run.yGain = GetParam().gain;
    run.yOffset = GetParam().offset;
    const auto painted = paintFrame(run.paint(), run.samples);
    EXPECT_THAT(painted.labels.texts(), ElementsAreArray(GetParam().texts));
}

INSTANTIATE_TEST_SUITE_P(Axes, GraphAxisLabels,
    ::testing::Values(AxisCase { 40, 2,
                          { "80.00", "120.00", "160.00", "200.00", "240.00", "280.00", "320.00", "360.00",
                              "400.00", "440.00", "480.00" } },
        AxisCase { 4000, 0,
            { "0.00", "4.00k", "8.00k", "12.00k", "16.00k", "20.00k", "24.00k", "28.00k", "32.00k", "36.00k",
                "40.00k" } },
        AxisCase { 4, 0,
            { "0.00", "4.00", "8.00", "12.00", "16.00", "20.00", "24.00", "28.00", "32.00", "36.00",
                "40.00" } }),
    [](const auto& param) {
        return "Gain" + std::to_string(param.param.gain) + "Offset" + std::to_string(param.param.offset);
    });

TEST(GraphPaint, GainAndOffsetChosenInTheDialogLabelTheAxis)
{
    GraphRun run;
    const auto setting = graph::applyAxisChoice({ run.yGain, run.yOffset }, 3, 1);  // "4k", "2"
    run.yGain = setting.gain;
    run.yOffset = setting.offset;
    const auto texts = paintFrame(run.paint(), run.samples).labels.texts();
    EXPECT_EQ(texts.front(), "8.00k");
    EXPECT_EQ(texts.back(), "48.00k");
}

TEST(GraphPaint, LabelsSitRightAlignedByTheirDigitsNextToTheirTicks)
{
    GraphRun run;
    run.yGain = 4;
    const auto painted = paintFrame(run.paint(), run.samples);
    const auto texts = painted.labels.all<TextOp>();
    const auto ticks = painted.labels.all<LineOp>();
    ASSERT_EQ(texts.size(), 11u);
    ASSERT_EQ(ticks.size(), 11u);
    EXPECT_EQ(texts[0].at, (draw::Point { 32, 617 - 119 - 8 }));  // "0.00": below 10
    EXPECT_EQ(texts[3].at.x, 24);  // "12.00": below 100
    EXPECT_EQ(texts[10].at, (draw::Point { 24, 617 - 465 - 119 - 8 }));  // "40.00"
    EXPECT_EQ(ticks[10].from, (draw::Point { 63, 617 - 466 - 119 - 1 }));
    EXPECT_EQ(ticks[10].to.x, 68);
    EXPECT_EQ(texts[0].style.background, realtime::kYLabelBackground);
}

TEST(GraphPaint, FootCandleRunPlotsLuxInFootCandles)
{
    GraphRun run;
    run.footCandles = true;
    run.yGain = 4;  // 0 ... 40 FC
    const auto frame = run.record({ 100.0f, 100.0f });
    const auto points = dataPoints(paintFrame(frame, run.samples).plot);
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front().y, static_cast<int>(467 - 467 * (100.0 * 0.0929368 / 40)));
}

TEST(GraphPaint, OverRangeSampleDrawsTheLineOutOfTheTopEdge)
{
    GraphRun run;
    const auto frame = run.record({ 200.0f, 5000000.0f });
    const auto points = dataPoints(paintFrame(frame, run.samples).plot);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].y, static_cast<int>(467 - 467 * 0.5));
    EXPECT_LT(points[1].y, -100000);
    EXPECT_EQ(points[1].x, points[0].x + 6);  // the line stays steep: its far end is not folded in
}

TEST(GraphPaint, TimeLabelsOfTheWholeRunFallEveryThirdGridLine)
{
    GraphRun run;
    run.periodMs = 2000;
    const auto frame = run.recordRamp(5);
    const auto painted = paintFrame(frame, run.samples);
    const auto texts = painted.bands.all<TextOp>();
    // W / 12 = 56 px, pitch 680 / 99: n = 8 samples per grid line, 24 samples (48 s) per time label.
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_THAT(
        painted.bands.texts(), ElementsAre("14:08:21", "14:07:33", "14:06:45", "14:05:57", "14:05:09"));
    EXPECT_EQ(texts[3].at, (draw::Point { 294 + static_cast<int>(8 * (680.0f / 99) * 3), 768 - 111 }));
    EXPECT_EQ(texts[4].at.x, 296);
    EXPECT_EQ(texts[4].style.background, realtime::kButtonFace);
    EXPECT_EQ(verticalGridX(painted.plot).size(), 14u);
}

TEST(GraphPaint, MainWindowBandsFrameThePlot)
{
    GraphRun run;
    const auto fills = paintFrame(run.paint(), run.samples).bands.all<FillOp>();
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, (draw::Rect { 290, 150, 290 + 974 - 230, 180 }));
    EXPECT_EQ(fills[1].rect, (draw::Rect { 294, 648, 294 + 680 + 108, 678 }));
    EXPECT_EQ(fills[1].color, realtime::kStripColor);
}

}  // namespace
}  // namespace brivon::support
