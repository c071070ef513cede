#pragma once
// What the data-logger window shares with the main window: whether it is
// open, whether it works from graph files or from the last download, and what
// it still has to list when it opens.

namespace brivon::logger {

struct LoggerWindowState {
    bool fileSet = false;  // a graph file was loaded into the current set
    bool newFileSet = false;  // ... and the window has not yet listed it
    bool listRefill = false;  // a download started: its sets are listed when the window opens
    bool fileBrowse = false;  // the window works from files, not from a download
    bool windowOpen = false;  // Open is disabled while it is
};

}  // namespace brivon::logger
