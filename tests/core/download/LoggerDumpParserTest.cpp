#include "core/download/LoggerDumpParser.h"

#include "StoredDumps.h"
#include "core/measure/Units.h"
#include "support/FakeSerialPort.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon {
namespace {

using support::loggerSet;

constexpr std::size_t kSetHeader = 13;

class LoggerDump : public ::testing::Test {
protected:
    int parse(const platform::Bytes& dump) { return download::parseLoggerDump(dump, clock, block); }

    support::FixedClock clock;
    store::TransferBlock block;
};

TEST_F(LoggerDump, TheSimulatorsEncoderWritesTheHeaderSetAndRecordTables)
{
    EXPECT_EQ(support::hex(sim::encodeLoggerHeader(20000)), "AA CC 00 4E 20");
    sim::LoggerSet set = loggerSet(0, 30, true);
    set.records = { { 1234.0 * 1.076, 3 } };
    // mark, -, interval, unit, -, year, -, month, day, hour, minute, second; hundreds, units, scale
    EXPECT_EQ(
        support::hex(sim::encodeLoggerDump({ set })), "AA 56 00 1E 01 00 10 00 12 07 14 05 09 01 17 07");
}

TEST_F(LoggerDump, SetsComeBackWithTheirTimesRatesUnitsAndReadings)
{
    sim::LoggerSet second = loggerSet(3, 60, true);
    second.start = { 2011, 2, 28, 23, 59, 30 };
    second.records = { { 10.0 * 1.076, 2 }, { 20.0 * 1.076, 2 }, { 3000.0 * 1.076, 0 } };
    ASSERT_EQ(parse(sim::encodeLoggerDump({ loggerSet(4, 2, false), second })), 2);

    EXPECT_TRUE(block.allocated);
    EXPECT_EQ(block.startIndexes, (std::vector<std::int32_t> { 0, 4, 7 }));
    EXPECT_EQ(block.samplingRates, (std::vector<std::int32_t> { 2, 60 }));
    EXPECT_EQ(block.unitFlags, (std::vector<std::uint8_t> { 0, 1 }));
    EXPECT_EQ(block.startTimes[0], clock.fromLocal({ 2010, 12, 7, 14, 5, 9 }));
    EXPECT_EQ(block.startTimes[1], clock.fromLocal({ 2011, 2, 28, 23, 59, 30 }));
    EXPECT_EQ(block.readings,
        (std::vector<float> { 0.0f, 1.0f, 2.0f, 3.0f, 10 * 1.076f, 20 * 1.076f, 3000 * 1.076f }));
    // The last record's range sets the full scale: 4k lux, then range 0 (400k lux, 40000).
    EXPECT_EQ(block.fullScales, (std::vector<std::int32_t> { 400, 40000 }));
}

struct ValueCase {
    const char* name;
    int count;
    int range;
    bool footCandle;
    float expected;
};

class LoggerValue : public LoggerDump, public ::testing::WithParamInterface<ValueCase> { };

TEST_P(LoggerValue, OverRangeAtOrAboveTheRangeEndBeforeTheUnitConversion)
{
    const ValueCase& c = GetParam();
    platform::Bytes dump = sim::encodeLoggerDump({ loggerSet(1, 1, c.footCandle) });
    dump[kSetHeader] = static_cast<std::uint8_t>(c.count / 100);
    dump[kSetHeader + 1] = static_cast<std::uint8_t>(c.count % 100);
    dump[kSetHeader + 2] = static_cast<std::uint8_t>(c.range | (c.footCandle ? 0x04 : 0));
    ASSERT_EQ(parse(dump), 1);
    ASSERT_EQ(block.readings.size(), 1u);
    EXPECT_FLOAT_EQ(block.readings[0], c.expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, LoggerValue,
    ::testing::Values(ValueCase { "Count3999Range2", 3999, 2, false, 3999.0f },
        ValueCase { "Count4000Range2IsOverRange", 4000, 2, false, measure::kOverRange },
        ValueCase { "Count4000Range1IsOverRange", 4000, 1, false, measure::kOverRange },
        ValueCase { "Count3999Range0", 3999, 0, false, 399900.0f },
        ValueCase { "Count250Range3", 250, 3, false, 2500.0f },
        ValueCase { "FootCandles375InThe400Range", 3750, 2, true, 3750 * 1.076f },
        ValueCase { "FootCandleCount4000IsOverRange", 4000, 2, true, measure::kOverRange }),
    [](const auto& param) { return std::string(param.param.name); });

struct MarkCase {
    const char* name;
    std::size_t strayMarkAt;  // offset of a stray 0xAA 0x56 in the first set
    std::vector<std::int32_t> samplingRates;  // of the accepted sets
};

class LoggerSetMark : public LoggerDump, public ::testing::WithParamInterface<MarkCase> { };

// Two sets of five readings, sampled every 7 and every 9 seconds, with a stray mark in the first.
TEST_P(LoggerSetMark, AHeaderFollowedWithin13BytesByAnotherMarkIsNoSet)
{
    platform::Bytes dump = sim::encodeLoggerDump({ loggerSet(5, 7), loggerSet(5, 9) });
    dump[GetParam().strayMarkAt] = 0xAA;
    dump[GetParam().strayMarkAt + 1] = 0x56;
    parse(dump);
    EXPECT_EQ(block.samplingRates, GetParam().samplingRates);
    EXPECT_EQ(block.startIndexes.back(), static_cast<std::int32_t>(block.readings.size()));
}

INSTANTIATE_TEST_SUITE_P(Marks, LoggerSetMark,
    ::testing::Values(
        // The stray mark opens a set of its own, whose rate byte is the first header's byte 5.
        MarkCase { "RightAfterTheMark", 2, { 0, 9 } },
        // The stray mark is itself followed within 13 bytes by the second set's mark.
        MarkCase { "ThirteenBytesOn", 14, { 9 } },
        // Fifteen bytes on, the first header stands; the stray mark lies in its records.
        MarkCase { "FifteenBytesOn", 15, { 7, 9 } }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LoggerDump, ADumpWithoutAcceptedHeaderIsAnEmptyDownload)
{
    block.readings = { 1.0f };
    EXPECT_EQ(parse(platform::Bytes(40, 0x11)), 0);
    EXPECT_TRUE(block.allocated);
    EXPECT_EQ(block.setCount(), 0);
    EXPECT_TRUE(block.readings.empty());
    EXPECT_EQ(block.startIndexes, std::vector<std::int32_t> { 0 });
}

TEST_F(LoggerDump, AHeaderNeedsTheDumpToReachItsSixteenthByte)
{
    platform::Bytes dump = sim::encodeLoggerDump({ loggerSet(1) });
    ASSERT_EQ(dump.size(), 16u);
    EXPECT_EQ(parse(dump), 1);
    dump.pop_back();
    EXPECT_EQ(parse(dump), 0);
}

TEST_F(LoggerDump, BytesShortOfARecordAtTheEndOfASetAreNoReading)
{
    platform::Bytes dump = sim::encodeLoggerDump({ loggerSet(2) });
    dump.push_back(0x01);
    dump.push_back(0x02);
    parse(dump);
    EXPECT_EQ(block.readings.size(), 2u);
}

}  // namespace
}  // namespace brivon
