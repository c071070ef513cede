// The stored-data downloads in the real program against the simulated meter:
// Mem and Data Logger run the progress dialog, which opens the memory list or
// the data-logger window with what the meter holds; the memory list saves and
// opens list files; Open's chooser opens the memory list for files.

#include "core/app/CommandIds.h"
#include "integration/ModalSteps.h"
#include "sim/PtyMeter.h"
#include "support/ScriptedPrompts.h"
#include "ui/app/CLoggingDlg.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/COpenFileDlg.h"
#include "ui/logger/CDataLoggerDlg.h"
#include "ui/memory/CMemListDlg.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace brivon {
namespace {

constexpr int kOnlineWaitMs = 5000;
constexpr int kDownloadWaitMs = 20000;
// Busy waiting in the progress dialog used a whole core; waiting for the meter costs next to nothing.
constexpr double kMostCpuShareWhileDownloading = 0.5;

using Row = std::vector<QString>;  // DATA, UNIT, STATUS, TIME

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Process CPU time against wall time between start() and stop().
class CpuShare {
public:
    void start()
    {
        cpu_ = cpuSeconds();
        wall_ = std::chrono::steady_clock::now();
    }
    void stop()
    {
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wall_;
        share_ = (cpuSeconds() - cpu_) / wall.count();
    }
    double share() const { return share_; }

private:
    double cpu_ = 0.0;
    std::chrono::steady_clock::time_point wall_;
    double share_ = 1.0;
};

std::vector<Row> rowsOf(ui::CMemListDlg& list)
{
    const QAbstractItemModel& model = *list.list().model();
    std::vector<Row> rows;
    for (int r = 0; r < model.rowCount(); ++r)
        rows.push_back({ model.index(r, 1).data().toString(), model.index(r, 2).data().toString(),
            model.index(r, 3).data().toString(), model.index(r, 4).data().toString() });
    return rows;
}

sim::MemoryRecord memoryRecord(double lux, int rangeIndex, sim::MeterMode type, bool negative, int minute)
{
    sim::MemoryRecord record;
    record.time = { 2010, 12, 7, 14, minute, 9 };
    record.lux = lux;
    record.rangeIndex = rangeIndex;
    record.type = type;
    record.negative = negative;
    return record;
}

sim::LoggerSet loggerSet(int interval, bool footCandle, int readings, int minute)
{
    sim::LoggerSet set;
    set.start = { 2010, 12, 7, 15, minute, 0 };
    set.samplingInterval = interval;
    set.footCandle = footCandle;
    for (int i = 0; i < readings; ++i)
        set.records.push_back({ 100.0 + i, 2 });
    return set;
}

const std::vector<Row> kStoredRows { { "123.00", "Lux", "General", "07/12/10 14:01:09" },
    { "2.50K", "Lux", "Pmax", "07/12/10 14:02:09" }, { "-37.00", "Lux", "Min", "07/12/10 14:03:09" } };

class DownloadWindowsOverPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        qputenv("XDG_CONFIG_HOME", scratch.path().toUtf8());
        meter.script([](sim::MeterSimulator& s) {
            sim::MeterStorage& storage = s.model().storage();
            storage.clearMemory();
            storage.storeMemory(memoryRecord(123.0, 2, sim::MeterMode::None, false, 1));
            storage.storeMemory(memoryRecord(2500.0, 3, sim::MeterMode::PeakMax, false, 2));
            storage.storeMemory(memoryRecord(37.0, 2, sim::MeterMode::Min, true, 3));
            storage.clearLogger();
            storage.addLoggerSet(loggerSet(1, false, 5, 1));
            storage.addLoggerSet(loggerSet(2, true, 300, 2));
        });
        link::PortMap map;
        map.setPath(1, meter.slavePath());
        frame = std::make_unique<ui::CMainFrame>(map, app::Configuration::fromEnvironment(), &prompts);
        frame->show();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return frame->action(app::command_ids::kDataLogger)->isEnabled(); }, kOnlineWaitMs));
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    std::filesystem::path file(const std::string& name) const
    {
        return std::filesystem::path(scratch.path().toStdString()) / name;
    }
    void trigger(int commandId) { frame->action(commandId)->trigger(); }
    void runSteps(support::ModalSteps& steps)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return steps.done(); }, kDownloadWaitMs));
        EXPECT_FALSE(steps.timedOut());
    }
    static void waitForRows(ui::CMemListDlg& list)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return list.list().model()->rowCount() > 0; }, kOnlineWaitMs));
    }
    // Mem, and the memory list it opens, given to `act` and then closed; the
    // share of the CPU the program took while the progress dialog ran.
    double downloadMemory(const std::function<void(ui::CMemListDlg&)>& act)
    {
        CpuShare cpu;
        support::ModalSteps steps;
        steps.then<ui::CLoggingDlg>([&](ui::CLoggingDlg&) { cpu.start(); });
        steps.then<ui::CMemListDlg>([&](ui::CMemListDlg& list) {
            cpu.stop();
            waitForRows(list);
            act(list);
            list.accept();
        });
        trigger(app::command_ids::kMem);
        runSteps(steps);
        return cpu.share();
    }

    QTemporaryDir scratch;
    sim::PtyMeter meter;
    support::ScriptedPrompts prompts;
    std::unique_ptr<ui::CMainFrame> frame;
};

