#include "sim/SimOptions.h"

#include "SimTestSupport.h"

#include <gtest/gtest.h>

namespace brivon::sim {
namespace {

TEST(SimOptions, ReadsEveryOption)
{
    const ParsedOptions parsed = parseOptions({ "--link", "/tmp/ttyM", "--pace", "--log", "in.txt", "--value",
        "1500.5", "--range", "3", "--fc", "--low-battery", "--silent", "--help" });
    ASSERT_EQ(parsed.error, "");
    const SimOptions& o = parsed.options;
    EXPECT_EQ(o.linkPath, "/tmp/ttyM");
    EXPECT_TRUE(o.pace);
    EXPECT_EQ(o.logPath, "in.txt");
    EXPECT_EQ(o.lux, 1500.5);
    EXPECT_EQ(o.range, 3);
    EXPECT_TRUE(o.footCandle && o.lowBattery && o.silent && o.help);
}

TEST(SimOptions, ReadsTheOptionsFromOneTextSeparatedByBlanks)
{
    const ParsedOptions parsed = parseOptionText("  --empty-memory\t --logger-sets 5@1 ");
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.storage.memoryRecords, 0);
    EXPECT_EQ(parsed.options.storage.loggerSets.size(), 1u);
    EXPECT_EQ(parseOptionText("").error, "");
    EXPECT_NE(parseOptionText("--logger-sets").error, "");
}

struct BadCase {
    const char* name;
    std::vector<std::string> arguments;
};

class BadCommandLine : public ::testing::TestWithParam<BadCase> { };

TEST_P(BadCommandLine, IsRefusedWithAReason)
{
    EXPECT_NE(parseOptions(GetParam().arguments).error, "");
}

INSTANTIATE_TEST_SUITE_P(Arguments, BadCommandLine,
    ::testing::Values(BadCase { "RangeFour", { "--range", "4" } },
        BadCase { "RangeWithLetter", { "--range", "1x" } },
        BadCase { "ValueInWords", { "--value", "bright" } }, BadCase { "NegativeValue", { "--value", "-3" } },
        BadCase { "LinkWithoutPath", { "--link" } }, BadCase { "UnknownOption", { "--verbose" } },
        BadCase { "HundredMemoryRecords", { "--memory-records", "100" } },
        BadCase { "MemoryRecordsInWords", { "--memory-records", "few" } },
        BadCase { "LoggerSetsWithoutRate", { "--logger-sets", "3600" } },
        BadCase { "CutBeyondTheLargestDump", { "--cut-transfer", "65536" } },
        BadCase { "CutWithoutBytes", { "--cut-transfer" } },
        BadCase { "SurveyRoomWithoutRows", { "--survey-room", "0x3" } },
        BadCase { "SurveyRoomBeyondTheMemory", { "--survey-room", "10x10" } },
        BadCase { "SurveyRoomInWords", { "--survey-room", "4by5" } }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SimOptions, AFixedValueGetsTheRangeThatShowsItUnlessARangeIsGiven)
{
    MeterSimulator sim;
    SimOptions options;
    options.lux = 25000.0;
    options.lowBattery = true;
    applyOptions(options, sim);
    link::Reading r = support::readOnce(sim);
    EXPECT_EQ(r.readingText, "25.00");
    EXPECT_EQ(r.unitText, "KLux");
    EXPECT_TRUE(r.lowBattery);

    options.range = 0;
    applyOptions(options, sim);
    EXPECT_EQ(support::readOnce(sim).readingText, "25.0");
}

TEST(MeterClock, AdvancesOverMonthAndYearEndsAndKnowsTheWeekday)
{
    const MeterClock newYearsEve { 2025, 12, 31, 23, 59, 58 };
    const MeterClock later = advancedBy(newYearsEve, 3);
    EXPECT_EQ(later.year, 2026);
    EXPECT_EQ(later.month, 1);
    EXPECT_EQ(later.day, 1);
    EXPECT_EQ(later.second, 1);
    EXPECT_EQ(secondsOf(later) - secondsOf(newYearsEve), 3);
    EXPECT_EQ(advancedBy({ 2024, 2, 28, 12, 0, 0 }, 86400).day, 29);  // leap year
    EXPECT_EQ(isoWeekday(newYearsEve), 3);  // a Wednesday
    EXPECT_EQ(toBcd(59), 0x59);
}

}  // namespace
}  // namespace brivon::sim
