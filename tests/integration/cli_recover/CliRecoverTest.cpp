// brivon-cli recover on journals the test writes, as the program would have
// left them: the files it writes are the ones Save would have written.

#include "core/files/DataFileSaves.h"
#include "core/journal/JournalFolder.h"
#include "core/journal/JournalFormat.h"
#include "core/journal/RunJournal.h"
#include "core/realtime/RunBookkeeping.h"
#include "integration/CliFileTest.h"
#include "support/FixedClock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string>

namespace brivon {
namespace {

constexpr platform::TimeValue kStart = 1291730709;  // 07/12/10 14:05:09 UTC

class CliRecover : public support::CliFileTest {
protected:
    CliRecover()
        : stateFolder_(folder_.filePath("state").toStdString())
    {
        environment_.insert("XDG_STATE_HOME", QString::fromStdString(stateFolder_.string()));
    }

    std::filesystem::path journalFolder() const { return stateFolder_ / journal::kFolderName; }

    // A run of `samples` one-second periods, every third one silent, and its
    // journal as a killed program leaves it.
    realtime::RunBookkeeping& recordRun(platform::TimeValue start, int samples)
    {
        run_.resetForNewRun(start);
        run_.setSamplePeriodMs(1000);
        run_.setCurrentGain(400);
        journal::RunJournal writer(journalFolder(), clock_);
        for (int s = 0; s < samples; ++s) {
            if (s % 3 != 1) run_.append(100.0f + static_cast<float>(s), s > 4);
            run_.commit();
            writer.sampleCommitted(run_.realTimeRun());
        }
        return run_;
    }

