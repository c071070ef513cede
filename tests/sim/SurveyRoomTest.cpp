#include "sim/MeterCounts.h"
#include "sim/SimOptions.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::sim {
namespace {

constexpr double kSymmetryTolerance = 1e-9;  // lux

struct RoomCase {
    int rows;
    int columns;
};

class SurveyRoom : public ::testing::TestWithParam<RoomCase> { };

// The memory --survey-room leaves in the meter, dated before `now`.
std::vector<MemoryRecord> surveyMemory(const std::string& grid, const MeterClock& now)
{
    const ParsedOptions parsed = parseOptions({ "--memory-records", "5", "--survey-room", grid });
    EXPECT_EQ(parsed.error, "");
    MeterSimulator simulator;
    applyOptions(parsed.options, simulator, now);
    return simulator.model().storage().memory();
}

TEST_P(SurveyRoom, FillsTheMemoryRowByRowBrightestInTheMiddleAndMirrored)
{
    const auto [rows, columns] = GetParam();
    const MeterClock now { 2026, 3, 1, 9, 0, 0 };
    const std::vector<MemoryRecord> memory
        = surveyMemory(std::to_string(rows) + 'x' + std::to_string(columns), now);
    ASSERT_EQ(memory.size(), static_cast<std::size_t>(rows * columns));
    const auto at
        = [&](int row, int column) { return memory[static_cast<std::size_t>(row * columns + column)]; };
    for (std::size_t i = 0; i < memory.size(); ++i) {
        const MemoryRecord& r = memory[i];
        EXPECT_EQ(secondsOf(now) - secondsOf(r.time), 60 * static_cast<std::int64_t>(memory.size() - i));
        EXPECT_GT(r.lux, 0.0);
        EXPECT_EQ(r.rangeIndex, rangeFor(r.lux, false));  // shown without over range
        EXPECT_EQ(r.type, MeterMode::None);
        EXPECT_FALSE(r.footCandle || r.negative);
    }
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            EXPECT_NEAR(
                at(row, column).lux, at(rows - 1 - row, columns - 1 - column).lux, kSymmetryTolerance);
            EXPECT_NEAR(at(row, column).lux, at(rows - 1 - row, column).lux, kSymmetryTolerance);
            if (rows == columns) {
                EXPECT_NEAR(at(row, column).lux, at(column, row).lux, kSymmetryTolerance);
            }
        }
    if (rows > 2 && columns > 2) {
        EXPECT_GT(at(rows / 2, columns / 2).lux, 1.5 * at(0, 0).lux);
    }
}

INSTANTIATE_TEST_SUITE_P(Grids, SurveyRoom,
    ::testing::Values(RoomCase { 4, 5 }, RoomCase { 3, 3 }, RoomCase { 1, 7 }, RoomCase { 9, 11 }),
    [](const auto& param) {
        return std::to_string(param.param.rows) + 'x' + std::to_string(param.param.columns);
    });

TEST(SurveyRoom, AGridBeyondTheMemoryIsRefusedNamingItsSize)
{
    EXPECT_EQ(parseOptions({ "--survey-room", "10x10" }).error,
        "--survey-room 10x10 has 100 points; the memory holds at most 99 records");
    EXPECT_FALSE(parseOptions({ "--survey-room", "3x3", "--empty-memory" }).options.surveyRoom);
}

}  // namespace
}  // namespace brivon::sim
