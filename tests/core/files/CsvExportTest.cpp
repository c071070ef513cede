#include "core/files/CsvExport.h"

#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace brivon::files {
namespace {

using Row = std::vector<std::string>;

// An RFC 4180 reader: records end with CR LF, quoted fields may hold
// separators, doubled quotes and line ends.
std::vector<Row> parseCsv(const std::string& text)
{
    std::vector<Row> rows;
    Row row;
    std::string value;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                value += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                value += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(value);
            value.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            row.push_back(value);
            rows.push_back(row);
            row.clear();
            value.clear();
            ++i;
        } else {
            value += c;
        }
    }
    EXPECT_TRUE(row.empty() && value.empty()) << "the last record has no CR LF";
    return rows;
}

platform::TimeValue parseIsoTime(const std::string& text, const platform::Clock& clock)
{
    platform::LocalTime t;
    EXPECT_EQ(std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d", &t.year, &t.month, &t.day, &t.hour,
                  &t.minute, &t.second),
        6)
        << text;
    return clock.fromLocal(t);
}

constexpr platform::TimeValue kStart = 1'291'730'709;  // 2010-12-07 14:05:09 UTC

TEST(GraphCsv, ValuesAndTimesRoundTrip)
{
    const ::brivon::support::FixedClock clock;
    auto set = std::make_unique<store::CurrentSet>();
    const std::vector<float> samples { 0.0f, 12.34f, 999.99f, 5000000.0f, 123456.78f };
    std::copy(samples.begin(), samples.end(), set->loadedSamples.begin());
    set->loadedSampleCount = static_cast<int>(samples.size());
    set->loadedStartTime = kStart;
    set->loadedSamplePeriod = 30;

    const std::vector<Row> rows = parseCsv(graphCsv(*set, clock));
    ASSERT_EQ(rows.size(), samples.size() + 1);
    EXPECT_EQ(rows[0], (Row { "no", "time", "lux", "value", "unit" }));
    for (std::size_t k = 0; k < samples.size(); ++k) {
        const Row& row = rows[k + 1];
        SCOPED_TRACE(k);
        ASSERT_EQ(row.size(), 5u);
        EXPECT_EQ(std::stoul(row[0]), k + 1);
        EXPECT_EQ(parseIsoTime(row[1], clock), kStart + static_cast<platform::TimeValue>(k) * 30);
        EXPECT_EQ(row[4], "lux");
        if (samples[k] == 5000000.0f) {
            EXPECT_EQ(row[2], "OL");
            EXPECT_EQ(row[3], "OL");
            continue;
        }
        EXPECT_NEAR(std::stod(row[2]), samples[k], 0.005);
        EXPECT_EQ(row[3], row[2]);  // no kilo-units
    }
    EXPECT_EQ(rows[1][1], "2010-12-07T14:05:09");
}

TEST(GraphCsv, FootCandleSetsGiveTheValueInFootCandles)
{
    const ::brivon::support::FixedClock clock;
    auto set = std::make_unique<store::CurrentSet>();
    set->loadedSamples[0] = 21520.0f;  // 2000 fc
    set->loadedSampleCount = 1;
    set->loadedUnitFlag = 1;
    const std::vector<Row> rows = parseCsv(graphCsv(*set, clock));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][2], "21520.00");
    EXPECT_EQ(rows[1][3], "2000.00");
    EXPECT_EQ(rows[1][4], "fc");
}

TEST(MemoryCsv, RecordsRoundTripWithQuotedStatusAndIsoTimes)
{
    auto block = std::make_unique<store::MemoryBlock>();
    block->recordCount = 3;
    block->records[0] = { 5000000.0f, "07/12/10 14:05:09", "Pmax", 0, 0 };
    block->records[1] = { 1076.0f, "31/01/99 23:59:58", "Max, \"held\"", 1, 1 };
    block->records[2] = { 12.5f, "not a time", "General", 0, 0 };

    const std::vector<Row> rows = parseCsv(memoryCsv(*block));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (Row { "no", "time", "lux", "value", "unit", "status", "negative" }));
    EXPECT_EQ(rows[1], (Row { "1", "2010-12-07T14:05:09", "OL", "OL", "lux", "Pmax", "0" }));
    EXPECT_EQ(
        rows[2], (Row { "2", "2099-01-31T23:59:58", "-1076.00", "-100.00", "fc", "Max, \"held\"", "1" }));
    EXPECT_EQ(rows[3][1], "not a time");
}

TEST(MemoryCsv, EmptyBlockIsTheHeaderAlone)
{
    EXPECT_EQ(memoryCsv(store::MemoryBlock {}), "no,time,lux,value,unit,status,negative\r\n");
}

}  // namespace
}  // namespace brivon::files
