// brivon-cli export / info: the program's data files from a terminal.

#include "CliCommands.h"

#include "core/files/CurrentSet.h"
#include "core/files/DataFileNames.h"
#include "core/files/GraphFile.h"
#include "core/files/MemoryBlock.h"
#include "core/files/MemoryFile.h"
#include "core/files/SafeSave.h"
#include "core/files/TextExport.h"
#include "core/platform/Clock.h"

#include <array>
#include <iostream>
#include <memory>
#include <optional>

namespace brivon::cli {
namespace {

constexpr const char* kExportUsage = "usage: brivon-cli export FILE [-o OUT]\n";
constexpr const char* kInfoUsage = "usage: brivon-cli info FILE\n";
constexpr const char* kOutputOption = "-o";
constexpr const char* kInfoTimeFormat = "%Y-%m-%d %H:%M:%S";

struct ExportArguments {
    std::string file;
    std::optional<std::string> output;
};

std::optional<ExportArguments> parseExportArguments(const Arguments& args)
{
    ExportArguments parsed;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == kOutputOption) {
            if (parsed.output || i + 1 == args.size()) return std::nullopt;
            parsed.output = args[++i];
        } else if (!haveFile && !args[i].empty() && args[i][0] != '-') {
            parsed.file = args[i];
            haveFile = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveFile) return std::nullopt;
    return parsed;
}

int reportFailure(const std::string& file, const std::string& reason)
{
    std::cerr << file << ": " << reason << '\n';
    return kExitFailure;
}

// The file's kind by its extension; reports and returns nothing for any other name.
std::optional<files::DataFileKind> kindOf(const std::string& file)
{
    files::DataFileKind kind = files::DataFileKind::Graph;
    if (files::dataFileKindOf(file, kind)) return kind;
    reportFailure(file,
        std::string("not a graph data file (") + files::kGraphFileExtension + ") or memory list file ("
            + files::kMemoryFileExtension + ")");
    return std::nullopt;
}

// The loaded data and what reading it gave.
struct LoadedGraph {
    std::unique_ptr<files::CurrentSet> set = std::make_unique<files::CurrentSet>();
    files::FileOutcome outcome;
};

LoadedGraph loadGraph(const std::string& file, const platform::Clock& clock)
{
    LoadedGraph loaded;
    loaded.outcome = files::readGraphFile(std::filesystem::path(file), *loaded.set, clock);
    return loaded;
}

struct LoadedMemory {
    std::unique_ptr<files::MemoryBlock> block = std::make_unique<files::MemoryBlock>();
    files::FileOutcome outcome;
};

LoadedMemory loadMemory(const std::string& file)
{
    LoadedMemory loaded;
    loaded.outcome = files::readMemoryFile(std::filesystem::path(file), *loaded.block);
    return loaded;
}

int writeExport(const std::optional<std::string>& output, std::string text)
{
    if (!output) {
        std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
        std::cout.flush();
        return std::cout ? kExitOk : reportFailure("standard output", "write failed");
    }
    const std::array<files::PendingFile, 1> files { files::PendingFile { *output, std::move(text) } };
    const files::FileOutcome saved = files::saveFilesSafely(files);
    if (!saved.ok()) {
        std::cerr << saved.message << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

const char* unitName(std::uint8_t unitFlag)
{
    switch (unitFlag) {
    case 0:
        return "Lux";
    case 1:
        return "FC";
    default:
        return "unknown";
    }
}

void printGraphInfo(const std::string& file, const files::CurrentSet& set)
{
    std::cout << file << '\n'
              << "Kind: graph data\n"
              << "Reading count: " << set.loadedReadingCount << '\n'
              << "Sample count: " << set.loadedSampleCount << '\n'
              << "Unit: " << unitName(set.loadedUnitFlag) << '\n'
              << "Start: " << platform::formatTime(set.loadedStart, kInfoTimeFormat) << '\n'
              << "Sampling interval: " << set.loadedSamplePeriod << " s\n"
              << "Gain: " << set.loadedGain << '\n';
}

void printMemoryInfo(const std::string& file, const files::MemoryBlock& block)
{
    std::cout << file << '\n'
              << "Kind: memory list\n"
              << "Record count: " << block.recordCount << '\n';
}

}  // namespace

int runExport(const Arguments& args)
{
    const std::optional<ExportArguments> parsed = parseExportArguments(args);
    if (!parsed) {
        std::cerr << kExportUsage;
        return kExitUsage;
    }
    const std::optional<files::DataFileKind> kind = kindOf(parsed->file);
    if (!kind) return kExitFailure;

    const platform::SystemClock clock;
    if (*kind == files::DataFileKind::Graph) {
        const LoadedGraph loaded = loadGraph(parsed->file, clock);
        if (!loaded.outcome.ok()) return reportFailure(parsed->file, loaded.outcome.message);
        return writeExport(parsed->output, files::dataLoggerExport(*loaded.set, clock));
    }
    const LoadedMemory loaded = loadMemory(parsed->file);
    if (!loaded.outcome.ok()) return reportFailure(parsed->file, loaded.outcome.message);
    return writeExport(parsed->output, files::memoryExport(*loaded.block));
}

int runInfo(const Arguments& args)
{
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        std::cerr << kInfoUsage;
        return kExitUsage;
    }
    const std::string& file = args[0];
    const std::optional<files::DataFileKind> kind = kindOf(file);
    if (!kind) return kExitFailure;

    if (*kind == files::DataFileKind::Graph) {
        const LoadedGraph loaded = loadGraph(file, platform::SystemClock());
        if (!loaded.outcome.ok()) return reportFailure(file, loaded.outcome.message);
        printGraphInfo(file, *loaded.set);
        return kExitOk;
    }
    const LoadedMemory loaded = loadMemory(file);
    if (!loaded.outcome.ok()) return reportFailure(file, loaded.outcome.message);
    printMemoryInfo(file, *loaded.block);
    return kExitOk;
}

}  // namespace brivon::cli
