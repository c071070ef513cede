// brivon-cli export / info: the program's data files from a terminal, as text or CSV.

#include "CliCommands.h"
#include "DataFileLoading.h"

#include "core/files/CsvExport.h"
#include "core/files/TextExport.h"
#include "core/platform/Clock.h"

#include <iostream>
#include <optional>

namespace brivon::cli {
namespace {

constexpr const char* kExportUsage = "usage: brivon-cli export FILE [--csv] [-o OUT]\n";
constexpr const char* kInfoUsage = "usage: brivon-cli info FILE\n";
constexpr const char* kOutputOption = "-o";
constexpr const char* kCsvOption = "--csv";
constexpr const char* kInfoTimeFormat = "%Y-%m-%d %H:%M:%S";

struct ExportArguments {
    std::string file;
    std::optional<std::string> output;
    bool csv = false;  // the CSV export instead of the fixed-width text
};

std::optional<ExportArguments> parseExportArguments(const Arguments& args)
{
    ExportArguments parsed;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == kOutputOption) {
            if (parsed.output || i + 1 == args.size()) return std::nullopt;
            parsed.output = args[++i];
        } else if (args[i] == kCsvOption && !parsed.csv) {
            parsed.csv = true;
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
        if (!loaded.outcome.ok()) return reportLoadFailure(parsed->file, loaded.outcome);
        return writeOutput(parsed->output,
            parsed->csv ? files::graphCsv(*loaded.set, clock) : files::dataLoggerExport(*loaded.set, clock),
            parsed->file);
    }
    const LoadedMemory loaded = loadMemory(parsed->file);
    if (!loaded.outcome.ok()) return reportLoadFailure(parsed->file, loaded.outcome);
    return writeOutput(parsed->output,
        parsed->csv ? files::memoryCsv(*loaded.block) : files::memoryExport(*loaded.block), parsed->file);
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
        if (!loaded.outcome.ok()) return reportLoadFailure(file, loaded.outcome);
        printGraphInfo(file, *loaded.set);
        return kExitOk;
    }
    const LoadedMemory loaded = loadMemory(file);
    if (!loaded.outcome.ok()) return reportLoadFailure(file, loaded.outcome);
    printMemoryInfo(file, *loaded.block);
    return kExitOk;
}

}  // namespace brivon::cli
