#include "sim/SampleStorage.h"

#include "SimTestSupport.h"
#include "core/link/ScaleTables.h"
#include "core/measure/Units.h"
#include "sim/DumpEncoder.h"
#include "sim/SimOptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace brivon::sim {
namespace {

constexpr MeterClock kNow { 2026, 3, 1, 0, 30, 0 };

TEST(SampleStorage, DefaultMemoryHoldsEveryKindOfRecordTakenBeforeNow)
{
    const std::vector<MemoryRecord> records = sampleMemoryRecords(kDefaultMemoryRecords, kNow);
    ASSERT_EQ(records.size(), static_cast<std::size_t>(kDefaultMemoryRecords));
    std::set<MeterMode> types;
    for (std::size_t i = 0; i < records.size(); ++i) {
        types.insert(records[i].type);
        EXPECT_LT(secondsOf(records[i].time), secondsOf(kNow)) << i;
        if (i > 0) {
            EXPECT_GT(secondsOf(records[i].time), secondsOf(records[i - 1].time)) << i;
        }
    }
    EXPECT_EQ(types.size(), 6u);  // General, Pmin, Pmax, Max, Min, Rel
    EXPECT_TRUE(std::ranges::any_of(records, [](const MemoryRecord& r) { return r.footCandle; }));
    EXPECT_TRUE(std::ranges::any_of(records, [](const MemoryRecord& r) { return r.negative; }));

    // Over range as the program reads a memory record: count x factor above factor x 4000.
    const std::vector<std::uint8_t> dump = encodeMemoryDump(records);
    int overRange = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::uint8_t* record = dump.data() + 3 + 13 * i;
        const int count = record[8] * 100 + record[9];
        overRange += count > 4000 ? 1 : 0;
    }
    EXPECT_EQ(overRange, 1);
}

TEST(SampleStorage, DefaultLoggerHoldsThreeSetsOfDifferentRatesAndUnitsOneOfThousandsOfReadings)
{
    const std::vector<LoggerSet> sets = sampleLoggerSets(defaultLoggerSets(), kNow);
    ASSERT_EQ(sets.size(), 3u);
    std::set<int> rates;
    std::set<bool> units;
    std::size_t longest = 0;
    for (const LoggerSet& set : sets) {
        rates.insert(set.samplingInterval);
        units.insert(set.footCandle);
        longest = std::max(longest, set.records.size());
        EXPECT_LT(secondsOf(set.start), secondsOf(kNow));
        const auto [low, high] = std::ranges::minmax(set.records, {}, &LoggerRecord::lux);
        EXPECT_LT(low.lux, high.lux) << "a set shows a curve, not a line";
    }
    EXPECT_EQ(rates.size(), 3u);
    EXPECT_EQ(units.size(), 2u);
    EXPECT_GE(longest, 3000u);
    EXPECT_NE(secondsOf(sets[0].start), secondsOf(sets[1].start));
}

TEST(SampleStorage, SetReadingsStayInRangeSoNoneReadsOverRange)
{
    for (const LoggerSet& set : sampleLoggerSets(defaultLoggerSets(), kNow)) {
        const std::vector<std::uint8_t> dump = encodeLoggerDump({ set });
        for (std::size_t r = kLoggerSetHeaderLength; r + 2 < dump.size(); r += kLoggerRecordLength)
            ASSERT_LT(dump[r] * 100 + dump[r + 1], 4000) << "record at " << r;
    }
}

TEST(SampleStorage, FillingReplacesWhatWasStoredAndMemSetKeepsAdding)
{
    MeterSimulator sim;
    sim.model().storage().storeMemory({});
    fillStorage({ 3, { { 10, 2, false } } }, sim.model().storage(), kNow);
    EXPECT_EQ(sim.model().storage().memory().size(), 3u);
    ASSERT_EQ(sim.model().storage().loggerSets().size(), 1u);
    EXPECT_EQ(sim.model().storage().loggerSets()[0].records.size(), 10u);

    support::press(sim, link::protocol::Key::MemSetClick);
    EXPECT_EQ(sim.model().storage().memory().size(), 4u);
}

struct SetsCase {
    const char* name;
    const char* text;
    std::vector<LoggerSetPlan> expected;  // empty with `valid` false: refused
    bool valid;
};

