// brivon-cli read against the simulated meter, as a user runs it.

#include "integration/CliProcess.h"
#include "sim/PtyMeter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace brivon {
namespace {

struct CliLines {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

CliLines runCli(const QStringList& arguments)
{
    const support::CliRun run = support::runCli(arguments);
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

TEST(CliRead, SilentMeterUntilTheSecondsLimitIsNoAnswer)
{
    sim::PtyMeter meter;
    meter.script([](sim::MeterSimulator& s) { s.setSilent(true); });
    const QString device = QString::fromStdString(meter.slavePath());
    const CliLines run = runCli({ "read", "--device", device, "--seconds", "1" });
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.lines, QStringList { "time,lux,reading,unit,range,hold,mode" });
    EXPECT_EQ(run.errors, "no answer from the meter on " + device + "\n");
}

TEST(CliRead, SilentMeterIsReportedOnceAfterTheFirstRestart)
{
    sim::PtyMeter meter;
    meter.script([](sim::MeterSimulator& s) { s.setSilent(true); });
    const QString device = QString::fromStdString(meter.slavePath());
    // Two watchdog periods: the link is restarted twice, the note comes once.
    const CliLines run = runCli({ "read", "--device", device, "--seconds", "4.5" });
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.errors,
        "no answer from the meter on " + device + " yet; still trying\n" + "no answer from the meter on "
            + device + "\n");
}

TEST(CliRead, MissingDeviceIsReportedAndFails)
{
    const CliLines run = runCli({ "read", "--device", "/dev/brivon-no-such-port" });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.errors.trimmed(), "Invalid port number");
    EXPECT_TRUE(run.lines.isEmpty());
}

// A command line it cannot make out (an unknown option, no device) is a usage error, exit 1;
// a value it refuses is exit 2 (below).
TEST(CliRead, BadArgumentsShowTheUsage)
{
    for (const QStringList& arguments : { QStringList { "read", "--speed", "9600" }, QStringList { "read" },
             QStringList { "read", "--count", "5" } }) {
        const CliLines run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.startsWith("usage:")) << arguments.join(' ').toStdString();
    }
}

struct BadDeviceCase {
    const char* name;
    // Makes the path to read from inside an empty folder.
    QString (*make)(const QDir& folder);
    const char* reason;  // expected on standard error after the path
};

void PrintTo(const BadDeviceCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class CliReadBadDevice : public ::testing::TestWithParam<BadDeviceCase> { };

TEST_P(CliReadBadDevice, IsRefusedAtOnceWithItsReason)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString device = GetParam().make(QDir(folder.path()));
    // No --seconds: only the refusal can end the run before the test's time limit.
    const CliLines run = runCli({ "read", "--device", device });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_TRUE(run.errors.startsWith(device + GetParam().reason)) << run.errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Devices, CliReadBadDevice,
    ::testing::Values(BadDeviceCase { "NullDevice", [](const QDir&) { return QString("/dev/null"); },
                          " is not a serial device" },
        BadDeviceCase { "RegularFile",
            [](const QDir& folder) {
                QFile file(folder.filePath("readings.txt"));
                EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                return file.fileName();
            },
            " is a regular file, not a serial device" },
        BadDeviceCase {
            "Folder", [](const QDir& folder) { return folder.path(); }, " is a folder, not a serial device" },
        BadDeviceCase { "Fifo",
            [](const QDir& folder) {
                const QString path = folder.filePath("meter.fifo");
                EXPECT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                return path;
            },
            " is a FIFO, not a serial device" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CliRead, DeviceWithoutPermissionIsRefusedAtOnce)
{
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    sim::PtyMeter meter;
    ASSERT_EQ(chmod(meter.slavePath().c_str(), 0), 0);
    const QString device = QString::fromStdString(meter.slavePath());
    const CliLines run = runCli({ "read", "--device", device });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.startsWith("No permission to open " + device)) << run.errors.toStdString();
}

struct BadNumberCase {
    const char* name;
    const char* option;
    const char* value;
};

void PrintTo(const BadNumberCase& testCase, std::ostream* out)
{
    *out << testCase.option << ' ' << testCase.value;
}

class CliReadBadNumber : public ::testing::TestWithParam<BadNumberCase> { };

// Refused as a device or a file would be (exit 2), naming the option and its value, with the usage.
TEST_P(CliReadBadNumber, IsRefusedWithTheUsage)
{
    const CliLines run
        = runCli({ "read", "--device", "/dev/brivon-no-such-port", GetParam().option, GetParam().value });
    EXPECT_EQ(run.exitCode, 2);
    const QString named
        = QString("brivon-cli read: %1 %2: not a positive ").arg(GetParam().option, GetParam().value);
    EXPECT_TRUE(run.errors.startsWith(named)) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("\nusage: brivon-cli read")) << run.errors.toStdString();
    EXPECT_TRUE(run.lines.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Numbers, CliReadBadNumber,
    ::testing::Values(BadNumberCase { "CountWithTrailingLetter", "--count", "5x" },
        BadNumberCase { "CountNotANumber", "--count", "nan" },
        BadNumberCase { "CountInfinite", "--count", "inf" }, BadNumberCase { "CountZero", "--count", "0" },
        BadNumberCase { "CountNegative", "--count", "-3" },
        BadNumberCase { "CountFraction", "--count", "2.5" }, BadNumberCase { "CountEmpty", "--count", "" },
        BadNumberCase { "SecondsWithTrailingLetter", "--seconds", "5x" },
        BadNumberCase { "SecondsNotANumber", "--seconds", "nan" },
        BadNumberCase { "SecondsInfinite", "--seconds", "inf" },
        BadNumberCase { "SecondsZero", "--seconds", "0" },
        BadNumberCase { "SecondsNegative", "--seconds", "-1" },
        BadNumberCase { "SecondsBeyondTheTimerRange", "--seconds", "1e300" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
