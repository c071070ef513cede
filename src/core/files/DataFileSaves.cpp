#include "core/files/DataFileSaves.h"

#include "core/files/DataFileNames.h"
#include "core/files/GraphFile.h"
#include "core/files/MemoryFile.h"
#include "core/files/SafeSave.h"
#include "core/files/TextExport.h"

#include <array>

namespace brivon::files {
namespace {

FileOutcome saveWithExport(
    const std::filesystem::path& dataFile, DataFileKind kind, std::string exportText, std::string dataBytes)
{
    // The export comes first, as the program has always written it.
    const std::array<PendingFile, 2> files {
        PendingFile { textExportPath(dataFile, kind), std::move(exportText) },
        PendingFile { dataFile, std::move(dataBytes) },
    };
    return saveFilesSafely(files);
}

}  // namespace

FileOutcome saveRealTimeRun(
    const std::filesystem::path& dataFile, const RealTimeRun& run, const platform::Clock& clock)
{
    return saveWithExport(dataFile, DataFileKind::Graph, realTimeExport(run, clock),
        graphFileBytes(realTimeFileContents(run, clock)));
}

FileOutcome saveCurrentSet(
    const std::filesystem::path& dataFile, const CurrentSet& set, const platform::Clock& clock)
{
    return saveWithExport(dataFile, DataFileKind::Graph, dataLoggerExport(set, clock),
        graphFileBytes(dataLoggerFileContents(set)));
}

FileOutcome saveMemoryBlock(const std::filesystem::path& dataFile, const MemoryBlock& block)
{
    return saveWithExport(dataFile, DataFileKind::Memory, memoryExport(block), memoryFileBytes(block));
}

}  // namespace brivon::files