    std::string journalOf(platform::TimeValue start) const
    {
        for (const auto& summary : journal::listJournals(journalFolder()))
            if (summary.runStart == start) return summary.file.string();
        return {};
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    support::CliRun recover(const QStringList& arguments) const
    {
        return support::runCli(QStringList { "recover" } + arguments, environment_);
    }

    std::filesystem::path stateFolder_;
    QProcessEnvironment environment_ = utcEnvironment();
    realtime::RunBookkeeping run_;
    support::FixedClock clock_ { kStart };  // local time is UTC
};

TEST_F(CliRecover, WritesWhatSaveWouldHaveWrittenLeavingOutADamagedTail)
{
    recordRun(kStart, 12);
    const std::string journalFile = journalOf(kStart);
    ASSERT_FALSE(journalFile.empty());
    {
        std::ofstream(journalFile, std::ios::app | std::ios::binary)
            << std::string(journal::kRecordSize - 3, '\x7F');
    }
    // Save as the window's Save writes it, in the time zone brivon-cli runs in (UTC).
    ASSERT_TRUE(
        files::saveRealTimeRun(folder_.filePath("saved.AsmDat").toStdString(), run_.realTimeRun(), clock_)
            .ok());

    const support::CliRun result = recover({ "-o", folder_.filePath("recovered") });
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.errors.contains("left out")) << result.errors.toStdString();
    EXPECT_TRUE(result.output.contains("12 samples, 8 readings, started 07/12/10 14:05:09"))
        << result.output.toStdString();
    EXPECT_EQ(read(folder_.filePath("recovered.AsmDat")), read(folder_.filePath("saved.AsmDat")));
    EXPECT_EQ(read(folder_.filePath("recovered.txt")), read(folder_.filePath("saved.txt")));
    EXPECT_FALSE(std::filesystem::exists(journalFile)) << "a recovered run needs no journal";
}

TEST_F(CliRecover, ListsTheNewestRunFirstAndRecoversItByDefault)
{
    recordRun(kStart, 3);
    recordRun(kStart + 86400, 7);
    const support::CliRun list = recover({ "--list" });
    EXPECT_EQ(list.exitCode, 0);
    const QStringList lines = QString::fromUtf8(list.output).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("08/12/10 14:05:09  7 samples  ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QString::fromStdString(journalOf(kStart + 86400))));
    EXPECT_TRUE(lines[1].startsWith("07/12/10 14:05:09  3 samples  ")) << lines[1].toStdString();

    // Without -o the name is the run's start, as Save offers the time.
    QProcess inFolder;
    inFolder.setWorkingDirectory(folder_.path());
    inFolder.setProcessEnvironment(environment_);
    inFolder.start(BRIVON_BINARY_DIR "/brivon-cli", { "recover" });
    ASSERT_TRUE(inFolder.waitForFinished());
    EXPECT_EQ(inFolder.exitCode(), 0);
    EXPECT_EQ(QFileInfo(folder_.filePath("10-12-08 14.05.09.AsmDat")).size(), 47 + 4 * 7);
    EXPECT_TRUE(QFileInfo::exists(folder_.filePath("10-12-08 14.05.09.txt")));

    // The other run is left for later; --journal names it.
    const support::CliRun older = recover(
        { "--journal", QString::fromStdString(journalOf(kStart)), "-o", folder_.filePath("old.AsmDat") });
    EXPECT_EQ(older.exitCode, 0) << older.errors.toStdString();
    EXPECT_EQ(QFileInfo(folder_.filePath("old.AsmDat")).size(), 47 + 4 * 3);
    EXPECT_TRUE(journal::listJournals(journalFolder()).empty());
}

// Lines that recover refuses, and the exit status each gives.
struct RefusedCase {
    const char* name;
    QStringList arguments;
    bool withJournal;  // a run is waiting to be recovered
    int exitCode;
    const char* says;  // on standard error
};

class CliRecoverRefuses : public CliRecover, public ::testing::WithParamInterface<RefusedCase> { };

TEST_P(CliRecoverRefuses, WithAReasonAndNoFileWritten)
{
    if (GetParam().withJournal) recordRun(kStart, 2);
    write("taken.AsmDat", "precious");
    QDir(folder_.path()).mkdir("sub");
    ::mkfifo(folder_.filePath("pipe.journal").toLocal8Bit().constData(), 0600);
    QStringList arguments;
    for (const QString& argument : GetParam().arguments)
        arguments << QString(argument).replace("@", folder_.path() + "/");
    const support::CliRun result = recover(arguments);
    EXPECT_EQ(result.exitCode, GetParam().exitCode);
    EXPECT_TRUE(result.errors.contains(GetParam().says)) << result.errors.toStdString();
    EXPECT_EQ(read(folder_.filePath("taken.AsmDat")), "precious");
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Lines, CliRecoverRefuses,
    ::testing::Values(RefusedCase { "UnknownOption", { "--frobnicate" }, true, 1, "usage:" },
        RefusedCase { "OutputWithoutName", { "-o" }, true, 1, "usage:" },
        RefusedCase { "ListWithOutput", { "--list", "-o", "@x.AsmDat" }, true, 1, "usage:" },
        RefusedCase { "TwoOutputs", { "-o", "@a.AsmDat", "-o", "@b.AsmDat" }, true, 1, "usage:" },
        RefusedCase { "NothingToRecover", { "-o", "@x.AsmDat" }, false, 2, "no unsaved runs" },
        RefusedCase {
            "MissingJournal", { "--journal", "@gone.journal", "-o", "@x.AsmDat" }, false, 2, "gone.journal" },
        RefusedCase { "NotAJournal", { "--journal", "@taken.AsmDat", "-o", "@x.AsmDat" }, false, 2,
            "not a run journal" },
        RefusedCase { "OutputExists", { "-o", "@taken.AsmDat" }, true, 2, "exists already" },
        RefusedCase {
            "JournalIsAFolder", { "--journal", "@sub", "-o", "@x.AsmDat" }, true, 2, "is a folder" },
        RefusedCase {
            "JournalIsAFifo", { "--journal", "@pipe.journal", "-o", "@x.AsmDat" }, true, 2, "is a FIFO" },
        RefusedCase {
            "JournalIsADevice", { "--journal", "/dev/zero", "-o", "@x.AsmDat" }, true, 2, "is a device" }),
    [](const auto& param) { return std::string(param.param.name); });

// Journals whose intact records hold what a graph file cannot: what is kept of
// the run, and whether the journal goes.
struct UnholdableCase {
    const char* name;
    platform::TimeValue start;
    float thirdValue;
    int exitCode;
    const char* says;
    int samplesWritten;  // 0: no file
};

class CliRecoverUnholdable : public CliRecover, public ::testing::WithParamInterface<UnholdableCase> { };

TEST_P(CliRecoverUnholdable, LeavesItOutOrRefusesAndKeepsTheJournalUntilTheFileReadsBack)
{
    const UnholdableCase& c = GetParam();
    std::filesystem::create_directories(journalFolder());
    const std::filesystem::path journalFile = journalFolder() / journal::journalFileName(c.start, 1);
    std::string bytes = journal::encodeHeader({ c.start });
    for (int s = 0; s < 5; ++s) {
        journal::SampleRecord record { s, s == 2 ? c.thirdValue : 10.0f * static_cast<float>(s), true, false,
            400, 1000 };
        bytes += journal::encodeRecord(record);
    }
    std::ofstream(journalFile, std::ios::binary) << bytes;

    const support::CliRun result = recover({ "-o", folder_.filePath("run") });
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_TRUE(result.errors.contains(c.says)) << result.errors.toStdString();
    if (c.samplesWritten == 0) {
        EXPECT_FALSE(QFileInfo::exists(folder_.filePath("run.AsmDat")));
        EXPECT_TRUE(std::filesystem::exists(journalFile));
        return;
    }
    const support::CliRun info = support::runCli({ "info", folder_.filePath("run.AsmDat") }, environment_);
    EXPECT_EQ(info.exitCode, 0) << info.errors.toStdString();
    EXPECT_EQ(QFileInfo(folder_.filePath("run.AsmDat")).size(), 47 + 4 * c.samplesWritten);
    EXPECT_FALSE(std::filesystem::exists(journalFile));
}

INSTANTIATE_TEST_SUITE_P(Journals, CliRecoverUnholdable,
    ::testing::Values(UnholdableCase { "NotANumber", kStart, std::numeric_limits<float>::quiet_NaN(), 0,
                          "invalid sample 3 nan", 2 },
        UnholdableCase {
            "Infinite", kStart, std::numeric_limits<float>::infinity(), 0, "invalid sample 3 inf", 2 },
        // 1 January 2100, a year no graph file holds.
        UnholdableCase { "StartPast2099", 4102444800, 1.0f, 2, "invalid year 2100", 0 },
        UnholdableCase { "StartNearTheLastTimeValue", std::numeric_limits<platform::TimeValue>::max() - 1,
            1.0f, 2, "The run cannot be saved: invalid", 0 }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
