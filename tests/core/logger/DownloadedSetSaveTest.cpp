// A downloaded set, whatever its header says, is listed and shown; its Save
// writes a file that the program's reader reads back as the same set, or
// writes nothing and names the set and the field.

#include "core/app/ScratchFolder.h"
#include "core/download/LoggerDumpParser.h"
#include "core/download/StoredDumps.h"
#include "core/files/DataFileSaves.h"
#include "core/files/GraphFile.h"
#include "core/logger/DataLoggerSets.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace brivon {
namespace {

struct HeaderCase {
    const char* name;
    sim::MeterClock start;
    std::optional<std::uint8_t> unitByte;
    std::optional<std::uint8_t> yearByte;
    const char* refusal;  // the field named; empty when the set is saved
};

class DownloadedSetSave : public ::testing::TestWithParam<HeaderCase> { };

TEST_P(DownloadedSetSave, ReadsBackAsTheSameSetOrWritesNothing)
{
    const HeaderCase& c = GetParam();
    sim::LoggerSet stored = support::loggerSet(5, 2);
    stored.start = c.start;
    stored.sentUnitByte = c.unitByte;
    stored.sentYearByte = c.yearByte;
    const support::FixedClock clock;
    store::TransferBlock transfer;
    ASSERT_EQ(download::parseLoggerDump(sim::encodeLoggerDump({ stored }), clock, transfer), 1);

    auto current = std::make_unique<store::CurrentSet>();
    logger::DataLoggerSets sets(*current, transfer, clock);
    sets.downloadStarted();
    sets.windowOpened();
    ASSERT_EQ(sets.rows().size(), 1u) << "listed whatever its header holds";
    sets.selectRow(0);
    EXPECT_EQ(current->loadedSampleCount, 5) << "and shown";

    const support::ScratchFolder folder;
    const std::filesystem::path file = folder / "set.AsmDat";
    const files::FileOutcome saved = files::saveCurrentSet(file, *current, sets.currentSetName(), clock);
    if (*c.refusal != '\0') {
        EXPECT_EQ(saved.status, files::FileStatus::Unsavable);
        EXPECT_EQ(saved.detail, c.refusal);
        EXPECT_EQ(saved.message.rfind("Set 1 (" + sets.rows()[0][1] + ") cannot be saved: ", 0), 0u)
            << saved.message;
        EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
        return;
    }
    ASSERT_TRUE(saved.ok()) << saved.message;
    auto read = std::make_unique<store::CurrentSet>();
    ASSERT_TRUE(files::readGraphFile(file, *read, clock).ok());
    EXPECT_EQ(
        support::ScratchFolder::read(file), files::graphFileBytes(files::dataLoggerFileContents(*current)));
    EXPECT_EQ(files::graphFileBytes(files::readFileContents(*read)), support::ScratchFolder::read(file));
}

INSTANTIATE_TEST_SUITE_P(Headers, DownloadedSetSave,
    ::testing::Values(
        HeaderCase { "AsTheMeterWritesIt", support::kStoredTime, std::nullopt, std::nullopt, "" },
        HeaderCase { "UnitByteSeven", support::kStoredTime, 7, std::nullopt, "invalid unit flag 7" },
        // 0xFA reads as 15 tens and 10 units: the year 2160.
        HeaderCase { "YearByteNotBcd", support::kStoredTime, std::nullopt, 0xFA, "invalid year 2160" },
        // 0x1A reads as 2020, a year a graph file holds.
        HeaderCase { "YearByteNotBcdInRange", support::kStoredTime, std::nullopt, 0x1A, "" },
        // 23:59:99 on the last day of 2099 is 39 seconds into 2100.
        HeaderCase { "PastTheLastYear", { 2099, 12, 31, 23, 59, 99 }, std::nullopt, std::nullopt,
            "invalid year 2100" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
