#include "support/FixedClock.h"

#include <ctime>

namespace brivon::support {

platform::LocalTime FixedClock::toLocal(platform::TimeValue t) const
{
    const std::time_t value = static_cast<std::time_t>(t);
    std::tm tm {};
    gmtime_r(&value, &tm);
    return platform::fromTm(tm);
}

platform::TimeValue FixedClock::fromLocal(const platform::LocalTime& local) const
{
    std::tm tm = platform::toTm(local);
    return static_cast<platform::TimeValue>(timegm(&tm));
}

}  // namespace brivon::support
