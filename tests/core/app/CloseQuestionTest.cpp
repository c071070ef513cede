// The close question and Run's save question with their Cancel, and the
// question's absence once the run is saved.

#include "core/app/MainFrameFixture.h"
#include "core/journal/JournalFolder.h"

#include <optional>
#include <string>

namespace brivon {
namespace {

constexpr const char* kCloseQuestion = "Do you want to save the data before closing?";
constexpr const char* kRunQuestion = "Do you want to save the existing graph data before continuing?";

class RunToClose : public support::MainFrameTest {
protected:
    void SetUp() override
    {
        create();
        frame();
        run(1);
        periods(3, true);
    }

    bool journalKept() const { return !journal::listJournals(journalFolder()).empty(); }
    bool saved() const { return std::filesystem::exists(folder / "run.AsmDat"); }
    std::string savePath() const { return (folder / "run.AsmDat").string(); }
};

// An answer to the close question and, after Yes, what the save dialog does.
struct CloseCase {
    const char* name;
    platform::Answer answer;
    std::optional<std::string> saveTo;  // after Yes: a file name in the scratch folder, or Cancel
    bool closes;
    bool saves;
};

class CloseAnswers : public RunToClose, public ::testing::WithParamInterface<CloseCase> { };

TEST_P(CloseAnswers, CloseOnlyWhenTheRunIsSavedOrGivenUp)
{
    const CloseCase& c = GetParam();
    prompts.answers.push_back(c.answer);
    if (c.answer == platform::Answer::Yes)
        prompts.savePaths.push_back(c.saveTo ? std::optional((folder / *c.saveTo).string()) : std::nullopt);

    EXPECT_EQ(logic->close(app::CloseMode::AskToSave), c.closes);
    EXPECT_EQ(prompts.questions(), std::vector<std::string> { kCloseQuestion });
    EXPECT_EQ(logic->closed(), c.closes);
    EXPECT_EQ(saved(), c.saves);
    EXPECT_EQ(exitCommandsSent(), c.closes ? 1 : 0) << "the meter is told only of a real close";
    // The journal goes only with a run that was saved or given up.
    EXPECT_EQ(journalKept(), !c.closes);
    if (c.closes) {
        viewTimers.advance(2000);
        EXPECT_FALSE(journalKept()) << "a tick before the exit brought the journal back";
    } else {
        // The program goes on: the meter is polled again and the run keeps its samples.
        port.clearLog();
        mainTimers.advance(1000);
        viewTimers.advance(1000);
        EXPECT_FALSE(port.writes().empty());
        EXPECT_EQ(samples(), 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseAnswers,
    ::testing::Values(CloseCase { "CancelOrEscape", platform::Answer::Cancel, std::nullopt, false, false },
        CloseCase { "No", platform::Answer::No, std::nullopt, true, false },
        CloseCase { "YesAndSaved", platform::Answer::Yes, "run.AsmDat", true, true },
        CloseCase { "YesThenSaveCancelled", platform::Answer::Yes, std::nullopt, false, false },
        CloseCase { "YesThenSaveFailed", platform::Answer::Yes, "missing/run.AsmDat", false, false }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(RunToClose, AfterACancelTheNextCloseAsksAgain)
{
    prompts.answers.push_back(platform::Answer::Cancel);
    EXPECT_FALSE(logic->close(app::CloseMode::AskToSave));
    prompts.answers.push_back(platform::Answer::No);
    EXPECT_TRUE(logic->close(app::CloseMode::AskToSave));
    EXPECT_EQ(prompts.questions().size(), 2u);
}

TEST_F(RunToClose, NoQuestionWhenTheRunWasSavedSinceItsLastSample)
{
    logic->stop();
    prompts.savePaths.push_back(savePath());
    ASSERT_TRUE(logic->save());
    EXPECT_TRUE(logic->close(app::CloseMode::AskToSave));
    EXPECT_TRUE(prompts.questions().empty());
}

TEST_F(RunToClose, ASampleAfterTheSaveMakesCloseAskAgain)
{
    prompts.savePaths.push_back(savePath());
    ASSERT_TRUE(logic->save());
    period(true);
    prompts.answers.push_back(platform::Answer::No);
    EXPECT_TRUE(logic->close(app::CloseMode::AskToSave));
    EXPECT_EQ(prompts.questions(), std::vector<std::string> { kCloseQuestion });
}

// Run's question: Cancel, or a save that did not happen after Yes, abandons the Run.
struct RunQuestionCase {
    const char* name;
    platform::Answer answer;
    std::optional<std::string> saveTo;
    bool runs;
};

class RunQuestionAnswers : public RunToClose, public ::testing::WithParamInterface<RunQuestionCase> { };

TEST_P(RunQuestionAnswers, OnlyASavedOrGivenUpRunMakesWayForTheNext)
{
    const RunQuestionCase& c = GetParam();
    logic->stop();
    prompts.answers.push_back(c.answer);
    if (c.answer == platform::Answer::Yes)
        prompts.savePaths.push_back(c.saveTo ? std::optional((folder / *c.saveTo).string()) : std::nullopt);
    if (c.runs) prompts.sampleRates.push_back(1);
    logic->run();

    EXPECT_EQ(prompts.questions(), std::vector<std::string> { kRunQuestion });
    EXPECT_EQ(flags(), c.runs ? "111" : "001");
    // An abandoned Run leaves the last run as it was; a confirmed one starts empty.
    EXPECT_EQ(samples(), c.runs ? 0 : 3);
}

INSTANTIATE_TEST_SUITE_P(Answers, RunQuestionAnswers,
    ::testing::Values(RunQuestionCase { "Cancel", platform::Answer::Cancel, std::nullopt, false },
        RunQuestionCase { "No", platform::Answer::No, std::nullopt, true },
        RunQuestionCase { "YesAndSaved", platform::Answer::Yes, "run.AsmDat", true },
        RunQuestionCase { "YesThenSaveCancelled", platform::Answer::Yes, std::nullopt, false }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
