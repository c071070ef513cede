#include "core/app/CommandLine.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

TEST(CommandLine, TakesSimulatePortsAndAFile)
{
    const auto parsed
        = app::parseCommandLine({ "--port", "3=/dev/pts/4", "--simulate", "run.AsmDat", "--port", "16=/x" });
    ASSERT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.line.simulate);
    ASSERT_EQ(parsed.line.ports.size(), 2u);
    EXPECT_EQ(parsed.line.ports[0], (std::pair<int, std::string> { 3, "/dev/pts/4" }));
    EXPECT_EQ(parsed.line.ports[1].first, 16);
    EXPECT_EQ(parsed.line.fileToOpen, "run.AsmDat");
}

TEST(CommandLine, SimulateWithTakesTheSimulatorsOptionsAsOneArgument)
{
    const auto parsed = app::parseCommandLine({ "--simulate-with", "--empty-memory --pace" });
    ASSERT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.line.simulate);
    EXPECT_EQ(parsed.line.simulatorOptions, "--empty-memory --pace");
}

struct RefusedCase {
    const char* name;
    std::vector<std::string> arguments;
};

class RefusedCommandLine : public ::testing::TestWithParam<RefusedCase> { };

TEST_P(RefusedCommandLine, IsRefusedWithAReason)
{
    EXPECT_NE(app::parseCommandLine(GetParam().arguments).error, "");
}

INSTANTIATE_TEST_SUITE_P(Lines, RefusedCommandLine,
    ::testing::Values(RefusedCase { "PortWithoutAssignment", { "--port" } },
        RefusedCase { "PortSeventeen", { "--port", "17=/dev/x" } },
        RefusedCase { "UnknownOption", { "--frobnicate" } },
        RefusedCase { "SimulateWithoutOptions", { "--simulate-with" } },
        RefusedCase { "TwoFiles", { "a.AsmDat", "b.AsmDat" } }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
