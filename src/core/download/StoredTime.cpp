#include "core/download/StoredTime.h"

#include "core/download/DumpLayout.h"
#include "core/link/MeterProtocol.h"

namespace brivon::download {
namespace {

constexpr int kFirstDay = 1, kLastDay = 31;
constexpr const char* kTimeTextFormat = "%d/%m/%y %H:%M:%S";

}  // namespace

bool isStoredDay(std::uint8_t day)
{
    const int value = link::protocol::bcd(day);
    return value >= kFirstDay && value <= kLastDay;
}

platform::LocalTime storedLocalTime(const StoredTime& time)
{
    using link::protocol::bcd;
    return { layout::kYearBase + bcd(time.year), bcd(time.month), bcd(time.day), bcd(time.hour),
        bcd(time.minute), bcd(time.second) };
}

std::string storedTimeText(const StoredTime& time)
{
    return platform::formatTime(storedLocalTime(time), kTimeTextFormat);
}

}  // namespace brivon::download
