// The real program logging unattended (brivon --simulate --run 1) is killed
// with SIGKILL, or stopped with SIGTERM (which closes it without questions);
// brivon-cli recover then writes every sample it had committed.

#include "core/files/GraphFile.h"
#include "core/journal/JournalFolder.h"
#include "integration/CliProcess.h"
#include "support/FixedClock.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

#include <filesystem>
#include <memory>

namespace brivon {
namespace {

constexpr int kStartMs = 20000;  // the program's start and its first sample, on a busy machine
constexpr int kLoggingMs = 4000;

class EndedRun : public ::testing::TestWithParam<int> { };

TEST_P(EndedRun, EveryCommittedSampleIsRecovered)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_STATE_HOME", home.filePath("state"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TZ", "UTC");
    const std::filesystem::path journals = home.filePath("state/brivon").toStdString();

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(BRIVON_BINARY_DIR "/brivon", { "--simulate", "--run", "1" });
    ASSERT_TRUE(program.waitForStarted());
    auto committed = [&] {
        const auto found = journal::listJournals(journals);
        return found.empty() ? 0 : found.front().sampleCount;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return committed() >= 1; }, kStartMs)) << "the run never started";
    QElapsedTimer logging;
    logging.start();
    QTest::qWait(kLoggingMs);
    ::kill(static_cast<pid_t>(program.processId()), GetParam());
    ASSERT_TRUE(program.waitForFinished());
    EXPECT_EQ(program.exitStatus(), GetParam() == SIGKILL ? QProcess::CrashExit : QProcess::NormalExit);
    const auto loggedSeconds = static_cast<int>(logging.elapsed() / 1000);

    const auto unsaved = journal::listJournals(journals);
    ASSERT_EQ(unsaved.size(), 1u);
    const int inJournal = unsaved.front().sampleCount;
    EXPECT_GE(inJournal, loggedSeconds - 1) << "a sample a second, from the first one on";

    const support::CliRun list = support::runCli({ "recover", "--list" }, environment);
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_TRUE(list.output.contains(QString(" %1 samples  ").arg(inJournal).toUtf8()))
        << list.output.toStdString();

    const QString output = home.filePath("recovered.AsmDat");
    const support::CliRun recovered = support::runCli({ "recover", "-o", output }, environment);
    ASSERT_EQ(recovered.exitCode, 0) << recovered.errors.toStdString();
    const auto set = std::make_unique<store::CurrentSet>();
    ASSERT_TRUE(files::readGraphFile(output.toStdString(), *set, support::FixedClock()).ok());
    EXPECT_EQ(set->loadedSampleCount, inJournal);
    EXPECT_EQ(set->loadedSamplePeriod, 1);
    EXPECT_GT(set->loadedReadingCount, 0);
    EXPECT_TRUE(QFileInfo::exists(home.filePath("recovered.txt")));
}

INSTANTIATE_TEST_SUITE_P(Signals, EndedRun, ::testing::Values(SIGKILL, SIGTERM),
    [](const auto& param) { return std::string(param.param == SIGKILL ? "Killed" : "Terminated"); });

}  // namespace
}  // namespace brivon
