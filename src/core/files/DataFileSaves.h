#pragma once
// The three saves: each writes a data file and its text export beside it, both
// or neither (see SafeSave.h).

#include <filesystem>

#include "core/files/CurrentSet.h"
#include "core/files/FileOutcome.h"
#include "core/files/MemoryBlock.h"
#include "core/files/RealTimeRun.h"
#include "core/platform/Clock.h"

namespace brivon::files {

// The main window's Save: the real-time run as a graph data file.
FileOutcome saveRealTimeRun(
    const std::filesystem::path& dataFile, const RealTimeRun& run, const platform::Clock& clock);

// The data-logger window's Save: the current set as a graph data file.
FileOutcome saveCurrentSet(
    const std::filesystem::path& dataFile, const CurrentSet& set, const platform::Clock& clock);

// The memory list window's Save: the memory block as a memory list file.
FileOutcome saveMemoryBlock(const std::filesystem::path& dataFile, const MemoryBlock& block);

}  // namespace brivon::files
