#pragma once
// Reading the program's data files for the file commands, and writing what
// they make: failures are reported on standard error with the file's name.

#include "core/files/CurrentSet.h"
#include "core/files/DataFileNames.h"
#include "core/files/FileOutcome.h"
#include "core/files/MemoryBlock.h"
#include "core/platform/Clock.h"

#include <memory>
#include <optional>
#include <string>

namespace brivon::cli {

// Prints "FILE: reason" on standard error and returns the failure exit code.
int reportFailure(const std::string& file, const std::string& reason);

// Reports why a data file was not loaded and returns the failure exit code.
int reportLoadFailure(const std::string& file, const files::FileOutcome& outcome);

// The file's kind by its extension; reports and returns nothing for any other name.
std::optional<files::DataFileKind> kindOf(const std::string& file);

// The loaded data and what reading it gave.
struct LoadedGraph {
    std::unique_ptr<files::CurrentSet> set = std::make_unique<files::CurrentSet>();
    files::FileOutcome outcome;
};

LoadedGraph loadGraph(const std::string& file, const platform::Clock& clock);

struct LoadedMemory {
    std::unique_ptr<files::MemoryBlock> block = std::make_unique<files::MemoryBlock>();
    files::FileOutcome outcome;
};

LoadedMemory loadMemory(const std::string& file);

// Writes `bytes` to standard output (no output, or "-"), or to `output`
// through the safe save; an output that is the `input` file is refused.
int writeOutput(const std::optional<std::string>& output, std::string bytes, const std::string& input);

}  // namespace brivon::cli
