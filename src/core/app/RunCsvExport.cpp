#include "core/app/RunCsvExport.h"

#include "core/files/CsvExport.h"
#include "core/files/DataFileNames.h"
#include "core/files/SafeSave.h"

#include <array>
#include <filesystem>

namespace brivon::app {

bool RunCsvExport::exportCsv()
{
    const platform::FileChoice choice { files::defaultFileName(clock_.toLocal(clock_.now())),
        kDefaultExtension, kFilter };
    const auto chosen = prompts_.chooseSaveFile(choice);
    if (!chosen) return false;

    // The default name holds dots of its own, so only a name that already
    // ends in ".csv" is taken as it is.
    std::filesystem::path target(*chosen);
    if (target.extension() != std::string(".") + kDefaultExtension)
        target += std::string(".") + kDefaultExtension;
    const std::array<files::PendingFile, 1> pending { files::PendingFile {
        target, files::runCsv(document_.run().view(), clock_) } };
    const files::FileOutcome outcome = files::saveFilesSafely(pending);
    if (!outcome.ok()) prompts_.message(outcome.message);
    return outcome.ok();
}

}  // namespace brivon::app
