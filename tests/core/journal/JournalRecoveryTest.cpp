// The run journal as the main window keeps it: what is on the disk after the
// program dies is enough to write exactly what Save would have written.

#include "core/app/MainFrameFixture.h"
#include "core/files/DataFileSaves.h"
#include "core/journal/JournalFolder.h"
#include "core/journal/JournalFormat.h"
#include "core/journal/JournalReader.h"
#include "core/journal/RunJournal.h"
#include "sim/MeasurementFrame.h"

#include <filesystem>
#include <string>

namespace brivon {
namespace {

using support::ScratchFolder;

class RunJournalInTheMainWindow : public support::MainFrameTest {
protected:
    void SetUp() override { create(); }

    void footCandleFrame(int count)
    {
        sim::FrameContent content;
        content.graphCount = content.displayCount = count;
        content.rangeIndex = 2;
        content.footCandle = true;
        port.deliver(sim::frameBytes(content));
    }

    // A run of 2-second periods with readings, silences, a range change
    // (a new gain) and a switch to foot-candles.
    void recordAMixedRun()
    {
        frame(300);
        run(2);
        for (int k = 0; k < 4; ++k) {
            frame(300 + k);
            viewTimers.advance(2000);
        }
        viewTimers.advance(2000 * 3);  // the meter stays silent
        frame(100, 3);
        viewTimers.advance(2000);
        footCandleFrame(55);
        viewTimers.advance(2000);
        viewTimers.advance(2000);
    }

    std::vector<journal::JournalSummary> journals() const { return journal::listJournals(journalFolder()); }
};

TEST_F(RunJournalInTheMainWindow, RebuildsWhatSaveWritesAfterACrashWithAHalfWrittenRecord)
{
    recordAMixedRun();
    ASSERT_EQ(samples(), 10);
    ASSERT_EQ(journals().size(), 1u);
    const std::filesystem::path journalFile = journals().front().file;

    // The program dies in the middle of the next record's write.
    const std::string onDisk = ScratchFolder::read(journalFile);
    const std::string halfRecord(journal::kRecordSize / 2, '\x5A');
    const journal::JournalContents contents = journal::decodeJournal(onDisk + halfRecord);
    ASSERT_TRUE(contents.run);
    EXPECT_EQ(contents.ignoredBytes, halfRecord.size());
    ASSERT_TRUE(files::saveRealTimeRun(folder / "recovered.AsmDat", contents.run->realTimeRun(), clock).ok());

    prompts.savePaths.push_back((folder / "saved.AsmDat").string());
    ASSERT_TRUE(logic->save());
    EXPECT_EQ(ScratchFolder::read(folder / "recovered.AsmDat"), ScratchFolder::read(folder / "saved.AsmDat"));
    EXPECT_EQ(ScratchFolder::read(folder / "recovered.txt"), ScratchFolder::read(folder / "saved.txt"));
    EXPECT_FALSE(std::filesystem::exists(journalFile)) << "a saved run needs no journal";
}

TEST_F(RunJournalInTheMainWindow, HoldsEverySampleAsSoonAsItIsCommitted)
{
    frame();
    run(1);
    for (int k = 1; k <= 5; ++k) {
        period(k % 2 == 1);  // the first frame starts the run
        ASSERT_EQ(journals().size(), 1u);
        EXPECT_EQ(journals().front().sampleCount, k);
    }
}

TEST_F(RunJournalInTheMainWindow, GoesToTheDiskEveryFewSecondsNotAtEverySample)
{
    const journal::RunJournal& journal = logic->runKeeper().journal();
    frame();
    run(1);
    period(true);
    EXPECT_TRUE(journal.hasUnflushedRecords());
    for (int k = 0; k < 2; ++k) {
        clock.advance(1);
        period(true);
        EXPECT_TRUE(journal.hasUnflushedRecords()) << "flushed after " << k + 2 << " samples";
    }
    clock.advance(1);
    period(true);
    EXPECT_FALSE(journal.hasUnflushedRecords());

    // After the run the watchdog flushes the last records.
    period(true);
    logic->stop();
    clock.advance(journal::RunJournal::kSyncAfterSeconds);
    viewTimers.advance(2000);
    EXPECT_FALSE(journal.hasUnflushedRecords());
}

TEST_F(RunJournalInTheMainWindow, ANewRunReplacesTheJournalOfTheRunItWasAskedAbout)
{
    frame();
    run(1);
    periods(3, true);
    logic->stop();
    clock.advance(60);
    run(1, platform::Answer::No);
    periods(2, true);
    ASSERT_EQ(journals().size(), 1u);
    EXPECT_EQ(journals().front().runStart, support::kDecember7th2010 + 60);
    EXPECT_EQ(journals().front().sampleCount, 2);
}

TEST_F(RunJournalInTheMainWindow, ASaveDuringTheRunStartsTheJournalAgainWithTheWholeRun)
{
    frame();
    run(1);
    periods(3, true);
    prompts.savePaths.push_back((folder / "early.AsmDat").string());
    ASSERT_TRUE(logic->save());
    EXPECT_TRUE(journals().empty());
    period(true);
    ASSERT_EQ(journals().size(), 1u);
    EXPECT_EQ(journals().front().sampleCount, 4);
}

TEST_F(RunJournalInTheMainWindow, AStopSignalKeepsTheJournalForTheNextStart)
{
    frame();
    run(1);
    periods(3, true);
    logic->close(app::CloseMode::Unattended);
    ASSERT_EQ(journals().size(), 1u);
    EXPECT_EQ(journals().front().sampleCount, 3);
}

}  // namespace
}  // namespace brivon
