#pragma once
// At start, the runs that a crash, a kill or a power loss left unsaved are
// offered one by one, the newest first: Yes makes the run the document's and
// opens the usual Save, No discards its journal, Cancel keeps the rest for later.

#include "core/app/CDTDoc.h"
#include "core/app/RunKeeper.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompts.h"

#include <functional>
#include <string>

namespace brivon::app {

// Filled with the start time ("%d/%m/%y %H:%M:%S", as the strip's Start Time) and the sample count.
inline constexpr const char* kUnsavedRunQuestion
    = "A run started at %s with %d samples was not saved. Save it now?";

// Filled with the start time, why a graph file cannot hold the run, and its journal.
inline constexpr const char* kUnrecoverableRunMessage
    = "A run started at %s was not saved and cannot be: %s. Its journal stays in %s.";

std::string unsavedRunQuestion(platform::TimeValue runStart, int sampleCount, const platform::Clock& clock);

// A run a graph file cannot hold is not offered; it is said why, and its
// journal is left where it is. `save` is the main window's Save; a Save that does not happen leaves the
// recovered run in the document with its journal, and asks no more. True
// when a recovered run was put into the document.
bool offerUnsavedRuns(app::CDTDoc& document, RunKeeper& keeper, platform::Prompts& prompts,
    const platform::Clock& clock, const std::function<bool()>& save);

}  // namespace brivon::app
