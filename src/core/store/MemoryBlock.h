#pragma once
// The meter's manual memory records as the document holds them: filled by a
// memory download or a memory list file, shown by the memory list window.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace brivon::store {

// The status of a record stored relative to a reference reading.
inline constexpr const char* kRelativeStatus = "Rel";

struct MemoryRecord {
    float value = 0.0f;  // lux; the over-range marker for "OL"
    std::string time;  // "%d/%m/%y %H:%M:%S" as the download made it
    std::string status;  // "General", "Pmin", "Pmax", "Max", "Min" or "Rel"
    std::uint8_t negative = 0;  // 1 = the reading was negative
    std::uint8_t footCandle = 0;  // 1 = shown in foot-candles
};

struct MemoryBlock {
    static constexpr int kCapacity = 100;

    std::array<MemoryRecord, kCapacity> records {};
    std::int32_t recordCount = 0;  // 0..kCapacity

    // The records in use, never more than the block holds.
    std::span<const MemoryRecord> used() const
    {
        return std::span<const MemoryRecord>(records).first(
            static_cast<std::size_t>(std::clamp(recordCount, 0, kCapacity)));
    }
};

}  // namespace brivon::store
