// Each kind of file dialog starts in the folder last used for that kind, kept
// in the settings file across program starts, and where it would start anyway
// once that folder is gone.

#include "core/app/CommandIds.h"
#include "core/app/ScratchFolder.h"
#include "support/ScriptedPrompts.h"
#include "support/TemporaryHome.h"
#include "ui/app/CMainFrame.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace brivon {
namespace {

using app::command_ids::kExportCsv;
using app::command_ids::kSave;

class WindowFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        std::filesystem::create_directories(graphs);
        std::filesystem::create_directories(exports);
        start();
    }

    void start()
    {
        frame.reset();
        link::PortMap map;
        map.setPath(1, "/dev/brivon-no-such-port");
        frame = std::make_unique<ui::CMainFrame>(map, app::Configuration::fromEnvironment(), &prompts);
        frame->document().resetForNewRun(platform::SystemClock().now());
        frame->document().run().append(100.0f, false);
        frame->document().commitSample();
    }

    // The folder the command's dialog started in, answering it with `path` (nothing: Cancel).
    std::string startFolder(int command, std::optional<std::string> path = std::nullopt)
    {
        QAction& action = *frame->action(command);
        EXPECT_TRUE(QTest::qWaitFor([&action] { return action.isEnabled(); }));
        prompts.savePaths.push_back(path);
        action.trigger();
        return prompts.fileChoices().back().folder;
    }

    support::TemporaryHome home;
    support::ScratchFolder folder;
    const std::filesystem::path graphs = folder / "graphs";
    const std::filesystem::path exports = folder / "csv files";
    support::ScriptedPrompts prompts;
    std::unique_ptr<ui::CMainFrame> frame;
};

TEST_F(WindowFolders, EachKindStartsWhereItWasLastUsed)
{
    EXPECT_EQ(startFolder(kSave, (graphs / "run").string()), "");
    EXPECT_EQ(startFolder(kExportCsv, (exports / "26-12-09 13.36.07").string()), "");
    EXPECT_EQ(startFolder(kSave), graphs.string());
    EXPECT_EQ(startFolder(kExportCsv), exports.string());

    start();
    EXPECT_EQ(startFolder(kSave), graphs.string()) << "kept across starts";
    std::filesystem::remove_all(graphs);
    EXPECT_EQ(startFolder(kSave), "") << "a folder that is gone";
    EXPECT_EQ(startFolder(kExportCsv), exports.string());
    EXPECT_TRUE(prompts.messages().empty());
}

}  // namespace
}  // namespace brivon
