// At start, a run that a crash left unsaved is offered for saving.

#include "core/app/MainFrameFixture.h"
#include "core/journal/JournalFolder.h"
#include "core/journal/JournalFormat.h"
#include "core/journal/RunJournal.h"

#include <optional>
#include <string>

namespace brivon {
namespace {

using support::ScratchFolder;

constexpr const char* kQuestion
    = "A run started at 07/12/10 14:05:09 with 5 samples was not saved. Save it now?";

class UnsavedRunAtStart : public support::MainFrameTest {
protected:
    // A program records five samples and dies; the next one starts with an empty document.
    void SetUp() override
    {
        create();
        frame();
        run(1);
        periods(5, true);
        logic.reset();
        doc.run().restore({});
        clock.advance(3600);
        create();
        prompts.clearLog();
    }

    std::size_t journalsLeft() const { return journal::listJournals(journalFolder()).size(); }
};

struct OfferCase {
    const char* name;
    platform::Answer answer;
    std::optional<std::string> saveTo;  // after Yes
    int samplesInTheDocument;
    bool journalLeft;
};

class RecoveryAnswers : public UnsavedRunAtStart, public ::testing::WithParamInterface<OfferCase> { };

TEST_P(RecoveryAnswers, YesSavesNoDiscardsCancelKeeps)
{
    const OfferCase& c = GetParam();
    prompts.answers.push_back(c.answer);
    if (c.answer == platform::Answer::Yes)
        prompts.savePaths.push_back(c.saveTo ? std::optional((folder / *c.saveTo).string()) : std::nullopt);
    logic->offerUnsavedRuns();

    EXPECT_EQ(prompts.questions(), std::vector<std::string> { kQuestion });
    EXPECT_EQ(samples(), c.samplesInTheDocument);
    EXPECT_EQ(journalsLeft(), c.journalLeft ? 1u : 0u);
    if (c.saveTo) {
        EXPECT_EQ(std::filesystem::file_size(folder / *c.saveTo), 47u + 4u * 5u);
        EXPECT_NE(ScratchFolder::read(folder / "run.txt").find("12-07-10/14:05:13"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, RecoveryAnswers,
    ::testing::Values(OfferCase { "YesAndSaved", platform::Answer::Yes, "run.AsmDat", 5, false },
        OfferCase { "YesThenSaveCancelled", platform::Answer::Yes, std::nullopt, 5, true },
        OfferCase { "No", platform::Answer::No, std::nullopt, 0, false },
        OfferCase { "Cancel", platform::Answer::Cancel, std::nullopt, 0, true }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(UnsavedRunAtStart, ARecoveredRunLeftUnsavedIsAskedAboutAtCloseAndGoesWithNo)
{
    prompts.answers.push_back(platform::Answer::Yes);
    prompts.savePaths.push_back(std::nullopt);
    logic->offerUnsavedRuns();
    EXPECT_EQ(logic->stripTexts().dataNo, "5");
    EXPECT_EQ(logic->stripTexts().sampleRate, "1");
    EXPECT_FLOAT_EQ(doc.run().samples()[4], 100.0f);

    prompts.answers.push_back(platform::Answer::No);
    EXPECT_TRUE(logic->close(app::CloseMode::AskToSave));
    EXPECT_EQ(journalsLeft(), 0u);
}

TEST_F(UnsavedRunAtStart, TheFirstRunAfterARecoveryOffersToSaveTheRecoveredRun)
{
    prompts.answers.push_back(platform::Answer::Yes);
    prompts.savePaths.push_back(std::nullopt);
    logic->offerUnsavedRuns();
    prompts.clearLog();

    prompts.answers.push_back(platform::Answer::Cancel);
    logic->run();
    EXPECT_EQ(prompts.questions(),
        std::vector<std::string> { "Do you want to save the existing graph data before continuing?" });
    EXPECT_EQ(samples(), 5);
    EXPECT_EQ(journalsLeft(), 1u);
}

TEST_F(UnsavedRunAtStart, ARunAnotherProgramIsStillWritingIsNotOffered)
{
    realtime::RunBookkeeping running;
    running.resetForNewRun(support::kDecember7th2010 + 7200);
    running.append(1, false);
    running.commit();
    journal::RunJournal otherProgram(journalFolder(), clock);
    otherProgram.sampleCommitted(running.realTimeRun());

    prompts.answers.push_back(platform::Answer::Cancel);
    logic->offerUnsavedRuns();
    EXPECT_EQ(prompts.questions(), std::vector<std::string> { kQuestion });
}

TEST_F(UnsavedRunAtStart, ARunNoGraphFileCanHoldIsNotOfferedAndSaysWhyKeepingItsJournal)
{
    // A run started on 1 January 2100, a year no graph file holds.
    const std::filesystem::path future = journalFolder() / journal::journalFileName(4102444800, 1);
    ScratchFolder::write(future,
        journal::encodeHeader({ 4102444800 }) + journal::encodeRecord({ 0, 1.0f, true, false, 400, 1000 }));

    prompts.answers.push_back(platform::Answer::Cancel);
    logic->offerUnsavedRuns();
    EXPECT_EQ(prompts.questions(), std::vector<std::string> { kQuestion });
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0],
        "A run started at 01/01/00 00:00:00 was not saved and cannot be: invalid year 2100. Its journal "
        "stays in "
            + future.string() + ".");
    EXPECT_EQ(journalsLeft(), 2u);
}

}  // namespace
}  // namespace brivon
