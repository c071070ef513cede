#pragma once
// Every byte the simulated meter has received, safe to read from any thread,
// with waits for a test to block until bytes have arrived.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace brivon::sim {

class ByteLog {
public:
    void append(std::span<const std::uint8_t> bytes);
    void clear();

    std::vector<std::uint8_t> bytes() const;
    std::size_t size() const;

    // True once at least `count` bytes have been received; false after the timeout.
    bool waitForCount(std::size_t count, std::chrono::milliseconds timeout) const;
    // True once `pattern` has been received at or after offset `from`; false after the timeout.
    bool waitForPattern(
        std::span<const std::uint8_t> pattern, std::chrono::milliseconds timeout, std::size_t from = 0) const;

private:
    bool contains(std::span<const std::uint8_t> pattern, std::size_t from) const;

    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace brivon::sim
