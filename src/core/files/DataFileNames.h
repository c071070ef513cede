#pragma once
// File names of the data files and of the text export written beside each.

#include <filesystem>
#include <string>

#include "core/platform/Clock.h"

namespace brivon::files {

enum class DataFileKind { Graph, Memory };

inline constexpr const char* kGraphFileExtension = ".AsmDat";
inline constexpr const char* kMemoryFileExtension = ".MemDat";
inline constexpr const char* kTextExportExtension = ".txt";
// Default name offered by the save dialogs, from a time stamp.
inline constexpr const char* kDefaultFileNameFormat = "%y-%m-%d %H.%M.%S";

const char* extensionOf(DataFileKind kind);

// The text export beside `dataFile`: same folder, the data extension (in any
// letter case) replaced by ".txt".
std::filesystem::path textExportPath(const std::filesystem::path& dataFile, DataFileKind kind);

// The kind of data file a name stands for, by extension in any letter case;
// false when it is neither.
bool dataFileKindOf(const std::filesystem::path& file, DataFileKind& kind);

std::string defaultFileName(const platform::LocalTime& time);

}  // namespace brivon::files
