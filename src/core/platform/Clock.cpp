#include "core/platform/Clock.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <limits>

namespace brivon::platform {

TimeValue SystemClock::now() const
{
    return static_cast<TimeValue>(std::time(nullptr));
}

LocalTime SystemClock::toLocal(TimeValue t) const
{
    const std::time_t value = static_cast<std::time_t>(t);
    std::tm tm {};
    localtime_r(&value, &tm);
    return fromTm(tm);
}

TimeValue SystemClock::fromLocal(const LocalTime& local) const
{
    std::tm tm = toTm(local);
    return static_cast<TimeValue>(std::mktime(&tm));
}

TimeValue sampleTime(TimeValue start, std::int64_t index, std::int64_t periodSeconds)
{
    constexpr TimeValue kLatest = std::numeric_limits<TimeValue>::max();
    constexpr TimeValue kEarliest = std::numeric_limits<TimeValue>::min();
    TimeValue offset = 0;
    TimeValue time = 0;
    const bool negative = (index < 0) != (periodSeconds < 0);
    if (__builtin_mul_overflow(index, periodSeconds, &offset)) return negative ? kEarliest : kLatest;
    if (__builtin_add_overflow(start, offset, &time)) return offset < 0 ? kEarliest : kLatest;
    return time;
}

namespace {

constexpr int kTmYearBase = 1900;

// Held at the ends of int's range instead of overflowing: a field read from a
// file can be anything, and the time conversion then reports it.
int inIntRange(long long value)
{
    return static_cast<int>(
        std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

LocalTime fromTm(const std::tm& tm)
{
    return { inIntRange(static_cast<long long>(tm.tm_year) + kTmYearBase), tm.tm_mon + 1, tm.tm_mday,
        tm.tm_hour, tm.tm_min, tm.tm_sec };
}

std::tm toTm(const LocalTime& local)
{
    std::tm tm {};
    tm.tm_year = inIntRange(static_cast<long long>(local.year) - kTmYearBase);
    tm.tm_mon = inIntRange(static_cast<long long>(local.month) - 1);
    tm.tm_mday = local.day;
    tm.tm_hour = local.hour;
    tm.tm_min = local.minute;
    tm.tm_sec = local.second;
    tm.tm_isdst = -1;
    return tm;
}

std::string formatTime(const LocalTime& t, const std::string& format)
{
    std::string out;
    char field[16];
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        const char conversion = format[++i];
        int value = -1;
        switch (conversion) {
        case 'y':
            value = t.year % 100;
            break;
        case 'm':
            value = t.month;
            break;
        case 'd':
            value = t.day;
            break;
        case 'H':
            value = t.hour;
            break;
        case 'M':
            value = t.minute;
            break;
        case 'S':
            value = t.second;
            break;
        case 'Y':
            std::snprintf(field, sizeof field, "%d", t.year);
            out += field;
            continue;
        case '%':
            out += '%';
            continue;
        default:
            out += '%';
            out += conversion;
            continue;
        }
        std::snprintf(field, sizeof field, "%02d", value);
        out += field;
    }
    return out;
}

}  // namespace brivon::platform
