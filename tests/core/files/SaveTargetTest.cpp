#include "core/files/SaveTarget.h"

#include "core/app/ScratchFolder.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace brivon {
namespace {

struct TargetCase {
    const char* name;
    std::optional<std::string> typed;  // nothing: Cancel
    std::vector<std::string> existing;
    std::optional<std::string> target;
    std::vector<std::string> questions;
};

class SaveTarget : public ::testing::TestWithParam<TargetCase> { };

TEST_P(SaveTarget, GivesTheFinalNameAfterAskingAboutWhatIsThere)
{
    const TargetCase& c = GetParam();
    const support::ScratchFolder folder;
    for (const std::string& name : c.existing)
        support::ScratchFolder::write(folder / name, "old");
    support::ScriptedPrompts prompts;
    prompts.savePaths.push_back(c.typed ? std::optional((folder / *c.typed).string()) : std::nullopt);
    prompts.answers.push_back(platform::Answer::Yes);

    const auto target = files::chooseDataFile(prompts, {}, files::DataFileKind::Graph);

    EXPECT_EQ(target, c.target ? std::optional(folder / *c.target) : std::nullopt);
    EXPECT_EQ(prompts.questions(), c.questions);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveTarget,
    ::testing::Values(TargetCase { "Cancel", std::nullopt, { "run.AsmDat" }, std::nullopt, {} },
        TargetCase { "ExtensionInOtherCase", "run.asmdat", {}, "run.asmdat", {} },
        TargetCase { "OnlyTheTextExportExists", "run", { "run.txt" }, "run.AsmDat",
            { "run.txt already exists.\nDo you want to replace it?" } },
        TargetCase { "AnotherKindsExtensionIsPartOfTheName", "run.MemDat", { "run.MemDat" },
            "run.MemDat.AsmDat", {} }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
