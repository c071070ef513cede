#pragma once
// File names of the data files and of the text export written beside each.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/platform/Clock.h"

namespace brivon::files {

enum class DataFileKind { Graph, Memory };

inline constexpr const char* kGraphFileExtension = ".AsmDat";
inline constexpr const char* kMemoryFileExtension = ".MemDat";
inline constexpr const char* kTextExportExtension = ".txt";
inline constexpr const char* kCsvFileExtension = ".csv";
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

// A name chosen for a file of a kind: kept when it already ends in the kind's
// `extension` (with its dot, in any letter case), else given it. The default
// names hold dots of their own ("10-12-07 14.05.09"), so no other ending counts.
std::filesystem::path withExtension(const std::filesystem::path& chosen, std::string_view extension);

// withExtension for a data file of `kind`.
std::filesystem::path dataFilePath(const std::filesystem::path& chosen, DataFileKind kind);

}  // namespace brivon::files
