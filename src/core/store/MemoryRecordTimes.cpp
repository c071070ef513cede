#include "core/store/MemoryRecordTimes.h"

#include <cstdio>
#include <tuple>

namespace brivon::store {
namespace {

// Two-digit years are of this century, as the meter's clock counts them.
constexpr int kCentury = 2000;

auto key(const platform::LocalTime& t)
{
    return std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

bool valid(const platform::LocalTime& t)
{
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour >= 0 && t.hour <= 23
        && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

}  // namespace

std::optional<platform::LocalTime> recordTime(const MemoryRecord& record)
{
    platform::LocalTime t;
    int year = 0;
    char end = 0;
    const int fields = std::sscanf(record.time.c_str(), "%2d/%2d/%2d %2d:%2d:%2d%c", &t.day, &t.month, &year,
        &t.hour, &t.minute, &t.second, &end);
    if (fields != 6 || year < 0) return std::nullopt;
    t.year = kCentury + year;
    if (!valid(t)) return std::nullopt;
    return t;
}

std::optional<RecordTimeRange> recordTimeRange(const MemoryBlock& block)
{
    std::optional<RecordTimeRange> range;
    for (const MemoryRecord& record : block.used()) {
        const std::optional<platform::LocalTime> t = recordTime(record);
        if (!t) continue;
        if (!range) range = RecordTimeRange { *t, *t };
        if (key(*t) < key(range->oldest)) range->oldest = *t;
        if (key(range->newest) < key(*t)) range->newest = *t;
    }
    return range;
}

}  // namespace brivon::store
