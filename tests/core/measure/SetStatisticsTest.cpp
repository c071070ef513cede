#include "core/measure/SetStatistics.h"

#include "core/measure/Units.h"

#include <gtest/gtest.h>

#include <vector>

namespace brivon {
namespace {

TEST(SetStatistics, OverRangeReadingsAreLeftOut)
{
    const std::vector<float> lux { 300.0f, measure::kOverRange, 100.0f, 200.0f };
    const measure::SetStatistics s = measure::setStatistics(lux, 2);
    EXPECT_EQ(s.validCount, 3);
    EXPECT_DOUBLE_EQ(s.average, 200.0);
    EXPECT_DOUBLE_EQ(s.minimum, 100.0);
    EXPECT_DOUBLE_EQ(s.maximum, 300.0);
    ASSERT_TRUE(s.uniformity.has_value());
    EXPECT_DOUBLE_EQ(*s.uniformity, 0.5);
    EXPECT_EQ(s.durationSeconds, 6);

    const measure::SetStatisticsTexts t = measure::setStatisticsTexts(s, false);
    EXPECT_EQ(t.average, "200.00  Lux");
    EXPECT_EQ(t.uniformity, "0.50");
    EXPECT_EQ(t.duration, "0:00:06");
}

TEST(SetStatistics, FootCandleSetsShowFootCandlesAndLongDurationsHours)
{
    const std::vector<float> lux(3601, 1076.0f);
    const measure::SetStatisticsTexts t = measure::setStatisticsTexts(measure::setStatistics(lux, 10), true);
    EXPECT_EQ(t.maximum, "100.00  FC");
    EXPECT_EQ(t.uniformity, "1.00");
    EXPECT_EQ(t.duration, "10:00:00");
}

TEST(SetStatistics, NoUsableReadingGivesNoFigures)
{
    const std::vector<float> overRange { measure::kOverRange };
    const measure::SetStatisticsTexts t
        = measure::setStatisticsTexts(measure::setStatistics(overRange, 1), false);
    EXPECT_EQ(t.average, "----");
    EXPECT_EQ(t.uniformity, "----");
    EXPECT_EQ(t.duration, "0:00:00");
    const std::vector<float> dark { 0.0f, 0.0f };
    EXPECT_FALSE(measure::setStatistics(dark, 1).uniformity.has_value());
    EXPECT_EQ(measure::setStatistics({}, 1).durationSeconds, 0);
}

}  // namespace
}  // namespace brivon
