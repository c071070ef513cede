#pragma once
// The date and time fields of a stored record or set, BCD with years from 2000.

#include "core/platform/Clock.h"

#include <cstdint>
#include <string>

namespace brivon::download {

struct StoredTime {
    std::uint8_t year, month, day, hour, minute, second;  // BCD
};

// A day byte that opens a record: 1-31 by the BCD rule, whatever its digits (0x1A is day 20).
bool isStoredDay(std::uint8_t day);

platform::LocalTime storedLocalTime(const StoredTime& time);

// "%d/%m/%y %H:%M:%S" of the fields as they are.
std::string storedTimeText(const StoredTime& time);

}  // namespace brivon::download
