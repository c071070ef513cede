#include "core/files/MemoryListRows.h"

#include "core/measure/Units.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::files {
namespace {

struct RowCase {
    std::string name;
    MemoryRecord record;
    std::string data;
    std::string unit;
};

MemoryRecord record(float value, std::uint8_t footCandle = 0, std::uint8_t negative = 0)
{
    return { value, "07/12/10 14:05:09", "Pmax", negative, footCandle };
}

class MemoryListRowValue : public ::testing::TestWithParam<RowCase> { };

TEST_P(MemoryListRowValue, ShowsDataAndUnit)
{
    const MemoryListRow row = memoryListRow(GetParam().record, 0);
    EXPECT_EQ(row.data, GetParam().data);
    EXPECT_EQ(row.unit, GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(Values, MemoryListRowValue,
    ::testing::Values(RowCase { "LuxBelowKilo", record(999.99f), "999.99", "Lux" },
        RowCase { "LuxAtKilo", record(1000.0f), "1.00K", "Lux" },
        RowCase { "FootCandleBelowKilo", record(10000.0f, 1), "929.37", "FC" },
        RowCase { "FootCandleAtKilo", record(10760.0f, 1), "1.00K", "FC" },
        RowCase { "OverRange", record(measure::kOverRange), "OL", "Lux" },
        RowCase { "NegativeOverRangeInFootCandles", record(measure::kOverRange, 1, 1), "-OL", "FC" },
        RowCase { "NegativeValue", record(12.5f, 0, 1), "-12.50", "Lux" }),
    [](const auto& param) { return param.param.name; });

TEST(MemoryListRow, NumbersFromOneAndKeepsStatusAndTimeAsStored)
{
    const MemoryListRow row = memoryListRow(record(1.0f), 41);
    EXPECT_EQ(row.number, "42");
    EXPECT_EQ(row.status, "Pmax");
    EXPECT_EQ(row.time, "07/12/10 14:05:09");
}

}  // namespace
}  // namespace brivon::files
