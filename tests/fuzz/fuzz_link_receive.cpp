// The receive path: bytes from the meter in arbitrary pieces, in one of the
// three modes, through the whole meter link with the fake port and timers.
// Every decoded reading must be one the views can show, and the logger mode
// must hand on every byte read from the port once, in order.

#include "FuzzCheck.h"
#include "core/link/MeterLink.h"
#include "core/link/MeterProtocol.h"
#include "support/FakeSerialPort.h"
#include "support/FakeTimers.h"
#include "support/FixedClock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace brivon {
namespace {

using fuzz::require;

constexpr std::array<int, 4> kThresholds { 1, link::protocol::kMeasurementFrameLength,
    link::protocol::kMemoryDumpLength, link::protocol::kLoggerHeaderLength };
// The input: a mode byte, a threshold byte, then pieces, each a control byte
// (its low six bits the piece length less one, bit 6 a watchdog tick before
// the piece, bit 7 the adapter unplugged or plugged in again) followed by the
// piece's bytes.
constexpr std::uint8_t kPieceLengthMask = 0x3F;
constexpr std::uint8_t kWatchdogBit = 0x40;
constexpr std::uint8_t kReplugBit = 0x80;
constexpr std::size_t kHeaderLength = 2;
constexpr int kMeterPort = 1;

enum Mode { kListening, kMemoryDump, kLoggerTransfer, kModeCount };

bool isOneOf(const std::string& text, std::initializer_list<const char*> choices)
{
    return std::any_of(choices.begin(), choices.end(), [&](const char* c) { return text == c; });
}

struct CheckingSink : link::ReceiveSink {
    void measurementReceived(const link::MeasurementUpdate& update) override
    {
        const link::Reading& reading = update.frame.reading;
        require(reading.rangeIndex <= 3, "range index 0-3");
        require(reading.footCandle <= 1, "unit flag 0 or 1");
        require(!reading.readingText.empty(), "a reading text");
        require(isOneOf(reading.unitText, { "Lux", "KLux", "FC", "KFC" }), "a known unit text");
        require(!std::isnan(reading.graphValue), "a graph value that is a number");
        require(reading.holdText.size() == 4, "a four-character hold text");
        require(!update.statistics.maximum.empty(), "a maximum text");
        ++readings;
    }
    void memoryDumpReceived(const platform::Bytes& block) override
    {
        require(link::startsWith(block, link::protocol::kMemoryDumpMark0, link::protocol::kMemoryDumpMark1),
            "a memory dump starts with its mark");
        ++memoryBlocks;
    }
    void loggerBlockReceived(const platform::Bytes& block) override
    {
        loggerBytes.insert(loggerBytes.end(), block.begin(), block.end());
    }

    int readings = 0;
    int memoryBlocks = 0;
    platform::Bytes loggerBytes;
};

// The fake port, also keeping every byte the link read from it.
struct ReadRecordingPort : support::FakeSerialPort {
    platform::Bytes input() override
    {
        platform::Bytes bytes = FakeSerialPort::input();
        read.insert(read.end(), bytes.begin(), bytes.end());
        return bytes;
    }

    platform::Bytes read;
};

}  // namespace
}  // namespace brivon

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace brivon;
    if (size < kHeaderLength) return 0;
    ReadRecordingPort port;
    support::FakeTimers timers;
    support::FixedClock clock;
    CheckingSink sink;
    link::MeterLink meter(port, timers, clock, sink);
    meter.create(kMeterPort);

    const int mode = data[0] % kModeCount;
    if (mode == kMemoryDump) meter.serialLink().expectMemoryDump();
    if (mode == kLoggerTransfer) meter.serialLink().expectLoggerDump();
    port.setRThreshold(kThresholds[data[1] % kThresholds.size()]);

    for (std::size_t at = kHeaderLength; at < size;) {
        const std::uint8_t control = data[at++];
        if (control & kReplugBit) {
            if (port.missingPorts.empty()) {
                port.missingPorts = { kMeterPort };
            } else {
                port.missingPorts.clear();
                meter.serialLink().restartLink();
            }
        }
        if (control & kWatchdogBit) meter.watchdogTick();
        const std::size_t length = std::min<std::size_t>((control & kPieceLengthMask) + 1u, size - at);
        const platform::Bytes piece(data + at, data + at + length);
        at += length;
        port.deliver(piece);
    }

    if (mode == kLoggerTransfer) {
        require(sink.loggerBytes == port.read, "the logger blocks are the bytes read, in order, each once");
    }
    if (mode != kListening) require(sink.readings == 0, "no reading decoded outside listening mode");
    return 0;
}
