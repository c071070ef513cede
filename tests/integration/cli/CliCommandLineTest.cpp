// brivon-cli's command line as a user types it: the version, what it cannot
// make out named before the usage, and a report without a session that
// leaves standard error quiet.

#include "core/files/ByteBuilder.h"
#include "integration/CliFileTest.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

struct CommandLineCase {
    const char* name;
    QStringList arguments;  // "RUN" stands for a graph file, "OUT" for an output in the test's folder
    int exitCode;
    const char* output;  // standard output, whole
    const char* errorsStart;  // standard error starts with this; "" for none at all
};

class CliCommandLine : public support::CliFileTest, public ::testing::WithParamInterface<CommandLineCase> { };

TEST_P(CliCommandLine, AnswersOrNamesWhatItRefusesBeforeTheUsage)
{
    const CommandLineCase& c = GetParam();
    const QString run = write("run.AsmDat",
        QByteArray::fromStdString(support::ByteBuilder()
                                      .signature()
                                      .ints({ 2, 2 })
                                      .f32(120.0f)
                                      .f32(340.0f)
                                      .i32(100)
                                      .u8(0)
                                      .ints({ 2010, 12, 7, 14, 5, 9, 2 })
                                      .bytes()));
    QStringList arguments;
    for (const QString& argument : c.arguments)
        arguments << (argument == "RUN" ? run : argument == "OUT" ? folder_.filePath("out.pdf") : argument);
    QProcessEnvironment environment = utcEnvironment();
    for (const char* variable : { "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
        environment.remove(variable);

    const support::CliRun result = support::runCli(arguments, environment);

    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.output.toStdString(), c.output);
    const std::string errors = result.errors.toStdString();
    if (*c.errorsStart == '\0') {
        EXPECT_EQ(errors, "");
    } else {
        EXPECT_TRUE(errors.starts_with(c.errorsStart)) << errors;
        EXPECT_NE(errors.find("\nusage: brivon-cli"), std::string::npos) << errors;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliCommandLine,
    ::testing::Values(CommandLineCase { "Version", { "--version" }, 0, "Brivon Version 2.0\n", "" },
        CommandLineCase { "UnknownCommand", { "frob" }, 1, "", "brivon-cli: unknown command \"frob\"\n" },
        CommandLineCase {
            "UnknownTopOption", { "--frob" }, 1, "", "brivon-cli: unknown option \"--frob\"\n" },
        CommandLineCase { "UnknownExportOption", { "export", "RUN", "--cvs" }, 1, "",
            "brivon-cli export: unknown option \"--cvs\"\n" },
        CommandLineCase { "UnknownDownloadOption", { "download", "memory", "--dev", "/dev/null" }, 1, "",
            "brivon-cli download: unknown option \"--dev\"\n" },
        CommandLineCase { "UnknownRecoverOption", { "recover", "--lsit" }, 1, "",
            "brivon-cli recover: unknown option \"--lsit\"\n" },
        CommandLineCase { "UnsupportedPage", { "report", "RUN", "-o", "OUT", "--page", "A5" }, 1, "",
            "brivon-cli report: unsupported page size \"A5\"; use A4 or Letter\n" },
        CommandLineCase { "ReportWithoutRuntimeFolder", { "report", "RUN", "-o", "OUT" }, 0, "", "" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
