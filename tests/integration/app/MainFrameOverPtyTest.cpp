// The whole program against the simulated meter: the real main window with its
// widgets (offscreen), CMSComm on a pseudo-terminal, scripted prompts, and a
// configuration folder of its own.

#include "core/app/CommandIds.h"
#include "core/files/GraphFile.h"
#include "core/files/MemoryFile.h"
#include "sim/PtyMeter.h"
#include "support/ScriptedPrompts.h"
#include "support/TemporaryHome.h"
#include "ui/app/CMainFrame.h"
#include "ui/logger/CDataLoggerDlg.h"
#include "ui/memory/CMemListDlg.h"
#include "ui/panel/CMeterPanel.h"
#include "ui/panel/PictureButton.h"
#include "ui/realtime/CDTView.h"
#include "ui/realtime/RealTimeStrip.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

#include <algorithm>

#include <fstream>
#include <span>
#include <sstream>

namespace brivon {
namespace {

using namespace std::chrono_literals;

constexpr int kWaitMs = 5000;
const std::uint8_t kExitCommand[] = { 0x87, 0x83, 0x15 };

std::string readFile(const QString& path)
{
    std::ifstream in(path.toStdString());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class MainFrameOverPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(configHome.isValid());
        meter.script([](sim::MeterSimulator& s) { s.model().setValue(1234.0); });
        link::PortMap map;
        map.setPath(1, meter.slavePath());
        frame = std::make_unique<ui::CMainFrame>(map, app::Configuration::fromEnvironment(), &prompts);
        frame->resize(1280, 800);
        frame->show();
    }

    QString configFile() const { return configHome.path() + "/brivon/Brivonconfig.ini"; }
    void trigger(int commandId) { frame->action(commandId)->trigger(); }
    // Writes a graph file started 2010-12-07 14:05:09, one sample every 2 s; returns its path.
    std::string writeGraphFile(
        const QString& name, std::span<const float> samples, std::int32_t gain = 0) const
    {
        files::GraphFileContents contents;
        contents.readingCount = static_cast<std::int32_t>(samples.size());
        contents.samples = samples;
        contents.gain = gain;
        contents.start = { 2010, 12, 7, 14, 5, 9 };
        contents.samplePeriodSeconds = 2;
        const std::string path = (configHome.path() + "/" + name).toStdString();
        std::ofstream(path, std::ios::binary) << files::graphFileBytes(contents);
        return path;
    }

    support::TemporaryHome configHome;
    sim::PtyMeter meter;
    support::ScriptedPrompts prompts;
    std::unique_ptr<ui::CMainFrame> frame;
};

TEST_F(MainFrameOverPty, LiveReadingsReachThePanelAndTheStatusBar)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->logic().link().offline(); }, kWaitMs));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return frame->statusPaneText(0).endsWith("): meter connected"); }, kWaitMs));
    EXPECT_FALSE(frame->action(app::command_ids::kCom1 + 1)->isEnabled());
}

TEST_F(MainFrameOverPty, RunCommitsSamplesAndCloseAsksToSaveThenSendsTheExitCommandOnce)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->action(app::command_ids::kRun)->isEnabled(); }, kWaitMs));
    prompts.sampleRates.push_back(1);
    trigger(app::command_ids::kRun);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->document().run().sampleCount() >= 2; }, kWaitMs));
    EXPECT_TRUE(frame->action(app::command_ids::kStop)->isEnabled());
    EXPECT_FALSE(frame->view().realTimeStrip().dataNo().isEmpty());
    EXPECT_FLOAT_EQ(frame->document().run().samples()[0], 1234.0f);

    prompts.answers = { platform::Answer::Cancel, platform::Answer::No };
    EXPECT_FALSE(frame->close());
    EXPECT_FALSE(meter.received().waitForPattern(kExitCommand, 300ms)) << "exit command after Cancel";
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(
        prompts.questions(), std::vector<std::string>(2, "Do you want to save the data before closing?"));
    ASSERT_TRUE(meter.received().waitForPattern(kExitCommand, 1000ms));
    const std::vector<std::uint8_t> received = meter.received().bytes();
    EXPECT_EQ(std::search(received.begin(), received.end(), std::begin(kExitCommand), std::end(kExitCommand)),
        std::find_end(received.begin(), received.end(), std::begin(kExitCommand), std::end(kExitCommand)))
        << "the exit command went out more than once";
    const std::string config = readFile(configFile());
    EXPECT_NE(config.find("COM num=1"), std::string::npos) << config;
    EXPECT_NE(config.find("Gain=400"), std::string::npos) << config;
    EXPECT_NE(config.find("Offset=0"), std::string::npos) << config;
}

