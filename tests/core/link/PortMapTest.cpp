#include "core/link/PortMap.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

TEST(PortMap, UsbAdaptersComeFirstAndBuiltInPortsFollow)
{
    const PortMap map;
    EXPECT_EQ(map.pathFor(1), "/dev/ttyUSB0");
    EXPECT_EQ(map.pathFor(3), "/dev/ttyACM0");
    EXPECT_EQ(map.pathFor(5), "/dev/ttyS0");
    EXPECT_EQ(map.pathFor(16), "/dev/ttyUSB7");
    EXPECT_EQ(map.pathFor(0), "");
    EXPECT_EQ(map.pathFor(17), "");
}

class PortAssignment : public ::testing::TestWithParam<const char*> { };

TEST_P(PortAssignment, MalformedTextChangesNothing)
{
    PortMap map;
    EXPECT_FALSE(map.applyOverride(GetParam()));
    EXPECT_EQ(map.pathFor(1), "/dev/ttyUSB0");
}

INSTANTIATE_TEST_SUITE_P(Malformed, PortAssignment,
    ::testing::Values("", "1", "1=", "=/dev/x", "0=/dev/x", "17=/dev/x", "1x=/dev/x", "-1=/dev/x"));

TEST(PortMap, OverrideNamesAnyPath)
{
    PortMap map;
    EXPECT_TRUE(map.applyOverride("7=/tmp/meter=sim"));
    EXPECT_EQ(map.pathFor(7), "/tmp/meter=sim");
}

}  // namespace
}  // namespace brivon
