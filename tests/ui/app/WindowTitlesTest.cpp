// The windows' titles name the file they show once one was saved or read, and
// stay as they are after Cancel.

#include "core/app/CommandIds.h"
#include "core/app/ScratchFolder.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"
#include "support/TemporaryHome.h"
#include "ui/app/CMainFrame.h"
#include "ui/logger/CDataLoggerDlg.h"
#include "ui/memory/CMemListDlg.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace brivon {
namespace {

struct TitleCase {
    const char* name;
    std::optional<std::string> typed;  // nothing: Cancel
};

class WindowTitles : public ::testing::TestWithParam<TitleCase> {
protected:
    void SetUp() override { ASSERT_TRUE(home.isValid()); }

    std::optional<std::string> path() const
    {
        if (!GetParam().typed) return std::nullopt;
        return (folder / *GetParam().typed).string();
    }
    // "NAME.EXT — CAPTION" after a save or read, the caption alone after Cancel.
    std::string expected(const char* extension, const std::string& caption) const
    {
        return GetParam().typed ? *GetParam().typed + extension + " \u2014 " + caption : caption;
    }

    support::TemporaryHome home;
    support::ScratchFolder folder;
    support::ScriptedPrompts prompts;
};

TEST_P(WindowTitles, NameTheFileSavedOrRead)
{
    link::PortMap map;
    map.setPath(1, "/dev/brivon-no-such-port");
    ui::CMainFrame frame(map, app::Configuration::fromEnvironment(), &prompts);
    frame.document().resetForNewRun(platform::SystemClock().now());
    frame.document().run().append(100.0f, false);
    frame.document().commitSample();
    QAction& save = *frame.action(app::command_ids::kSave);
    ASSERT_TRUE(QTest::qWaitFor([&save] { return save.isEnabled(); }));
    prompts.savePaths.push_back(path());
    save.trigger();
    EXPECT_EQ(frame.windowTitle().toStdString(), expected(".AsmDat", "Brivon"));

    const support::FixedClock clock { 1291730709 };
    frame.document().loggerSets().browseFiles();
    ui::CDataLoggerDlg logger(frame.document().loggerSets(), prompts, clock);
    prompts.openPaths.push_back(GetParam().typed ? std::optional(*path() + ".AsmDat") : std::nullopt);
    logger.action(ui::CDataLoggerDlg::kDownload)->trigger();
    EXPECT_EQ(logger.windowTitle().toStdString(), expected(".AsmDat", "Light Datalogger Graph"));

    auto block = std::make_unique<store::MemoryBlock>();
    block->recordCount = 1;
    bool memoryEmpty = false;
    bool fillRequest = true;
    ui::CMemListDlg list({ *block, { memoryEmpty, fillRequest }, memory::ListSource::Download, "",
                             frame.logic().configuration() },
        prompts);
    prompts.savePaths.push_back(path());
    if (path()) prompts.answers.push_back(platform::Answer::Yes);  // the run's text export is there
    list.action(ui::CMemListDlg::kSave)->trigger();
    EXPECT_EQ(list.windowTitle().toStdString(), expected(".MemDat", "Light Data List"));
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_TRUE(prompts.scriptUsedUp());
}

INSTANTIATE_TEST_SUITE_P(Names, WindowTitles,
    ::testing::Values(TitleCase { "Plain", "run" }, TitleCase { "DottedWithSpace", "26-12-09 13.36.07" },
        TitleCase { "Cancel", std::nullopt }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
