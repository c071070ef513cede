#pragma once
// The graph data file (.AsmDat): one series of samples with its start time,
// sampling interval, gain and unit. The real-time run and the data-logger's
// current set are written in the same layout; they differ in the first count.

#include <cstdint>
#include <filesystem>
#include <istream>
#include <span>
#include <string>

#include "core/files/FileOutcome.h"
#include "core/files/GraphFileContents.h"
#include "core/platform/Clock.h"
#include "core/store/CurrentSet.h"
#include "core/store/RealTimeRun.h"

namespace brivon::files {

// Real-time variant: the run's reading count, its committed samples, its start
// broken down in local time and its period in whole seconds.
GraphFileContents realTimeFileContents(const store::RealTimeRun& run, const platform::Clock& clock);

// Data-logger variant: the reading count is the sample count.
GraphFileContents dataLoggerFileContents(const store::CurrentSet& set);

// The fields as a read left them in `set`, its reading count as the file gave it.
GraphFileContents readFileContents(const store::CurrentSet& set);

std::string graphFileBytes(const GraphFileContents& contents);

// Reads a graph data file into the current set, field by field in file order.
// A wrong signature, or a field no graph file holds (GraphFileContents.h),
// changes nothing. A file that ends early keeps the fields read before, with
// the sample count saying how many samples were read. A sample count outside
// 0..capacity is refused before any sample is stored. Once the signature is
// accepted, the set's start time is its stored date and time taken as local
// time on `clock`.
FileOutcome readGraphFile(std::istream& in, store::CurrentSet& set, const platform::Clock& clock);
// The file at `path`: a memory list there is refused as such, and changes nothing.
FileOutcome readGraphFile(
    const std::filesystem::path& path, store::CurrentSet& set, const platform::Clock& clock);

inline constexpr const char* kGraphFileKind = "a graph file";

// True when `in` holds a whole graph file and nothing after it.
bool holdsGraphFile(std::istream& in);

}  // namespace brivon::files
