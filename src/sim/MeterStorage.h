#pragma once
// The meter's stored data: up to 99 memory records and the data-logger sets,
// including the set being recorded while the logger runs.

#include "sim/StoredData.h"

#include <vector>

namespace brivon::sim {

class MeterStorage {
public:
    // False when the memory is full.
    bool storeMemory(const MemoryRecord& record);
    void clearMemory() { memory_.clear(); }
    const std::vector<MemoryRecord>& memory() const { return memory_; }

    // False when the set does not fit the logger any more.
    bool addLoggerSet(const LoggerSet& set);
    void clearLogger();
    const std::vector<LoggerSet>& loggerSets() const { return sets_; }

    // Opens a new set; false when the logger has no room for one.
    bool startRecording(const MeterClock& start, int samplingInterval, bool footCandle);
    // Closes the set; a set that got no record is dropped.
    void stopRecording();
    bool recording() const { return recording_; }
    // Appends the record once the sampling interval has passed since the last
    // one (at once for the first); recording stops when the logger is full.
    void recordIfDue(const MeterClock& now, const LoggerRecord& record);

private:
    int loggerLength() const;

    std::vector<MemoryRecord> memory_;
    std::vector<LoggerSet> sets_;
    bool recording_ = false;
    MeterClock lastRecordTime_;
};

}  // namespace brivon::sim
