#include "core/report/GraphReport.h"

#include "core/realtime/GraphSeries.h"
#include "core/report/ReportSources.h"
#include "core/store/CurrentSet.h"
#include "support/FixedClock.h"
#include "support/RecordingCanvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace brivon::report {
namespace {

using support::FillOp;
using support::LineOp;
using support::PolylineOp;
using support::RectOp;
using support::TextOp;

constexpr platform::TimeValue kStart = 1'700'000'000;  // 2023-11-14 22:13:20 UTC
constexpr platform::TimeValue kPrinted = 1'765'265'400;  // 2025-12-09 07:30:00 UTC
const draw::Rect kFrame { -750, 1000, -10, 200 };

struct Printed {
    ::brivon::support::RecordingCanvas canvas;
    ::brivon::support::FixedClock clock { kPrinted };
};

GraphReportSource sourceOf(std::vector<float>& samples, int gain = 100)
{
    realtime::GraphSeries series;
    series.samples = samples;
    series.sampleCount = static_cast<int>(samples.size());
    series.startTime = kStart;
    series.samplePeriodMs = 1000;
    return realTimeReportSource(series, graph::levelZeroLabels(gain, 0));
}

std::unique_ptr<Printed> print(const GraphReportSource& source)
{
    auto printed = std::make_unique<Printed>();
    drawGraphReport(printed->canvas, source, printed->clock);
    return printed;
}

template <typename Op> std::size_t indexOfFirst(const ::brivon::support::RecordingCanvas& canvas)
{
    const auto& ops = canvas.ops();
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (std::holds_alternative<Op>(ops[i])) return i;
    return ops.size();
}

TEST(GraphReport, WithoutSamplesPrintsOnlyTheFrame)
{
    std::vector<float> none;
    const auto printed = print(sourceOf(none));
    ASSERT_EQ(printed->canvas.ops().size(), 1u);
    const auto frames = printed->canvas.all<RectOp>();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].rect, kFrame);
    EXPECT_EQ(frames[0].pen, (draw::Pen { draw::PenStyle::Solid, 2, draw::rgb(0, 0, 0) }));
}

TEST(GraphReport, OneSamplePrintsEverythingButTheCurve)
{
    std::vector<float> one { 500.0f };
    const auto printed = print(sourceOf(one));
    EXPECT_TRUE(printed->canvas.all<PolylineOp>().empty());
    EXPECT_EQ(printed->canvas.all<RectOp>().size(), 1u);
    EXPECT_NE(printed->canvas.findText(" Test Report "), nullptr);
    EXPECT_EQ(printed->canvas.all<LineOp>().size(), 13u);
    // With one sample every time label is the start time.
    const std::vector<std::string> texts = printed->canvas.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "22:13:20"), 5);
}

TEST(GraphReport, CurveSpansTheFrameAgainstTheLabels)
{
    std::vector<float> samples { 0.0f, 500.0f, 1000.0f };
    const auto printed = print(sourceOf(samples));
    const auto curves = printed->canvas.all<PolylineOp>();
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_THAT(curves[0].points,
        ::testing::ElementsAre(
            draw::Point { -750, 200 }, draw::Point { -380, 600 }, draw::Point { -10, 1000 }));
    EXPECT_EQ(curves[0].pen, (draw::Pen { draw::PenStyle::Solid, 2, draw::rgb(55, 0, 0) }));
}

TEST(GraphReport, FootCandleSamplesArePlottedInFootCandles)
{
    std::vector<float> samples { 0.0f, 5380.0f };  // about 500 fc
    GraphReportSource source = sourceOf(samples);
    source.footCandles = true;
    const auto curves = print(source)->canvas.all<PolylineOp>();
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_NEAR(curves[0].points[1].y, 600, 1);
}

TEST(GraphReport, CurveOutsideTheFrameIsCutByWhiteFillsBeforeTheFrameIsDrawn)
{
    std::vector<float> samples { 5000000.0f, -300.0f, 400.0f };
    const auto printed = print(sourceOf(samples));
    const auto curve = printed->canvas.all<PolylineOp>().at(0);
    EXPECT_EQ(curve.points[0].y, 4000200);
    EXPECT_EQ(curve.points[1].y, -40);

    const auto fills = printed->canvas.all<FillOp>();
    ASSERT_EQ(fills.size(), 2u);
    for (const FillOp& fill : fills) {
        EXPECT_EQ(fill.color, draw::rgb(255, 255, 255));
        EXPECT_LE(fill.rect.left, -800);
        EXPECT_EQ(fill.rect.right, 0);
    }
    EXPECT_EQ(fills[0].rect.bottom, 1000);
    EXPECT_GE(fills[0].rect.top, curve.points[0].y);
    EXPECT_EQ(fills[1].rect.top, 200);
    EXPECT_LE(fills[1].rect.bottom, 0);

    const std::size_t curveAt = indexOfFirst<PolylineOp>(printed->canvas);
    const std::size_t fillAt = indexOfFirst<FillOp>(printed->canvas);
    EXPECT_LT(curveAt, fillAt);
    EXPECT_LT(fillAt, indexOfFirst<RectOp>(printed->canvas));
}

