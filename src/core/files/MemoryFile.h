#pragma once
// The memory list file (.MemDat): the memory block's records, each with its
// value, unit, status text, sign and time text.

#include <filesystem>
#include <istream>
#include <string>

#include "core/files/FileOutcome.h"
#include "core/store/MemoryBlock.h"

namespace brivon::files {

std::string memoryFileBytes(const store::MemoryBlock& block);

// Reads a memory list file into the block. A wrong signature changes nothing.
// A file that ends early keeps the records read completely, with the record
// count saying how many they are. A count outside 0..capacity is refused
// before any record is stored.
FileOutcome readMemoryFile(std::istream& in, store::MemoryBlock& block);
// The file at `path`: a graph file there is refused as such, and changes nothing.
FileOutcome readMemoryFile(const std::filesystem::path& path, store::MemoryBlock& block);

inline constexpr const char* kMemoryListKind = "a memory list";

// True when `in` holds a whole memory list file and nothing after it.
bool holdsMemoryList(std::istream& in);

}  // namespace brivon::files
