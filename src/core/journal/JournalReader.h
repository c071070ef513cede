#pragma once
// Reads a run journal back into the run it kept: the samples up to the last
// intact record, the reading bookkeeping, and the gain, unit and sample period
// the run had at its last committed sample, which is what Save would write.

#include "core/files/RealTimeRun.h"
#include "core/platform/Clock.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivon::journal {

struct RecoveredRun {
    platform::TimeValue runStart = 0;
    std::vector<float> samples;
    std::vector<std::int32_t> readingToSample;
    std::int32_t currentGain = 0;
    std::uint8_t unitFlag = 0;
    std::int32_t samplePeriodMs = 0;

    int sampleCount() const { return static_cast<int>(samples.size()); }
    int readingCount() const { return static_cast<int>(readingToSample.size()); }
    // The run as the file writers read it.
    files::RealTimeRun view() const;
};

struct JournalContents {
    std::optional<RecoveredRun> run;  // nothing without an intact header
    std::size_t ignoredBytes = 0;  // a damaged or half-written end, left out
    std::string problem;  // why there is no run
};

JournalContents decodeJournal(std::string_view bytes);
JournalContents readJournal(const std::filesystem::path& file);

}  // namespace brivon::journal
