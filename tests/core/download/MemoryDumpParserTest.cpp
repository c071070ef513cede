#include "core/download/MemoryDumpParser.h"

#include "StoredDumps.h"
#include "core/measure/Units.h"
#include "support/FakeSerialPort.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace brivon {
namespace {

using support::memoryRecord;

constexpr std::size_t kFirstRecord = 3, kRecordLength = 13;

std::size_t recordAt(int i)
{
    return kFirstRecord + kRecordLength * static_cast<std::size_t>(i);
}

std::unique_ptr<store::MemoryBlock> parsed(const platform::Bytes& dump)
{
    auto block = std::make_unique<store::MemoryBlock>();
    download::parseMemoryDump(dump, *block);
    return block;
}

TEST(MemoryDump, TheSimulatorsEncoderWritesTheRecordTableThatTheParserReads)
{
    sim::MemoryRecord record = memoryRecord(1234.0, 2, false);
    record.type = sim::MeterMode::Min;
    record.negative = true;
    const platform::Bytes dump = sim::encodeMemoryDump({ record });
    ASSERT_EQ(dump.size(), 1352u);
    EXPECT_EQ(support::hex({ dump.begin(), dump.begin() + 2 }), "BB 88");
    const auto at = recordAt(0);
    // year, -, month, day, hour, minute, second, -, hundreds, units, scale, sign
    EXPECT_EQ(
        support::hex({ dump.begin() + static_cast<long>(at), dump.begin() + static_cast<long>(at) + 12 }),
        "10 00 12 07 14 05 09 00 0C 22 2A 10");

    auto block = parsed(dump);
    ASSERT_EQ(block->recordCount, 1);
    EXPECT_EQ(block->records[0].time, "07/12/10 14:05:09");
    EXPECT_EQ(block->records[0].status, "Min");
    EXPECT_EQ(block->records[0].negative, 1);
    EXPECT_EQ(block->records[0].value, 1234.0f);
}

TEST(MemoryDump, NinetyNineRecordsEndAtOffset1290)
{
    const platform::Bytes dump
        = sim::encodeMemoryDump(std::vector<sim::MemoryRecord>(99, memoryRecord(10.0)));
    EXPECT_EQ(dump[recordAt(98) + 3], 0x07);  // the last record's day, at 1277 + 3
    EXPECT_EQ(recordAt(98), 1277u);
    auto block = parsed(dump);
    EXPECT_EQ(block->recordCount, 99);
    EXPECT_EQ(block->records[98].time, "07/12/10 14:05:09");
}

struct DayCase {
    const char* name;
    int dayZeroAt;  // the record whose day byte is changed
    std::uint8_t day;
    int expectedRecords;
};

class MemoryDumpEnd : public ::testing::TestWithParam<DayCase> { };

TEST_P(MemoryDumpEnd, TheRecordListEndsAtTheFirstImpossibleDay)
{
    platform::Bytes dump = sim::encodeMemoryDump(std::vector<sim::MemoryRecord>(8, memoryRecord(10.0)));
    dump[recordAt(GetParam().dayZeroAt) + 3] = GetParam().day;
    auto block = parsed(dump);
    EXPECT_EQ(download::parseMemoryDump(dump, *block), GetParam().expectedRecords);
    EXPECT_EQ(block->recordCount, GetParam().expectedRecords);
}

INSTANTIATE_TEST_SUITE_P(Days, MemoryDumpEnd,
    ::testing::Values(DayCase { "Record5Day00", 5, 0x00, 5 }, DayCase { "Record5Day32", 5, 0x32, 5 },
        DayCase { "Record5Day1AIs20", 5, 0x1A, 8 }, DayCase { "Record5Day0FIs15", 5, 0x0F, 8 },
        DayCase { "Record5Day2FIs35", 5, 0x2F, 5 }, DayCase { "Record5DayA0Is100", 5, 0xA0, 5 },
        DayCase { "Record5Day31", 5, 0x31, 8 }, DayCase { "FirstRecordEmpty", 0, 0x00, 0 },
        DayCase { "AfterTheLastStored", 7, 0x01, 8 }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(MemoryDump, AShortBlockGivesOnlyTheRecordsItHoldsWhole)
{
    platform::Bytes dump = sim::encodeMemoryDump(std::vector<sim::MemoryRecord>(8, memoryRecord(10.0)));
    dump.resize(recordAt(2) + kRecordLength - 1);
    EXPECT_EQ(parsed(dump)->recordCount, 2);
}

struct ValueCase {
    const char* name;
    double lux;  // what the meter stored
    int range;
    bool footCandle;
    float expected;  // lux
};

class MemoryValue : public ::testing::TestWithParam<ValueCase> { };

TEST_P(MemoryValue, CountTimesTheRangeFactorInLux)
{
    const ValueCase& c = GetParam();
    auto block = parsed(sim::encodeMemoryDump({ memoryRecord(c.lux, c.range, c.footCandle) }));
    ASSERT_EQ(block->recordCount, 1);
    EXPECT_FLOAT_EQ(block->records[0].value, c.expected);
    EXPECT_EQ(block->records[0].footCandle, c.footCandle ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Ranges, MemoryValue,
    ::testing::Values(ValueCase { "Range0Factor100", 123400.0, 0, false, 123400.0f },
        ValueCase { "Range1FactorTenth", 39.9, 1, false, 399 * 0.1f },
        ValueCase { "Range3Factor10", 2500.0, 3, false, 2500.0f },
        // 4000 is the end of the range itself: shown, not "OL" (the logger differs).
        ValueCase { "Count4000InRange2", 4000.0, 2, false, 4000.0f },
        ValueCase { "Count4001InRange2IsOverRange", 4001.0, 2, false, measure::kOverRange },
        // 375.0 fc in the 400 fc range is 4035 lux, inside the range.
        ValueCase { "FootCandles375InThe400Range", 3750 * 1.076, 2, true, 3750 * 1.076f },
        ValueCase { "FootCandleCount4001IsOverRange", 4001 * 1.076, 2, true, measure::kOverRange },
        ValueCase { "OverRangeMarker", measure::kOverRange, 0, false, measure::kOverRange }),
    [](const auto& param) { return std::string(param.param.name); });

struct TypeCase {
    const char* name;
    std::uint8_t typeBits;
    const char* expected;
};

class MemoryType : public ::testing::TestWithParam<TypeCase> { };

TEST_P(MemoryType, TypeBitsGiveTheStatusText)
{
    platform::Bytes dump = sim::encodeMemoryDump({ memoryRecord(10.0) });
    dump[recordAt(0) + 10] = static_cast<std::uint8_t>(dump[recordAt(0) + 10] | GetParam().typeBits);
    store::MemoryBlock block;
    block.records[0].status = "Rel";  // from an earlier download
    download::parseMemoryDump(dump, block);
    EXPECT_EQ(block.records[0].status, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Types, MemoryType,
    ::testing::Values(TypeCase { "General", 0x00, "General" }, TypeCase { "Pmin", 0x10, "Pmin" },
        TypeCase { "Pmax", 0x18, "Pmax" }, TypeCase { "Max", 0x20, "Max" }, TypeCase { "Min", 0x28, "Min" },
        TypeCase { "Rel", 0x30, "Rel" }, TypeCase { "Code08KeepsTheText", 0x08, "Rel" },
        TypeCase { "Code38KeepsTheText", 0x38, "Rel" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
