#pragma once
// Decodes measurement frames into Readings and keeps the decoder's state
// between frames: the last range and unit, the hold rule across range changes,
// the mode text and the battery watch.

#include "core/link/Reading.h"
#include "core/link/ScaleTables.h"

#include <cstdint>
#include <span>
#include <string>

namespace brivon::link {

struct DecodedFrame {
    Reading reading;
    // The range or the unit changed (always on the first frame): the Y offset
    // becomes 0 and the Y gain yGain.
    bool scaleChanged = false;
    int yGain = 0;
};

class FrameDecoder {
public:
    // Frames spread the hold over the frame that changes the range and two more.
    static constexpr int kHoldFrames = 3;

    // `frame` holds at least kMeasurementFrameLength bytes starting AA DD.
    DecodedFrame decode(std::span<const std::uint8_t> frame);

    // A low battery sticks until the watch is re-armed (the port watchdog does it on an invalid port).
    void rearmBatteryWatch() { batteryWatch_ = true; }
    // The meter went away: no reading after a replug is held at the value
    // from before, while the Y scale changes only when the new meter's range
    // or unit differs from the last frame's.
    void forgetHeldReading()
    {
        holdCounter_ = 0;
        holdAcrossRangeChange_ = false;
    }
    // The watched battery state: false before the first frame.
    bool lowBattery() const { return lowBattery_; }
    std::uint8_t lastRangeIndex() const { return lastRange_; }

private:
    float applyHoldRule(float value);

    std::uint8_t lastRange_ = kNoRangeYet;
    std::uint8_t lastUnit_ = kNoUnitYet;
    int holdCounter_ = 0;
    bool holdAcrossRangeChange_ = false;  // false until the first frame, and after a replug
    float heldValue_ = 0.0f;
    std::string modeText_ = "    ";
    bool batteryWatch_ = true;
    bool lowBattery_ = false;
};

}  // namespace brivon::link
