#pragma once
// The three saves: each writes a data file and its text export beside it, both
// or neither (see SafeSave.h). A graph data file is saved only when the
// program's reader takes every field of it (GraphFileContents.h), and is read
// back after writing: a save is reported done when the file reads as written.

#include <filesystem>
#include <string>

#include "core/files/FileOutcome.h"
#include "core/platform/Clock.h"
#include "core/store/CurrentSet.h"
#include "core/store/MemoryBlock.h"
#include "core/store/RealTimeRun.h"

namespace brivon::files {

// The main window's Save: the real-time run as a graph data file.
FileOutcome saveRealTimeRun(
    const std::filesystem::path& dataFile, const store::RealTimeRun& run, const platform::Clock& clock);

// The data-logger window's Save: the current set as a graph data file. A
// refusal names the set by `setName` ("Set 2 (15/01/26 08:30:00)").
FileOutcome saveCurrentSet(const std::filesystem::path& dataFile, const store::CurrentSet& set,
    const std::string& setName, const platform::Clock& clock);

// The memory list window's Save: the memory block as a memory list file.
FileOutcome saveMemoryBlock(const std::filesystem::path& dataFile, const store::MemoryBlock& block);

}  // namespace brivon::files
