#include "core/logger/DataLoggerSets.h"

#include "core/app/ScratchFolder.h"
#include "core/files/GraphFile.h"
#include "core/measure/Units.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace brivon {
namespace {

constexpr platform::TimeValue k2010Dec07At140509 = 1291730709;  // UTC

class DataLoggerSetsTest : public ::testing::Test {
protected:
    // One downloaded set per entry of `sets`, each with its readings, unit and full scale.
    struct DownloadedSet {
        std::vector<float> readings;
        std::uint8_t unit = 0;
        std::int32_t fullScale = 4000;
    };
    void download(const std::vector<DownloadedSet>& downloaded)
    {
        transfer.startIndexes = { 0 };
        for (const DownloadedSet& set : downloaded) {
            transfer.readings.insert(transfer.readings.end(), set.readings.begin(), set.readings.end());
            transfer.startIndexes.push_back(static_cast<std::int32_t>(transfer.readings.size()));
            transfer.startTimes.push_back(k2010Dec07At140509);
            transfer.samplingRates.push_back(2);
            transfer.unitFlags.push_back(set.unit);
            transfer.fullScales.push_back(set.fullScale);
        }
        transfer.allocated = true;
        sets.downloadStarted();
    }

    // A graph file of `readings` starting at `start`, in the scratch folder.
    std::filesystem::path graphFile(const std::vector<float>& readings, const platform::LocalTime& start,
        const std::string& name = "set.AsmDat")
    {
        auto set = std::make_unique<store::CurrentSet>();
        std::copy(readings.begin(), readings.end(), set->loadedSamples.begin());
        set->loadedSampleCount = static_cast<std::int32_t>(readings.size());
        set->loadedStart = start;
        set->loadedSamplePeriod = 3;
        set->loadedGain = 400;
        const auto path = scratch / name;
        support::ScratchFolder::write(path, files::graphFileBytes(files::dataLoggerFileContents(*set)));
        return path;
    }

    void read(const std::filesystem::path& path) { ASSERT_TRUE(sets.readFile(path).ok()); }

