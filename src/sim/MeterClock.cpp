#include "sim/MeterClock.h"

#include <chrono>

namespace brivon::sim {
namespace {

constexpr int kYearBase = 2000;
constexpr int kBcdLimit = 100;
constexpr std::int64_t kSecondsPerDay = 86400;

std::chrono::sys_days daysOf(const MeterClock& clock)
{
    using namespace std::chrono;
    return sys_days { year { clock.year } / month { static_cast<unsigned>(clock.month) }
        / day { static_cast<unsigned>(clock.day) } };
}

}  // namespace

MeterClock computerClock()
{
    const platform::SystemClock clock;
    return clock.toLocal(clock.now());
}

std::uint8_t toBcd(int value)
{
    const int clamped = value < 0 ? 0 : value % kBcdLimit;
    return static_cast<std::uint8_t>((clamped / 10) << 4 | clamped % 10);
}

std::uint8_t yearByte(const MeterClock& clock)
{
    return toBcd(clock.year - kYearBase);
}

std::int64_t secondsOf(const MeterClock& clock)
{
    const std::int64_t days = daysOf(clock).time_since_epoch().count();
    return days * kSecondsPerDay + std::int64_t { clock.hour } * 3600 + std::int64_t { clock.minute } * 60
        + clock.second;
}

MeterClock advancedBy(const MeterClock& clock, std::int64_t seconds)
{
    using namespace std::chrono;
    const std::int64_t total = secondsOf(clock) + seconds;
    std::int64_t dayCount = total / kSecondsPerDay;
    std::int64_t secondOfDay = total % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --dayCount;
    }
    const year_month_day date { sys_days { days { dayCount } } };
    MeterClock out;
    out.year = static_cast<int>(date.year());
    out.month = static_cast<int>(static_cast<unsigned>(date.month()));
    out.day = static_cast<int>(static_cast<unsigned>(date.day()));
    out.hour = static_cast<int>(secondOfDay / 3600);
    out.minute = static_cast<int>(secondOfDay / 60 % 60);
    out.second = static_cast<int>(secondOfDay % 60);
    return out;
}

int isoWeekday(const MeterClock& clock)
{
    return static_cast<int>(std::chrono::weekday { daysOf(clock) }.iso_encoding());
}

}  // namespace brivon::sim
