#include "core/files/CsvSaveAs.h"

#include "core/files/SafeSave.h"
#include "core/files/SaveTarget.h"

#include <array>

namespace brivon::files {

bool saveCsvAs(platform::Prompts& prompts, const std::string& defaultName, const std::string& csv)
{
    const auto target = chooseCsvFile(prompts, { defaultName, kCsvExtension, kCsvFilter });
    if (!target) return false;
    const std::array<PendingFile, 1> pending { PendingFile { *target, csv } };
    const FileOutcome outcome = saveFilesSafely(pending);
    if (!outcome.ok()) prompts.message(outcome.message);
    return outcome.ok();
}

}  // namespace brivon::files
