#include "core/realtime/Readout.h"

#include "GraphRun.h"

#include <gtest/gtest.h>

namespace brivon::support {
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

}  // namespace
}  // namespace brivon::support
