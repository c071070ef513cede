#pragma once
// The real-time view's fields that other windows set and read: the flags that
// enable Run, Stop, PowerOff and Data Logger, the Y scale, and the texts of the
// real-time strip. The document holds them so that the core can keep them
// without a window; the Qt view reads them from there.

#include <string>

namespace brivon::realtime {

struct RealTimeViewState {
    int yGain = 40;  // per division; from the configuration, then from the meter's range
    int yOffset = 0;  // divisions

    // Real-time strip.
    std::string startTimeText;  // "Start Time", "%d/%m/%y %H:%M:%S"
    std::string dataNoText;  // "Data No.", the reading count
    std::string sampleRateText;  // "Sample Rate", whole seconds

    // Data-logger window.
    bool fileSet = false;  // a graph file was loaded into the current set
    bool newFileSet = false;  // ... and the window has not yet listed it
    bool listRefill = false;  // a download started: the list of sets is rebuilt
    bool fileBrowse = false;  // the window works from files, not from a download
    bool listFromFile = false;  // the memory list shows a list file, not a download
    bool loggerWindowOpen = false;  // Open is disabled while it is
};

}  // namespace brivon::realtime