TEST_F(MainFrameOverPty, MemWithoutADumpReturnsToListening)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->logic().link().offline(); }, kWaitMs));
    meter.script([](sim::MeterSimulator& s) { s.setSilent(true); });
    QTimer::singleShot(0, [&] { trigger(app::command_ids::kMem); });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return frame->logic().link().serialLink().receiveMode() == link::ReceiveMode::Memory; },
        kWaitMs));
    // Silent until the time-out: a dump would open the memory list, which waits for its user.
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame->logic().link().serialLink().listening(); }, 15000));
    meter.script([](sim::MeterSimulator& s) { s.setSilent(false); });
}

TEST_F(MainFrameOverPty, HoldClickedOnThePanelReachesTheMeterAndComesBackOnItsDisplay)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->logic().link().offline(); }, kWaitMs));
    EXPECT_EQ(frame->panel().display().texts().hold, "    ");
    ui::PictureButton* hold = frame->panel().button(panel::PanelButtonId::Hold);
    ASSERT_NE(hold, nullptr);
    QTest::mouseClick(hold, Qt::LeftButton);
    const std::uint8_t holdKey[] = { 0x87, 0x83, 0xEF };
    EXPECT_TRUE(QTest::qWaitFor([&] { return meter.received().waitForPattern(holdKey, 0ms); }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame->panel().display().texts().hold == "HOLD"; }, kWaitMs));
}

TEST_F(MainFrameOverPty, PowerOffKeyOfThePanelSendsThePowerOffCommandThreeTimes)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->logic().link().offline(); }, kWaitMs));
    QTest::mouseClick(frame->panel().button(panel::PanelButtonId::PowerOff), Qt::LeftButton);
    const std::uint8_t powerOff[] = { 0x55, 0xAA, 0x03, 0x55, 0xAA, 0x03, 0x55, 0xAA, 0x03 };
    EXPECT_TRUE(QTest::qWaitFor([&] { return meter.received().waitForPattern(powerOff, 0ms); }, kWaitMs));
}

TEST_F(MainFrameOverPty, OpenLoadsAGraphFileIntoTheCurrentSetAndRefusesAForeignOne)
{
    const std::vector<float> samples { 10.0f, 5000000.0f, 30.0f };
    ASSERT_TRUE(frame->openGraphFile(writeGraphFile("run.AsmDat", samples, 400)));
    const store::CurrentSet& set = frame->document().currentSet();
    ASSERT_EQ(set.samples().size(), 3u);
    EXPECT_EQ(set.samples()[1], 5000000.0f);
    EXPECT_EQ(set.loadedGain, 400);
    EXPECT_TRUE(frame->document().loggerSets().state().fileSet);

    const QString foreign = configHome.path() + "/foreign.AsmDat";
    std::ofstream(foreign.toStdString(), std::ios::binary) << "\x05qv731 and more";
    EXPECT_FALSE(frame->openGraphFile(foreign.toStdString()));
    EXPECT_EQ(prompts.messages(), std::vector<std::string> { "Invalid Format!" });
    EXPECT_EQ(frame->document().currentSet().samples().size(), 3u);

    // A memory list given as a graph file, in the data-logger window: said so below the message.
    store::MemoryBlock block;
    block.records[0] = { 450.0f, "07/12/10 14:05:09", "General", 0, 0 };
    block.recordCount = 1;
    const std::string list = (configHome.path() + "/run.MemDat").toStdString();
    std::ofstream(list, std::ios::binary) << files::memoryFileBytes(block);
    EXPECT_FALSE(frame->showGraphFile(list));
    EXPECT_EQ(prompts.messages(), (std::vector<std::string> { "Invalid Format!", "Invalid Format!" }));
    EXPECT_EQ(prompts.informativeTexts(),
        (std::vector<std::string> {
            "foreign.AsmDat: Invalid Format!", "run.MemDat is a memory list, not a graph file" }));
    EXPECT_EQ(frame->document().currentSet().samples().size(), 3u);
}

// A file that cannot be read is reported once, by the document.
TEST_F(MainFrameOverPty, AMissingOrTruncatedFileIsReportedOnce)
{
    EXPECT_FALSE(frame->openGraphFile((configHome.path() + "/missing.AsmDat").toStdString()));
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].rfind("The file cannot be opened", 0), 0u) << prompts.messages()[0];

    prompts.clearLog();
    files::GraphFileContents contents;
    const std::string bytes = files::graphFileBytes(contents);
    const QString truncated = configHome.path() + "/truncated.AsmDat";
    std::ofstream(truncated.toStdString(), std::ios::binary) << bytes.substr(0, bytes.size() - 3);
    EXPECT_FALSE(frame->openGraphFile(truncated.toStdString()));
    EXPECT_EQ(prompts.messages(), std::vector<std::string> { files::file_outcome::endedEarly().message });
}

