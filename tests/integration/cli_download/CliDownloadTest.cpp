// brivon-cli download against the simulated meter on a pseudo-terminal, as a user runs it.

#include "integration/CliProcess.h"

#include "core/files/GraphFile.h"
#include "core/files/MemoryFile.h"
#include "core/link/MeterProtocol.h"
#include "core/platform/Clock.h"
#include "core/store/CurrentSet.h"
#include "core/store/MemoryBlock.h"
#include "sim/PtyMeter.h"
#include "sim/SampleStorage.h"
#include "support/PtyPair.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>

namespace brivon {
namespace {

constexpr int kTransferRunMs = 30000;  // past the progress dialog's longest time-out
constexpr const char* kRecordTime = R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d)";

struct CliLines {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

CliLines runCli(const QStringList& arguments)
{
    const support::CliRun run
        = support::runCli(arguments, QProcessEnvironment::systemEnvironment(), kTransferRunMs);
    return { run.exitCode, QString::fromUtf8(run.output).split('\n', Qt::SkipEmptyParts),
        QString::fromUtf8(run.errors) };
}

QString devicePath(const sim::PtyMeter& meter)
{
    return QString::fromStdString(meter.slavePath());
}

void store(sim::PtyMeter& meter, sim::StoragePlan plan)
{
    meter.script([&plan](sim::MeterSimulator& s) {
        sim::fillStorage(plan, s.model().storage(), sim::computerClock());
    });
}

class CliDownload : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder_.filePath(name); }
    QStringList folderEntries() const
    {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    }

    sim::PtyMeter meter_;
    QTemporaryDir folder_;
};

TEST_F(CliDownload, MemoryWritesTheListFileAndItsTextAndPrintsTheListRows)
{
    store(meter_, { 7, {} });
    const CliLines run
        = runCli({ "download", "memory", "--device", devicePath(meter_), "-o", path("records") });
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.errors, "");
    ASSERT_EQ(run.lines.size(), 8);
    EXPECT_EQ(run.lines[0], "no,data,unit,status,time");
    const QStringList expected { "1,523.00,Lux,General,", "2,45.60,FC,Max,", "3,1.25K,Lux,Min,",
        "4,-12.30,Lux,Rel,", "5,OL,Lux,Pmax,", "6,8.50,Lux,Pmin,", "7,2.48K,FC,General," };
    for (int i = 0; i < expected.size(); ++i) {
        const QRegularExpression line("^" + QRegularExpression::escape(expected[i]) + kRecordTime + "$");
        EXPECT_TRUE(line.match(run.lines[i + 1]).hasMatch()) << run.lines[i + 1].toStdString();
    }

    EXPECT_EQ(folderEntries(), (QStringList { "records.MemDat", "records.txt" }));
    auto block = std::make_unique<store::MemoryBlock>();
    ASSERT_TRUE(files::readMemoryFile(path("records.MemDat").toStdString(), *block).ok());
    EXPECT_EQ(block->recordCount, 7);
    QFile text(path("records.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.readAll().count("\r\n"), 8);
}

TEST_F(CliDownload, LoggerWritesOneGraphFilePerSetNamedAfterItsStartWithoutOverwriting)
{
    const sim::MeterClock start { 2026, 1, 15, 8, 30, 0 };
    meter_.script([&start](sim::MeterSimulator& s) {
        sim::MeterStorage& storage = s.model().storage();
        storage.clearLogger();
        storage.addLoggerSet({ start, 2, false, std::vector<sim::LoggerRecord>(50, { 300.0, 2 }) });
        storage.addLoggerSet({ start, 30, true, std::vector<sim::LoggerRecord>(20, { 2000.0, 3 }) });
    });
    QFile existing(path("26-01-15 08.30.00.txt"));  // a text export of an earlier download
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    const CliLines run
        = runCli({ "download", "logger", "--device", devicePath(meter_), "-o", folder_.path() });
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.errors, "") << "no progress line when standard error is no terminal";
    ASSERT_EQ(run.lines.size(), 3);
    EXPECT_EQ(run.lines[0], "set,time,unit,sampling_rate,nums,file");
    EXPECT_EQ(run.lines[1], "1,15/01/26 08:30:00,Lux,2sec,50," + path("26-01-15 08.30.00 (2).AsmDat"));
    EXPECT_EQ(run.lines[2], "2,15/01/26 08:30:00,FC,30sec,20," + path("26-01-15 08.30.00 (3).AsmDat"));
    EXPECT_EQ(existing.size(), 0);

    // The gain is the one choosing the set in the data-logger window gives: the full scale, a tenth in fc.
    const platform::SystemClock clock;
    auto set = std::make_unique<store::CurrentSet>();
    ASSERT_TRUE(files::readGraphFile(path("26-01-15 08.30.00 (2).AsmDat").toStdString(), *set, clock).ok());
    EXPECT_EQ(set->loadedSampleCount, 50);
    EXPECT_EQ(set->loadedReadingCount, 50);
    EXPECT_EQ(set->loadedSamplePeriod, 2);
    EXPECT_EQ(set->loadedGain, 400);
    EXPECT_FLOAT_EQ(set->loadedSamples[0], 300.0f);
    ASSERT_TRUE(files::readGraphFile(path("26-01-15 08.30.00 (3).AsmDat").toStdString(), *set, clock).ok());
    EXPECT_EQ(set->loadedUnitFlag, 1);
    EXPECT_EQ(set->loadedGain, 400);
    EXPECT_TRUE(QFile::exists(path("26-01-15 08.30.00 (3).txt")));
}

