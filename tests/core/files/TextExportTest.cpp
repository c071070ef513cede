#include "core/files/TextExport.h"

#include "core/files/DataFileNames.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace brivon {
namespace {

constexpr platform::TimeValue k2010Dec07At140509 = 1291730709;  // UTC
const std::string kSeriesHeader = "      NO             Data               UNIT         TIME  \r\n";
const std::string kMemoryHeader
    = "      NO             Data               UNIT         STATUS           TIME  \r\n";

TEST(TextExport, HeadersHaveTheirFixedWidths)
{
    const support::FixedClock clock;
    EXPECT_EQ(files::realTimeExport(store::RealTimeRun {}, clock), kSeriesHeader);
    EXPECT_EQ(files::dataLoggerExport(*std::make_unique<store::CurrentSet>(), clock), kSeriesHeader);
    EXPECT_EQ(files::memoryExport(store::MemoryBlock {}), kMemoryHeader);
    EXPECT_EQ(kSeriesHeader.size(), 59u + 2);
    EXPECT_EQ(kMemoryHeader.size(), 76u + 2);
}

struct RunFixture {
    std::vector<float> samples;
    std::vector<std::int32_t> table;
    store::RealTimeRun run;
};

RunFixture runOfThreeReadings(std::int32_t periodMs)
{
    RunFixture f { { 100.0f, 5586.0f, 5586.0f, 5000000.0f, 0.0f }, { 0, 1, 3 }, {} };
    f.run.readingCount = 3;
    f.run.sampleCount = 4;  // the third sample repeats the second: no reading in that period
    f.run.samples = f.samples;
    f.run.readingToSample = f.table;
    f.run.unitFlag = 1;
    f.run.runStart = k2010Dec07At140509;
    f.run.samplePeriodMs = periodMs;
    return f;
}

TEST(TextExport, RealTimeExportListsReadingsAtTheirSamples)
{
    const support::FixedClock clock;
    const RunFixture f = runOfThreeReadings(2000);
    EXPECT_EQ(files::realTimeExport(f.run, clock),
        kSeriesHeader + "      1               9.29               FC          12-07-10/14:05:09  \r\n"
            + "      2             519.15               FC          12-07-10/14:05:11  \r\n"
            + "      3                 OL               FC          12-07-10/14:05:15  \r\n");
}

TEST(TextExport, RealTimeIntervalBelowOneSecondGivesEveryLineTheStartTime)
{
    const support::FixedClock clock;
    const std::string text = files::realTimeExport(runOfThreeReadings(999).run, clock);
    EXPECT_EQ(text.find("14:05:1"), std::string::npos) << text;
    std::size_t stamps = 0;
    for (auto at = text.find("12-07-10/14:05:09"); at != std::string::npos;
         at = text.find("12-07-10/14:05:09", at + 1))
        ++stamps;
    EXPECT_EQ(stamps, 3u);
}

TEST(TextExport, RealTimeExportNeverReadsPastTheCommittedSamples)
{
    const support::FixedClock clock;
    RunFixture f = runOfThreeReadings(1000);
    f.table = { 0, 1, 4 };  // entry beyond the four committed samples
    f.run.readingToSample = f.table;
    const std::string text = files::realTimeExport(f.run, clock);
    EXPECT_EQ(text.find("      3 "), std::string::npos) << text;
    EXPECT_NE(text.find("      2 "), std::string::npos) << text;
}

TEST(TextExport, AStartNearTheLastTimeValueHoldsTheTimeThereInsteadOfOverflowing)
{
    RunFixture f = runOfThreeReadings(2000);
    f.run.runStart = std::numeric_limits<platform::TimeValue>::max() - 2;
    const std::string text = files::realTimeExport(f.run, support::FixedClock());
    EXPECT_NE(text.find("      3 "), std::string::npos) << text;
    EXPECT_EQ(platform::sampleTime(f.run.runStart, 3, 2), std::numeric_limits<platform::TimeValue>::max());
    EXPECT_EQ(platform::sampleTime(-f.run.runStart, 3, -2), std::numeric_limits<platform::TimeValue>::min());
}

TEST(TextExport, DataLoggerExportTimesSamplesFromTheLoadedStartAndWidensLongData)
{
    const support::FixedClock clock;
    auto set = std::make_unique<store::CurrentSet>();
    set->loadedSampleCount = 3;
    set->loadedSamples[0] = 12.345f;
    set->loadedSamples[1] = 123456000.0f;  // "123456.00K" is ten characters
    set->loadedSamples[2] = 5000000.0f;
    set->loadedUnitFlag = 0;
    set->loadedStartTime = k2010Dec07At140509;
    set->loadedSamplePeriod = 3600;
    EXPECT_EQ(files::dataLoggerExport(*set, clock),
        kSeriesHeader + "      1              12.35              Lux          12-07-10/14:05:09  \r\n"
            + "      2          123456.00K              Lux          12-07-10/15:05:09  \r\n"
            + "      3                 OL              Lux          12-07-10/16:05:09  \r\n");
}

TEST(TextExport, MemoryExportShowsStatusStoredTimeAndSign)
{
    store::MemoryBlock block;
    block.recordCount = 2;
    block.records[0] = { 5000000.0f, "07/12/10 14:05:09", "Pmax", 1, 0 };
    block.records[1] = { 10760.0f, "08/12/10 09:00:00", "General", 0, 1 };
    EXPECT_EQ(files::memoryExport(block),
        kMemoryHeader
            + "      1                -OL              Lux             Pmax          07/12/10 14:05:09  \r\n"
            + "      2              1.00K               FC          General          08/12/10 09:00:00  "
              "\r\n");
}

struct NameCase {
    const char* name;
    const char* data;
    files::DataFileKind kind;
    const char* text;
};

class TextExportName : public ::testing::TestWithParam<NameCase> { };

TEST_P(TextExportName, BesideTheDataFileWithItsExtensionReplaced)
{
    EXPECT_EQ(
        files::textExportPath(GetParam().data, GetParam().kind), std::filesystem::path(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Names, TextExportName,
    ::testing::Values(NameCase { "GraphFile", "/data/10-12-07 14.05.09.AsmDat", files::DataFileKind::Graph,
                          "/data/10-12-07 14.05.09.txt" },
        NameCase { "LowerCaseExtension", "run.asmdat", files::DataFileKind::Graph, "run.txt" },
        NameCase { "MemoryFile", "/m/list.MemDat", files::DataFileKind::Memory, "/m/list.txt" },
        NameCase { "MemoryExtensionOnAGraphFile", "/m/list.MemDat", files::DataFileKind::Graph,
            "/m/list.MemDat.txt" },
        NameCase { "ExtensionInAFolderName", "/d.AsmDat/x", files::DataFileKind::Graph, "/d.AsmDat/x.txt" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
