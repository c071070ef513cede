// brivon-cli read against the simulated meter, as a user runs it.

#include "integration/CliProcess.h"
#include "sim/PtyMeter.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace brivon {
namespace {

struct CliLines {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

CliLines runCli(const QStringList& arguments)
{
    const testing::CliRun run = testing::runCli(arguments);
    return { run.exitCode, QString::fromUtf8(run.output).split('\n', Qt::SkipEmptyParts),
        QString::fromUtf8(run.errors) };
}

TEST(CliRead, PrintsOneLinePerFrameAfterTheHeader)
{
    sim::PtyMeter meter;
    meter.script([](sim::MeterSimulator& s) {
        s.model().setValue(1234.0);
        s.model().setMode(sim::MeterMode::Max);
    });
    const CliLines run
        = runCli({ "read", "--device", QString::fromStdString(meter.slavePath()), "--count", "3" });
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 4);
    EXPECT_EQ(run.lines[0], "time,lux,reading,unit,range,hold,mode");
    const QRegularExpression line(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d,1234\.00,1234,Lux,4k,,MAX$)");
    for (int i = 1; i < run.lines.size(); ++i)
        EXPECT_TRUE(line.match(run.lines[i]).hasMatch()) << run.lines[i].toStdString();
}

TEST(CliRead, OverRangeIsPrintedAsOL)
{
    sim::PtyMeter meter;
    meter.script([](sim::MeterSimulator& s) { s.model().setOverRange(true); });
    const CliLines run
        = runCli({ "read", "--device", QString::fromStdString(meter.slavePath()), "--count", "1" });
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_TRUE(run.lines[1].contains(",OL,OL,")) << run.lines[1].toStdString();
}

TEST(CliRead, SecondsLimitEndsASilentRead)
{
    sim::PtyMeter meter;
    meter.script([](sim::MeterSimulator& s) { s.setSilent(true); });
    const CliLines run
        = runCli({ "read", "--device", QString::fromStdString(meter.slavePath()), "--seconds", "1" });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines, QStringList { "time,lux,reading,unit,range,hold,mode" });
}

TEST(CliRead, MissingDeviceIsReportedAndFails)
{
    const CliLines run = runCli({ "read", "--device", "/dev/brivon-no-such-port" });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.errors.trimmed(), "Invalid port number");
    EXPECT_TRUE(run.lines.isEmpty());
}

TEST(CliRead, BadArgumentsShowTheUsage)
{
    const CliLines run = runCli({ "read", "--count", "x" });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.startsWith("usage:"));
}

}  // namespace
}  // namespace brivon
