#include "core/realtime/GraphSetup.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::support {
namespace {

struct RateCase {
    int seconds;
    int periodMs;
};

class SampleRate : public ::testing::TestWithParam<RateCase> { };

TEST_P(SampleRate, IsWholeSecondsOfAtLeastOne)
{
    EXPECT_EQ(realtime::samplePeriodMsFromSeconds(GetParam().seconds), GetParam().periodMs);
}

INSTANTIATE_TEST_SUITE_P(Seconds, SampleRate,
    ::testing::Values(RateCase { 0, 1000 }, RateCase { -3, 1000 }, RateCase { 1, 1000 }, RateCase { 7, 7000 },
        RateCase { 2147483647, 2147483000 }),
    [](const auto& param) {
        const int s = param.param.seconds;
        return "Seconds" + (s < 0 ? "Minus" + std::to_string(-s) : std::to_string(s));
    });

TEST(SampleRate, DialogStartsWithTheCurrentPeriodOrOne)
{
    EXPECT_EQ(realtime::initialSampleRateSeconds(0), 1);
    EXPECT_EQ(realtime::initialSampleRateSeconds(999), 1);
    EXPECT_EQ(realtime::initialSampleRateSeconds(5000), 5);
}

}  // namespace
}  // namespace brivon::support
