#pragma once
// The receive handler: runs once per communication event of the serial
// control, recognises the block by its first two bytes and the link's receive mode,
// decodes measurement frames and paces the polls.

#include "core/link/FrameDecoder.h"
#include "core/link/MeterStatistics.h"
#include "core/link/SerialLink.h"
#include "core/platform/Clock.h"
#include "core/platform/SerialPort.h"
#include "core/platform/Timers.h"

namespace brivon::link {

struct MeasurementUpdate {
    const DecodedFrame& frame;
    const StatisticsTexts& statistics;
    platform::TimeValue now;
};

// Where the received data goes: the run, the views, the panel and the downloads.
class ReceiveSink {
public:
    virtual ~ReceiveSink() = default;
    // A measurement frame was accepted and decoded.
    virtual void measurementReceived(const MeasurementUpdate& update) = 0;
    virtual void memoryDumpReceived(const platform::Bytes& /*block*/) { }
    virtual void loggerBlockReceived(const platform::Bytes& /*block*/) { }
    // Last step of every event, whatever the block held (the run's capacity check).
    virtual void eventFinished() { }
};

class ReceiveHandler {
public:
    ReceiveHandler(SerialLink& link, FrameDecoder& decoder, MeterStatistics& statistics,
        platform::Timers& mainTimers, const platform::Clock& clock, ReceiveSink& sink);

    void onCommEvent();

private:
    void decodeMeasurement(const platform::Bytes& block, platform::TimeValue now);
    void pacePoll(const platform::Bytes& block);

    SerialLink& link_;
    FrameDecoder& decoder_;
    MeterStatistics& statistics_;
    platform::Timers& mainTimers_;
    const platform::Clock& clock_;
    ReceiveSink& sink_;
};

// True when the block starts with the two given marks.
bool startsWith(const platform::Bytes& block, std::uint8_t mark0, std::uint8_t mark1);

}  // namespace brivon::link
