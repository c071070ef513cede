#pragma once
// Encodes the meter's stored data into the bytes of its memory dump and its
// data-logger header and dump.

#include "sim/StoredData.h"

#include <cstdint>
#include <vector>

namespace brivon::sim {

inline constexpr int kLoggerSetHeaderLength = 13;
inline constexpr int kLoggerRecordLength = 3;
inline constexpr int kMaxLoggerDumpLength = 65535;  // the header's two length bytes

// Always kMemoryDumpLength bytes; records past kMemoryCapacity are left out.
std::vector<std::uint8_t> encodeMemoryDump(const std::vector<MemoryRecord>& records);

// The 5-byte header announcing a dump of `dumpLength` bytes.
std::vector<std::uint8_t> encodeLoggerHeader(int dumpLength);

// The sets one after the other; records that do not fit kMaxLoggerDumpLength are left out.
std::vector<std::uint8_t> encodeLoggerDump(const std::vector<LoggerSet>& sets);

// Bytes a set takes in the dump.
int loggerLengthOf(const LoggerSet& set);

}  // namespace brivon::sim
