#pragma once
// The real-time view's fields that other windows set and read: the flags that
// enable Run, Stop, PowerOff and Data Logger, the Y scale, and the texts of the
// real-time strip. The document holds them so that the core can keep them
// without a window; the Qt view reads them from there.

#include <string>

namespace brivon::realtime {

struct RealTimeViewState {
    bool offline = true;  // until a measurement frame is accepted; again on an invalid port
    bool idleFrame = false;  // a frame came while no run is active: Run and PowerOff are enabled
    bool runFlag = false;  // set by Run, cleared when the run ends: Stop is enabled
    bool runChosen = false;  // Run was chosen at least once (the graph draws differently before)

    int yGain = 40;  // per division; from the configuration, then from the meter's range
    int yOffset = 0;  // divisions

    // Real-time strip.
    std::string startTimeText;  // "Start Time", "%d/%m/%y %H:%M:%S"
    std::string dataNoText;  // "Data No.", the reading count
    std::string sampleRateText;  // "Sample Rate", whole seconds
    std::string batteryText;  // "voltage stage": "Low" or "Normal"

    bool listFromFile = false;  // the memory list shows a list file, not a download
};

}  // namespace brivon::realtime
