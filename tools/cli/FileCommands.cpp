// brivon-cli export / info: the program's data files from a terminal, as text or CSV.

#include "CliCommands.h"
#include "DataFileLoading.h"
#include "UsageRefusal.h"

#include "core/files/CsvExport.h"
#include "core/files/TextExport.h"
#include "core/platform/Clock.h"

#include <iostream>
#include <optional>

namespace brivon::cli {
namespace {

constexpr const char* kExportUsage = "usage: brivon-cli export FILE [--csv] [-o OUT]\n";
constexpr const char* kInfoUsage = "usage: brivon-cli info FILE\n";
constexpr const char* kCsvOption = "--csv";
constexpr const char* kInfoTimeFormat = "%Y-%m-%d %H:%M:%S";

struct ExportArguments {
    std::string file;
    std::optional<std::string> output;
    bool csv = false;  // the CSV export instead of the fixed-width text
};

Parsed<ExportArguments> parseExportArguments(const Arguments& args)
{
    ExportArguments parsed;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == kOutputOption) {
            if (parsed.output || i + 1 == args.size()) return {};
            parsed.output = args[++i];
        } else if (args[i] == kCsvOption && !parsed.csv) {
            parsed.csv = true;
        } else if (isOption(args[i]) && args[i] != kCsvOption) {
            return refusedBecause<ExportArguments>(unknownOptionText(args[i]));
        } else if (!haveFile && !isOption(args[i])) {
            parsed.file = args[i];
            haveFile = true;
        } else {
            return {};
        }
    }
    if (!haveFile) return {};
    return { parsed, {} };
}

const char* outputExtension(const ExportArguments& parsed)
{
    return parsed.csv ? files::kCsvFileExtension : files::kTextExportExtension;
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

void printGraphInfo(const std::string& file, const store::CurrentSet& set)
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

void printMemoryInfo(const std::string& file, const store::MemoryBlock& block)
{
    std::cout << file << '\n'
              << "Kind: memory list\n"
              << "Record count: " << block.recordCount << '\n';
}

}  // namespace

int runExport(const Arguments& args)
{
    const Parsed<ExportArguments> parsedArguments = parseExportArguments(args);
    const std::optional<ExportArguments>& parsed = parsedArguments.options;
    if (!parsed) return refuseCommandLine("export", parsedArguments.problem, kExportUsage);
    const platform::SystemClock clock;
    return withDataFile(
        parsed->file, clock,
        [&](const store::CurrentSet& set) {
            return writeOutput(parsed->output, outputExtension(*parsed),
                parsed->csv ? files::graphCsv(set, clock) : files::dataLoggerExport(set, clock),
                parsed->file);
        },
        [&](const store::MemoryBlock& block) {
            return writeOutput(parsed->output, outputExtension(*parsed),
                parsed->csv ? files::memoryCsv(block) : files::memoryExport(block), parsed->file);
        });
}

int runInfo(const Arguments& args)
{
    if (args.size() == 1 && isOption(args[0]))
        return refuseCommandLine("info", unknownOptionText(args[0]), kInfoUsage);
    if (args.size() != 1 || args[0].empty()) return refuseCommandLine("info", {}, kInfoUsage);
    const std::string& file = args[0];
    return withDataFile(
        file, platform::SystemClock(),
        [&](const store::CurrentSet& set) {
            printGraphInfo(file, set);
            return kExitOk;
        },
        [&](const store::MemoryBlock& block) {
            printMemoryInfo(file, block);
            return kExitOk;
        });
}

}  // namespace brivon::cli
