#pragma once
// Data files are read and written only as regular files: opening a FIFO for
// reading blocks until a writer comes, and a folder or a device holds no data
// file, so these are refused by what they are before any open.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "core/files/FileOutcome.h"

namespace brivon::files {

// Nothing when `path` is a regular file (through links) or does not exist;
// otherwise what it is instead, e.g. "run.AsmDat is a folder, not a file".
std::optional<std::string> notARegularFile(const std::filesystem::path& path);

// Opens a data file for reading: ok, NotAFile or CannotOpen.
FileOutcome openForReading(const std::filesystem::path& path, std::ifstream& in);

}  // namespace brivon::files
