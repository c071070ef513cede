#pragma once
// Where the fields of the meter's memory dump and data-logger dump lie.

#include <array>
#include <cstddef>
#include <cstdint>

namespace brivon::download::layout {

// Memory dump: two mark bytes and one unread byte, then 13-byte records.
inline constexpr std::size_t kMemoryFirstRecord = 3;
inline constexpr std::size_t kMemoryRecordLength = 13;
inline constexpr std::size_t kMemoryLastRecord = 1277;  // offset of the 99th record
namespace memory_record {
inline constexpr std::size_t kYear = 0, kMonth = 2, kDay = 3, kHour = 4, kMinute = 5, kSecond = 6;
inline constexpr std::size_t kHundreds = 8, kUnits = 9, kScale = 10, kSign = 11;
inline constexpr std::uint8_t kTypeMask = 0x38;  // bits 3-5 of the scale byte
inline constexpr std::uint8_t kNegativeBit = 0x10;  // in the sign byte
}  // namespace memory_record

// Data-logger header: two mark bytes, one unread byte, the dump length high byte first.
inline constexpr std::size_t kLengthHigh = 3, kLengthLow = 4;

// Data-logger set header.
inline constexpr std::array<std::uint8_t, 2> kSetMark { 0xAA, 0x56 };
inline constexpr std::size_t kSetHeaderLength = 13;
namespace set_header {
inline constexpr std::size_t kInterval = 3, kUnit = 4, kYear = 6, kMonth = 8, kDay = 9, kHour = 10,
                             kMinute = 11, kSecond = 12;
}  // namespace set_header

// Data-logger record: hundreds, units, scale byte.
inline constexpr std::size_t kRecordLength = 3;
namespace logger_record {
inline constexpr std::size_t kHundreds = 0, kUnits = 1, kScale = 2;
}  // namespace logger_record

// Scale byte of both kinds of record.
inline constexpr std::uint8_t kRangeMask = 0x03;
inline constexpr std::uint8_t kFootCandleBit = 0x04;

// Stored dates count years from 2000.
inline constexpr int kYearBase = 2000;

}  // namespace brivon::download::layout