class LoggerSetsText : public ::testing::TestWithParam<SetsCase> { };

TEST_P(LoggerSetsText, IsReadOrRefused)
{
    std::vector<LoggerSetPlan> plans;
    const std::string error = parseLoggerSets(GetParam().text, plans);
    ASSERT_EQ(error.empty(), GetParam().valid) << error;
    if (!GetParam().valid) return;
    EXPECT_EQ(loggerSetsText(plans), GetParam().text);
    ASSERT_EQ(plans.size(), GetParam().expected.size());
    for (std::size_t i = 0; i < plans.size(); ++i) {
        EXPECT_EQ(plans[i].readings, GetParam().expected[i].readings) << i;
        EXPECT_EQ(plans[i].samplingInterval, GetParam().expected[i].samplingInterval) << i;
        EXPECT_EQ(plans[i].footCandle, GetParam().expected[i].footCandle) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, LoggerSetsText,
    ::testing::Values(SetsCase { "Empty", "", {}, true },
        SetsCase { "OneLuxSet", "3600@1", { { 3600, 1, false } }, true },
        SetsCase { "ThreeSetsWithFootCandles", "10@2,20@255fc,5@60",
            { { 10, 2, false }, { 20, 255, true }, { 5, 60, false } }, true },
        SetsCase { "LargestDump", "21840@1", { { 21840, 1, false } }, true },
        SetsCase { "TooLongForTheHeader", "21841@1", {}, false },
        SetsCase { "TooLongTogether", "20000@1,2000@1", {}, false },
        SetsCase { "NoReadings", "0@1", {}, false }, SetsCase { "RateZero", "5@0", {}, false },
        SetsCase { "RateAboveAByte", "5@256", {}, false }, SetsCase { "NoRate", "5", {}, false },
        SetsCase { "WrongUnit", "5@1lux", {}, false }, SetsCase { "TrailingComma", "5@1,", {}, false },
        SetsCase { "Negative", "-5@1", {}, false },
        SetsCase { "ReadingsOverflowingALength", "2000000000@1", {}, false }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SimOptions, ChoosesTheStoredDataAndACutTransfer)
{
    ParsedOptions parsed
        = parseOptions({ "--memory-records", "99", "--logger-sets", "5@1fc", "--cut-transfer", "100" });
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.storage.memoryRecords, 99);
    ASSERT_EQ(parsed.options.storage.loggerSets.size(), 1u);
    EXPECT_TRUE(parsed.options.storage.loggerSets[0].footCandle);
    EXPECT_EQ(parsed.options.transferCut, 100);

    parsed = parseOptions({ "--empty-memory", "--empty-logger" });
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.storage.memoryRecords, 0);
    EXPECT_TRUE(parsed.options.storage.loggerSets.empty());

    parsed = parseOptions({});
    EXPECT_EQ(parsed.options.storage.memoryRecords, kDefaultMemoryRecords);
    EXPECT_EQ(parsed.options.storage.loggerSets.size(), 3u);
    EXPECT_FALSE(parsed.options.transferCut);
}

TEST(TransferCut, StopsEachDumpAfterItsBytesWhileTheHeaderAnnouncesTheWhole)
{
    MeterSimulator sim;
    SimOptions options;
    options.storage = { 2, { { 100, 1, false } } };
    options.transferCut = 50;
    applyOptions(options, sim, kNow);

    const std::vector<Burst> memory
        = sim.receive(std::vector<std::uint8_t> { link::protocol::kMemoryDumpRequest });
    ASSERT_EQ(memory.size(), 1u);
    EXPECT_EQ(memory[0].bytes.size(), 50u);

    const std::vector<Burst> logger
        = sim.receive(std::vector<std::uint8_t> { link::protocol::kLoggerDumpRequest });
    ASSERT_EQ(logger.size(), 2u);
    const std::vector<std::uint8_t>& header = logger[0].bytes;
    EXPECT_EQ(header[3] * 256 + header[4], kLoggerSetHeaderLength + 100 * kLoggerRecordLength);
    EXPECT_EQ(logger[1].bytes.size(), 50u);
}

}  // namespace
}  // namespace brivon::sim
