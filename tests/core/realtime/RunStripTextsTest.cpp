#include "core/realtime/RunStripTexts.h"

#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <optional>

namespace brivon {
namespace {

constexpr platform::TimeValue kStart = 1291730709;  // 7 December 2010, 14:05:09 (UTC in the fixed clock)

struct StripCase {
    const char* name;
    bool started;
    int periodMs;
    int readings;
    std::optional<bool> lowBattery;
    realtime::RunStripTexts expected;
};

class RunStrip : public ::testing::TestWithParam<StripCase> { };

TEST_P(RunStrip, ShowsTheRunAndTheBatteryAsTheyAre)
{
    const StripCase& c = GetParam();
    realtime::RunBookkeeping run;
    run.setSamplePeriodMs(c.periodMs);
    if (c.started) run.resetForNewRun(kStart);
    for (int k = 0; k < c.readings; ++k) {
        run.append(1.0f, false);
        run.commit();
    }
    run.commit();  // a silent period is no reading
    const support::FixedClock clock;
    EXPECT_EQ(realtime::runStripTexts(run, c.lowBattery, clock), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RunStrip,
    ::testing::Values(StripCase { "NothingYet", false, 0, 0, std::nullopt, {} },
        StripCase { "MeterBeforeAnyRun", false, 0, 0, false, { "", "", "", "Normal" } },
        StripCase {
            "RunWithoutReadings", true, 1000, 0, std::nullopt, { "07/12/10 14:05:09", "0", "1", "" } },
        StripCase { "PeriodInWholeSeconds", true, 2999, 3, true, { "07/12/10 14:05:09", "3", "2", "Low" } }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
