#include "support/FixedClock.h"

#include <ctime>

namespace brivon::testing {

LocalTime FixedClock::toLocal(TimeValue t) const
{
    const std::time_t value = static_cast<std::time_t>(t);
    std::tm tm {};
    gmtime_r(&value, &tm);
    return fromTm(tm);
}

TimeValue FixedClock::fromLocal(const LocalTime& local) const
{
    std::tm tm = toTm(local);
    return static_cast<TimeValue>(timegm(&tm));
}

}  // namespace brivon::testing
