#include "core/logger/LoggerGraph.h"

#include "core/logger/LoggerPainter.h"
#include "core/logger/LoggerStyle.h"
#include "core/measure/Units.h"
#include "support/FixedClock.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace brivon {
namespace {

// A client rectangle whose plot is `width` × `height` pixels.
draw::Rect clientFor(int width, int height)
{
    const auto& m = logger::kPlotMargins;
    return { 0, 0, m.left + width + m.right, m.top + height + m.bottom };
}

class LoggerGraphTest : public ::testing::Test {
protected:
    void setReadings(const std::vector<float>& readings, std::uint8_t unit = 0)
    {
        std::copy(readings.begin(), readings.end(), set->loadedSamples.begin());
        set->loadedSampleCount = static_cast<std::int32_t>(readings.size());
        set->loadedUnitFlag = unit;
        set->loadedSamplePeriod = 10;
    }
    logger::LoggerFrame layout(graph::YAxisSetting axis = { 4, 0 }, bool withSet = true)
    {
        return graph.layout(client, { withSet ? set.get() : nullptr, axis });
    }

    support::FixedClock clock;
    logger::LoggerGraph graph { clock };
    std::unique_ptr<store::CurrentSet> set = std::make_unique<store::CurrentSet>();
    draw::Rect client = clientFor(400, 400);
};

struct LabelCase {
    const char* name;
    graph::YAxisSetting axis;
    std::vector<std::string> texts;  // bottom to top
    std::vector<int> indents;  // in character pitches
};

class ValueLabels : public LoggerGraphTest, public ::testing::WithParamInterface<LabelCase> { };

TEST_P(ValueLabels, ReadAndIndentByValue)
{
    const LabelCase& c = GetParam();
    const logger::LoggerFrame frame = layout(c.axis);
    const int left = frame.geometry.plot.left;
    for (std::size_t k = 0; k < c.texts.size(); ++k) {
        EXPECT_EQ(frame.valueLabels[k].text, c.texts[k]) << k;
        EXPECT_EQ(frame.valueLabels[k].at.x, static_cast<int>(left - 70 + 7.5 * c.indents[k])) << k;
        EXPECT_EQ(frame.valueLabels[k].at.y, frame.geometry.plot.bottom - static_cast<int>(k) * 40) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Axes, ValueLabels,
    ::testing::Values(LabelCase { "KiloLabels", { 4000, 2 },
                          { "8.00K", "12.00K", "16.00K", "20.00K", "24.00K", "28.00K", "32.00K", "36.00K",
                              "40.00K", "44.00K", "48.00K" },
                          std::vector<int>(11, 1) },
        LabelCase { "SmallLabels", { 4, 0 }, { "0.00", "4.00", "8.00", "12.00" }, { 4, 4, 4, 3 } },
        LabelCase { "OneThousand", { 1000, 1 }, { "1.00K" }, { 1 } },
        LabelCase { "Negative", { 1000, -1 }, { "-1000.00", "0.00" }, { 0, 4 } },
        LabelCase { "NegativeTens", { 10, -1 }, { "-10.00", "0.00" }, { 2, 4 } }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LoggerGraphTest, HalfwayBetweenTwoReadingsReadsOutTheEarlier)
{
    client = clientFor(20, 400);
    setReadings({ 1.0f, 2.5f, 1500.0f });
    const int left = layout().geometry.plot.left;
    ASSERT_TRUE(graph.readOut(left + 5, *set));
    EXPECT_EQ(graph.readoutValue(), "1.00 Lux");
    EXPECT_EQ(graph.readoutTime(), "00:00:00");
    ASSERT_TRUE(graph.readOut(left + 6, *set));
    EXPECT_EQ(graph.readoutValue(), "2.50 Lux");
    EXPECT_EQ(graph.readoutTime(), "00:00:10");
    ASSERT_TRUE(graph.readOut(left + 20, *set));
    EXPECT_EQ(graph.readoutValue(), "1.50 KLux");
    EXPECT_FALSE(graph.readOut(left - 1, *set));
    EXPECT_EQ(graph.readoutValue(), "1.50 KLux");
}

class OverRangeReadout : public LoggerGraphTest, public ::testing::WithParamInterface<std::uint8_t> { };

TEST_P(OverRangeReadout, ReadsOL)
{
    setReadings({ measure::kOverRange, 1.0f }, GetParam());
    const int left = layout().geometry.plot.left;
    ASSERT_TRUE(graph.readOut(left, *set));
    EXPECT_EQ(graph.readoutValue(), "OL");
}

INSTANTIATE_TEST_SUITE_P(Units, OverRangeReadout, ::testing::Values(0, 1),
    [](const auto& param) { return param.param == 0 ? std::string("Lux") : std::string("FootCandles"); });

class LoggerPaintTest : public LoggerGraphTest {
protected:
    support::RecordingCanvas paint(const logger::LoggerFrame& frame)
    {
        support::RecordingCanvas canvas;
        painter.paint(canvas, frame, set->samples());
        return canvas;
    }
    logger::LoggerPainter painter;
};

TEST_F(LoggerPaintTest, AFootCandleSetIsPlottedInFootCandles)
{
    // 1076 lux are 100 foot-candles: the top of an axis of 0 to 100.
    setReadings({ 0.0f, 1076.0f }, 1);
    const logger::LoggerFrame frame = layout({ 10, 0 });
    const auto lines = paint(frame).all<support::PolylineOp>();
    ASSERT_EQ(lines.size(), 1U);
    const auto& plot = frame.geometry.plot;
    EXPECT_EQ(
        lines[0].points, (std::vector<draw::Point> { { plot.left, plot.bottom }, { plot.right, plot.top } }));
    EXPECT_EQ(lines[0].pen, logger::kCurvePen);
}

TEST_F(LoggerPaintTest, FullViewShowsFifteenColumnsAndTheStartAndEndTimes)
{
    setReadings({ 1.0f, 2.0f, 3.0f });
    const logger::LoggerFrame frame = layout();
    EXPECT_EQ(frame.gridX.size(), 15U);
    ASSERT_EQ(frame.timeLabels.size(), 2U);
    EXPECT_EQ(frame.timeLabels[1].text, "00:00:20");
    EXPECT_EQ(frame.timeLabels[1].at,
        (draw::Point { frame.geometry.plot.right - 55, frame.geometry.plot.bottom + 8 }));
}

TEST_F(LoggerPaintTest, BeforeASetIsChosenOnlyThePlotFrameIsDrawn)
{
    const logger::LoggerFrame frame = layout({ 4, 0 }, false);
    const support::RecordingCanvas canvas = paint(frame);
    EXPECT_TRUE(canvas.all<support::PolylineOp>().empty());
    EXPECT_TRUE(canvas.texts().empty()) << "no value labels, statistics or read-out captions";
    // Background, plot and time band: no margin is wiped over the ticks and the right axis.
    EXPECT_EQ(canvas.all<support::FillOp>().size(), 3U);
    const auto& plot = frame.geometry.plot;
    const auto lines = canvas.all<support::LineOp>();
    const auto drawn = [&](draw::Point from, draw::Point to) {
        return std::any_of(lines.begin(), lines.end(), [&](const support::LineOp& line) {
            return line.from == from && line.to == to && line.pen == logger::kAxisPen;
        });
    };
    EXPECT_TRUE(drawn({ plot.left - 3, plot.bottom }, { plot.left, plot.bottom }));
    EXPECT_TRUE(drawn({ plot.right, plot.top }, { plot.right, plot.bottom }));
}

TEST_F(LoggerPaintTest, DenseReadingsAreDrawnAsColumnsInsideThePlot)
{
    std::vector<float> readings(33000);
    for (std::size_t i = 0; i < readings.size(); ++i)
        readings[i] = static_cast<float>(i % 37);
    readings[500] = measure::kOverRange;
    setReadings(readings);
    const logger::LoggerFrame frame = layout({ 4, 0 });
    const support::RecordingCanvas canvas = paint(frame);
    EXPECT_TRUE(canvas.all<support::PolylineOp>().empty());
    std::size_t red = 0;
    for (const auto& fill : canvas.all<support::FillOp>())
        red += fill.color == logger::kCurvePen.color;
    EXPECT_GE(red, 400U);
    EXPECT_LE(red, 402U);
}

TEST_F(LoggerGraphTest, ZoomedViewPlacesTheScrollBarAndTenTimeSlots)
{
    setReadings(std::vector<float>(1000, 10.0f));
    const auto& plot = layout().geometry.plot;
    graph.zoomScroll().startSelection({ plot.left + 100, plot.top });
    graph.zoomScroll().endSelection({ plot.left + 200, plot.bottom });
    ASSERT_TRUE(graph.zoomScroll().zoomToSelection());
    const logger::LoggerFrame frame = layout();
    EXPECT_FALSE(frame.fullView);
    EXPECT_TRUE(frame.scrollBar.enabled);
    EXPECT_EQ(frame.scrollBar.maximum, 1000);
    ASSERT_TRUE(frame.scrollBar.position.has_value());
    EXPECT_EQ(*frame.scrollBar.position, 250);  // reading 249 at the left edge
    EXPECT_EQ(frame.gridX.size(), 10U);
    EXPECT_FALSE(layout().scrollBar.position.has_value());
    graph.zoomScroll().scrollTo(240);
    EXPECT_EQ(graph.zoomScroll().scrollOffset(), 10);
    EXPECT_EQ(layout().curve.line.shift, 10);
}

}  // namespace
}  // namespace brivon