// The set's start is the stored date and time taken as local time.
TEST_F(MainFrameOverPty, OpenTakesTheStartTimeFromTheStoredDateAndTime)
{
    const std::vector<float> samples { 10.0f, 20.0f };
    ASSERT_TRUE(frame->openGraphFile(writeGraphFile("dated.AsmDat", samples)));
    const platform::TimeValue start = frame->document().currentSet().loadedStartTime;
    EXPECT_EQ(platform::formatTime(platform::SystemClock().toLocal(start), "%Y-%m-%d %H:%M:%S"),
        "2010-12-07 14:05:09");
}

// A graph file named on the command line opens the data-logger window with
// the file listed and plotted; one that cannot be read is reported and the
// main window stays.
TEST_F(MainFrameOverPty, AGraphFileIsShownInTheDataLoggerWindow)
{
    const std::vector<float> samples { 10.0f, 20.0f, 30.0f };
    const std::string path = writeGraphFile("shown.AsmDat", samples, 40);

    int rows = -1;
    QTimer::singleShot(0, frame.get(), [&rows] {
        auto* dialog = qobject_cast<ui::CDataLoggerDlg*>(QApplication::activeModalWidget());
        if (!dialog) return;
        rows = dialog->setList().model()->rowCount();
        dialog->reject();
    });
    frame->showGraphFile(path);
    EXPECT_EQ(rows, 1);
    EXPECT_FALSE(frame->document().loggerSets().windowOpen());

    frame->showGraphFile((configHome.path() + "/missing.AsmDat").toStdString());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].rfind("The file cannot be opened", 0), 0u) << prompts.messages()[0];
    EXPECT_TRUE(frame->isVisible());
}

// A memory list named on the command line opens the memory list window with
// its records; a graph file still opens the data-logger window.
TEST_F(MainFrameOverPty, AFileOnTheCommandLineOpensTheWindowOfItsKind)
{
    store::MemoryBlock block;
    block.records[0] = { 450.0f, "07/12/10 14:05:09", "General", 0, 0 };
    block.records[1] = { 520.0f, "07/12/10 14:06:00", "General", 0, 0 };
    block.recordCount = 2;
    const std::string list = (configHome.path() + "/run.MemDat").toStdString();
    std::ofstream(list, std::ios::binary) << files::memoryFileBytes(block);
    const std::vector<float> samples { 10.0f, 20.0f };

    for (const auto& [path, expectedRows] :
        { std::pair { list, 2 }, std::pair { writeGraphFile("run.AsmDat", samples), 1 } }) {
        int rows = -1;
        QTimer::singleShot(0, frame.get(), [&rows] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* memory = qobject_cast<ui::CMemListDlg*>(modal)) {
                QTest::qWait(50);  // the list fills once the window is up
                rows = memory->list().model()->rowCount();
            } else if (auto* logger = qobject_cast<ui::CDataLoggerDlg*>(modal)) {
                rows = logger->setList().model()->rowCount();
            }
            if (modal) qobject_cast<QDialog*>(modal)->reject();
        });
        EXPECT_TRUE(frame->showDataFile(path)) << path;
        EXPECT_EQ(rows, expectedRows) << path;
    }
    EXPECT_TRUE(prompts.messages().empty());
}

// SIGTERM or SIGHUP, as when the desktop session or the terminal ends: the
// program closes like Close, without questions, and the meter hears the exit command.
class ProgramSignals : public ::testing::TestWithParam<int> { };

TEST_P(ProgramSignals, WriteTheConfigurationAndSendTheExitCommand)
{
    sim::PtyMeter meter;
    QTemporaryDir configHome;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configHome.path());
    environment.insert("XDG_STATE_HOME", configHome.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(BRIVON_BINARY_DIR "/brivon", { "--port", QString("1=") + meter.slavePath().c_str() });
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(meter.received().waitForCount(3, 10s)) << "the program polls";
    ::kill(static_cast<pid_t>(program.processId()), GetParam());
    ASSERT_TRUE(program.waitForFinished(kWaitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(meter.received().waitForPattern(kExitCommand, 1000ms));
    EXPECT_NE(readFile(configHome.path() + "/brivon/Brivonconfig.ini").find("COM num=1"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramSignals, ::testing::Values(SIGTERM, SIGHUP),
    [](const auto& param) { return std::string(param.param == SIGTERM ? "Terminate" : "HangUp"); });

}  // namespace
}  // namespace brivon
