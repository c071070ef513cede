#pragma once
// The meter on its serial line: bytes in, bytes out. Recognises the program's
// commands (in any split) and answers polls and dump requests. Pure logic.

#include "sim/CommandParser.h"
#include "sim/MeterModel.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace brivon::sim {

// Bytes to send in one go, and the quiet time the line keeps after them.
struct Burst {
    std::vector<std::uint8_t> bytes;
    std::chrono::milliseconds pauseAfter { 0 };
};

class MeterSimulator {
public:
    // The meter pauses after the data-logger header and after each dump block,
    // so that the receiver can raise its receive threshold in between.
    static constexpr std::chrono::milliseconds kTransferGap { 100 };

    // Handles the received bytes; returns the answers in order.
    std::vector<Burst> receive(std::span<const std::uint8_t> bytes);

    MeterModel& model() { return model_; }
    const MeterModel& model() const { return model_; }

    // A silent meter takes nothing in and answers nothing (as if unplugged).
    void setSilent(bool silent) { silent_ = silent; }
    bool silent() const { return silent_; }
    // After the power-off command the meter is off until switched on again.
    bool poweredOff() const { return poweredOff_; }
    void powerOn();
    // A meter whose transfers stop after `bytes` bytes of each dump (the data-logger
    // header still announces the whole dump); nullopt sends every byte.
    void setTransferCut(std::optional<int> bytes) { transferCut_ = bytes; }

    int pollsAnswered() const { return polls_; }
    int exitCommands() const { return exits_; }

private:
    void handle(const Command& command, std::vector<Burst>& out);
    void appendLoggerDump(std::vector<Burst>& out) const;
    void cut(std::vector<std::uint8_t>& dump) const;

    CommandParser parser_;
    MeterModel model_;
    bool silent_ = false;
    bool poweredOff_ = false;
    std::optional<int> transferCut_;
    int polls_ = 0;
    int exits_ = 0;
};

}  // namespace brivon::sim
