#include "sim/MeterStorage.h"

#include "sim/DumpEncoder.h"

namespace brivon::sim {

bool MeterStorage::storeMemory(const MemoryRecord& record)
{
    if (static_cast<int>(memory_.size()) >= kMemoryCapacity) return false;
    memory_.push_back(record);
    return true;
}

bool MeterStorage::addLoggerSet(const LoggerSet& set)
{
    if (loggerLength() + loggerLengthOf(set) > kMaxLoggerDumpLength) return false;
    sets_.push_back(set);
    return true;
}

void MeterStorage::clearLogger()
{
    sets_.clear();
    recording_ = false;
}

bool MeterStorage::startRecording(const MeterClock& start, int samplingInterval, bool footCandle)
{
    stopRecording();
    if (loggerLength() + kLoggerSetHeaderLength + kLoggerRecordLength > kMaxLoggerDumpLength) return false;
    sets_.push_back({ start, samplingInterval, footCandle, {} });
    recording_ = true;
    return true;
}

void MeterStorage::stopRecording()
{
    if (!recording_) return;
    recording_ = false;
    if (sets_.back().records.empty()) sets_.pop_back();
}

void MeterStorage::recordIfDue(const MeterClock& now, const LoggerRecord& record)
{
    if (!recording_) return;
    LoggerSet& set = sets_.back();
    if (!set.records.empty() && secondsOf(now) - secondsOf(lastRecordTime_) < set.samplingInterval) return;
    set.records.push_back(record);
    lastRecordTime_ = now;
    if (loggerLength() + kLoggerRecordLength > kMaxLoggerDumpLength) stopRecording();
}

int MeterStorage::loggerLength() const
{
    int length = 0;
    for (const LoggerSet& set : sets_)
        length += loggerLengthOf(set);
    return length;
}

}  // namespace brivon::sim
