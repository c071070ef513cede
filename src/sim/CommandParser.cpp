#include "sim/CommandParser.h"

#include "core/link/MeterProtocol.h"

namespace brivon::sim {

namespace p = link::protocol;

std::vector<Command> CommandParser::feed(std::span<const std::uint8_t> bytes)
{
    std::vector<Command> out;
    for (const std::uint8_t byte : bytes)
        take(byte, out);
    return out;
}

void CommandParser::take(std::uint8_t byte, std::vector<Command>& out)
{
    switch (state_) {
    case State::Idle:
        start(byte, out);
        return;
    case State::KeyPrefix:
        if (byte == p::kKeyCommandPrefix[1]) {
            state_ = State::KeyCode;
            return;
        }
        break;
    case State::KeyCode:
        out.push_back({ Command::Kind::Key, byte });
        state_ = State::Idle;
        return;
    case State::PowerOff1:
        if (byte == p::kPowerOff[1]) {
            state_ = State::PowerOff2;
            return;
        }
        break;
    case State::PowerOff2:
        if (byte == p::kPowerOff[2]) {
            out.push_back({ Command::Kind::PowerOff, 0 });
            state_ = State::Idle;
            return;
        }
        break;
    }
    // A broken sequence: its bytes so far are dropped and this byte may start a new command.
    state_ = State::Idle;
    start(byte, out);
}

void CommandParser::start(std::uint8_t byte, std::vector<Command>& out)
{
    if (byte == p::kPoll) {
        out.push_back({ Command::Kind::Poll, 0 });
    } else if (byte == p::kMemoryDumpRequest) {
        out.push_back({ Command::Kind::MemoryRequest, 0 });
    } else if (byte == p::kLoggerDumpRequest) {
        out.push_back({ Command::Kind::LoggerRequest, 0 });
    } else if (byte == p::kKeyCommandPrefix[0]) {
        state_ = State::KeyPrefix;
    } else if (byte == p::kPowerOff[0]) {
        state_ = State::PowerOff1;
    }
}

}  // namespace brivon::sim
