#include "DataFileLoading.h"

#include "CliCommands.h"
#include "core/files/GraphFile.h"
#include "core/files/MemoryFile.h"
#include "core/files/SafeSave.h"
#include "core/files/SaveTarget.h"

#include <array>
#include <filesystem>
#include <iostream>
#include <memory>

namespace brivon::cli {
namespace {

constexpr const char* kStandardOutputName = "-";

// The same file, also through links or other names; false when either does not exist.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

int reportFailure(const std::string& file, const std::string& reason)
{
    std::cerr << file << ": " << reason << '\n';
    return kExitFailure;
}

int reportLoadFailure(const std::string& file, const files::FileOutcome& outcome)
{
    if (outcome.status == files::FileStatus::NotAFile) {
        std::cerr << outcome.message << '\n';
        return kExitFailure;
    }
    std::cerr << outcome.reason(file) << '\n';
    return kExitFailure;
}

int withDataFile(const std::string& file, const platform::Clock& clock,
    const std::function<int(const store::CurrentSet&)>& onGraph,
    const std::function<int(const store::MemoryBlock&)>& onMemory)
{
    files::DataFileKind kind = files::DataFileKind::Graph;
    if (!files::dataFileKindOf(file, kind))
        return reportFailure(file,
            std::string("not a graph data file (") + files::kGraphFileExtension + ") or memory list file ("
                + files::kMemoryFileExtension + ")");
    if (kind == files::DataFileKind::Graph) {
        const auto set = std::make_unique<store::CurrentSet>();
        const files::FileOutcome outcome = files::readGraphFile(std::filesystem::path(file), *set, clock);
        return outcome.ok() ? onGraph(*set) : reportLoadFailure(file, outcome);
    }
    const auto block = std::make_unique<store::MemoryBlock>();
    const files::FileOutcome outcome = files::readMemoryFile(std::filesystem::path(file), *block);
    return outcome.ok() ? onMemory(*block) : reportLoadFailure(file, outcome);
}

bool reportExisting(std::span<const std::filesystem::path> outputs, std::string_view option)
{
    const std::vector<std::filesystem::path> existing = files::existingFiles(outputs);
    if (existing.empty()) return false;
    reportFailure(
        existing.front().string(), "exists already; choose another name with " + std::string(option));
    return true;
}

int writeFile(const std::string& output, std::string_view extension, std::string bytes,
    const std::string& input, std::string_view option)
{
    const std::filesystem::path file = files::withExtension(output, extension);
    if (sameFile(file, input)) return reportFailure(file.string(), "the output is the input file");
    if (reportExisting({ &file, 1 }, option)) return kExitFailure;
    const std::array<files::PendingFile, 1> pending { files::PendingFile { file, std::move(bytes) } };
    const files::FileOutcome saved = files::saveFilesSafely(pending);
    if (!saved.ok()) {
        std::cerr << saved.message << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

int writeOutput(const std::optional<std::string>& output, std::string_view extension, std::string bytes,
    const std::string& input)
{
    if (output && *output != kStandardOutputName)
        return writeFile(*output, extension, std::move(bytes), input);
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    return std::cout ? kExitOk : reportFailure("standard output", "write failed");
}

}  // namespace brivon::cli
