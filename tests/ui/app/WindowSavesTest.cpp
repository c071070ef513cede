// Every Save and Export CSV of the windows, answered as a person types a name:
// without its extension, with dots of its own, or next to files already there.

#include "core/app/CommandIds.h"
#include "core/app/ScratchFolder.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"
#include "support/TemporaryHome.h"
#include "ui/app/CMainFrame.h"
#include "ui/logger/CDataLoggerDlg.h"
#include "ui/logger/LoggerGraphView.h"
#include "ui/memory/CMemListDlg.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace brivon {
namespace {

constexpr const char* kOldContent = "old";
constexpr platform::TimeValue kStart = 1291730709;

class WindowSaves;

struct SaveSite {
    const char* name;
    const char* extension;
    bool withTextExport;
    std::function<void(WindowSaves&)> trigger;
};

struct NameCase {
    const char* name;
    const char* typed;
    std::optional<platform::Answer> replace;  // nothing: no file is there yet
};

class WindowSaves : public ::testing::TestWithParam<std::tuple<SaveSite, NameCase>> {
public:
    void mainWindow(int command)
    {
        link::PortMap map;
        map.setPath(1, "/dev/brivon-no-such-port");
        ui::CMainFrame frame(map, app::Configuration::fromEnvironment(), &prompts);
        app::CDTDoc& doc = frame.document();
        doc.resetForNewRun(platform::SystemClock().now());
        doc.run().append(100.0f, false);
        doc.commitSample();
        QAction& action = *frame.action(command);
        ASSERT_TRUE(QTest::qWaitFor([&action] { return action.isEnabled(); }));  // the run's sample is seen
        action.trigger();
    }

    // Save in the memory list window, or Save PDF in its survey window.
    void memoryList(bool survey = false)
    {
        auto block = std::make_unique<store::MemoryBlock>();
        block->recordCount = 1;
        block->records[0] = { 1.0f, "07/12/10 14:05:09", "Pmin", 0, 0 };
        bool memoryEmpty = false;
        bool fillRequest = true;
        const app::Configuration configuration = app::Configuration::fromEnvironment();
        ui::CMemListDlg dialog(
            { *block, { memoryEmpty, fillRequest }, memory::ListSource::Download, "", configuration },
            prompts);
        if (!survey) {
            dialog.action(ui::CMemListDlg::kSave)->trigger();
            return;
        }
        dialog.action(ui::CMemListDlg::kSurvey)->trigger();
        auto* save = dialog.findChild<QPushButton*>(QStringLiteral("surveySavePdf"));
        ASSERT_NE(save, nullptr);
        QTest::mouseClick(save, Qt::LeftButton);
    }

    void loggerWindow(int command)
    {
        store::TransferBlock transfer;
        transfer.readings = { 100.0f, 200.0f };
        transfer.startIndexes = { 0, 2 };
        transfer.startTimes = { kStart };
        transfer.samplingRates = { 2 };
        transfer.unitFlags = { 0 };
        transfer.fullScales = { 400 };
        transfer.allocated = true;
        auto current = std::make_unique<store::CurrentSet>();
        const support::FixedClock clock { kStart };
        logger::DataLoggerSets sets { *current, transfer, clock };
        sets.downloadStarted();
        ui::CDataLoggerDlg dialog(sets, prompts, clock);
        dialog.show();
        dialog.setList().setCurrentIndex(dialog.setList().model()->index(0, 0));
        QTest::keyClick(&dialog.setList(), Qt::Key_Return);  // chooses it
        dialog.action(command)->trigger();
    }

protected:
    void SetUp() override { ASSERT_TRUE(home.isValid()); }

    std::set<std::string> filesInFolder() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    support::TemporaryHome home;
    support::ScratchFolder folder;
    support::ScriptedPrompts prompts;
};

TEST_P(WindowSaves, WriteTheFinalNamesAndAskBeforeReplacingThem)
{
    const auto& [site, name] = GetParam();
    const std::string data = std::string(name.typed) + site.extension;
    const std::string text = std::string(name.typed) + ".txt";
    std::set<std::string> expected { data };
    if (site.withTextExport) expected.insert(text);
    if (name.replace) {
        for (const std::string& file : expected)
            support::ScratchFolder::write(folder / file, kOldContent);
        prompts.answers.push_back(*name.replace);
    }
    prompts.savePaths.push_back((folder / name.typed).string());

    site.trigger(*this);

    EXPECT_EQ(filesInFolder(), expected);
    if (name.replace) {
        const std::string question = site.withTextExport
            ? data + " and " + text + " already exist.\nDo you want to replace them?"
            : data + " already exists.\nDo you want to replace it?";
        EXPECT_EQ(prompts.questions(), std::vector<std::string> { question });
    } else {
        EXPECT_TRUE(prompts.questions().empty());
    }
    const bool replaced = name.replace != platform::Answer::No;
    for (const std::string& file : expected)
        EXPECT_EQ(support::ScratchFolder::read(folder / file) != kOldContent, replaced) << file;
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_TRUE(prompts.scriptUsedUp());
}

INSTANTIATE_TEST_SUITE_P(SitesAndNames, WindowSaves,
    ::testing::Combine(
        ::testing::Values(SaveSite { "MainSave", ".AsmDat", true,
                              [](WindowSaves& saves) { saves.mainWindow(app::command_ids::kSave); } },
            SaveSite { "MainCsv", ".csv", false,
                [](WindowSaves& saves) { saves.mainWindow(app::command_ids::kExportCsv); } },
            SaveSite { "MemoryListSave", ".MemDat", true, [](WindowSaves& saves) { saves.memoryList(); } },
            SaveSite { "SurveyPdf", ".pdf", false, [](WindowSaves& saves) { saves.memoryList(true); } },
            SaveSite { "LoggerSave", ".AsmDat", true,
                [](WindowSaves& saves) { saves.loggerWindow(ui::CDataLoggerDlg::kSave); } },
            SaveSite { "LoggerCsv", ".csv", false,
                [](WindowSaves& saves) { saves.loggerWindow(ui::CDataLoggerDlg::kExportCsv); } }),
        ::testing::Values(NameCase { "WithoutExtension", "run", std::nullopt },
            NameCase { "DottedDefault", "26-12-09 13.36.07", std::nullopt },
            NameCase { "ExistingAnsweredNo", "26-12-09 13.36.07", platform::Answer::No },
            NameCase { "ExistingAnsweredYes", "run", platform::Answer::Yes })),
    [](const auto& param) {
        return std::string(std::get<0>(param.param).name) + "_" + std::get<1>(param.param).name;
    });

}  // namespace
}  // namespace brivon
