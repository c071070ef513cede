#include "core/files/CsvSaveAs.h"

#include "core/files/SafeSave.h"

#include <array>
#include <filesystem>

namespace brivon::files {

bool saveCsvAs(platform::Prompts& prompts, const std::string& defaultName, const std::string& csv)
{
    const auto chosen = prompts.chooseSaveFile({ defaultName, kCsvExtension, kCsvFilter });
    if (!chosen) return false;

    // Default names hold dots of their own, so only a name that already ends
    // in ".csv" is taken as it is.
    std::filesystem::path target(*chosen);
    if (target.extension() != std::string(".") + kCsvExtension) target += std::string(".") + kCsvExtension;
    const std::array<PendingFile, 1> pending { PendingFile { target, csv } };
    const FileOutcome outcome = saveFilesSafely(pending);
    if (!outcome.ok()) prompts.message(outcome.message);
    return outcome.ok();
}

}  // namespace brivon::files
