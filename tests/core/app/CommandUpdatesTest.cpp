#include "core/app/CommandIds.h"
#include "core/app/MainFrameFixture.h"

#include <map>

namespace brivon {
namespace {

using namespace app::command_ids;
using MainWindow = support::MainFrameTest;

// What the user has done so far.
enum class Step { Frame, RunWithOk, PeriodWithFrame, Stop };

// The enable state of the main window's commands at the moments a user meets.
struct Moment {
    const char* name;
    std::vector<Step> steps;
    std::map<int, bool> enabled;
};

class CommandUpdates : public MainWindow, public ::testing::WithParamInterface<Moment> {
protected:
    void take(Step step)
    {
        switch (step) {
        case Step::Frame:
            frame();
            break;
        case Step::RunWithOk:
            run(1);
            break;
        case Step::PeriodWithFrame:
            period(true);
            break;
        case Step::Stop:
            logic->stop();
            break;
        }
    }
};

TEST_P(CommandUpdates, FollowTheRunTheMeterAndTheSamples)
{
    create();
    for (Step step : GetParam().steps)
        take(step);
    for (const auto& [id, expected] : GetParam().enabled)
        EXPECT_EQ(enabled(id), expected) << "command " << id;
}

INSTANTIATE_TEST_SUITE_P(Moments, CommandUpdates,
    ::testing::Values(Moment { "Start", {},
                          { { kRun, false }, { kStop, false }, { kPowerOff, false }, { kSave, false },
                              { kPrint, false }, { kDataLogger, false }, { kMem, true }, { kCom1, true },
                              { kOtherCom, true }, { kOpen, true }, { kHelpContents, true } } },
        Moment { "MeterAnswers", { Step::Frame },
            { { kRun, true }, { kStop, false }, { kPowerOff, true }, { kSave, false }, { kDataLogger, true },
                { kCom1, false }, { kCom4, false }, { kOtherCom, false } } },
        Moment { "RunChosen", { Step::Frame, Step::RunWithOk },
            { { kRun, false }, { kStop, true }, { kPowerOff, false }, { kSave, false },
                { kExportCsv, false } } },
        Moment { "FirstSample", { Step::Frame, Step::RunWithOk, Step::PeriodWithFrame },
            { { kRun, false }, { kStop, true }, { kSave, true }, { kExportCsv, true }, { kPrint, true } } },
        Moment { "StoppedThenFrame",
            { Step::Frame, Step::RunWithOk, Step::PeriodWithFrame, Step::Stop, Step::Frame },
            { { kRun, true }, { kStop, false }, { kSave, true } } }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainWindow, TheMenuPortsShowTheSelectedPortAndUndoZoomIsLeftToTheGraph)
{
    create();
    logic->selectMenuPort(3);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(logic->commandState(kCom1 + n - 1)->checked, n == 3) << n;
    EXPECT_EQ(port.commPort(), 3);
    EXPECT_FALSE(logic->commandState(kUndoZoom).has_value());

    logic->selectOtherPort(17);
    EXPECT_EQ(port.commPort(), 3);
    logic->selectOtherPort(9);
    EXPECT_EQ(port.commPort(), 9);
    for (int id = kCom1; id <= kCom4; ++id)
        EXPECT_FALSE(logic->commandState(id)->checked);
}

TEST_F(MainWindow, ResetStatisticsStartsMaxMinAndAverageAgainAtTheNextFrame)
{
    create();
    EXPECT_TRUE(enabled(kResetStatistics));
    frame(500);
    frame(100);
    const link::StatisticsTexts& texts = logic->link().statistics().texts();
    ASSERT_NE(texts.maximum, texts.minimum);
    logic->link().resetStatistics();
    EXPECT_EQ(texts.maximum + texts.minimum + texts.average, "------------");
    EXPECT_EQ(texts.maximumTime, "");
    frame(300);
    EXPECT_NE(texts.maximum, "----");
    EXPECT_EQ(texts.minimum, texts.maximum);
    EXPECT_EQ(texts.average, texts.maximum);
    EXPECT_EQ(logic->link().statistics().count(), 1);
}

TEST_F(MainWindow, OpenIsDisabledWhileTheDataLoggerWindowIsOpen)
{
    create();
    doc.loggerSets().windowOpened();
    EXPECT_FALSE(enabled(kOpen));
}

}  // namespace
}  // namespace brivon
