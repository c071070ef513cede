#include "core/journal/JournalReader.h"

#include "core/journal/JournalFormat.h"
#include "core/realtime/RunLimits.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace brivon::journal {

files::RealTimeRun RecoveredRun::view() const
{
    files::RealTimeRun run;
    run.readingCount = readingCount();
    run.sampleCount = sampleCount();
    run.samples = samples;
    run.readingToSample = readingToSample;
    run.currentGain = currentGain;
    run.unitFlag = unitFlag;
    run.runStart = runStart;
    run.samplePeriodMs = samplePeriodMs;
    return run;
}

JournalContents decodeJournal(std::string_view bytes)
{
    JournalContents contents;
    const auto header = decodeHeader(bytes.substr(0, kHeaderSize));
    if (!header) {
        contents.problem = "not a run journal, or its beginning is damaged";
        return contents;
    }
    RecoveredRun run;
    run.runStart = header->runStart;
    std::size_t offset = kHeaderSize;
    // A run never holds more than its limits; anything past them is not the run's.
    while (offset + kRecordSize <= bytes.size() && run.sampleCount() < realtime::run_limits::kMaxSamples) {
        const auto record = decodeRecord(bytes.substr(offset, kRecordSize));
        if (!record || record->index != run.sampleCount()) break;
        if (record->newReading) {
            if (run.readingCount() >= realtime::run_limits::kMaxReadings) break;
            run.readingToSample.push_back(record->index);
        }
        run.samples.push_back(record->value);
        run.currentGain = record->gain;
        run.unitFlag = record->footCandle ? 1 : 0;
        run.samplePeriodMs = record->samplePeriodMs;
        offset += kRecordSize;
    }
    contents.ignoredBytes = bytes.size() - offset;
    contents.run = std::move(run);
    return contents;
}

JournalContents readJournal(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        JournalContents contents;
        contents.problem = std::strerror(errno);
        return contents;
    }
    const std::string bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    return decodeJournal(bytes);
}

}  // namespace brivon::journal
