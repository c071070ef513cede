#include "core/platform/Clock.h"

#include <gtest/gtest.h>

#include <climits>

namespace brivon {
namespace {

TEST(FormatTime, FormatsTheProgramsTimeStamps)
{
    const platform::LocalTime t { 2010, 12, 7, 14, 5, 9 };
    EXPECT_EQ(platform::formatTime(t, "%y-%m-%d %H.%M.%S"), "10-12-07 14.05.09");
    EXPECT_EQ(platform::formatTime(t, "%d/%m/%y %H:%M:%S"), "07/12/10 14:05:09");
    EXPECT_EQ(platform::formatTime(t, "%m-%d-%y/%H:%M:%S"), "12-07-10/14:05:09");
    EXPECT_EQ(platform::formatTime(t, "%Y %%"), "2010 %");
}

TEST(SystemClock, LocalTimeRoundTrips)
{
    platform::SystemClock clock;
    const platform::TimeValue t = 1291730709;
    EXPECT_EQ(clock.fromLocal(clock.toLocal(t)), t);
}

TEST(ToTm, FieldsAtTheEndsOfTheRangeDoNotOverflow)
{
    const std::tm low = platform::toTm({ INT_MIN, INT_MIN, 1, 0, 0, 0 });
    EXPECT_EQ(low.tm_year, INT_MIN);
    EXPECT_EQ(low.tm_mon, INT_MIN);
    const std::tm high = platform::toTm({ INT_MAX, INT_MAX, 1, 0, 0, 0 });
    EXPECT_EQ(high.tm_year, INT_MAX - 1900);
    EXPECT_EQ(high.tm_mon, INT_MAX - 1);
}

}  // namespace
}  // namespace brivon
