#include "core/files/DataFileSaves.h"

#include "core/files/DataFileNames.h"
#include "core/files/GraphFile.h"
#include "core/files/MemoryFile.h"
#include "core/files/SafeSave.h"
#include "core/files/TextExport.h"

#include <array>
#include <functional>
#include <memory>

namespace brivon::files {
namespace {

constexpr const char* kRunName = "The run";

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

// The written file through the program's own reader: the same bytes again, or why not.
FileOutcome readBack(
    const std::filesystem::path& dataFile, const std::string& written, const platform::Clock& clock)
{
    auto read = std::make_unique<store::CurrentSet>();
    FileOutcome outcome = readGraphFile(dataFile, *read, clock);
    if (!outcome.ok())
        return file_outcome::notReadBack(
            dataFile.string(), outcome.detail.empty() ? outcome.message : outcome.detail);
    if (graphFileBytes(readFileContents(*read)) != written)
        return file_outcome::notReadBack(dataFile.string(), "its contents differ");
    return outcome;
}

// Refuses contents the reader would refuse before anything is written; the
// export is made only for contents that can be saved.
FileOutcome saveGraphFile(const std::filesystem::path& dataFile, const GraphFileContents& contents,
    const std::string& what, const std::function<std::string()>& exportText, const platform::Clock& clock)
{
    if (const auto problem = graphFileProblem(contents)) return file_outcome::unsavable(what, *problem);
    std::string bytes = graphFileBytes(contents);
    if (FileOutcome saved = saveWithExport(dataFile, DataFileKind::Graph, exportText(), bytes); !saved.ok())
        return saved;
    return readBack(dataFile, bytes, clock);
}

}  // namespace

FileOutcome saveRealTimeRun(
    const std::filesystem::path& dataFile, const store::RealTimeRun& run, const platform::Clock& clock)
{
    return saveGraphFile(
        dataFile, realTimeFileContents(run, clock), kRunName, [&] { return realTimeExport(run, clock); },
        clock);
}

FileOutcome saveCurrentSet(const std::filesystem::path& dataFile, const store::CurrentSet& set,
    const std::string& setName, const platform::Clock& clock)
{
    return saveGraphFile(
        dataFile, dataLoggerFileContents(set), setName, [&] { return dataLoggerExport(set, clock); }, clock);
}

FileOutcome saveMemoryBlock(const std::filesystem::path& dataFile, const store::MemoryBlock& block)
{
    return saveWithExport(dataFile, DataFileKind::Memory, memoryExport(block), memoryFileBytes(block));
}

}  // namespace brivon::files
