#include "core/survey/Survey.h"
#include "core/survey/SurveySpacing.h"

#include "core/measure/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace brivon {
namespace {

using survey::GridSize;
using survey::RecordRange;
using survey::Requirement;

store::MemoryRecord lux(float value)
{
    return { value, "07/12/10 14:05:09", "General", 0, 0 };
}

store::MemoryRecord footCandles(float storedLux)
{
    store::MemoryRecord record = lux(storedLux);
    record.footCandle = 1;
    return record;
}

store::MemoryRecord withStatus(float value, const char* status, std::uint8_t negative = 0)
{
    store::MemoryRecord record = lux(value);
    record.status = status;
    record.negative = negative;
    return record;
}

store::MemoryBlock blockOf(const std::vector<store::MemoryRecord>& records)
{
    store::MemoryBlock block;
    for (const store::MemoryRecord& record : records)
        block.records[static_cast<std::size_t>(block.recordCount++)] = record;
    return block;
}

survey::SurveyRequest ask(
    GridSize grid, std::optional<RecordRange> records = std::nullopt, Requirement requirement = {})
{
    return { grid, records, requirement };
}

struct FigureCase {
    const char* name;
    std::vector<store::MemoryRecord> records;
    survey::SurveyRequest request;
    int pointCount;
    double average, minimum, maximum;
    std::optional<double> u0, ud;
    std::optional<bool> met;  // none without a requirement
};

class SurveyFigures : public ::testing::TestWithParam<FigureCase> { };

TEST_P(SurveyFigures, AreComputedFromTheChosenRecords)
{
    const FigureCase& c = GetParam();
    const survey::SurveyOutcome outcome = survey::makeSurvey(blockOf(c.records), c.request);
    ASSERT_TRUE(outcome.survey) << outcome.refusal;
    const survey::SurveyStatistics& s = outcome.survey->statistics;
    EXPECT_EQ(s.pointCount, c.pointCount);
    EXPECT_NEAR(s.average, c.average, 1e-4);
    EXPECT_NEAR(s.minimum, c.minimum, 1e-4);
    EXPECT_NEAR(s.maximum, c.maximum, 1e-4);
    EXPECT_NEAR(s.u0.value_or(-1), c.u0.value_or(-1), 1e-4);
    EXPECT_NEAR(s.ud.value_or(-1), c.ud.value_or(-1), 1e-4);
    const std::optional<survey::RequirementResult>& result = outcome.survey->result;
    EXPECT_EQ(result ? std::optional(result->met()) : std::nullopt, c.met);
}

INSTANTIATE_TEST_SUITE_P(Cases, SurveyFigures,
    ::testing::Values(
        FigureCase { "OfficeGridPasses", { lux(400), lux(500), lux(600), lux(500) },
            ask({ 2, 2 }, std::nullopt, { 500.0, 0.6 }), 4, 500, 400, 600, 0.8, 400.0 / 600, true },
        FigureCase { "EqualValuesHaveUniformityOne", { lux(300), lux(300), lux(300) },
            ask({ 3, 1 }, std::nullopt, { 500.0, std::nullopt }), 3, 300, 300, 300, 1.0, 1.0, false },
        // Foot-candle records hold lux already: 107.6 lx is shown as 10.00 FC.
        FigureCase { "FootCandleRecordCountsInLux", { footCandles(107.6f), lux(100), lux(92.4f) },
            ask({ 1, 3 }, std::nullopt, { std::nullopt, 0.95 }), 3, 100, 92.4, 107.6, 0.924, 92.4 / 107.6,
            false },
        FigureCase { "ARangeOfRecords", { lux(1), lux(200), lux(100), lux(7) },
            ask({ 1, 2 }, RecordRange { 2, 3 }, {}), 2, 150, 100, 200, 100.0 / 150, 0.5, std::nullopt },
        // U0 = 0.5996 is reported as 0.60 and meets 0.60.
        FigureCase { "UniformityIsJudgedAsReported", { lux(100), lux(233.56f) },
            ask({ 2, 1 }, std::nullopt, { std::nullopt, 0.6 }), 2, 166.78, 100, 233.56, 0.59959, 0.42816,
            true },
        FigureCase { "ADarkGridHasNoUniformity", { lux(0), lux(0) },
            ask({ 1, 2 }, std::nullopt, { std::nullopt, 0.6 }), 2, 0, 0, 0, std::nullopt, std::nullopt,
            false }),
    [](const auto& param) { return std::string(param.param.name); });

struct RefusalCase {
    const char* name;
    std::vector<store::MemoryRecord> records;
    survey::SurveyRequest request;
    const char* refusal;
};

class SurveyRefusal : public ::testing::TestWithParam<RefusalCase> { };

TEST_P(SurveyRefusal, SaysWhy)
{
    const RefusalCase& c = GetParam();
    const survey::SurveyOutcome outcome = survey::makeSurvey(blockOf(c.records), c.request);
    EXPECT_FALSE(outcome.survey);
    EXPECT_EQ(outcome.refusal, c.refusal);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const std::vector<store::MemoryRecord> kThree { lux(1), lux(2), lux(3) };

INSTANTIATE_TEST_SUITE_P(Cases, SurveyRefusal,
    ::testing::Values(
        RefusalCase { "GridWithoutPoints", kThree, ask({ 0, 3 }), "the grid 0 x 3 has no points" },
        RefusalCase { "TooFewRecords", kThree, ask({ 2, 2 }),
            "point (2, 2) has no record: the grid 2 x 2 has 4 points, but 3 records were chosen" },
        RefusalCase { "TooManyRecords", kThree, ask({ 1, 2 }),
            "record 3 has no point: the grid 1 x 2 has 2 points, but 3 records were chosen" },
        RefusalCase { "RangePastTheList", kThree, ask({ 1, 3 }, RecordRange { 2, 4 }),
            "records 2-4: not within the list's 3 records" },
        RefusalCase { "RangeBeforeTheList", kThree, ask({ 1, 3 }, RecordRange { 0, 2 }),
            "records 0-2: not within the list's 3 records" },
        RefusalCase { "RangeBackwards", kThree, ask({ 1, 1 }, RecordRange { 3, 2 }),
            "records 3-2: the first comes after the last" },
        RefusalCase { "OverRange", { lux(1), lux(2), lux(measure::kOverRange), lux(4) }, ask({ 2, 2 }),
            "point (2, 1), record 3: over range (OL)" },
        RefusalCase { "Negative", { lux(1), withStatus(2, "General", 1) }, ask({ 1, 2 }),
            "point (1, 2), record 2: a negative reading" },
        RefusalCase { "Relative", { lux(9), lux(1), lux(2), lux(3), withStatus(4, "Rel") },
            ask({ 2, 2 }, RecordRange { 2, 5 }), "point (2, 2), record 5: a relative (Rel) reading" },
        RefusalCase { "NotANumber", { lux(static_cast<float>(kNaN)) }, ask({ 1, 1 }),
            "point (1, 1), record 1: not a number" },
        RefusalCase { "RequiredAverageZero", kThree, ask({ 1, 3 }, std::nullopt, { 0.0, std::nullopt }),
            "required average illuminance 0 lx: not a positive finite number" },
        RefusalCase { "RequiredAverageNotANumber", kThree,
            ask({ 1, 3 }, std::nullopt, { kNaN, std::nullopt }),
            "required average illuminance nan lx: not a positive finite number" },
        RefusalCase { "RequiredUniformityAboveOne", kThree, ask({ 1, 3 }, std::nullopt, { 500.0, 1.5 }),
            "required uniformity 1.5: not a number above 0 and at most 1" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SurveySpacing, FollowsTheRuleUpToTenMetres)
{
    for (const double d : { 1.0, 5.0, 10.0, 50.0, 100.0 }) {
        SCOPED_TRACE(d);
        EXPECT_DOUBLE_EQ(survey::largestSpacing(d), 0.2 * std::pow(5.0, std::log10(d)));
    }
    EXPECT_DOUBLE_EQ(survey::largestSpacing(10.0), 1.0);
    EXPECT_DOUBLE_EQ(survey::largestSpacing(100.0), 5.0);
    EXPECT_DOUBLE_EQ(survey::largestSpacing(1000.0), 10.0);  // 25 m by the formula
}

TEST(SurveySpacing, GivesTheLeastPointsAlongEachSide)
{
    // d = 16 m: p = 1.389 m, 16 / p = 11.5 and 12 / p = 8.6.
    const survey::SpacingCheck fine = survey::checkSpacing({ 16.0, 12.0 }, { 12, 9 });
    EXPECT_NEAR(fine.spacing, 1.3889, 1e-4);
    EXPECT_EQ(fine.leastPoints.rows, 12);
    EXPECT_EQ(fine.leastPoints.columns, 9);
    EXPECT_TRUE(fine.fineEnough);
    EXPECT_FALSE(survey::checkSpacing({ 16.0, 12.0 }, { 12, 8 }).fineEnough);
    // A narrow strip needs one point across it.
    EXPECT_EQ(survey::checkSpacing({ 10.0, 0.5 }, { 10, 1 }).leastPoints.columns, 1);
    EXPECT_EQ(*survey::areaProblem({ 0.0, 5.0 }),
        "area 0 x 5 m: each side must be a positive number of metres up to 10000");
}

}  // namespace
}  // namespace brivon
