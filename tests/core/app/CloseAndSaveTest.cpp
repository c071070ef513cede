#include "core/app/CommandIds.h"
#include "core/app/MainFrameFixture.h"

#include <array>
#include <string>

namespace brivon {
namespace {

using namespace app::command_ids;
using support::hex;
using support::ScratchFolder;

using MainWindow = support::MainFrameTest;

// Close with a run of N samples: only more than one sample offers to save,
// and the exit command goes out once, after the question.
class CloseWithSamples : public support::MainFrameTest, public ::testing::WithParamInterface<int> { };

TEST_P(CloseWithSamples, AsksToSaveOnlyForMoreThanOneSample)
{
    create();
    frame();
    run(1);
    periods(GetParam(), true);
    ASSERT_EQ(samples(), GetParam());

    const bool asks = GetParam() > 1;
    int exitsBeforeQuestion = -1;
    prompts.onPrompt = [&](const std::string&) { exitsBeforeQuestion = exitCommandsSent(); };
    if (asks) prompts.answers.push_back(platform::Answer::No);
    logic->close(app::CloseMode::AskToSave);

    EXPECT_EQ(prompts.questions().size(), asks ? 1u : 0u);
    if (asks) {
        EXPECT_EQ(prompts.questions()[0], app::MainFrameLogic::kSaveBeforeCloseQuestion);
        EXPECT_EQ(exitsBeforeQuestion, 0);
    }
    EXPECT_EQ(exitCommandsSent(), 1);
    logic->close(app::CloseMode::AskToSave);
    EXPECT_EQ(exitCommandsSent(), 1);
}

INSTANTIATE_TEST_SUITE_P(SampleCounts, CloseWithSamples, ::testing::Values(0, 1, 2), [](const auto& param) {
    return std::string(std::array { "NoSamples", "OneSample", "TwoSamples" }.at(param.param));
});

TEST_F(MainWindow, AnUnattendedCloseWritesTheConfigurationAndSendsExitWithoutAsking)
{
    create();
    frame();
    run(1);
    periods(5, true);
    logic->close(app::CloseMode::Unattended);
    EXPECT_TRUE(prompts.questions().empty());
    EXPECT_EQ(exitCommandsSent(), 1);
    EXPECT_TRUE(std::filesystem::exists(configFile()));
}

TEST_F(MainWindow, SavingAtCloseWritesBothFilesSideBySide)
{
    create();
    frame();
    run(1);
    periods(3, true);
    prompts.answers.push_back(platform::Answer::Yes);
    prompts.savePaths.push_back((folder / "test.AsmDat").string());
    logic->close(app::CloseMode::AskToSave);
    EXPECT_EQ(std::filesystem::file_size(folder / "test.AsmDat"), 47u + 4u * 3u);
    EXPECT_TRUE(std::filesystem::exists(folder / "test.txt"));
}

TEST_F(MainWindow, WithoutAConfigurationTheDefaultsHoldAndCloseWritesThem)
{
    create();
    EXPECT_EQ(port.commPort(), 1);
    EXPECT_TRUE(logic->commandState(kCom1)->checked);
    EXPECT_EQ(doc.yAxis().gain, 40);
    EXPECT_EQ(doc.yAxis().offset, 0);
    logic->close(app::CloseMode::AskToSave);
    EXPECT_EQ(ScratchFolder::read(configFile()),
        "[COMInfo]\nCOM num=1\n[GainInfo]\nGain=40\n[OffsetInfo]\nOffset=0\n");
}

TEST_F(MainWindow, AConfiguredPortSevenStartsOnSevenWithNoMenuCheckMark)
{
    givenConfiguration("[COMInfo]\nCOM num=7\n[GainInfo]\nGain=4000\n[OffsetInfo]\nOffset=6\n");
    create();
    EXPECT_EQ(port.commPort(), 7);
    EXPECT_TRUE(port.portOpen());
    for (int id = kCom1; id <= kCom4; ++id)
        EXPECT_FALSE(logic->commandState(id)->checked) << id;
    EXPECT_EQ(logic->otherComStartNumber(), 7);
    EXPECT_EQ(doc.yAxis().gain, 4000);
    EXPECT_EQ(doc.yAxis().offset, 6);
}

TEST_F(MainWindow, ARangeChangeWhileRunningChangesTheGainWrittenAtClose)
{
    givenConfiguration("[GainInfo]\nGain=4\n[OffsetInfo]\nOffset=8\n");
    create();
    frame(100, 2);  // the first frame sets the scale of its range: 4k lux, 400 per division
    run(1);
    periods(2, true);
    frame(100, 3);  // the meter steps to 40k lux
    EXPECT_EQ(doc.yAxis().gain, 4000);
    EXPECT_EQ(doc.run().currentGain(), 4000);
    logic->selectMenuPort(2);
    prompts.answers.push_back(platform::Answer::No);
    logic->close(app::CloseMode::AskToSave);
    const app::Configuration written(configFile().string());
    EXPECT_EQ(written.portNumber(), 2);
    EXPECT_EQ(written.yGain(), 4000);
    EXPECT_EQ(written.yOffset(), 0);
}

TEST_F(MainWindow, SaveOffersTheTimeAsNameAndWritesTheDataFileAndItsExport)
{
    create();
    frame();
    run(1);
    periods(2, true);
    prompts.savePaths.push_back((folder / "10-12-07 14.05.09").string());
    EXPECT_TRUE(logic->save());
    ASSERT_EQ(prompts.fileChoices().size(), 1u);
    const platform::FileChoice& choice = prompts.fileChoices()[0];
    EXPECT_EQ(choice.defaultName, "10-12-07 14.05.09");
    EXPECT_EQ(choice.defaultExtension, "AsmDat");
    EXPECT_EQ(choice.filter, "DataLogger Files (*.AsmDat)|*.AsmDat|");
    EXPECT_EQ(std::filesystem::file_size(folder / "10-12-07 14.05.09.AsmDat"), 47u + 4u * 2u);
    const std::string text = ScratchFolder::read(folder / "10-12-07 14.05.09.txt");
    EXPECT_EQ(text.substr(0, 61), "      NO             Data               UNIT         TIME  \r\n");
}

TEST_F(MainWindow, SaveCancelledWritesNothing)
{
    create();
    prompts.savePaths.push_back(std::nullopt);
    EXPECT_FALSE(logic->save());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(MainWindow, AFailedSaveTellsTheUserWhy)
{
    create();
    prompts.savePaths.push_back((folder / "missing" / "run.AsmDat").string());
    EXPECT_FALSE(logic->save());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_NE(prompts.messages()[0].find("run"), std::string::npos);
}

TEST_F(MainWindow, PowerOffSendsThePowerOffCommandThreeTimes)
{
    create();
    port.clearLog();
    logic->powerOff();
    EXPECT_EQ(hex(port.writtenBytes()), "55 AA 03 55 AA 03 55 AA 03");
}

}  // namespace
}  // namespace brivon
