#include "core/realtime/RunBookkeeping.h"

#include "core/measure/Units.h"
#include "core/store/RunLimits.h"

#include <gtest/gtest.h>

#include <vector>

namespace brivon {
namespace {

using Commit = realtime::RunBookkeeping::Commit;

// Runs a pattern of periods: a number is a frame with that value before the
// tick, a negative number a period without a frame.
std::vector<float> committed(realtime::RunBookkeeping& run, const std::vector<float>& periods)
{
    for (float value : periods) {
        if (value >= 0) run.append(value, false);
        run.commit();
    }
    const auto samples = run.samples().first(static_cast<std::size_t>(run.sampleCount()));
    return { samples.begin(), samples.end() };
}

TEST(RunBookkeeping, EveryPeriodWithAReadingKeepsBothCountsEqual)
{
    realtime::RunBookkeeping run;
    run.resetForNewRun(100);
    for (int k = 0; k < 5; ++k) {
        run.append(static_cast<float>(k), false);
        EXPECT_EQ(run.commit(), Commit::NewReading);
        EXPECT_EQ(run.sampleCount(), k + 1);
        EXPECT_EQ(run.readingCount(), k + 1);
        EXPECT_EQ(run.readingToSample()[static_cast<std::size_t>(k)], k);
    }
}

TEST(RunBookkeeping, ASilentPeriodRepeatsThePreviousSampleAndCountsNoReading)
{
    realtime::RunBookkeeping run;
    EXPECT_EQ(committed(run, { 10, -1, 20, -1, -1 }), (std::vector<float> { 10, 10, 20, 20, 20 }));
    EXPECT_EQ(run.readingCount(), 2);
    EXPECT_EQ(run.sampleCount(), 5);
    // Each reading maps to the sample it was committed as.
    EXPECT_EQ(run.readingToSample()[0], 0);
    EXPECT_EQ(run.readingToSample()[1], 2);
}

TEST(RunBookkeeping, SilenceBeforeTheFirstReadingReadsNothingBeforeTheStore)
{
    realtime::RunBookkeeping run;
    EXPECT_EQ(run.commit(), Commit::Repeated);
    EXPECT_EQ(run.sampleCount(), 1);
    EXPECT_EQ(run.readingCount(), 0);
}

TEST(RunBookkeeping, FramesOutsideARunOverwriteTheSlotAndTheLastUnitCounts)
{
    realtime::RunBookkeeping run;
    run.append(1, false);
    run.append(2, true);
    EXPECT_EQ(run.sampleCount(), 0);
    EXPECT_EQ(run.samples()[0], 2);
    EXPECT_EQ(run.unitFlag(), 1);
    EXPECT_TRUE(run.hasNewReading());
}

TEST(RunBookkeeping, AnOverRangeReadingIsStoredAsTheMarker)
{
    realtime::RunBookkeeping run;
    EXPECT_EQ(committed(run, { measure::kOverRange, -1 }),
        (std::vector<float> { measure::kOverRange, measure::kOverRange }));
}

TEST(RunBookkeeping, TheResetStartsAnEmptyRunAndKeepsThePendingReading)
{
    realtime::RunBookkeeping run;
    committed(run, { 1, 2, 3 });
    run.append(4, false);
    run.resetForNewRun(500);
    EXPECT_EQ(run.startTime(), 500);
    EXPECT_EQ(run.sampleCount(), 0);
    EXPECT_EQ(run.readingCount(), 0);
    EXPECT_TRUE(run.hasNewReading());
}

TEST(RunBookkeeping, IsFullAtTheReadingLimitOrTheSampleLimit)
{
    realtime::RunBookkeeping readings;
    for (int k = 0; k < store::run_limits::kMaxReadings; ++k) {
        EXPECT_FALSE(readings.isFull());
        readings.append(1, false);
        readings.commit();
    }
    EXPECT_TRUE(readings.isFull());

    realtime::RunBookkeeping samples;
    samples.append(1, false);
    for (int k = 0; k < store::run_limits::kMaxSamples; ++k) {
        EXPECT_FALSE(samples.isFull());
        samples.commit();
    }
    EXPECT_TRUE(samples.isFull());
    EXPECT_EQ(samples.readingCount(), 1);
}

TEST(RunBookkeeping, TheFileViewCarriesTheRunsFields)
{
    realtime::RunBookkeeping run;
    run.resetForNewRun(1291730709);
    run.setSamplePeriodMs(1500);
    run.setCurrentGain(400);
    committed(run, { 5, -1 });
    const store::RealTimeRun view = run.realTimeRun();
    EXPECT_EQ(view.readingCount, 1);
    EXPECT_EQ(view.sampleCount, 2);
    EXPECT_EQ(view.committedSamples().size(), 2u);
    EXPECT_EQ(view.currentGain, 400);
    EXPECT_EQ(view.runStart, 1291730709);
    EXPECT_EQ(view.samplePeriodSeconds(), 1);
}

}  // namespace
}  // namespace brivon
