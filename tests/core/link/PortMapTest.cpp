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

struct AssignmentCase {
    const char* name;
    const char* text;
};

class PortAssignment : public ::testing::TestWithParam<AssignmentCase> { };

TEST_P(PortAssignment, MalformedTextChangesNothing)
{
    PortMap map;
    EXPECT_FALSE(map.applyOverride(GetParam().text));
    EXPECT_EQ(map.pathFor(1), "/dev/ttyUSB0");
}

INSTANTIATE_TEST_SUITE_P(Malformed, PortAssignment,
    ::testing::Values(AssignmentCase { "Empty", "" }, AssignmentCase { "NumberOnly", "1" },
        AssignmentCase { "NoPath", "1=" }, AssignmentCase { "NoNumber", "=/dev/x" },
        AssignmentCase { "PortZero", "0=/dev/x" }, AssignmentCase { "PortSeventeen", "17=/dev/x" },
        AssignmentCase { "NumberWithLetter", "1x=/dev/x" }, AssignmentCase { "NegativeNumber", "-1=/dev/x" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PortMap, OverrideNamesAnyPath)
{
    PortMap map;
    EXPECT_TRUE(map.applyOverride("7=/tmp/meter=sim"));
    EXPECT_EQ(map.pathFor(7), "/tmp/meter=sim");
}

}  // namespace
}  // namespace brivon
