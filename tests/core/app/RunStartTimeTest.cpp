// A run is dated from the moment Run was confirmed until its first frame
// comes, and then from that frame; --run starts a run as a confirmed Run does.

#include "core/app/CommandIds.h"
#include "core/app/CommandLine.h"
#include "core/app/MainFrameFixture.h"
#include "core/files/GraphFile.h"

#include <memory>
#include <string>
#include <vector>

namespace brivon {
namespace {

using support::kDecember7th2010;

class RunStartTime : public support::MainFrameTest {
protected:
    void SetUp() override { create(); }

    // The start written by Save, read back as a graph file reader sees it.
    platform::LocalTime savedStart()
    {
        prompts.savePaths.push_back((folder / "run.AsmDat").string());
        EXPECT_TRUE(logic->save());
        const auto set = std::make_unique<store::CurrentSet>();
        EXPECT_TRUE(files::readGraphFile(folder / "run.AsmDat", *set, clock).ok());
        return set->loadedStart;
    }
};

TEST_F(RunStartTime, ARunWithoutAFrameIsDatedFromTheConfirmedRun)
{
    clock.advance(30);
    run(1);
    clock.advance(5);
    viewTimers.advance(3000);
    ASSERT_EQ(samples(), 3);
    EXPECT_EQ(doc.run().startTime(), kDecember7th2010 + 30);
    const platform::LocalTime start = savedStart();
    EXPECT_EQ(start.year, 2010);
    EXPECT_EQ(start.second, 39);
    // The strip shows the start Save writes; no reading belongs to the run yet.
    EXPECT_EQ(logic->stripTexts().startTime, "07/12/10 14:05:39");
    EXPECT_EQ(logic->stripTexts().dataNo, "0");
    EXPECT_EQ(readings(), 0);
}

TEST_F(RunStartTime, AReadingFromBeforeRunIsRepeatedButNotCountedAsTheRuns)
{
    frame(250);
    run(1);
    viewTimers.advance(2000);
    EXPECT_EQ(samples(), 2);
    EXPECT_EQ(readings(), 0);
    EXPECT_EQ(doc.run().samples()[0], 250);
    EXPECT_EQ(doc.run().samples()[1], 250);
}

TEST_F(RunStartTime, TheFirstFrameDatesTheRunAgainAndTheStripShowsThatTime)
{
    run(1);
    viewTimers.advance(2000);
    clock.advance(10);
    period(true);
    EXPECT_EQ(samples(), 1);
    EXPECT_EQ(doc.run().startTime(), kDecember7th2010 + 10);
    EXPECT_EQ(logic->stripTexts().startTime, "07/12/10 14:05:19");
}

TEST_F(RunStartTime, ANewRunBeforeItsFirstFrameNeverShowsTheLastRunsSamples)
{
    frame();
    run(1);
    periods(4, true);
    logic->stop();
    clock.advance(100);
    run(1, platform::Answer::No);
    EXPECT_EQ(samples(), 0);
    viewTimers.advance(1000);
    EXPECT_EQ(samples(), 1);
    EXPECT_EQ(doc.run().startTime(), kDecember7th2010 + 100);
}

TEST_F(RunStartTime, RunAtLaunchRunsAsAConfirmedRunWithStopAvailable)
{
    clock.advance(7);
    logic->runAtLaunch(5);
    EXPECT_EQ(flags(), "111");
    EXPECT_EQ(doc.run().samplePeriodMs(), 5000);
    EXPECT_EQ(logic->stripTexts().sampleRate, "5");
    EXPECT_EQ(doc.run().startTime(), kDecember7th2010 + 7);
    EXPECT_TRUE(enabled(app::command_ids::kStop));
    EXPECT_TRUE(prompts.log().empty());
    viewTimers.advance(5000);
    EXPECT_EQ(samples(), 1);
    frame();
    EXPECT_EQ(flags(), "010");
}

// --run SECONDS on the command line.
struct RunOptionCase {
    const char* name;
    std::vector<std::string> arguments;
    std::optional<int> seconds;  // nothing: refused
};

class RunOption : public ::testing::TestWithParam<RunOptionCase> { };

TEST_P(RunOption, TakesOnlyAWholePositiveNumberOfSecondsOnce)
{
    const app::ParsedCommandLine parsed = app::parseCommandLine(GetParam().arguments);
    if (GetParam().seconds) {
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.line.runSeconds, GetParam().seconds);
    } else {
        EXPECT_NE(parsed.error, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Values, RunOption,
    ::testing::Values(RunOptionCase { "One", { "--run", "1" }, 1 },
        RunOptionCase { "WithSimulate", { "--simulate", "--run", "60" }, 60 },
        RunOptionCase { "Longest", { "--run", "2147483" }, 2147483 },
        RunOptionCase { "TooLongForMilliseconds", { "--run", "2147484" }, std::nullopt },
        RunOptionCase { "Zero", { "--run", "0" }, std::nullopt },
        RunOptionCase { "Negative", { "--run", "-5" }, std::nullopt },
        RunOptionCase { "Fraction", { "--run", "1.5" }, std::nullopt },
        RunOptionCase { "Word", { "--run", "ten" }, std::nullopt },
        RunOptionCase { "Empty", { "--run", "" }, std::nullopt },
        RunOptionCase { "Missing", { "--run" }, std::nullopt },
        RunOptionCase { "Twice", { "--run", "1", "--run", "2" }, std::nullopt }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
