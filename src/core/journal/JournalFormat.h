#pragma once
// The bytes of a run journal: a header with the run's start time, then one
// fixed-size record per committed sample. Every record carries its sample
// index and a CRC-32 of its bytes, so a record that was only partly written
// (the program killed or the power lost in the middle of a write) is found
// and everything before it is still good.

#include "core/platform/Clock.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brivon::journal {

inline constexpr std::string_view kMagic = "BRIVONJ1";
inline constexpr std::size_t kHeaderSize = 20;  // magic, start time (int64), CRC-32
inline constexpr std::size_t kRecordSize = 24;  // index, value, gain, period, flags and padding, CRC-32

struct JournalHeader {
    platform::TimeValue runStart = 0;
};

// One committed sample with the run's settings at the moment it was committed.
struct SampleRecord {
    std::int32_t index = 0;  // the sample's position in the run, from 0
    float value = 0.0f;  // lux
    bool newReading = false;  // a reading was committed here (not a repeated period)
    bool footCandle = false;  // the run's unit flag
    std::int32_t gain = 0;  // the run's current gain
    std::int32_t samplePeriodMs = 0;
};

std::uint32_t crc32(std::string_view bytes);

std::string encodeHeader(const JournalHeader& header);
std::string encodeRecord(const SampleRecord& record);

// Nothing when the bytes are not a whole, intact header or record.
std::optional<JournalHeader> decodeHeader(std::string_view bytes);
std::optional<SampleRecord> decodeRecord(std::string_view bytes);

}  // namespace brivon::journal
