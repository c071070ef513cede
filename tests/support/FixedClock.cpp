#include "support/FixedClock.h"

#include <ctime>

namespace brivon::testing {

LocalTime FixedClock::toLocal(TimeValue t) const
{
    const std::time_t value = static_cast<std::time_t>(t);
    std::tm tm{};
    gmtime_r(&value, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

TimeValue FixedClock::fromLocal(const LocalTime& local) const
{
    std::tm tm{};
    tm.tm_year = local.year - 1900;
    tm.tm_mon = local.month - 1;
    tm.tm_mday = local.day;
    tm.tm_hour = local.hour;
    tm.tm_min = local.minute;
    tm.tm_sec = local.second;
    return static_cast<TimeValue>(timegm(&tm));
}

}  // namespace brivon::testing
