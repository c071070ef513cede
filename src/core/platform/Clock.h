#pragma once
// The clock seam: "now" as seconds since 1970 and its local-time breakdown.

#include <cstdint>
#include <ctime>
#include <string>

namespace brivon::platform {

using TimeValue = std::int64_t;  // seconds since 1970

inline constexpr int kMillisecondsPerSecond = 1000;

struct LocalTime {
    int year = 1970;  // in full
    int month = 1;  // 1-12
    int day = 1;  // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeValue now() const = 0;
    virtual LocalTime toLocal(TimeValue t) const = 0;
    virtual TimeValue fromLocal(const LocalTime& local) const = 0;
};

// The computer's own clock and time zone.
class SystemClock : public Clock {
public:
    TimeValue now() const override;
    LocalTime toLocal(TimeValue t) const override;
    TimeValue fromLocal(const LocalTime& local) const override;
};

// The time of sample `index` of a series taken every `periodSeconds` from
// `start`, held at the ends of TimeValue's range instead of overflowing.
TimeValue sampleTime(TimeValue start, std::int64_t index, std::int64_t periodSeconds);

// Between the C library's broken-down time and ours (tm_isdst left to be worked out).
LocalTime fromTm(const std::tm& tm);
std::tm toTm(const LocalTime& local);

// strftime-style formatting of a broken-down time ("%d/%m/%y %H:%M:%S" and
// the other formats the program uses: %y %Y %m %d %H %M %S %%).
std::string formatTime(const LocalTime& t, const std::string& format);

}  // namespace brivon::platform