TEST_F(CliDownload, LoggerSavesTheSetsItsOwnReaderTakesAndNamesEachItCannotSave)
{
    const sim::MeterClock start { 2026, 1, 15, 8, 30, 0 };
    meter_.script([&start](sim::MeterSimulator& s) {
        sim::MeterStorage& storage = s.model().storage();
        storage.clearLogger();
        const std::vector<sim::LoggerRecord> records(10, { 300.0, 2 });
        storage.addLoggerSet({ start, 2, false, records, 7, std::nullopt });
        storage.addLoggerSet({ start, 2, false, records, std::nullopt, std::nullopt });
        storage.addLoggerSet({ start, 2, false, records, std::nullopt, 0xFA });  // not BCD: 2160
    });
    const CliLines run = runCli({ "download", "logger", "--device", devicePath(meter_), "-o", path("sets") });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.errors,
        "Set 1 (15/01/26 08:30:00) cannot be saved: invalid unit flag 7.\n"
        "Set 3 (15/01/60 08:30:00) cannot be saved: invalid year 2160.\n");
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_TRUE(run.lines[1].startsWith("2,15/01/26 08:30:00,Lux,2sec,10,")) << run.lines[1].toStdString();
    const QStringList written = QDir(path("sets")).entryList(QDir::Files);
    EXPECT_EQ(written, (QStringList { "26-01-15 08.30.00 (2).AsmDat", "26-01-15 08.30.00 (2).txt" }));
    const support::CliRun info = support::runCli({ "info", path("sets/26-01-15 08.30.00 (2).AsmDat") });
    EXPECT_EQ(info.exitCode, 0) << info.errors.toStdString();
}

TEST_F(CliDownload, ShowsTheDataLoggerProgressWhenStandardErrorIsATerminal)
{
    store(meter_, { 0, { { 100, 1, false } } });  // a dump of 13 + 300 bytes
    support::PtyPair terminal;
    QProcess process;
    process.setStandardErrorFile(QString::fromStdString(terminal.slavePath()));
    process.start(BRIVON_BINARY_DIR "/brivon-cli",
        { "download", "logger", "--device", devicePath(meter_), "-o", path("sets") });
    ASSERT_TRUE(process.waitForFinished(kTransferRunMs));
    EXPECT_EQ(process.exitCode(), 0);
    const platform::Bytes shown = terminal.readAvailable();
    const std::string progress(shown.begin(), shown.end());
    EXPECT_NE(progress.find("\r313 of 313 bytes"), std::string::npos) << progress;
    EXPECT_TRUE(progress.ends_with("\n")) << progress;
}