TEST(GraphReport, TitleCaptionAndValueLabelsInTheirFonts)
{
    std::vector<float> samples { 1.0f, 2.0f };
    const auto printed = print(sourceOf(samples, 40));
    const TextOp* title = printed->canvas.findText(" Test Report ");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->at, (draw::Point { -620, 1120 }));
    EXPECT_EQ(title->font, (draw::Font { "Arial", -40, 0, 100 }));
    EXPECT_FALSE(title->style.background.has_value());

    const TextOp* caption = printed->canvas.findText("Light");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->at, (draw::Point { -750, 1025 }));
    EXPECT_EQ(caption->font, (draw::Font { "Arial", -15, 0, 100 }));

    for (int k = 0; k <= 10; ++k) {
        const std::string text = std::to_string(40 * k) + ".0";
        const TextOp* label = printed->canvas.findText(text);
        ASSERT_NE(label, nullptr) << text;
        EXPECT_EQ(label->at, (draw::Point { -800, 210 + 80 * k })) << text;
    }
}

TEST(GraphReport, DottedGridInTheSourcesColour)
{
    std::vector<float> samples { 1.0f, 2.0f };
    const auto lines = print(sourceOf(samples))->canvas.all<LineOp>();
    ASSERT_EQ(lines.size(), 13u);
    for (int m = 0; m < 10; ++m) {
        EXPECT_EQ(lines[m].from, (draw::Point { -10, 280 + 80 * m }));
        EXPECT_EQ(lines[m].to, (draw::Point { -755, 280 + 80 * m }));
    }
    EXPECT_EQ(lines[10].from, (draw::Point { -565, 200 }));
    EXPECT_EQ(lines[12].to, (draw::Point { -195, 1000 }));
    for (const LineOp& line : lines)
        EXPECT_EQ(line.pen, (draw::Pen { draw::PenStyle::Dot, 1, draw::rgb(127, 127, 127) }));
}

TEST(GraphReport, IdentityStatisticsAndPrintDateUnderTheFrame)
{
    std::vector<float> samples { 100.0f, 200.0f, 5000000.0f };
    GraphReportSource source = sourceOf(samples);
    source.fileName = "run.AsmDat";
    const auto printed = print(source);
    const TextOp* identity = printed->canvas.findText(
        "Start 14/11/23 22:13:20   Duration 0:00:02   Period 1 s   Samples 3   File run.AsmDat");
    ASSERT_NE(identity, nullptr);
    EXPECT_EQ(identity->at, (draw::Point { -750, 175 }));
    const TextOp* statistics
        = printed->canvas.findText("Run statistics:   Average: 150.00  Lux   Min: 100.00  "
                                   "Lux   Max: 200.00  Lux   Emin/Eavg: 0.67");
    ASSERT_NE(statistics, nullptr);
    EXPECT_EQ(statistics->at, (draw::Point { -750, 155 }));
    const TextOp* date = printed->canvas.findText("2025-12-09  07:30");
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->at, (draw::Point { -200, 20 }));
}

struct TimeCase {
    const char* name;
    int sampleCount;
    std::int64_t periodMs;
    std::vector<std::string> labels;
};

class TimeLabels : public ::testing::TestWithParam<TimeCase> { };

TEST_P(TimeLabels, StepByQuartersOfTheRun)
{
    std::vector<float> samples(static_cast<std::size_t>(GetParam().sampleCount), 10.0f);
    GraphReportSource source = sourceOf(samples);
    source.samplePeriodMs = GetParam().periodMs;
    const auto printed = print(source);
    std::vector<std::string> found;
    std::vector<int> xs;
    for (const TextOp& text : printed->canvas.all<TextOp>()) {
        if (text.at.y != 195) continue;
        found.push_back(text.text);
        xs.push_back(text.at.x);
    }
    EXPECT_EQ(found, GetParam().labels);
    EXPECT_EQ(xs, (std::vector<int> { -750, -580, -410, -240, -70 }));
}

INSTANTIATE_TEST_SUITE_P(Steps, TimeLabels,
    ::testing::Values(
        TimeCase { "WholeSeconds", 10, 1500, { "22:13:20", "22:13:23", "22:13:26", "22:13:29", "22:13:32" } },
        // The seconds are truncated after multiplying, not per step.
        TimeCase { "MillisecondsTruncatedOnce", 5, 700,
            { "22:13:20", "22:13:20", "22:13:21", "22:13:22", "22:13:22" } },
        TimeCase { "FewerSamplesThanQuarters", 3, 1000,
            { "22:13:20", "22:13:20", "22:13:20", "22:13:20", "22:13:20" } }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(DataLoggerReportSource, LevelZeroLabelsPeriodInSecondsAndDarkGrid)
{
    auto set = std::make_unique<store::CurrentSet>();
    set->loadedSampleCount = 8;
    set->loadedSamplePeriod = 60;
    set->loadedStartTime = kStart;
    set->loadedUnitFlag = 1;
    const GraphReportSource source = dataLoggerReportSource(*set, 20, 3);
    EXPECT_EQ(source.samples.size(), 8u);
    EXPECT_EQ(source.labels.front(), 60.0f);
    EXPECT_EQ(source.labels.back(), 260.0f);
    EXPECT_TRUE(source.footCandles);
    EXPECT_EQ(source.statisticsLabel, "Set statistics:");
    EXPECT_EQ(source.gridColor, draw::rgb(27, 27, 27));

    const auto printed = print(source);
    EXPECT_NE(printed->canvas.findText("22:15:20"), nullptr);  // two samples of 60 s
    EXPECT_NE(printed->canvas.findText("22:21:20"), nullptr);
}

TEST(RealTimeReportSource, PrintsOnlyTheViewsSampleCount)
{
    std::vector<float> slots { 1.0f, 2.0f, 3.0f, 4.0f };
    realtime::GraphSeries series;
    series.samples = slots;
    series.sampleCount = 2;
    EXPECT_EQ(realTimeReportSource(series, {}).samples.size(), 2u);
}

}  // namespace
}  // namespace brivon::report
