#include "core/link/MeterStatistics.h"

#include "core/measure/Units.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

TEST(MeterStatistics, OnlyOverRangeKeepsTheDashes)
{
    link::MeterStatistics statistics;
    statistics.add(measure::kOverRange, "10:00:00", false);
    EXPECT_EQ(statistics.texts().maximum, "----");
    EXPECT_EQ(statistics.texts().average, "----");
    EXPECT_EQ(statistics.count(), 0);
}

TEST(MeterStatistics, TracksMaximumMinimumAverageAndTheirTimes)
{
    link::MeterStatistics statistics;
    statistics.add(500.0f, "10:00:00", false);
    statistics.add(1500.0f, "10:00:01", false);
    statistics.add(100.0f, "10:00:02", false);
    statistics.add(measure::kOverRange, "10:00:03", false);
    const link::StatisticsTexts& t = statistics.texts();
    EXPECT_EQ(t.maximum, "1.50  KLux");
    EXPECT_EQ(t.maximumTime, "10:00:01");
    EXPECT_EQ(t.minimum, "100.00  Lux");
    EXPECT_EQ(t.minimumTime, "10:00:02");
    EXPECT_EQ(t.average, "700.00  Lux");
    EXPECT_EQ(statistics.count(), 3);
}

}  // namespace
}  // namespace brivon
