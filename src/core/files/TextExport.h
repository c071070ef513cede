#pragma once
// The plain-text tables written beside every data file: one header line and
// one line per record, each ended by CR LF.

#include <string>

#include "core/platform/Clock.h"
#include "core/store/CurrentSet.h"
#include "core/store/MemoryBlock.h"
#include "core/store/RealTimeRun.h"

namespace brivon::files {

// One line per reading: its value at the sample where it was committed, timed
// from the run start in whole-second periods.
std::string realTimeExport(const store::RealTimeRun& run, const platform::Clock& clock);

// One line per loaded sample, timed from the set's loaded start time.
std::string dataLoggerExport(const store::CurrentSet& set, const platform::Clock& clock);

// One line per memory record, with its status and stored time text.
std::string memoryExport(const store::MemoryBlock& block);

}  // namespace brivon::files
