#include "core/link/PortMap.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

TEST(PortMap, UsbAdaptersComeFirstAndBuiltInPortsFollow)
{
    const link::PortMap map;
    EXPECT_EQ(map.pathFor(1), "/dev/ttyUSB0");
    EXPECT_EQ(map.pathFor(3), "/dev/ttyACM0");
    EXPECT_EQ(map.pathFor(5), "/dev/ttyS0");
    EXPECT_EQ(map.pathFor(16), "/dev/ttyUSB7");
    EXPECT_EQ(map.pathFor(0), "");
    EXPECT_EQ(map.pathFor(17), "");
}

struct MalformedCase {
    const char* name;
    const char* text;
};

class PortAssignment : public ::testing::TestWithParam<MalformedCase> { };

TEST_P(PortAssignment, MalformedTextIsRefused)
{
    EXPECT_FALSE(link::parsePortAssignment(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Malformed, PortAssignment,
    ::testing::Values(MalformedCase { "Empty", "" }, MalformedCase { "NoEquals", "1" },
        MalformedCase { "NoPath", "1=" }, MalformedCase { "NoNumber", "=/dev/x" },
        MalformedCase { "PortZero", "0=/dev/x" }, MalformedCase { "PortSeventeen", "17=/dev/x" },
        MalformedCase { "TrailingLetter", "1x=/dev/x" }, MalformedCase { "Negative", "-1=/dev/x" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PortMap, AnAssignmentNamesAnyPath)
{
    EXPECT_EQ(
        link::parsePortAssignment("7=/tmp/meter=sim"), (std::pair<int, std::string> { 7, "/tmp/meter=sim" }));
}

}  // namespace
}  // namespace brivon
