#include "core/download/LoggerDumpCollector.h"

#include "core/download/DumpLayout.h"
#include "core/link/MeterProtocol.h"

#include <algorithm>

namespace brivon::download {
namespace {

constexpr int kBitsPerByte = 8;

bool isHeader(std::span<const std::uint8_t> block)
{
    return block.size() >= static_cast<std::size_t>(link::protocol::kLoggerHeaderLength)
        && block[0] == link::protocol::kLoggerHeaderMark0 && block[1] == link::protocol::kLoggerHeaderMark1;
}

}  // namespace

void LoggerDumpCollector::reset()
{
    phase_ = Phase::AwaitingHeader;
    expected_ = 0;
    dump_.clear();
}

LoggerDumpCollector::Step LoggerDumpCollector::take(std::span<const std::uint8_t> block)
{
    switch (phase_) {
    case Phase::AwaitingHeader:
        if (!isHeader(block)) return Step::Ignored;
        expected_ = (block[layout::kLengthHigh] << kBitsPerByte) | block[layout::kLengthLow];
        if (expected_ == 0) {
            phase_ = Phase::Done;
            return Step::EmptyDump;
        }
        phase_ = Phase::Collecting;
        dump_.reserve(static_cast<std::size_t>(expected_));
        return append(block.subspan(static_cast<std::size_t>(link::protocol::kLoggerHeaderLength)));
    case Phase::Collecting:
        return append(block);
    case Phase::Done:
        break;
    }
    return Step::Ignored;
}

LoggerDumpCollector::Step LoggerDumpCollector::append(std::span<const std::uint8_t> bytes)
{
    const auto missing = static_cast<std::size_t>(expected_ - received());
    const auto taken = bytes.first(std::min(missing, bytes.size()));
    dump_.insert(dump_.end(), taken.begin(), taken.end());
    if (received() < expected_) return Step::Collecting;
    phase_ = Phase::Done;
    return Step::Complete;
}

int LoggerDumpCollector::nextThreshold() const
{
    return std::clamp(expected_ - received(), 1, link::protocol::kLoggerBlockLength);
}

}  // namespace brivon::download
