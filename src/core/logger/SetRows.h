#pragma once
// The list of data-logger sets: its five columns and the texts of one row.

#include "core/platform/Clock.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace brivon::logger {

// The list sizes each column to its header and values.
struct SetListColumn {
    std::string_view title;
};

inline constexpr std::array<SetListColumn, 5> kSetListColumns { { { "Set" }, { "Time" }, { "Unit" },
    { "Sampling Rate" }, { "Nums" } } };

using SetRow = std::array<std::string, kSetListColumns.size()>;

// What a row says about a set.
struct SetSummary {
    platform::TimeValue startTime = 0;
    std::int32_t samplingRate = 0;  // seconds
    std::uint8_t unitFlag = 0;
    std::int32_t readingCount = 0;
};

// Row `row` (0-based): its number, start time, unit, sampling rate and reading count.
SetRow setRow(int row, const SetSummary& set, const platform::Clock& clock);

// How messages name the set of `row`: its number and start time, "Set 2 (15/01/26 08:30:00)".
std::string setName(const SetRow& row);

}  // namespace brivon::logger
