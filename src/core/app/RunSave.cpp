#include "core/app/RunSave.h"

#include "core/files/DataFileNames.h"
#include "core/files/DataFileSaves.h"
#include "core/files/SaveTarget.h"

namespace brivon::app {

bool RunSave::save()
{
    const platform::FileChoice choice { files::defaultFileName(clock_.toLocal(clock_.now())),
        kDefaultExtension, kFilter };
    const auto dataFile = files::chooseDataFile(prompts_, choice, files::DataFileKind::Graph);
    if (!dataFile) return false;

    const files::FileOutcome outcome
        = files::saveRealTimeRun(*dataFile, document_.run().realTimeRun(), clock_);
    if (!outcome.ok()) {
        prompts_.message(outcome.message);
        return false;
    }
    savedFile_ = *dataFile;
    savedRunStart_ = document_.run().startTime();
    return true;
}

std::filesystem::path RunSave::savedFile() const
{
    return document_.run().startTime() == savedRunStart_ ? savedFile_ : std::filesystem::path {};
}

}  // namespace brivon::app
