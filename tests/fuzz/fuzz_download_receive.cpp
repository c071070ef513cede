// The receive path of a download: a memory dump or a data-logger header and
// dump arriving in arbitrary pieces, through the meter link and the dump
// receiver with the fake port and timers. A data-logger transfer must collect
// exactly the bytes after its header up to the announced length, whatever the
// pieces, and read them as the parser does; every transfer that ends must
// leave the program listening.

#include "FuzzCheck.h"
#include "core/download/DumpReceiver.h"
#include "core/download/LoggerDumpParser.h"
#include "core/download/MemoryDumpParser.h"
#include "core/link/MainTimers.h"
#include "core/link/MeterProtocol.h"
#include "support/FakeSerialPort.h"
#include "support/FakeTimers.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"

#include <algorithm>
#include <memory>

namespace brivon {
namespace {

using fuzz::require;

// The input: a mode byte, then pieces, each a control byte (its low six bits
// index the piece length, bit 6 lets five seconds pass before the piece)
// followed by the piece's bytes.
constexpr std::uint8_t kPieceLengthMask = 0x3F;
constexpr std::uint8_t kTimePassesBit = 0x40;
constexpr int kSecondsPassing = 5000;
constexpr int kMeterPort = 1;
constexpr std::size_t kHeaderLength = link::protocol::kLoggerHeaderLength;
constexpr int kLargestThreshold = 8000;
constexpr std::size_t kLengthHigh = 3, kLengthLow = 4;
constexpr int kHighByteWeight = 256;

// Piece lengths from one byte to a whole block of 8000 and beyond.
std::size_t pieceLength(std::uint8_t control)
{
    const unsigned index = control & kPieceLengthMask;
    return index < 32 ? index + 1 : (index - 31) * 300u;
}

// Forwards the link's blocks to the dump receiver and keeps the data-logger blocks it handed over.
struct Forwarder : link::ReceiveSink {
    void measurementReceived(const link::MeasurementUpdate&) override { }
    void memoryDumpReceived(const platform::Bytes& block) override
    {
        memoryBlocks.push_back(block);
        receiver->memoryDumpReceived(block);
    }
    void loggerBlockReceived(const platform::Bytes& block) override
    {
        loggerBlocks.push_back(block);
        receiver->loggerBlockReceived(block);
    }

    download::DumpReceiver* receiver = nullptr;
    std::vector<platform::Bytes> memoryBlocks;
    std::vector<platform::Bytes> loggerBlocks;
};

// What a transfer must collect: every byte after the first header, up to the announced length.
struct ExpectedDump {
    bool headerSeen = false;
    int length = 0;
    platform::Bytes bytes;
};

ExpectedDump expectedDump(const std::vector<platform::Bytes>& blocks)
{
    ExpectedDump expected;
    for (const platform::Bytes& block : blocks) {
        auto from = block.begin();
        if (!expected.headerSeen) {
            if (block.size() < kHeaderLength
                || !link::startsWith(
                    block, link::protocol::kLoggerHeaderMark0, link::protocol::kLoggerHeaderMark1))
                continue;
            expected.headerSeen = true;
            expected.length = block[kLengthHigh] * kHighByteWeight + block[kLengthLow];
            from += kHeaderLength;
        }
        expected.bytes.insert(expected.bytes.end(), from, block.end());
    }
    if (expected.bytes.size() > static_cast<std::size_t>(expected.length))
        expected.bytes.resize(static_cast<std::size_t>(expected.length));
    return expected;
}

void checkLoggerTransfer(const Forwarder& sink, const download::DownloadState& state,
    const link::SerialLink& link, const store::TransferBlock& received, const support::FakeSerialPort& port,
    const platform::Clock& clock)
{
    const ExpectedDump expected = expectedDump(sink.loggerBlocks);
    if (!expected.headerSeen) return;
    require(state.downloadTotal == expected.length, "the download total is the announced length");
    const bool complete = static_cast<int>(expected.bytes.size()) == expected.length;
    require(state.loggerComplete == complete, "complete exactly when every announced byte is in");
    require(state.bytesReceived == static_cast<int>(expected.bytes.size()), "every byte counted once");
    if (!complete) {
        const int missing = expected.length - state.bytesReceived;
        require(port.rThreshold() == std::min(missing, kLargestThreshold),
            "the threshold asks for what is missing");
        return;
    }
    require(link.listening(), "listening again");
    if (expected.length == 0) return;
    store::TransferBlock direct;
    download::parseLoggerDump(expected.bytes, clock, direct);
    require(received.readings == direct.readings && received.startIndexes == direct.startIndexes
            && received.startTimes == direct.startTimes && received.fullScales == direct.fullScales,
        "the collected dump reads as the dump itself");
}

}  // namespace
}  // namespace brivon

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace brivon;
    if (size < 1) return 0;
    support::FakeSerialPort port;
    support::FakeTimers timers;
    support::FixedClock clock;
    support::ScriptedPrompts prompts;
    auto memoryBlock = std::make_unique<store::MemoryBlock>();
    store::TransferBlock transferBlock;
    download::DownloadState state;
    Forwarder sink;
    link::MeterLink meter(port, timers, clock, sink);
    download::DumpReceiver receiver(
        meter, state, { *memoryBlock, transferBlock, {} }, timers, clock, prompts);
    sink.receiver = &receiver;
    timers.setHandler([&](int id) {
        if (id == link::main_timers::kLoggerHeaderWait) receiver.headerWaitExpired();
        timers.stop(id);
    });
    meter.create(kMeterPort);

    const bool memory = (data[0] & 1) != 0;
    link::SerialLink& link = meter.serialLink();
    if (memory) {
        link.expectMemoryDump();
        port.setRThreshold(link::protocol::kMemoryDumpLength);
    } else {
        link.expectLoggerDump();
        receiver.expectLoggerDump();
        port.setRThreshold(link::protocol::kLoggerHeaderLength);
        timers.start(link::main_timers::kLoggerHeaderWait, link::main_timers::kLoggerHeaderWaitMs);
    }

    for (std::size_t at = 1; at < size;) {
        const std::uint8_t control = data[at++];
        if (control & kTimePassesBit) timers.advance(kSecondsPassing);
        const std::size_t length = std::min(pieceLength(control), size - at);
        port.deliver(platform::Bytes(data + at, data + at + length));
        at += length;
    }

    if (memory) {
        require(sink.memoryBlocks.size() <= 1, "one memory dump ends the transfer");
        if (!sink.memoryBlocks.empty()) {
            require(state.memoryComplete && link.listening(), "listening again");
            auto direct = std::make_unique<store::MemoryBlock>();
            require(download::parseMemoryDump(sink.memoryBlocks.front(), *direct) == memoryBlock->recordCount,
                "the memory block holds the dump's records");
            require(state.memoryEmpty == (memoryBlock->recordCount == 0), "empty exactly without records");
        }
    } else {
        checkLoggerTransfer(sink, state, link, transferBlock, port, clock);
    }
    return 0;
}
