#pragma once
// The meter's memory dump: up to 99 records of 13 bytes after a 3-byte lead,
// read into the document's memory block. The record list ends at the first
// record whose day is not 1-31, or at the end of the block.

#include "core/store/MemoryBlock.h"

#include <cstdint>
#include <span>

namespace brivon::download {

// Fills `block` from a dump that starts with its two mark bytes and returns
// the record count (0: the meter's memory is empty). Records past the count
// keep what they held.
int parseMemoryDump(std::span<const std::uint8_t> dump, store::MemoryBlock& block);

}  // namespace brivon::download
