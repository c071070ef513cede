// The graph and memory reports at extreme values: no text runs into another
// and everything stays on the page.

#include "core/realtime/GraphSeries.h"
#include "core/report/GraphReport.h"
#include "core/report/MemoryReport.h"
#include "core/report/ReportSources.h"
#include "core/store/CurrentSet.h"
#include "support/FixedClock.h"
#include "support/PageBoxes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brivon::report {
namespace {

using support::boxOf;
using support::TextOp;

constexpr platform::TimeValue kStart = 1'700'000'000;
constexpr float kHuge = 3.4e38f;
const std::string kLongName(200, 'n');

struct LayoutCase {
    const char* name;
    std::function<void(draw::Canvas&, const platform::Clock&)> draw;
};

LayoutCase runCase(const char* name, std::vector<float> samples, std::string fileName = "run.AsmDat")
{
    return { name, [=](draw::Canvas& canvas, const platform::Clock& clock) {
                realtime::GraphSeries series;
                series.samples = samples;
                series.sampleCount = static_cast<int>(samples.size());
                series.startTime = kStart;
                series.samplePeriodMs = 86'400'000;
                GraphReportSource source = realTimeReportSource(series, graph::levelZeroLabels(100000, -5));
                source.fileName = fileName;
                drawGraphReport(canvas, source, clock);
            } };
}

LayoutCase setCase(const char* name, std::vector<float> samples)
{
    return { name, [=](draw::Canvas& canvas, const platform::Clock& clock) {
                auto set = std::make_unique<store::CurrentSet>();
                std::copy(samples.begin(), samples.end(), set->loadedSamples.begin());
                set->loadedSampleCount = static_cast<int>(samples.size());
                set->loadedSamplePeriod = 3600;
                set->loadedUnitFlag = 1;
                drawGraphReport(canvas, dataLoggerReportSource(*set, 10000, 0), clock);
            } };
}

LayoutCase memoryCase(const char* name, int count, float value, std::uint8_t negative)
{
    return { name, [=](draw::Canvas& canvas, const platform::Clock&) {
                auto block = std::make_unique<store::MemoryBlock>();
                block->recordCount = count;
                for (int k = 0; k < count; ++k)
                    block->records[static_cast<std::size_t>(k)]
                        = { value, "31/12/99 23:59:59", "General", negative, 0 };
                drawMemoryReport(canvas, *block);
            } };
}

class ReportLayout : public ::testing::TestWithParam<LayoutCase> { };

TEST_P(ReportLayout, TextsApartAndOnThePage)
{
    support::RecordingCanvas canvas;
    const support::FixedClock clock { kStart };
    GetParam().draw(canvas, clock);
    const std::vector<TextOp> texts = canvas.all<TextOp>();
    ASSERT_GT(texts.size(), 5u);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const support::Box box = boxOf(texts[i], canvas);
        EXPECT_TRUE(support::onPage(box)) << texts[i].text;
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(support::overlap(box, boxOf(texts[j], canvas)))
                << texts[i].text << " / " << texts[j].text;
    }
}

INSTANTIATE_TEST_SUITE_P(Extremes, ReportLayout,
    ::testing::Values(runCase("NegativeKilo", { -199999.0f, -150000.5f, -100000.0f }),
        runCase("Huge", { kHuge, -kHuge, 1.0f }, kLongName), runCase("OverRange", { 5000000.0f, 5000000.0f }),
        runCase("OneSample", { -123456.0f }, ""), setCase("SetNegativeFootCandles", { -199999.0f, 5.0f }),
        setCase("SetHuge", { kHuge, -kHuge }), memoryCase("FullMemoryNegative", 100, 199999.0f, 1),
        memoryCase("FullMemoryOverRange", 100, 5000000.0f, 0), memoryCase("OneRecord", 1, 1.0f, 0)),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon::report
