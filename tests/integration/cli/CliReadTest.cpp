// brivon-cli read against the simulated meter, as a user runs it.

#include "meter-sim/PtyMeter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace brivon {
namespace {

constexpr int kRunMs = 10000;

struct CliRun {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(BRIVON_BINARY_DIR "/brivon-cli", arguments);
    CliRun run;
    if (!process.waitForFinished(kRunMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TEST(CliRead, PrintsOneLinePerFrameAfterTheHeader)
{
    sim::PtyMeter meter;
    meter.script([](sim::MeterSimulator& s) {
        s.model().setValue(1234.0);
        s.model().setMode(sim::MeterMode::Max);
    });
    const CliRun run = runCli({"read", "--device", QString::fromStdString(meter.slavePath()), "--count", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 4);
    EXPECT_EQ(run.lines[0], "time,lux,reading,unit,range,hold,mode");
    const QRegularExpression line(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d,1234\.00,1234,Lux,4k,,MAX$)");
    for (int i = 1; i < run.lines.size(); ++i) EXPECT_TRUE(line.match(run.lines[i]).hasMatch()) << run.lines[i].toStdString();
}

TEST(CliRead, OverRangeIsPrintedAsOL)
{
    sim::PtyMeter meter;
    meter.script([](sim::MeterSimulator& s) { s.model().setOverRange(true); });
    const CliRun run = runCli({"read", "--device", QString::fromStdString(meter.slavePath()), "--count", "1"});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_TRUE(run.lines[1].contains(",OL,OL,")) << run.lines[1].toStdString();
}

TEST(CliRead, SecondsLimitEndsASilentRead)
{
    sim::PtyMeter meter;
    meter.script([](sim::MeterSimulator& s) { s.setSilent(true); });
    const CliRun run = runCli({"read", "--device", QString::fromStdString(meter.slavePath()), "--seconds", "1"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines, QStringList{"time,lux,reading,unit,range,hold,mode"});
}

TEST(CliRead, MissingDeviceIsReportedAndFails)
{
    const CliRun run = runCli({"read", "--device", "/dev/brivon-no-such-port"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.errors.trimmed(), "Invalid port number");
    EXPECT_TRUE(run.lines.isEmpty());
}

TEST(CliRead, BadArgumentsShowTheUsage)
{
    const CliRun run = runCli({"read", "--count", "x"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.startsWith("usage:"));
}

}  // namespace
}  // namespace brivon
