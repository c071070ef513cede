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

    // The default name holds dots of its own ("10-12-07 14.05.09"), so only a
    // name that already ends in the graph file extension is taken as it is.
    std::filesystem::path dataFile(*chosen);
    files::DataFileKind kind = files::DataFileKind::Memory;
    if (!files::dataFileKindOf(dataFile, kind) || kind != files::DataFileKind::Graph)
        dataFile += files::kGraphFileExtension;
    const files::FileOutcome outcome = files::saveRealTimeRun(dataFile, document_.run().view(), clock_);
    if (!outcome.ok()) prompts_.message(outcome.message);
    return outcome.ok();
}

}  // namespace brivon::app