TEST_F(DownloadWindowsOverPty, MemListsTheMetersRecordsWithTheCpuIdleSavesThemAndOpenReadsThemBack)
{
    std::vector<Row> downloaded;
    prompts.savePaths.push_back(file("mem.MemDat").string());
    const double cpuShare = downloadMemory([&](ui::CMemListDlg& list) {
        downloaded = rowsOf(list);
        list.action(ui::CMemListDlg::kSave)->trigger();
    });
    EXPECT_EQ(downloaded, kStoredRows);
    EXPECT_LT(cpuShare, kMostCpuShareWhileDownloading);
    EXPECT_TRUE(std::filesystem::exists(file("mem.MemDat")));
    EXPECT_NE(readFile(file("mem.txt")).find("   -37.00"), std::string::npos);

    // Open's chooser: the list button opens an empty list window; its Open reads the file.
    frame->document().memoryBlock().recordCount = 0;
    std::vector<Row> opened;
    support::ModalSteps steps;
    steps.then<ui::COpenFileDlg>([](ui::COpenFileDlg& chooser) { chooser.listFileButton().click(); });
    steps.then<ui::CMemListDlg>([&](ui::CMemListDlg& list) {
        EXPECT_EQ(list.list().model()->rowCount(), 0);
        prompts.openPaths.push_back(file("mem.MemDat").string());
        list.action(ui::CMemListDlg::kOpen)->trigger();
        opened = rowsOf(list);
        list.accept();
    });
    trigger(app::command_ids::kOpen);
    runSteps(steps);
    EXPECT_EQ(opened, kStoredRows);
    EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(DownloadWindowsOverPty, SaveOfAListOpenedForFilesWaitsForTheNextMemoryDownload)
{
    support::ModalSteps steps;
    steps.then<ui::COpenFileDlg>([](ui::COpenFileDlg& chooser) { chooser.listFileButton().click(); });
    steps.then<ui::CMemListDlg>([](ui::CMemListDlg& list) {
        list.action(ui::CMemListDlg::kSave)->trigger();
        list.accept();
    });
    trigger(app::command_ids::kOpen);
    runSteps(steps);
    EXPECT_TRUE(prompts.fileChoices().empty()) << "Save asked for a file";

    prompts.savePaths.push_back(std::nullopt);
    downloadMemory([](ui::CMemListDlg& list) { list.action(ui::CMemListDlg::kSave)->trigger(); });
    EXPECT_EQ(prompts.fileChoices().size(), 1u);
}

TEST_F(DownloadWindowsOverPty, TheChoosersGraphButtonOpensTheDataLoggerWindowForFiles)
{
    bool readsFiles = false;
    support::ModalSteps steps;
    steps.then<ui::COpenFileDlg>([](ui::COpenFileDlg& chooser) { chooser.graphFileButton().click(); });
    steps.then<ui::CDataLoggerDlg>([&](ui::CDataLoggerDlg& window) {
        readsFiles = window.action(ui::CDataLoggerDlg::kDownload)->isEnabled();
        window.accept();
    });
    trigger(app::command_ids::kOpen);
    runSteps(steps);
    EXPECT_TRUE(readsFiles);
}

TEST_F(DownloadWindowsOverPty, DataLoggerOpensTheWindowWithTheMetersSetsAndLeavesTheCpuIdle)
{
    CpuShare cpu;
    int listedSets = 0;
    store::TransferBlock shown;
    support::ModalSteps steps;
    steps.then<ui::CLoggingDlg>([&](ui::CLoggingDlg&) { cpu.start(); });
    steps.then<ui::CDataLoggerDlg>([&](ui::CDataLoggerDlg& window) {
        cpu.stop();
        // The window lists the sets when it opens.
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.setList().model()->rowCount() > 0; }, kOnlineWaitMs));
        listedSets = window.setList().model()->rowCount();
        shown = frame->document().transferBlock();
        window.accept();
    });
    trigger(app::command_ids::kDataLogger);
    runSteps(steps);
    EXPECT_EQ(listedSets, 2);
    ASSERT_EQ(shown.setCount(), 2);
    EXPECT_EQ(shown.startIndexes, (std::vector<std::int32_t> { 0, 5, 305 }));
    EXPECT_EQ(shown.samplingRates, (std::vector<std::int32_t> { 1, 2 }));
    EXPECT_EQ(shown.unitFlags, (std::vector<std::uint8_t> { 0, 1 }));
    EXPECT_LT(cpu.share(), kMostCpuShareWhileDownloading);
}

TEST_F(DownloadWindowsOverPty, EscapeOnLoggingPollsTheMeterAgainWithinTwoSeconds)
{
    meter.script([](sim::MeterSimulator& s) { s.setSilent(true); });
    std::size_t receivedBeforeEscape = 0;
    support::ModalSteps steps;
    steps.then<ui::CLoggingDlg>([&](ui::CLoggingDlg& dialog) {
        QTest::qWait(300);  // the memory request has gone out
        receivedBeforeEscape = meter.received().size();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    trigger(app::command_ids::kMem);
    runSteps(steps);
    const std::uint8_t poll[] = { 0x11 };
    EXPECT_TRUE(meter.received().waitForPattern(poll, std::chrono::milliseconds(2000), receivedBeforeEscape));
    EXPECT_EQ(frame->logic().link().serialLink().receiveMode(), link::ReceiveMode::Listening);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a window opened after Escape";
    meter.script([](sim::MeterSimulator& s) { s.setSilent(false); });
}

}  // namespace
}  // namespace brivon
