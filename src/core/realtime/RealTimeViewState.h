#pragma once
// The data-logger window's flags that other windows set and read. The
// document holds them so that the core can keep them without a window.

namespace brivon::realtime {

struct RealTimeViewState {
    bool fileSet = false;  // a graph file was loaded into the current set
    bool newFileSet = false;  // ... and the window has not yet listed it
    bool listRefill = false;  // a download started: the list of sets is rebuilt
    bool fileBrowse = false;  // the window works from files, not from a download
    bool loggerWindowOpen = false;  // Open is disabled while it is
};

}  // namespace brivon::realtime
