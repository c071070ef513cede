#include "core/memory/MemoryListLogic.h"

#include "core/app/ScratchFolder.h"
#include "core/files/MemoryFile.h"
#include "core/measure/Units.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace brivon::memory {
namespace {

const std::string kEmptyMessage = std::string("message: ") + MemoryListLogic::kEmptyMessage;

store::MemoryRecord record(float value, const std::string& status = "General")
{
    return { value, "07/12/10 14:05:09", status, 0, 0 };
}

std::vector<std::string> dataTexts(const std::vector<files::MemoryListRow>& rows)
{
    std::vector<std::string> texts;
    for (const files::MemoryListRow& row : rows)
        texts.push_back(row.data);
    return texts;
}

class MemoryList : public ::testing::Test {
protected:
    void store(std::initializer_list<store::MemoryRecord> records)
    {
        block->recordCount = 0;
        for (const store::MemoryRecord& r : records)
            block->records[static_cast<std::size_t>(block->recordCount++)] = r;
    }

    std::filesystem::path listFile(
        std::initializer_list<store::MemoryRecord> records, const std::string& name)
    {
        store::MemoryBlock other;
        for (const store::MemoryRecord& r : records)
            other.records[static_cast<std::size_t>(other.recordCount++)] = r;
        const std::filesystem::path path = scratch / name;
        support::ScratchFolder::write(path, files::memoryFileBytes(other));
        return path;
    }

    std::unique_ptr<store::MemoryBlock> block = std::make_unique<store::MemoryBlock>();
    bool memoryEmpty = false;
    bool fillRequest = false;
    support::ScriptedPrompts prompts;
    support::ScratchFolder scratch;
    MemoryListLogic list { *block, { memoryEmpty, fillRequest }, ListSource::Download, prompts };
};

TEST_F(MemoryList, AFillRequestListsTheBlockOnce)
{
    store({ record(1.0f), record(2.0f) });
    EXPECT_FALSE(list.refresh());
    fillRequest = true;
    const auto rows = list.refresh();
    ASSERT_TRUE(rows);
    EXPECT_EQ(dataTexts(*rows), (std::vector<std::string> { "1.00", "2.00" }));
    EXPECT_FALSE(fillRequest);
    EXPECT_FALSE(list.refresh());
}

TEST_F(MemoryList, AValidFileReplacesTheRowsEvenAfterAnEmptyDownload)
{
    memoryEmpty = true;
    EXPECT_FALSE(list.refresh());
    prompts.openPaths.push_back(
        listFile({ record(5.0f, "Max"), record(measure::kOverRange, "Rel") }, "a.MemDat"));
    list.open();
    const auto rows = list.refresh();
    ASSERT_TRUE(rows);
    EXPECT_EQ(dataTexts(*rows), (std::vector<std::string> { "5.00", "OL" }));
    EXPECT_EQ((*rows)[1].status, "Rel");
    ASSERT_EQ(prompts.log().size(), 2u);  // the empty memory, then the open dialog
    EXPECT_EQ(prompts.log().front(), kEmptyMessage);
}

TEST_F(MemoryList, AFileCutShortListsTheRecordsReadAndSaysSo)
{
    const std::filesystem::path whole = listFile({ record(1.0f), record(2.0f) }, "whole.MemDat");
    std::string bytes = support::ScratchFolder::read(whole);
    bytes.resize(bytes.size() - 3);
    support::ScratchFolder::write(whole, bytes);
    prompts.openPaths.push_back(whole.string());
    list.open();
    EXPECT_EQ(prompts.messages().size(), 1u);
    const auto rows = list.refresh();
    ASSERT_TRUE(rows);
    EXPECT_EQ(dataTexts(*rows), std::vector<std::string> { "1.00" });
}

TEST_F(MemoryList, AFailedSaveSaysWhyAndLeavesTheOldFiles)
{
    store({ record(1.0f) });
    support::ScratchFolder::write(scratch / "mem.MemDat", "old list");
    std::filesystem::create_directory(scratch / "mem.txt");  // the export cannot be written
    prompts.savePaths.push_back((scratch / "mem.MemDat").string());
    prompts.answers.push_back(platform::Answer::Yes);  // replace them
    list.save("");
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_NE(prompts.messages()[0].find("mem.txt"), std::string::npos);
    EXPECT_EQ(support::ScratchFolder::read(scratch / "mem.MemDat"), "old list");
}

TEST_F(MemoryList, SaveDoesNothingWhileTheWindowShowsListFiles)
{
    MemoryListLogic files { *block, { memoryEmpty, fillRequest }, ListSource::ListFiles, prompts };
    files.save("");
    EXPECT_TRUE(prompts.log().empty());
}

}  // namespace
}  // namespace brivon::memory

namespace brivon::memory {
namespace {

struct NameCase {
    const char* name;
    platform::TimeValue setStart;
    std::vector<std::string> recordTimes;
    const char* proposed;
};

class ProposedName : public ::testing::TestWithParam<NameCase> { };

TEST_P(ProposedName, FromTheSetOrElseTheNewestRecord)
{
    auto block = std::make_unique<store::MemoryBlock>();
    for (const std::string& time : GetParam().recordTimes)
        block->records[static_cast<std::size_t>(block->recordCount++)] = { 1.0f, time, "General", 0, 0 };
    const support::FixedClock clock { 0 };
    EXPECT_EQ(proposedFileName(GetParam().setStart, *block, clock), GetParam().proposed);
}

INSTANTIATE_TEST_SUITE_P(Names, ProposedName,
    ::testing::Values(NameCase { "SetLoaded", 1291730709, { "31/12/25 23:59:59" }, "10-12-07 14.05.09" },
        NameCase { "NewestRecordAcrossYears", 0,
            { "31/12/25 23:59:59", "01/01/26 00:00:01", "15/06/25 12:00:00" }, "26-01-01 00.00.01" },
        NameCase { "UnreadableTimesSkipped", 0, { "t", "07/12/10 14:05:09", "32/01/26 00:00:00" },
            "10-12-07 14.05.09" },
        NameCase { "NeitherSetNorRecordTime", 0, { "t" }, "70-01-01 00.00.00" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon::memory
