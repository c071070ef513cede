#pragma once
// Export CSV in any window: asks where the CSV goes (offering a name) and
// writes it through the safe save.

#include "core/platform/Prompts.h"

#include <string>

namespace brivon::files {

inline constexpr const char* kCsvExtension = "csv";
inline constexpr const char* kCsvFilter = "CSV Files (*.csv)|*.csv|";

// True when the file was written. Cancel, or No to replacing an existing
// file, writes nothing; a failed write
// leaves an earlier file as it was and tells the user why.
bool saveCsvAs(platform::Prompts& prompts, const std::string& defaultName, const std::string& csv);

}  // namespace brivon::files
