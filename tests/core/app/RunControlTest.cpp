#include "core/app/CommandIds.h"
#include "core/app/MainFrameFixture.h"
#include "core/realtime/ViewTimers.h"
#include "core/store/RunLimits.h"

namespace brivon {
namespace {

using namespace app::command_ids;

constexpr const char* kIdle = "001";
constexpr const char* kRequested = "111";
constexpr const char* kActive = "010";

class RunStates : public support::MainFrameTest {
protected:
    void SetUp() override
    {
        create();
        frame();  // the meter answers: Run becomes possible
    }
};

TEST_F(RunStates, RunWithCancelChangesNothingButMarksTheRunChosen)
{
    run(std::nullopt);
    EXPECT_EQ(flags(), kIdle);
    EXPECT_TRUE(logic->runControl().runChosen());
    EXPECT_TRUE(logic->runControl().idleFrame());
    EXPECT_FALSE(logic->runControl().runFlag());
    EXPECT_FALSE(viewTimers.isActive(realtime::view_timers::kSample));
    // Nothing was started, so the next Run does not offer to save.
    run(1);
    EXPECT_EQ(flags(), kRequested);
    EXPECT_EQ(prompts.questions().size(), 0u);
}

TEST_F(RunStates, RunWaitsForTheNextFrameWhichStartsTheRunAtItsOwnTime)
{
    run(2);
    EXPECT_EQ(prompts.log(), std::vector<std::string> { "sample rate: 1" });
    EXPECT_EQ(flags(), kRequested);
    EXPECT_EQ(logic->stripTexts().sampleRate, "2");
    EXPECT_FALSE(logic->runControl().idleFrame());
    EXPECT_TRUE(logic->runControl().runFlag());

    clock.advance(30);
    frame(250);
    EXPECT_EQ(flags(), kActive);
    EXPECT_EQ(doc.run().startTime(), support::kDecember7th2010 + 30);
    EXPECT_EQ(logic->linkStatusText(), "COM1 (/dev/ttyFAKE1): meter connected");
    viewTimers.advance(2000);
    EXPECT_EQ(samples(), 1);
    EXPECT_EQ(doc.run().samples()[0], 250);
    EXPECT_EQ(logic->stripTexts().dataNo, "1");
}

TEST_F(RunStates, TheDialogOffersTheCurrentPeriodAndTakesAtLeastOneSecond)
{
    run(0);
    EXPECT_EQ(doc.run().samplePeriodMs(), 1000);
    EXPECT_EQ(logic->stripTexts().sampleRate, "1");
    logic->stop();
    run(-5);
    EXPECT_EQ(doc.run().samplePeriodMs(), 1000);
    logic->stop();
    run(7);
    logic->stop();
    run(std::nullopt);
    EXPECT_EQ(prompts.log().back(), "sample rate: 7");
}

// Run offers to save the last run as the close does: only samples, more than
// one, that no save has written since the last of them.
struct RunQuestionCase {
    const char* name;
    int samples;  // of the last run; -1: no run yet
    int savedAfter;  // samples when it was saved; -1: never
    bool asks;
};

class RunQuestion : public RunStates, public ::testing::WithParamInterface<RunQuestionCase> { };

TEST_P(RunQuestion, IsAskedOnlyForSamplesNotSavedSinceTheLastOfThem)
{
    const RunQuestionCase& c = GetParam();
    if (c.samples >= 0) run(1);
    for (int k = 1; k <= c.samples; ++k) {
        period(true);
        if (k == c.savedAfter) {
            prompts.savePaths.push_back((folder / "last").string());
            ASSERT_TRUE(logic->save());
        }
    }
    logic->stop();
    run(1, c.asks ? std::optional(platform::Answer::No) : std::nullopt);
    EXPECT_EQ(prompts.questions().size(), c.asks ? 1u : 0u);
    EXPECT_EQ(flags(), kRequested);
    EXPECT_EQ(samples(), 0) << "the confirmed Run starts its run empty";
}

INSTANTIATE_TEST_SUITE_P(LastRuns, RunQuestion,
    ::testing::Values(RunQuestionCase { "NoRunYet", -1, -1, false },
        RunQuestionCase { "StoppedBeforeItsFirstFrame", 0, -1, false },
        RunQuestionCase { "OneSample", 1, -1, false }, RunQuestionCase { "UnsavedSamples", 3, -1, true },
        RunQuestionCase { "SavedSinceItsLastSample", 3, 3, false },
        RunQuestionCase { "ASampleAfterTheSave", 3, 2, true }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(RunStates, AnsweringYesSavesTheLastRunBeforeTheDialog)
{
    run(1);
    periods(2, true);
    logic->stop();
    prompts.savePaths.push_back((folder / "last").string());
    run(1, platform::Answer::Yes);
    EXPECT_EQ(prompts.log().back(), "sample rate: 1");
    EXPECT_EQ(std::filesystem::file_size(folder / "last.AsmDat"), 47u + 4u * 2u);
}

TEST_F(RunStates, RunDuringAnActiveRunDoesNotRestartIt)
{
    run(1);
    periods(3, true);
    EXPECT_EQ(flags(), kActive);
    const platform::TimeValue start = doc.run().startTime();

    clock.advance(60);
    run(1, platform::Answer::No);
    EXPECT_EQ(flags(), "110");
    periods(2, true);
    EXPECT_EQ(readings(), 5);
    EXPECT_EQ(doc.run().startTime(), start);
}

TEST_F(RunStates, StopBeforeTheFirstFrameLeavesTheRequestForTheNextFrame)
{
    run(1);
    logic->stop();
    EXPECT_EQ(flags(), "101");
    EXPECT_FALSE(enabled(kStop));

    clock.advance(10);
    frame();  // resets the counters and the start time although nothing runs
    EXPECT_EQ(flags(), "000");
    EXPECT_EQ(doc.run().startTime(), support::kDecember7th2010 + 10);
    periods(2, true);
    EXPECT_EQ(samples(), 0);

    clock.advance(10);
    run(1);
    EXPECT_EQ(flags(), "110");
    periods(2, true);
    EXPECT_EQ(doc.run().startTime(), support::kDecember7th2010 + 10);
    EXPECT_EQ(samples(), 2);
}

TEST_F(RunStates, StopEndsTheRunAndKeepsItsSamples)
{
    run(1);
    periods(4, true);
    logic->stop();
    EXPECT_EQ(flags(), kIdle);
    EXPECT_FALSE(logic->runControl().runFlag());
    periods(3, true);
    EXPECT_EQ(samples(), 4);
    EXPECT_TRUE(logic->runControl().idleFrame());
}

TEST_F(RunStates, TheRunEndsAtTheTickOfItsTenThousandthReading)
{
    run(1);
    periods(store::run_limits::kMaxReadings - 1, true);
    EXPECT_EQ(flags(), kActive);
    period(true);
    EXPECT_EQ(readings(), store::run_limits::kMaxReadings);
    EXPECT_EQ(flags(), kIdle);
    EXPECT_FALSE(enabled(kStop));

    viewTimers.advance(5 * kOneSecond);  // later ticks with no frame write nothing
    EXPECT_EQ(samples(), store::run_limits::kMaxReadings);
    frame();
    EXPECT_TRUE(enabled(kRun));
}

TEST_F(RunStates, TheRunEndsAtTheTickOfSample19990WithNoFrameArriving)
{
    run(1);
    period(true);
    viewTimers.advance(static_cast<long long>(store::run_limits::kMaxSamples - 1) * kOneSecond);
    EXPECT_EQ(samples(), store::run_limits::kMaxSamples);
    EXPECT_EQ(readings(), 1);
    EXPECT_EQ(flags(), kIdle);
    EXPECT_FALSE(logic->runControl().runFlag());
    viewTimers.advance(10 * kOneSecond);
    EXPECT_EQ(samples(), store::run_limits::kMaxSamples);
}

TEST_F(RunStates, ANewRunAfterAFullOneWaitsForItsFrameInsteadOfEnding)
{
    run(1);
    period(true);
    viewTimers.advance(static_cast<long long>(store::run_limits::kMaxSamples) * kOneSecond);
    run(1, platform::Answer::No);
    viewTimers.advance(3 * kOneSecond);  // the meter is silent: the full counters stay untouched
    EXPECT_EQ(flags(), kRequested);
    frame(42);
    period(false);
    EXPECT_EQ(samples(), 1);
    EXPECT_EQ(doc.run().samples()[0], 42);
}

TEST_F(RunStates, AnInvalidPortEndsTheRunAndGoesOffLine)
{
    run(1);
    periods(2, true);
    port.missingPorts = { 1 };
    viewTimers.advance(4 * kOneSecond);  // two watchdog ticks without a frame
    EXPECT_EQ(flags(), kIdle);
    EXPECT_TRUE(logic->link().offline());
    EXPECT_EQ(logic->stripTexts().battery, "Normal") << "the last frame's battery state stays";
    EXPECT_FALSE(logic->runControl().idleFrame());
    EXPECT_FALSE(logic->runControl().runFlag());
    EXPECT_GE(events.panelChanges, 1);
    EXPECT_FALSE(enabled(kDataLogger));
    EXPECT_EQ(logic->linkStatusText(), "COM1 (/dev/ttyFAKE1): no such device");
}

}  // namespace
}  // namespace brivon
