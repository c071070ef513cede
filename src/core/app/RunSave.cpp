#include "core/app/RunSave.h"

#include "core/files/DataFileNames.h"
#include "core/files/DataFileSaves.h"

#include <filesystem>

namespace brivon::app {

bool RunSave::save()
{
    const platform::FileChoice choice { files::defaultFileName(clock_.toLocal(clock_.now())),
        kDefaultExtension, kFilter };
    const auto chosen = prompts_.chooseSaveFile(choice);
    if (!chosen) return false;

    const std::filesystem::path dataFile = files::dataFilePath(*chosen, files::DataFileKind::Graph);
    const files::FileOutcome outcome = files::saveRealTimeRun(dataFile, document_.run().view(), clock_);
    if (!outcome.ok()) prompts_.message(outcome.message);
    return outcome.ok();
}

}  // namespace brivon::app
