#include "sim/DumpEncoder.h"

#include "SimTestSupport.h"
#include "core/link/ScaleTables.h"
#include "core/measure/Units.h"
#include "sim/MeterCounts.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace brivon::sim {
namespace {

using link::protocol::bcd;

constexpr MeterClock kTime { 2025, 11, 30, 17, 45, 6 };

// Reads a memory record as the program does: count, range factor, foot-candles, over range above factor x
// 4000.
double memoryValue(const std::uint8_t* record)
{
    const int count = record[8] * 100 + record[9];
    const float factor = link::rangeRow(record[10] & 0x03).graphFactor;
    double value = count * factor;
    if (record[10] & 0x04) value *= measure::kFootCandleToLux;
    return value > factor * 4000 ? measure::kOverRange : value;
}

std::string modeName(MeterMode mode)
{
    switch (mode) {
    case MeterMode::None:
        return "NoMode";
    case MeterMode::PeakMin:
        return "PeakMin";
    case MeterMode::PeakMax:
        return "PeakMax";
    case MeterMode::Max:
        return "Max";
    case MeterMode::Min:
        return "Min";
    case MeterMode::Rel:
        return "Rel";
    }
    return "Mode" + std::to_string(static_cast<int>(mode));
}

struct MemoryCase {
    MemoryRecord record;
    double expectedLux;
};

class MemoryDumpRecord : public ::testing::TestWithParam<MemoryCase> { };

TEST_P(MemoryDumpRecord, HasTheLayoutTheProgramReads)
{
    const MemoryRecord& r = GetParam().record;
    const std::vector<std::uint8_t> dump = encodeMemoryDump({ r, r });
    ASSERT_EQ(dump.size(), static_cast<std::size_t>(link::protocol::kMemoryDumpLength));
    EXPECT_EQ(dump[0], link::protocol::kMemoryDumpMark0);
    EXPECT_EQ(dump[1], link::protocol::kMemoryDumpMark1);

    const std::uint8_t* second = dump.data() + 3 + 13;
    EXPECT_EQ(2000 + bcd(second[0]), r.time.year);
    EXPECT_EQ(bcd(second[2]), r.time.month);
    EXPECT_EQ(bcd(second[3]), r.time.day);
    EXPECT_EQ(bcd(second[4]), r.time.hour);
    EXPECT_EQ(bcd(second[5]), r.time.minute);
    EXPECT_EQ(bcd(second[6]), r.time.second);
    EXPECT_EQ(second[10] & 0x03, r.rangeIndex);
    EXPECT_EQ((second[10] & 0x04) != 0, r.footCandle);
    EXPECT_EQ(second[10] & 0x38, static_cast<int>(r.type));
    EXPECT_EQ((second[11] & 0x10) != 0, r.negative);
    const bool overRange = GetParam().expectedLux >= measure::kOverRange;
    const double tolerance = overRange ? 0.0 : 0.51 * luxFor(1, r.rangeIndex, r.footCandle);
    EXPECT_NEAR(memoryValue(second), GetParam().expectedLux, tolerance);
    // The record after the last has no valid day: it ends the list.
    EXPECT_EQ(bcd(dump[3 + 2 * 13 + 3]), 0);
}

INSTANTIATE_TEST_SUITE_P(Records, MemoryDumpRecord,
    ::testing::Values(MemoryCase { { kTime, 123.4, 1, false, MeterMode::None, false }, 123.4 },
        MemoryCase { { kTime, 2500.0, 2, true, MeterMode::PeakMax, true }, 2500.0 },
        MemoryCase { { kTime, 31000.0, 3, false, MeterMode::Rel, false }, 31000.0 },
        MemoryCase { { kTime, 150000.0, 0, true, MeterMode::Min, false }, 150000.0 },
        MemoryCase { { kTime, measure::kOverRange, 2, false, MeterMode::Max, false }, measure::kOverRange },
        MemoryCase { { kTime, 9000.0, 2, false, MeterMode::PeakMin, false }, measure::kOverRange }),
    [](const auto& param) {
        const MemoryRecord& r = param.param.record;
        return (r.footCandle ? "FootCandlesRange" : "LuxRange") + std::to_string(r.rangeIndex)
            + modeName(r.type) + (r.negative ? "Negative" : "")
            + (measure::isOverRange(param.param.expectedLux) ? "OverRange" : "");
    });

TEST(MemoryDump, EmptyMemoryStartsWithAnInvalidDayAndAFullOneEndsAtTheLastSlot)
{
    const std::vector<std::uint8_t> empty = encodeMemoryDump({});
    EXPECT_EQ(bcd(empty[3 + 3]), 0);

    std::vector<MemoryRecord> many(
        kMemoryCapacity + 3, MemoryRecord { kTime, 50.0, 1, false, MeterMode::None, false });
    const std::vector<std::uint8_t> full = encodeMemoryDump(many);
    ASSERT_EQ(full.size(), static_cast<std::size_t>(link::protocol::kMemoryDumpLength));
    EXPECT_EQ(bcd(full[1277 + 3]), kTime.day);  // record 99 at its offset
    EXPECT_EQ(full[1290], 0);  // nothing written past the records
}

TEST(LoggerDump, SetHeadersAndRecordsHaveTheLayoutTheProgramReads)
{
    const LoggerSet first { kTime, 5, false, { { 123.4, 1 }, { measure::kOverRange, 2 }, { 4000.0, 2 } } };
    const LoggerSet second { { 2026, 1, 2, 3, 4, 5 }, 60, true, { { 200.0, 1 } } };
    const std::vector<std::uint8_t> dump = encodeLoggerDump({ first, second });
    ASSERT_EQ(dump.size(), static_cast<std::size_t>(loggerLengthOf(first) + loggerLengthOf(second)));

    EXPECT_EQ(dump[0], 0xAA);
    EXPECT_EQ(dump[1], 0x56);
    EXPECT_EQ(dump[3], 5);
    EXPECT_EQ(dump[4], 0);
    EXPECT_EQ(2000 + bcd(dump[6]), 2025);
    EXPECT_EQ(bcd(dump[8]), 11);
    EXPECT_EQ(bcd(dump[9]), 30);
    EXPECT_EQ(bcd(dump[10]), 17);
    EXPECT_EQ(bcd(dump[11]), 45);
    EXPECT_EQ(bcd(dump[12]), 6);
    // Records: hundreds, units, range code and foot-candle bit.
    EXPECT_EQ(std::vector<std::uint8_t>(dump.begin() + 13, dump.begin() + 22),
        (std::vector<std::uint8_t> { 12, 34, 1, 99, 99, 2, 40, 0, 2 }));  // 4000 in range 2 reads "OL"

    const std::size_t s = static_cast<std::size_t>(loggerLengthOf(first));
    EXPECT_EQ(dump[s], 0xAA);
    EXPECT_EQ(dump[s + 1], 0x56);
    EXPECT_EQ(dump[s + 3], 60);
    EXPECT_EQ(dump[s + 4], 1);
    EXPECT_EQ(dump[s + 13 + 2], 0x01 | 0x04);
}

TEST(LoggerDump, IsCutAtTheLargestLengthTheHeaderCanAnnounce)
{
    LoggerSet huge { kTime, 1, false, std::vector<LoggerRecord>(30000, { 100.0, 2 }) };
    const std::vector<std::uint8_t> dump = encodeLoggerDump({ huge, huge });
    EXPECT_LE(dump.size(), static_cast<std::size_t>(kMaxLoggerDumpLength));
    EXPECT_EQ((dump.size() - kLoggerSetHeaderLength) % kLoggerRecordLength, 0u);
    EXPECT_GT(dump.size() + kLoggerRecordLength, static_cast<std::size_t>(kMaxLoggerDumpLength));
}

struct TransferCase {
    std::vector<std::size_t> recordsPerSet;
    std::vector<std::size_t> burstSizes;
};

class LoggerTransfer : public ::testing::TestWithParam<TransferCase> { };

TEST_P(LoggerTransfer, SendsTheHeaderThenBlocksOf8000WithPausesBetween)
{
    MeterSimulator sim;
    for (const std::size_t records : GetParam().recordsPerSet) {
        ASSERT_TRUE(
            sim.model().storage().addLoggerSet({ kTime, 1, false, std::vector<LoggerRecord>(records) }));
    }
    const std::vector<Burst> bursts
        = sim.receive(std::vector<std::uint8_t> { link::protocol::kLoggerDumpRequest });
    std::vector<std::size_t> sizes;
    std::size_t total = 0;
    for (const Burst& b : bursts) {
        sizes.push_back(b.bytes.size());
        total += b.bytes.size();
    }
    EXPECT_EQ(sizes, GetParam().burstSizes);

    const std::vector<std::uint8_t>& header = bursts.front().bytes;
    EXPECT_EQ(header[0], link::protocol::kLoggerHeaderMark0);
    EXPECT_EQ(header[1], link::protocol::kLoggerHeaderMark1);
    EXPECT_EQ(static_cast<std::size_t>(header[3] * 256 + header[4]), total - header.size());
    for (std::size_t i = 0; i + 1 < bursts.size(); ++i)
        EXPECT_GT(bursts[i].pauseAfter.count(), 0) << i;
    EXPECT_EQ(bursts.back().pauseAfter.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Lengths, LoggerTransfer,
    ::testing::Values(TransferCase { {}, { 5 } }, TransferCase { { 10 }, { 5, 43 } },
        TransferCase { { 1329, 1329 }, { 5, 8000 } },  // exactly one block
        TransferCase { { 884, 885, 885 }, { 5, 8000, 1 } },  // 8001
        TransferCase { { 3329, 3329 }, { 5, 8000, 8000, 4000 } }),
    [](const auto& param) {
        const auto& sets = param.param.recordsPerSet;
        const std::size_t records = std::accumulate(sets.begin(), sets.end(), std::size_t { 0 });
        return "Sets" + std::to_string(sets.size()) + "Records" + std::to_string(records);
    });  // 20000

TEST(MemoryTransfer, AnswersTheRequestWithOneDumpOfTheStoredRecords)
{
    MeterSimulator sim;
    sim.model().storage().storeMemory({ kTime, 77.0, 1, false, MeterMode::None, false });
    const std::vector<Burst> bursts
        = sim.receive(std::vector<std::uint8_t> { link::protocol::kMemoryDumpRequest });
    ASSERT_EQ(bursts.size(), 1u);
    EXPECT_EQ(bursts.front().bytes, encodeMemoryDump(sim.model().storage().memory()));
}

}  // namespace
}  // namespace brivon::sim
