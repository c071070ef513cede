// brivon-cli --help: help is an answer, not an error.

#include "integration/CliProcess.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

class CliHelp : public ::testing::TestWithParam<const char*> { };

TEST_P(CliHelp, PrintsTheUsageOnStandardOutputAndSucceeds)
{
    const support::CliRun run = support::runCli({ GetParam() });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.startsWith("usage: brivon-cli read")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("brivon-cli report")) << run.output.toStdString();
    EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Options, CliHelp, ::testing::Values("--help", "-h"),
    [](const auto& param) { return std::string(param.param[1] == '-' ? "Long" : "Short"); });

}  // namespace
}  // namespace brivon
