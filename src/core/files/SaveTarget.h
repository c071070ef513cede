#pragma once
// Where a save from a window goes: the user picks a name, the file gets its
// kind's extension when the name lacks it, and files that the save would
// replace under those final names are asked about once, before anything is
// written.

#include "core/files/DataFileNames.h"
#include "core/platform/Prompts.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brivon::files {

// The files a save of a data file writes: the file and its text export beside it.
std::vector<std::filesystem::path> dataFileAndExport(
    const std::filesystem::path& dataFile, DataFileKind kind);

// Those of `paths` that name an existing file (through links): what a save
// would replace. A folder, FIFO or device in the way is no file to replace;
// the save itself refuses it.
std::vector<std::filesystem::path> existingFiles(std::span<const std::filesystem::path> paths);

// "NAME already exists.\nDo you want to replace it?", naming both when two exist.
std::string replaceQuestion(std::span<const std::filesystem::path> existing);

// The data file of `kind` to save to, or nothing when the user cancels the
// dialog or answers No to replacing the data file or its text export.
std::optional<std::filesystem::path> chooseDataFile(
    platform::Prompts& prompts, const platform::FileChoice& choice, DataFileKind kind);

// The single file with `extension` (".pdf") to save to, or nothing on Cancel or No.
std::optional<std::filesystem::path> chooseFile(
    platform::Prompts& prompts, const platform::FileChoice& choice, std::string_view extension);

// The CSV file to save to, or nothing on Cancel or No.
std::optional<std::filesystem::path> chooseCsvFile(
    platform::Prompts& prompts, const platform::FileChoice& choice);

}  // namespace brivon::files
