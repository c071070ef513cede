#pragma once
// Splits the bytes the meter receives into commands. Commands may arrive in
// pieces or several in one chunk; bytes that start no command are skipped.

#include <cstdint>
#include <span>
#include <vector>

namespace brivon::sim {

struct Command {
    enum class Kind { Poll, MemoryRequest, LoggerRequest, Key, PowerOff };
    Kind kind = Kind::Poll;
    std::uint8_t key = 0;  // the key code of a key command

    bool operator==(const Command&) const = default;
};

class CommandParser {
public:
    std::vector<Command> feed(std::span<const std::uint8_t> bytes);

private:
    enum class State { Idle, KeyPrefix, KeyCode, PowerOff1, PowerOff2 };

    void take(std::uint8_t byte, std::vector<Command>& out);
    void start(std::uint8_t byte, std::vector<Command>& out);

    State state_ = State::Idle;
};

}  // namespace brivon::sim
