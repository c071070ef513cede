#include "core/app/FolderPrompts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace brivon::app {
namespace {

struct FolderKind {
    const char* extension;  // the dialog's default extension, any case
    const char* key;  // its key in [Folders]
};

constexpr FolderKind kKinds[]
    = { { "AsmDat", "Graph files" }, { "MemDat", "Memory lists" }, { "csv", "Exports" } };

const char* kindKey(const std::string& extension)
{
    const auto sameText = [&extension](const FolderKind& kind) {
        return std::ranges::equal(extension, std::string_view(kind.extension),
            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(b); });
    };
    const auto* kind = std::ranges::find_if(kKinds, sameText);
    return kind == std::end(kKinds) ? nullptr : kind->key;
}

}  // namespace

template <typename Choose>
std::optional<std::string> FolderPrompts::chooseIn(const platform::FileChoice& choice, Choose choose)
{
    const char* key = kindKey(choice.defaultExtension);
    if (!key) return choose(choice);
    platform::FileChoice started = choice;
    started.folder = configuration_.lastFolder(key).value_or(choice.folder);
    std::optional<std::string> chosen = choose(started);
    // A folder that cannot be kept only costs the next dialog its start.
    if (chosen) configuration_.keepFolder(key, std::filesystem::path(*chosen).parent_path().string());
    return chosen;
}

std::optional<std::string> FolderPrompts::chooseSaveFile(const platform::FileChoice& choice)
{
    return chooseIn(choice, [this](const platform::FileChoice& c) { return prompts_.chooseSaveFile(c); });
}

std::optional<std::string> FolderPrompts::chooseOpenFile(const platform::FileChoice& choice)
{
    return chooseIn(choice, [this](const platform::FileChoice& c) { return prompts_.chooseOpenFile(c); });
}

}  // namespace brivon::app
