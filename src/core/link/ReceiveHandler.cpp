#include "core/link/ReceiveHandler.h"

#include "core/link/FrameLocator.h"
#include "core/link/MainTimers.h"
#include "core/link/MeterProtocol.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace brivon::link {

bool startsWith(const platform::Bytes& block, std::uint8_t mark0, std::uint8_t mark1)
{
    return block.size() >= 2 && block[0] == mark0 && block[1] == mark1;
}

ReceiveHandler::ReceiveHandler(SerialLink& link, FrameDecoder& decoder, MeterStatistics& statistics,
    platform::Timers& mainTimers, const platform::Clock& clock, ReceiveSink& sink)
    : link_(link)
    , decoder_(decoder)
    , statistics_(statistics)
    , mainTimers_(mainTimers)
    , clock_(clock)
    , sink_(sink)
{
}

void ReceiveHandler::onCommEvent()
{
    platform::SerialPort& port = link_.port();
    platform::Bytes block;
    try {
        if (port.commEvent() != platform::kCommEventReceive) {
            port.discardInput();
            return;
        }
        block = port.input();
    } catch (const platform::SerialError&) {
        return;
    }
    const platform::TimeValue now = clock_.now();

    // Each step reads the mode afresh: the sink may change it.
    if (link_.listening()) {
        decodeMeasurement(block, now);
        pacePoll(block);
    }
    if (link_.receiveMode() == ReceiveMode::Memory
        && startsWith(block, protocol::kMemoryDumpMark0, protocol::kMemoryDumpMark1)) {
        sink_.memoryDumpReceived(block);
    }
    if (link_.receiveMode() == ReceiveMode::Logger) sink_.loggerBlockReceived(block);
    sink_.eventFinished();
}

void ReceiveHandler::decodeMeasurement(const platform::Bytes& block, platform::TimeValue now)
{
    // A block without a whole frame is dropped, and the next poll asks again.
    const auto start = locateMeasurementFrame(block);
    if (!start) return;

    link_.measurementFrameAccepted();
    const DecodedFrame frame = decoder_.decode(
        std::span<const std::uint8_t>(block).subspan(*start, protocol::kMeasurementFrameLength));
    const bool footCandle = frame.reading.footCandle != 0;
    statistics_.add(
        frame.reading.graphValue, platform::formatTime(clock_.toLocal(now), "%H:%M:%S"), footCandle);
    sink_.measurementReceived({ frame, statistics_.texts(), now });
    try {
        link_.port().discardInput();
    } catch (const platform::SerialError&) {
    }
}

void ReceiveHandler::pacePoll(const platform::Bytes& block)
{
    const auto end
        = block.begin() + std::min<std::ptrdiff_t>(std::ssize(block), protocol::kMeasurementFrameLength);
    const bool meaningful
        = std::any_of(block.begin(), end, [](std::uint8_t b) { return b != 0x00 && b != 0xFF; });
    if (meaningful) mainTimers_.start(main_timers::kPoll, main_timers::kPollDelayMs);
}

}  // namespace brivon::link
