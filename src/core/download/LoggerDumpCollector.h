#pragma once
// Collects a data-logger transfer from the blocks the port delivers: the
// 5-byte header announcing N, then every byte after it up to N, wherever the
// port's pieces happen to split them, including bytes that came in the
// header's own block. Bytes beyond N are ignored.

#include <cstdint>
#include <span>
#include <vector>

namespace brivon::download {

class LoggerDumpCollector {
public:
    enum class Step {
        Ignored,  // not a header while one is awaited, or the transfer is over
        EmptyDump,  // a header announcing N = 0
        Collecting,  // bytes are still missing
        Complete,  // all N bytes are in
    };

    // A new Data Logger command: a header is awaited.
    void reset();
    Step take(std::span<const std::uint8_t> block);

    bool awaitingHeader() const { return phase_ == Phase::AwaitingHeader; }
    int expectedLength() const { return expected_; }
    int received() const { return static_cast<int>(dump_.size()); }
    // The receive threshold that asks for what is still missing, at most one block of 8000.
    int nextThreshold() const;
    std::span<const std::uint8_t> dump() const { return dump_; }

private:
    enum class Phase { AwaitingHeader, Collecting, Done };

    Step append(std::span<const std::uint8_t> bytes);

    Phase phase_ = Phase::Done;
    int expected_ = 0;
    std::vector<std::uint8_t> dump_;
};

}  // namespace brivon::download
