#pragma once
// The bytes of the meter's serial protocol: frame marks, lengths, commands and key codes.

#include <array>
#include <cstdint>

namespace brivon::link::protocol {

inline constexpr const char* kPortSettings = "9600,n,8,1";
inline constexpr int kBinaryInputMode = 1;

// Frame marks: the first two bytes of a received block.
inline constexpr std::uint8_t kMeasurementMark0 = 0xAA;
inline constexpr std::uint8_t kMeasurementMark1 = 0xDD;
inline constexpr std::uint8_t kMemoryDumpMark0 = 0xBB;
inline constexpr std::uint8_t kMemoryDumpMark1 = 0x88;
inline constexpr std::uint8_t kLoggerHeaderMark0 = 0xAA;
inline constexpr std::uint8_t kLoggerHeaderMark1 = 0xCC;

// Receive thresholds.
inline constexpr int kMeasurementFrameLength = 19;
inline constexpr int kMemoryDumpLength = 1352;
inline constexpr int kLoggerHeaderLength = 5;
inline constexpr int kLoggerBlockLength = 8000;

// Commands.
inline constexpr std::uint8_t kPoll = 0x11;
inline constexpr std::uint8_t kMemoryDumpRequest = 0x12;
inline constexpr std::uint8_t kLoggerDumpRequest = 0x13;
inline constexpr std::array<std::uint8_t, 2> kKeyCommandPrefix { 0x87, 0x83 };
inline constexpr std::array<std::uint8_t, 3> kPowerOff { 0x55, 0xAA, 0x03 };
inline constexpr int kPowerOffRepeats = 3;

// Key codes: the third byte of a key command.
enum class Key : std::uint8_t {
    HoldClick = 0xEF,
    MaxMinClick = 0xBF,
    RangeClick = 0x7F,
    FcLuxClick = 0xFE,
    LoadClick = 0xFD,
    LoadDoubleClick = 0xDB,
    MemSetClick = 0xFB,
    MemSetDoubleClick = 0xDC,
    PeakClick = 0xF7,
    PeakDoubleClick = 0xDA,
    RelClick = 0xDF,
    RelDoubleClick = 0xDE,
    ProgramExit = 0x15,
};

// Packed BCD: one byte holds two decimal digits.
inline constexpr int bcd(std::uint8_t b)
{
    return (b & 0x0F) + (b >> 4) * 10;
}

inline constexpr bool isBcd(std::uint8_t b)
{
    return (b & 0x0F) <= 9 && (b >> 4) <= 9;
}

// Where the fields of a measurement frame lie.
namespace frame_offset {
inline constexpr int kYear = 3, kDayLead = 4, kMonth = 5, kDay = 6, kHour = 7, kMinute = 8, kSecond = 9;
inline constexpr int kGraphHundreds = 10, kGraphUnits = 11, kDisplayHundreds = 12, kDisplayUnits = 13;
inline constexpr int kModeByte = 14, kStatusByte = 15, kMemoryA = 16, kMemoryB = 17, kSamplingInterval = 18;
}  // namespace frame_offset

// A count byte holds the hundreds or the units of a count: 0-99.
inline constexpr std::uint8_t kMaxCountByte = 99;

}  // namespace brivon::link::protocol