    support::FixedClock clock;
    support::ScratchFolder scratch;
    std::unique_ptr<store::CurrentSet> current = std::make_unique<store::CurrentSet>();
    store::TransferBlock transfer;
    logger::DataLoggerSets sets { *current, transfer, clock };
};

TEST_F(DataLoggerSetsTest, OpeningTheWindowListsTheDownloadedSets)
{
    download({ { { 1.0f, 2.0f, 3.0f }, 0 }, { {}, 1 } });
    sets.windowOpened();
    ASSERT_EQ(sets.rows().size(), 2U);
    EXPECT_EQ(sets.rows()[0], (logger::SetRow { "1", "07/12/10 14:05:09", "Lux", "2sec", "3" }));
    EXPECT_EQ(sets.rows()[1], (logger::SetRow { "2", "07/12/10 14:05:09", "FC", "2sec", "0" }));
    EXPECT_FALSE(sets.state().listRefill);
    EXPECT_TRUE(sets.windowOpen());
}

TEST_F(DataLoggerSetsTest, AChosenDownloadedSetBecomesTheCurrentSet)
{
    download({ { { 1.0f } }, { { 5.0f, measure::kOverRange } } });
    sets.windowOpened();
    sets.selectRow(1);
    ASSERT_EQ(current->loadedSampleCount, 2);
    EXPECT_EQ(current->loadedSamples[1], measure::kOverRange);
    EXPECT_EQ(current->loadedStartTime, k2010Dec07At140509);
    EXPECT_EQ(current->loadedStart.hour, 14);
    EXPECT_EQ(current->loadedSamplePeriod, 2);
}

TEST_F(DataLoggerSetsTest, NoChosenRowLeavesTheGraphEmpty)
{
    download({ { { 1.0f } } });
    sets.selectRow(0);
    sets.selectRow(-1);
    EXPECT_FALSE(sets.hasData());
}

struct GainCase {
    const char* name;
    std::uint8_t unit;
    int expectedGain;
};

class DownloadedSetGain : public DataLoggerSetsTest, public ::testing::WithParamInterface<GainCase> { };

TEST_P(DownloadedSetGain, FollowsTheRangeAndUnit)
{
    download({ { { 1.0f }, GetParam().unit, 4000 } });
    sets.selectRow(0);
    EXPECT_EQ(sets.valueAxis().gain, GetParam().expectedGain);
}

INSTANTIATE_TEST_SUITE_P(Units, DownloadedSetGain,
    ::testing::Values(GainCase { "Lux", 0, 4000 }, GainCase { "FootCandles", 1, 400 },
        GainCase { "UnknownUnitKeepsTheGain", 7, logger::kInitialValueAxis.gain }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(DataLoggerSetsTest, CloseFreesTheDownloadOnceAndForgetsTheChoice)
{
    download({ { { 1.0f } } });
    sets.selectRow(0);
    sets.browseFiles();
    EXPECT_TRUE(sets.close());
    EXPECT_FALSE(sets.close());
    EXPECT_FALSE(sets.hasData());
    EXPECT_FALSE(sets.fileBrowse());
    EXPECT_EQ(transfer.setCount(), 0);
}

TEST_F(DataLoggerSetsTest, StartIndexesBeyondTheReadingsGiveOnlyTheReadingsThere)
{
    download({ { { 1.0f, 2.0f } } });
    transfer.startIndexes.back() = 50;
    EXPECT_EQ(transfer.setReadings(0).size(), 2U);
    EXPECT_TRUE(transfer.setReadings(1).empty());
}

TEST_F(DataLoggerSetsTest, TheHundredAndFirstFileStartsTheListAgain)
{
    sets.browseFiles();
    const auto path = graphFile({ 1.0f, 2.0f }, { 2010, 12, 7, 14, 5, 9 });
    for (int i = 0; i < logger::FileSetTable::kSlots; ++i)
        read(path);
    ASSERT_EQ(sets.rows().size(), 100U);
    EXPECT_EQ(sets.rows().back()[0], "100");
    read(path);
    ASSERT_EQ(sets.rows().size(), 1U);
    EXPECT_EQ(sets.rows()[0][0], "1");
}

TEST_F(DataLoggerSetsTest, AListedFileSetKeepsItsOwnStartTimeAndOverRangeReadings)
{
    sets.browseFiles();
    read(graphFile({ measure::kOverRange, 2.0f }, { 2010, 12, 7, 14, 5, 9 }, "a.AsmDat"));
    read(graphFile({ 7.0f }, { 2011, 1, 2, 3, 4, 5 }, "b.AsmDat"));
    sets.setValueAxis({ 4, 0 });
    sets.selectRow(0);
    EXPECT_EQ(current->loadedSampleCount, 2);
    EXPECT_EQ(current->loadedSamples[0], measure::kOverRange);
    EXPECT_EQ(current->loadedStartTime, k2010Dec07At140509);
    EXPECT_EQ(current->loadedStart.year, 2011);  // the last file read
    EXPECT_EQ(sets.valueAxis().gain, 400);
}

TEST_F(DataLoggerSetsTest, AFileThatCannotBeReadChangesNothing)
{
    sets.browseFiles();
    read(graphFile({ 1.0f, 2.0f }, { 2010, 12, 7, 14, 5, 9 }));
    const auto bad = scratch / "bad.AsmDat";
    support::ScratchFolder::write(bad, "not a graph file");
    const files::FileOutcome outcome = sets.readFile(bad);
    EXPECT_EQ(outcome.message, "Invalid Format!");
    EXPECT_EQ(current->loadedSampleCount, 2);
    EXPECT_FALSE(sets.state().newFileSet);
    EXPECT_EQ(sets.rows().size(), 1U);
}

}  // namespace
}  // namespace brivon
