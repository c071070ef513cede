#include "core/files/SaveTarget.h"

#include <system_error>

namespace brivon::files {
namespace {

constexpr const char* kReplaceOne = " already exists.\nDo you want to replace it?";
constexpr const char* kReplaceBoth = " already exist.\nDo you want to replace them?";

// The chosen name with `extension`, when the files a save to it writes
// (`written` of the final name) may be written.
template <typename Written>
std::optional<std::filesystem::path> chooseTarget(platform::Prompts& prompts,
    const platform::FileChoice& choice, std::string_view extension, const Written& written)
{
    const std::optional<std::string> chosen = prompts.chooseSaveFile(choice);
    if (!chosen) return std::nullopt;
    const std::filesystem::path target = withExtension(*chosen, extension);
    const std::vector<std::filesystem::path> existing = existingFiles(written(target));
    if (!existing.empty() && !prompts.askYesNo(replaceQuestion(existing))) return std::nullopt;
    return target;
}

}  // namespace

std::vector<std::filesystem::path> dataFileAndExport(const std::filesystem::path& dataFile, DataFileKind kind)
{
    return { dataFile, textExportPath(dataFile, kind) };
}

std::vector<std::filesystem::path> existingFiles(std::span<const std::filesystem::path> paths)
{
    std::vector<std::filesystem::path> existing;
    for (const std::filesystem::path& path : paths) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) existing.push_back(path);
    }
    return existing;
}

std::string replaceQuestion(std::span<const std::filesystem::path> existing)
{
    std::string names;
    for (const std::filesystem::path& path : existing)
        names += (names.empty() ? "" : " and ") + path.filename().string();
    return names + (existing.size() > 1 ? kReplaceBoth : kReplaceOne);
}

std::optional<std::filesystem::path> chooseDataFile(
    platform::Prompts& prompts, const platform::FileChoice& choice, DataFileKind kind)
{
    return chooseTarget(prompts, choice, extensionOf(kind),
        [kind](const std::filesystem::path& dataFile) { return dataFileAndExport(dataFile, kind); });
}

std::optional<std::filesystem::path> chooseFile(
    platform::Prompts& prompts, const platform::FileChoice& choice, std::string_view extension)
{
    return chooseTarget(prompts, choice, extension,
        [](const std::filesystem::path& file) { return std::vector<std::filesystem::path> { file }; });
}

std::optional<std::filesystem::path> chooseCsvFile(
    platform::Prompts& prompts, const platform::FileChoice& choice)
{
    return chooseFile(prompts, choice, kCsvFileExtension);
}

}  // namespace brivon::files