TEST_F(CliDownload, MemoryRefusesAnExistingFileBeforeTheTransfer)
{
    QFile text(path("records.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.close();
    const CliLines run
        = runCli({ "download", "memory", "--device", devicePath(meter_), "-o", path("records") });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.errors, path("records.txt") + ": exists already; choose another name with -o\n");
    EXPECT_EQ(folderEntries(), QStringList { "records.txt" });
}

struct RefusalCase {
    const char* name;
    const char* kind;
    sim::StoragePlan storage;
    bool lowBattery;
    int exitCode;
    const char* message;
};

class CliDownloadRefusal : public CliDownload, public ::testing::WithParamInterface<RefusalCase> { };

TEST_P(CliDownloadRefusal, SaysWhyAndWritesNothing)
{
    const RefusalCase& c = GetParam();
    store(meter_, c.storage);
    meter_.script([&c](sim::MeterSimulator& s) { s.model().setLowBattery(c.lowBattery); });
    const QString output = QString(c.kind) == "memory" ? path("records.MemDat") : path("sets");
    const CliLines run = runCli({ "download", c.kind, "--device", devicePath(meter_), "-o", output });
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.errors, QString(c.message) + "\n");
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_TRUE(QDir(folder_.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Meters, CliDownloadRefusal,
    ::testing::Values(
        RefusalCase { "EmptyMemory", "memory", { 0, {} }, false, 3, "There is no Data in the MEM!" },
        RefusalCase { "EmptyLogger", "logger", { 0, {} }, false, 3, "There is no data on the RAM!" },
        RefusalCase { "MemoryOnLowBattery", "memory", {}, true, 3,
            "Power is low,please change another battery to try again!" },
        RefusalCase { "LoggerOnLowBattery", "logger", {}, true, 3,
            "Power is low,please change another battery to try again!" }),
    [](const auto& param) { return std::string(param.param.name); });

struct CutCase {
    const char* name;
    const char* kind;
    int cut;
    const char* message;
};

class CliDownloadCut : public CliDownload, public ::testing::WithParamInterface<CutCase> { };

TEST_P(CliDownloadCut, NamesWhatArrivedAndWritesNothing)
{
    store(meter_, { 3, { { 100, 1, false } } });  // a dump of 13 + 300 bytes
    meter_.script([](sim::MeterSimulator& s) { s.setTransferCut(GetParam().cut); });
    const QString output = QString(GetParam().kind) == "memory" ? path("records.MemDat") : path("sets");
    const CliLines run
        = runCli({ "download", GetParam().kind, "--device", devicePath(meter_), "-o", output });
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.errors, QString(GetParam().message) + "\n");
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_TRUE(QDir(folder_.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Transfers, CliDownloadCut,
    ::testing::Values(CutCase { "MemoryDump", "memory", 100,
                          "the memory dump did not complete: 100 of 1352 bytes arrived" },
        CutCase {
            "LoggerDump", "logger", 200, "the data-logger dump did not complete: 200 of 313 bytes arrived" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(CliDownload, SilentMeterIsNoAnswer)
{
    meter_.script([](sim::MeterSimulator& s) { s.setSilent(true); });
    const CliLines run
        = runCli({ "download", "memory", "--device", devicePath(meter_), "-o", path("records") });
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.errors, "no answer from the meter on " + devicePath(meter_) + "\n");
    EXPECT_TRUE(QDir(folder_.path()).isEmpty());
}

TEST(CliDownloadNoHeader, ADataLoggerRequestWithoutAnswerIsNoHeader)
{
    // The meter answers polls, then falls silent at the data-logger request.
    std::atomic<sim::PtyMeter*> self { nullptr };
    sim::PtyMeterOptions options;
    options.onReceived = [&self](std::span<const std::uint8_t> bytes) {
        if (self && std::ranges::find(bytes, link::protocol::kLoggerDumpRequest) != bytes.end())
            self.load()->script([](sim::MeterSimulator& s) { s.setSilent(true); });
    };
    sim::PtyMeter meter(options);
    self = &meter;
    QTemporaryDir folder;
    const CliLines run = runCli({ "download", "logger", "--device", devicePath(meter), "-o", folder.path() });
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.errors, "the meter sent no data-logger header\n");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(CliDownloadDevice, MissingDeviceIsAnInvalidPortNumber)
{
    for (const char* kind : { "memory", "logger" }) {
        const support::CliRun run
            = support::runCli({ "download", kind, "--device", "/dev/brivon-no-such-port", "-o", "/tmp/x" });
        EXPECT_EQ(run.exitCode, 2) << kind;
        EXPECT_EQ(run.errors, "Invalid port number\n") << kind;
        EXPECT_TRUE(run.output.isEmpty()) << kind;
    }
}

struct UsageCase {
    const char* name;
    QStringList arguments;
};

class CliDownloadUsage : public ::testing::TestWithParam<UsageCase> { };

TEST_P(CliDownloadUsage, ShowsTheUsage)
{
    const support::CliRun run = support::runCli(QStringList { "download" } + GetParam().arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("usage: brivon-cli download memory")) << run.errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Arguments, CliDownloadUsage,
    ::testing::Values(UsageCase { "NoKind", {} },
        UsageCase { "UnknownKind", { "graph", "--device", "d", "-o", "o" } },
        UsageCase { "NoDevice", { "memory", "-o", "out.MemDat" } },
        UsageCase { "NoOutput", { "logger", "--device", "/dev/ttyS0" } },
        UsageCase { "OutputWithoutValue", { "memory", "--device", "/dev/ttyS0", "-o" } },
        UsageCase { "UnknownOption", { "memory", "--device", "/dev/ttyS0", "-o", "x", "--fast", "1" } }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
