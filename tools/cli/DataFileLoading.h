#pragma once
// Reading the program's data files for the file commands, and writing what
// they make: failures are reported on standard error with the file's name.

#include "core/files/DataFileNames.h"
#include "core/files/FileOutcome.h"
#include "core/platform/Clock.h"
#include "core/store/CurrentSet.h"
#include "core/store/MemoryBlock.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brivon::cli {

// Prints "FILE: reason" on standard error and returns the failure exit code.
int reportFailure(const std::string& file, const std::string& reason);

// Reports why a data file was not loaded and returns the failure exit code.
int reportLoadFailure(const std::string& file, const files::FileOutcome& outcome);

// Reads `file` by the kind its extension names and hands the data to
// `onGraph` or `onMemory`, returning what they return; a file of another kind
// or one that cannot be read is reported, and gives the failure exit code.
int withDataFile(const std::string& file, const platform::Clock& clock,
    const std::function<int(const store::CurrentSet&)>& onGraph,
    const std::function<int(const store::MemoryBlock&)>& onMemory);

inline constexpr const char* kOutputOption = "-o";

// True, having said so, when one of `outputs` exists: a command has no one to
// ask, so it never replaces a file. `option` is the one that names another.
bool reportExisting(std::span<const std::filesystem::path> outputs, std::string_view option = kOutputOption);

// Writes `bytes` to `output` with `extension` when its name lacks it, through
// the safe save; an output that is the `input` file, or any other existing
// file, is refused, naming the `option` that chooses another name.
int writeFile(const std::string& output, std::string_view extension, std::string bytes,
    const std::string& input, std::string_view option = kOutputOption);

// writeFile, or standard output for no output or "-".
int writeOutput(const std::optional<std::string>& output, std::string_view extension, std::string bytes,
    const std::string& input);

}  // namespace brivon::cli
