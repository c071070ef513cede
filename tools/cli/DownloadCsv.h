#pragma once
// What brivon-cli download prints on standard output: one CSV line per memory
// record or data-logger set, with the texts the list windows show.

#include "core/files/MemoryListRows.h"
#include "core/logger/SetRows.h"

#include <filesystem>
#include <string>

namespace brivon::cli {

inline constexpr const char* kMemoryCsvHeader = "no,data,unit,status,time";
inline constexpr const char* kLoggerCsvHeader = "set,time,unit,sampling_rate,nums,file";

std::string memoryCsvLine(const files::MemoryListRow& row);

// The set's list row and the graph data file written for it.
std::string loggerCsvLine(const logger::SetRow& row, const std::filesystem::path& file);

}  // namespace brivon::cli
