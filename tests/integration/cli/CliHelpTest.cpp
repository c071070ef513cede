// brivon-cli --help: help is an answer, not an error.

#include "integration/CliProcess.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

class CliHelp : public ::testing::TestWithParam<const char*> { };

TEST_P(CliHelp, PrintsTheUsageOnStandardOutputAndSucceeds)
{
    const testing::CliRun run = testing::runCli({ GetParam() });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.startsWith("usage: brivon-cli read")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("brivon-cli report")) << run.output.toStdString();
    EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Options, CliHelp, ::testing::Values("--help", "-h"),
    [](const auto& param) { return std::string(param.param[1] == '-' ? "Long" : "Short"); });

// Without a command it is still a usage error, on standard error.
TEST(CliHelpNotAsked, NoCommandIsAUsageError)
{
    const testing::CliRun run = testing::runCli({});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.isEmpty());
    EXPECT_TRUE(run.errors.startsWith("usage: brivon-cli")) << run.errors.toStdString();
}

}  // namespace
}  // namespace brivon
