#pragma once
// A complete data-logger dump: a sequence of sets, each a 13-byte set header
// (marked 0xAA 0x56) followed by 3-byte records up to the next set header or
// the end of the dump, read into the document's transfer block.

#include "core/platform/Clock.h"
#include "core/store/TransferBlock.h"

#include <cstdint>
#include <span>

namespace brivon::download {

// Replaces what `block` held with the sets of `dump` and marks it allocated;
// returns the number of sets (0: no set header was accepted). Set start times
// are the meter's local times converted by `clock`.
int parseLoggerDump(
    std::span<const std::uint8_t> dump, const platform::Clock& clock, store::TransferBlock& block);

}  // namespace brivon::download
