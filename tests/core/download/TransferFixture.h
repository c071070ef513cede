#pragma once
// The main window's logic on fakes, on line with a meter whose battery is
// normal, ready to start a download and feed it the meter's answer.

#include "core/app/MainFrameFixture.h"
#include "core/link/MainTimers.h"

#include <algorithm>
#include <functional>

namespace brivon::support {

class TransferTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        create();
        frame();
        mainTimers.advance(link::main_timers::kPollDelayMs);
    }

    // The command, then the request 100 ms later; the port log starts after it.
    void requestLoggerDump()
    {
        ASSERT_TRUE(logic->startDataLogger().started());
        mainTimers.advance(link::main_timers::kRequestDelayMs);
        port.clearLog();
    }
    void requestMemoryDump()
    {
        ASSERT_TRUE(logic->startMemory().started());
        mainTimers.advance(link::main_timers::kRequestDelayMs);
        port.clearLog();
    }

    // Delivers `bytes` in pieces of the sizes `nextPiece` gives (it sees the
    // threshold the program asks for); returns the thresholds asked for after each piece.
    std::vector<int> deliverInPieces(
        const platform::Bytes& bytes, const std::function<std::size_t()>& nextPiece)
    {
        std::vector<int> thresholds;
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t length = std::min(nextPiece(), bytes.size() - at);
            const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(at);
            port.deliver(platform::Bytes(first, first + static_cast<std::ptrdiff_t>(length)));
            at += length;
            thresholds.push_back(port.rThreshold());
        }
        return thresholds;
    }
    // Pieces exactly as large as each receive threshold asks for.
    std::vector<int> deliverAsAsked(const platform::Bytes& bytes)
    {
        return deliverInPieces(bytes, [this] { return static_cast<std::size_t>(port.rThreshold()); });
    }

    const download::DownloadState& state() const { return logic->downloads(); }
    link::ReceiveMode receiveMode() { return logic->link().serialLink().receiveMode(); }
    bool listensAgain()
    {
        const auto& ops = port.operations();
        return receiveMode() == link::ReceiveMode::Listening
            && state().panelStatusText == download::kIdleStatus && port.rThreshold() == 19
            && std::find(ops.begin(), ops.end(), "discard-in") != ops.end();
    }
};

}  // namespace brivon::support
