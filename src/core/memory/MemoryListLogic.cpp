#include "core/memory/MemoryListLogic.h"

#include "core/files/DataFileNames.h"
#include "core/files/DataFileSaves.h"
#include "core/files/MemoryFile.h"
#include "core/files/RefusalMessage.h"
#include "core/files/SaveTarget.h"
#include "core/store/MemoryRecordTimes.h"

namespace brivon::memory {
namespace {

platform::FileChoice listFileChoice(const std::string& defaultName = {})
{
    platform::FileChoice choice;
    choice.defaultName = defaultName;
    choice.defaultExtension = MemoryListLogic::kDefaultExtension;
    choice.filter = MemoryListLogic::kFilter;
    return choice;
}

}  // namespace

std::string proposedFileName(
    platform::TimeValue setStart, const store::MemoryBlock& block, const platform::Clock& clock)
{
    const std::optional<store::RecordTimeRange> records = store::recordTimeRange(block);
    if (setStart == 0 && records) return files::defaultFileName(records->newest);
    return files::defaultFileName(clock.toLocal(setStart));
}

MemoryListLogic::MemoryListLogic(
    store::MemoryBlock& block, MemoryListFlags flags, ListSource source, platform::Prompts& prompts)
    : block_(block)
    , flags_(flags)
    , source_(source)
    , prompts_(prompts)
{
}

std::optional<std::vector<files::MemoryListRow>> MemoryListLogic::refresh()
{
    // A file read in this window is listed even after an empty download.
    if (flags_.memoryEmpty && !listLoaded_) {
        if (!emptyReported_) prompts_.message(kEmptyMessage);
        emptyReported_ = true;
        return std::nullopt;
    }
    if (!flags_.fillRequest && !listLoaded_) return std::nullopt;
    flags_.fillRequest = false;
    listLoaded_ = false;
    return files::memoryListRows(block_);
}

void MemoryListLogic::save(const std::string& defaultName)
{
    if (source_ == ListSource::ListFiles) return;
    const auto dataFile
        = files::chooseDataFile(prompts_, listFileChoice(defaultName), files::DataFileKind::Memory);
    if (!dataFile) return;
    const files::FileOutcome outcome = files::saveMemoryBlock(*dataFile, block_);
    if (outcome.ok())
        shownFile_ = *dataFile;
    else
        prompts_.message(outcome.message);
}

void MemoryListLogic::open()
{
    const auto path = prompts_.chooseOpenFile(listFileChoice());
    if (path) openFile(*path);
}

bool MemoryListLogic::openFile(const std::string& path)
{
    const files::FileOutcome outcome = files::readMemoryFile(path, block_);
    files::tellRefusal(prompts_, path, outcome);
    // A file cut short keeps the records read completely: they are listed.
    listLoaded_ = outcome.ok() || outcome.status == files::FileStatus::EndedEarly;
    if (listLoaded_) shownFile_ = path;
    return listLoaded_;
}

}  // namespace brivon::memory
