#pragma once
// Stored data of the meter and the bytes the simulated meter's encoder makes
// of it, so that the program's parsers are checked against an independent writer.

#include "core/platform/SerialPort.h"
#include "sim/DumpEncoder.h"

#include <algorithm>
#include <vector>

namespace brivon::support {

inline const sim::MeterClock kStoredTime { 2010, 12, 7, 14, 5, 9 };

inline sim::MemoryRecord memoryRecord(double lux, int range = 2, bool footCandle = false)
{
    sim::MemoryRecord record;
    record.time = kStoredTime;
    record.lux = lux;
    record.rangeIndex = range;
    record.footCandle = footCandle;
    return record;
}

inline sim::LoggerSet loggerSet(int readings, int interval = 1, bool footCandle = false)
{
    sim::LoggerSet set;
    set.start = kStoredTime;
    set.samplingInterval = interval;
    set.footCandle = footCandle;
    for (int i = 0; i < readings; ++i)
        set.records.push_back({ static_cast<double>(i % 4000), 2 });
    return set;
}

// A data-logger dump of exactly `length` bytes: sets of up to 2000 readings
// with different rates and units; fewer than three bytes of padding at the end.
inline platform::Bytes loggerDumpOfLength(int length)
{
    constexpr int kSetHeader = sim::kLoggerSetHeaderLength, kRecord = sim::kLoggerRecordLength;
    constexpr int kMaxReadings = 2000;
    constexpr int kSlack
        = 6;  // a set this much longer takes the rest rather than leave too little for another
    std::vector<sim::LoggerSet> sets;
    int remaining = length;
    while (remaining >= kSetHeader + kRecord) {
        const int fit = (remaining - kSetHeader) / kRecord;
        const int readings = fit <= kMaxReadings + kSlack ? fit : kMaxReadings;
        const auto set = static_cast<int>(sets.size());
        sets.push_back(loggerSet(readings, set + 1, set % 2 == 1));
        remaining -= kSetHeader + kRecord * readings;
    }
    platform::Bytes dump = sim::encodeLoggerDump(sets);
    dump.resize(static_cast<std::size_t>(length), 0);
    return dump;
}

}  // namespace brivon::support
